// New, Open, Save, Save As, recent files, the save-changes question and the program end.
#include "app/file_commands.h"

#include <filesystem>

#include "app/commands.h"
#include "base/format.h"
#include "base/utf8.h"
#include "config/config_file.h"
#include "model/dialogs.h"
#include "model/input_file.h"
#include "model/recent_files.h"

namespace kv40::app {
namespace fs = std::filesystem;
namespace {

constexpr std::size_t kLongPath = 50;

bool IsSeparator(char c) {
  return c == '/' || c == '\\';
}

// A new connection starts with an empty change list and title block; the drawing is by
// today's user.
void ClearDocumentation(Program& p) {
  model::DocuData& d = p.docu;
  d.changeList = {};
  d.changeCount = 0;
  model::DrawingInfo& info = d.drawingInfo;
  for (std::string* field :
       {&info.drawnDate, &info.drawnBy, &info.checkedDate, &info.checkedBy, &info.standardDate,
        &info.standardBy, &info.releaseDate, &info.releaseBy, &info.replaces, &info.replacedBy}) {
    field->clear();
  }
  info.drawnDate = base::DateText(p.fmt(), p.Now());
  for (int i = 1; i <= 3; ++i)
    p.connection.text[i].clear();
}

}  // namespace

void AskSaveChanges(Program& p) {
  if (p.startedWithFile && p.config.archiveMode) {
    p.modified = false;
    return;
  }
  if (!p.currentFile.empty() && p.modified) {
    const std::string name =
        p.startedWithFile ? p.currentFile : p.dataDir + p.currentFile + "." + model::kFileExt;
    const bool yes = model::AskYesNoCancel(p, "Datei speichern (" + name + ") ?");
    if (p.cancel) return;
    if (yes) {
      model::SaveInputFile(p, p.currentFile);
      if (p.cancel) return;
    }
    p.modified = false;
  } else if (p.modified) {
    // "Nein" comes preselected: Enter never throws unsaved work away
    bool drop = false;
    if (!model::AskYesNo(p, "Bisherige Eingaben verwerfen ?", drop)) return;
    if (drop) {
      p.modified = false;
    } else {
      p.cancel = true;
    }
  }
}

std::string WindowTitle(const Program& p) {
  std::string title = model::kProgramTitle;
  if (p.currentFile.empty()) return title;
  title += "  -  " + p.currentFile;
  if (p.currentFile.find('.') == std::string::npos) title += std::string(".") + model::kFileExt;
  return title;
}

void FileNew(Program& p, Shell& shell) {
  p.cancel = false;
  AskSaveChanges(p);
  if (p.cancel) return;
  model::LoadDefaultInputFile(p);
  p.cancel = false;  // without a template the defaults stay
  p.currentFile.clear();
  shell.UpdateTitle();
  ClearDocumentation(p);
  shell.ClearGraphic();
  QuickInput(p, shell);
  if (p.cancel) return;
  shell.Refresh();
  p.modified = true;
}

void FileOpen(Program& p) {
  p.cancel = false;
  AskSaveChanges(p);
  if (p.cancel) return;
  OpenInputFile(p, "");
  if (p.cancel) return;
  p.modified = false;
  model::AddRecentFile(p, p.currentFile);
}

void FileSave(Program& p) {
  if (p.currentFile.empty()) {
    FileSaveAs(p);
    return;
  }
  p.cancel = false;
  model::SaveInputFile(p, p.currentFile);
  if (!p.cancel) p.modified = false;
}

void FileSaveAs(Program& p) {
  p.cancel = false;
  model::SaveInputFile(p, "");
  if (p.cancel) return;
  p.modified = false;
  model::AddRecentFile(p, p.currentFile);
}

void OpenRecentFile(Program& p, Shell& shell, int i) {
  p.cancel = false;
  AskSaveChanges(p);
  if (p.cancel) return;
  const std::string path = p.recentFiles[static_cast<std::size_t>(i - 1)];
  std::error_code ec;
  if (path.empty() || !fs::is_regular_file(path, ec)) {
    model::RemoveRecentFile(p, i);
    shell.ApplyCaptions();
    shell.UpdateTitle();
    model::ShowInfo(p, "File " + path + " not found !");
    return;
  }
  // A file that cannot be read leaves the connection and its name as they were, so that Save
  // does not write the old inputs under the new name.
  const std::string oldFile = p.currentFile;
  const std::string oldDir = p.dataDir;
  const model::FileNameParts parts = model::SplitFileName(path);
  const bool plainName = parts.name.find('.') == std::string::npos &&
                         path.ends_with(std::string(".") + model::kFileExt);
  p.dataDir = parts.folder;
  OpenInputFile(p, path);
  if (p.cancel) {
    p.currentFile = oldFile;
    p.dataDir = oldDir;
  } else {
    p.currentFile = plainName ? parts.name : path;
    model::AddRecentFile(p, p.currentFile);
    p.modified = false;
    shell.Refresh();
  }
  shell.UpdateTitle();
}

std::string ShortenedPath(const std::string& path) {
  if (base::CharCount(path) < kLongPath) return path;
  // An absolute path keeps its first folder, as a drive letter was kept before.
  const std::size_t first = path.find_first_of("/\\", IsSeparator(path.front()) ? 1 : 0);
  const std::size_t last = path.find_last_of("/\\");
  if (first == std::string::npos || first >= last) return path;
  return path.substr(0, first + 1) + "..." + path.substr(last);
}

std::string RecentItemCaption(int i, const std::string& path) {
  std::string shown = ShortenedPath(path);
  // a "&" in a folder name would be taken for an access key
  std::string escaped;
  for (char c : shown) {
    if (c == '&') escaped += '&';
    escaped += c;
  }
  return "&" + std::to_string(i) + " " + escaped;
}

bool CloseQuery(Program& p) {
  p.cancel = false;
  AskSaveChanges(p);
  if (p.cancel) return false;
  // Nothing in the temporary folder is deleted: the drawing blocks live in memory, and files
  // named "$*.dx$" there are the user's logo blocks or another running program's.
  return true;
}

void ProgramEnd(Program& p, int languageAtStart) {
  p.cancel = false;
  model::SaveRecentFiles(p);
  if (p.config.language != languageAtStart) config::WriteConfig(p);
}

}  // namespace kv40::app
