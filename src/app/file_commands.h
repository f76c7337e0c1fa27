// File commands of the main window: New, Open, Save, Save As, the recent files, the
// save-changes question, the window title and the program end.
#pragma once

#include <string>

#include "app/program.h"
#include "app/shell.h"

namespace kv40::app {

// Before New, Open, a recent file and at close: offers to save unsaved inputs.
// Sets p.cancel when the user cancels.
void AskSaveChanges(Program& p);
// The main window's title for the current file.
std::string WindowTitle(const Program& p);

// A new connection from "null.k40" of the data folder, entered with the Quick input.
void FileNew(Program& p, Shell& shell);
void FileOpen(Program& p);
// Saves to the current file without a question; without a current file it is Save As.
void FileSave(Program& p);
void FileSaveAs(Program& p);
// Opens recent file i (1..4). An entry whose file is gone is taken off the list with a notice.
void OpenRecentFile(Program& p, Shell& shell, int i);

// The caption of recent-file item i (1..4) for its path: "&1 " and the path, long paths
// shortened in the middle.
std::string RecentItemCaption(int i, const std::string& path);
// A path of 50 or more characters keeps its first folder and its file name: "/home/.../a.k40".
std::string ShortenedPath(const std::string& path);

// True when the window may close: changes saved or dropped, temporary drawing files removed.
bool CloseQuery(Program& p);
// After the window has closed: the recent-file list, and the configuration when the caption
// language was changed during the run (so that it returns at the next start).
void ProgramEnd(Program& p, int languageAtStart);

}  // namespace kv40::app
