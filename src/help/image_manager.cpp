// The help-image manager: the index's images in the graphic window, and its edits.
#include "help/image_manager.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "base/file_lookup.h"
#include "base/text.h"
#include "cad/quengraf.h"
#include "help/draw_hpgl.h"
#include "help/help_index.h"
#include "help/show_help.h"
#include "model/dialogs.h"

namespace kv40::help {
namespace fs = std::filesystem;
namespace {

constexpr const char* kPlotFilter = "*.plt";

void ShowImageFile(HelpSession& p, const fs::path& file) {
  p.graphic.Clear();
  cad::Header(p, 0, 0, kHelpImageWidth, kHelpImageHeight);
  DrawHpglFile(p, file);
  p.graphic.ClearViewPort();
}

void ShowEntryImage(HelpSession& p, const IndexEntry& e) {
  ShowImageFile(p, HelpDataFile(p, ImageNameOfItem(IndexItem(e)) + ".plt"));
}

// The entry selected in the window, else one the user chooses from the list; 0: cancelled.
int EntryFor(HelpSession& p, const HelpIndex& index, int selected, const std::string& prompt) {
  const int n = static_cast<int>(index.entries.size());
  if (selected >= 1 && selected <= n) return selected;
  if (n == 0) return 0;
  for (int i = 0; i < n && i + 1 < model::kItemLineCount; ++i)
    p.itemLines[static_cast<std::size_t>(i + 1)] = IndexItem(index.entries[i]);
  int choice = 1;
  return model::ChooseItem(p, prompt, n, choice) ? choice : 0;
}

// A plot file chosen in the PLT folder: its name without folder and extension.
std::optional<std::string> ChooseImageName(HelpSession& p) {
  const auto file = p.GetUi().OpenFile(kPlotFilter, p.config.pltDir);
  if (!file) return std::nullopt;
  return fs::path(*file).stem().string();
}

std::optional<std::string> AskInfo(HelpSession& p, const std::string& preset) {
  p.helpContext = kImageInfoHelp;
  std::string info = preset;
  if (!model::AskText(p, "Information zum Hilfebild", kIndexInfoLength, info)) return std::nullopt;
  return info;
}

bool Rewrite(HelpSession& p, const fs::path& file, const std::vector<std::string>& lines) {
  if (const int error = WriteHelpIndex(file, lines); error != 0) {
    model::ReportCreateError(p, error);
    return false;
  }
  return true;
}

// One edit of the index; false when it was cancelled or failed (the manager ends).
bool EditIndex(HelpSession& p, const fs::path& file, HelpIndex& index, const ImageChoice& c) {
  std::vector<std::string> lines = index.lines;
  const auto lineOf = [&](int entry) { return index.entries[entry - 1].line; };
  switch (c.action) {
    case ImageAction::New: {
      p.helpContext = kNewImageHelp;
      const auto name = ChooseImageName(p);
      if (!name) return false;
      const auto info = AskInfo(p, "");
      if (!info) return false;
      lines.push_back(IndexLine(*name, *info));
      return Rewrite(p, file, lines);
    }
    case ImageAction::Delete: {
      p.helpContext = kDeleteImageHelp;
      const int entry = EntryFor(p, index, c.entry, "Zu löschende Zeile wählen...");
      if (entry == 0) return false;
      if (!model::AskYesNoCancel(p, "Löschen ?") || p.cancel) return false;
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(lineOf(entry)));
      return Rewrite(p, file, lines);
    }
    case ImageAction::Change: {
      p.helpContext = kImageInfoHelp;
      const int entry = EntryFor(p, index, c.entry, "Zu ändernde Zeile wählen...");
      if (entry == 0) return false;
      const IndexEntry& e = index.entries[static_cast<std::size_t>(entry - 1)];
      p.helpContext = kImageNameHelp;
      std::string name = base::LowerCase(e.name);
      if (!model::AskText(p, "Dateiname (ohne Endung .plt)", kIndexNameLength, name)) return false;
      const auto info = AskInfo(p, e.info);
      if (!info) return false;
      lines[lineOf(entry)] = IndexLine(name, *info);
      return Rewrite(p, file, lines);
    }
    case ImageAction::Insert: {
      p.helpContext = kInsertImageHelp;
      const int entry = EntryFor(p, index, c.entry, "Vor welche Zeile einfügen ?");
      if (entry == 0) return false;
      const auto name = ChooseImageName(p);
      if (!name) return false;
      const auto info = AskInfo(p, "");
      if (!info) return false;
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lineOf(entry)),
                   IndexLine(*name, *info));
      return Rewrite(p, file, lines);
    }
    case ImageAction::Show:
    case ImageAction::Ok:
      break;
  }
  return false;
}

// Without an index: plot files chosen by the user; false when the user stopped.
bool BrowsePlotFiles(HelpSession& p) {
  const auto file = p.GetUi().OpenFile(kPlotFilter, p.config.pltDir);
  if (!file) return false;
  p.config.pltDir = base::AddBackslash(fs::path(*file).parent_path().string());
  ShowImageFile(p, *file);
  return true;
}

}  // namespace

void ManageHelpImages(HelpSession& p) {
  p.cancel = false;
  bool first = true;
  int shown = 1;
  while (!p.cancel) {
    const fs::path file = HelpDataFile(p, IndexFileName());
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
      if (!BrowsePlotFiles(p)) return;
      continue;
    }
    const auto read = base::ReadTextFile(file);
    HelpIndex index = read.text ? ParseHelpIndex(*read.text) : HelpIndex{};
    if (index.badFields > 0) model::ShowError(p, "DBH file error");
    const int n = static_cast<int>(index.entries.size());
    ImageChoice choice;
    if (first && n > 0) {
      first = false;
      ShowEntryImage(p, index.entries[0]);
      continue;
    }
    if (first) {
      choice.action = ImageAction::New;
    } else {
      if (p.help.imageWindow == nullptr) return;
      p.helpContext = kManagerHelp;
      std::vector<std::string> items;
      for (const IndexEntry& e : index.entries)
        items.push_back(IndexItem(e));
      choice = p.help.imageWindow->Show(items, std::clamp(shown, n > 0 ? 1 : 0, n));
    }
    first = false;
    if (choice.action == ImageAction::Ok) return;
    if (choice.action == ImageAction::Show) {
      if (choice.entry < 1 || choice.entry > n) continue;
      shown = choice.entry;
      ShowEntryImage(p, index.entries[static_cast<std::size_t>(shown - 1)]);
      continue;
    }
    if (!EditIndex(p, file, index, choice)) return;
  }
}

}  // namespace kv40::help
