// The main window's menu as one table: every item with its object name, caption, shortcut
// and handler. The window builds its menu bar from it; tests walk it.
#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "app/program.h"
#include "app/shell.h"

namespace kv40::app {

using Handler = void (*)(Program& p, Shell& shell);
using CaptionFn = std::string (*)(const Program& p);

struct MenuEntry {
  int level;             // 0: menu of the menu bar, 1: its item or submenu, 2: submenu item
  const char* name;      // object name of the action or menu
  CaptionFn caption;     // nullptr: a separator
  const char* shortcut;  // "Ctrl+N", "Shift+F1", or ""
  Handler handler;       // nullptr for menus, separators and commands not available yet
  const char* waitsFor;  // for a command without handler: the part of the program it needs
};

std::span<const MenuEntry> CommandTable();

// Entry i opens a submenu: the next entry lies one level deeper.
bool IsMenu(std::span<const MenuEntry> table, std::size_t i);
inline bool IsSeparator(const MenuEntry& e) {
  return e.caption == nullptr;
}

// Object names of the four recent-file items and of the separator before "Exit".
inline constexpr const char* kRecentItemNames[] = {"mi_file1", "mi_file2", "mi_file3", "mi_file4"};
inline constexpr const char* kRecentSeparatorName = "mi_fileRecentSeparator";
inline constexpr const char* kErrorItemName = "mi_viewErrorMessages";
// The OLE menu's export waits for the first start of the spreadsheet; its import has no function.
inline constexpr const char* kOleExportName = "mi_OleExportExcel";
inline constexpr const char* kOleImportName = "mi_OleImportExcel";

}  // namespace kv40::app
