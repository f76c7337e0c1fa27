// Open, Save, Save As, the save-changes question and the close query.
#include "app/file_commands.h"

#include <filesystem>

#include "model/dialogs.h"
#include "model/input_file.h"
#include "model/recent_files.h"

namespace kv40::app {
namespace fs = std::filesystem;

void AskSaveChanges(model::Program& p) {
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
    bool drop = true;
    if (!model::AskYesNo(p, "Bisherige Eingaben verwerfen ?", drop)) return;
    if (drop) {
      p.modified = false;
    } else {
      p.cancel = true;
    }
  }
}

std::string WindowTitle(const model::Program& p) {
  std::string title = model::kProgramTitle;
  if (p.currentFile.empty()) return title;
  title += "  -  " + p.currentFile;
  if (p.currentFile.find('.') == std::string::npos) title += std::string(".") + model::kFileExt;
  return title;
}

void FileOpen(model::Program& p) {
  p.cancel = false;
  AskSaveChanges(p);
  if (p.cancel) return;
  model::LoadInputFile(p, "");
  if (p.cancel) return;
  p.modified = false;
  model::AddRecentFile(p, p.currentFile);
}

void FileSave(model::Program& p) {
  p.cancel = false;
  model::SaveInputFile(p, p.currentFile);
  if (!p.cancel) p.modified = false;
}

void FileSaveAs(model::Program& p) {
  p.cancel = false;
  model::SaveInputFile(p, "");
  if (p.cancel) return;
  p.modified = false;
  model::AddRecentFile(p, p.currentFile);
}

bool CloseQuery(model::Program& p) {
  p.cancel = false;
  AskSaveChanges(p);
  if (p.cancel) return false;
  // temporary drawing block files "$*.dx$"
  std::error_code ec;
  if (!p.config.tempDir.empty() && fs::is_directory(p.config.tempDir, ec)) {
    for (const auto& e : fs::directory_iterator(p.config.tempDir, ec)) {
      const std::string name = e.path().filename().string();
      if (name.size() > 4 && name.front() == '$' && name.ends_with(".dx$")) {
        fs::remove(e.path(), ec);
      }
    }
  }
  return true;
}

}  // namespace kv40::app
