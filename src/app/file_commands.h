// File commands of the main window that need no window: the save-changes question, the
// window title, Open, Save, Save As and the close query.
#pragma once

#include <string>

#include "model/program.h"

namespace kv40::app {

// Before New, Open, a recent file and at close: offers to save unsaved inputs.
// Sets p.cancel when the user cancels.
void AskSaveChanges(model::Program& p);
// The main window's title for the current file.
std::string WindowTitle(const model::Program& p);

void FileOpen(model::Program& p);
void FileSave(model::Program& p);
void FileSaveAs(model::Program& p);
// True when the window may close: changes saved or dropped, temporary drawing files removed.
bool CloseQuery(model::Program& p);

}  // namespace kv40::app
