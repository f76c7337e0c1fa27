// The file table command: scan, show, open the picked file, show again.
#include "app/file_table_command.h"

#include <filesystem>

#include "app/commands.h"
#include "app/file_commands.h"
#include "report/file_table.h"

namespace kv40::app {
namespace {
namespace fs = std::filesystem;

void OpenPicked(Program& p, Shell& shell, const std::string& path) {
  const std::string oldFile = p.currentFile;
  const std::string oldDir = p.dataDir;
  // a file of the data folder with the usual extension is known by its name, like Open does
  const fs::path file(path);
  const bool plainName = file.extension() == std::string(".") + model::kFileExt &&
                         file.stem().string().find('.') == std::string::npos;
  if (plainName) {
    p.dataDir = file.parent_path().string() + "/";
    OpenInputFile(p, file.stem().string());
  } else {
    OpenInputFile(p, path);
    if (!p.cancel) p.currentFile = path;
  }
  if (p.cancel) {
    p.currentFile = oldFile;
    p.dataDir = oldDir;
    return;
  }
  p.modified = false;
  shell.ApplyCaptions();
  shell.Refresh();
  shell.UpdateTitle();
}

}  // namespace

std::string PreviewCaption(const Program& p) {
  // without a data folder the files come from the current folder: name it
  std::error_code ec;
  const std::string folder = p.dataDir.empty() ? fs::current_path(ec).string() + "/" : p.dataDir;
  return std::string(model::kProgramShortName) + "  " + folder;
}

void FileOpenTable(Program& p, Shell& shell) {
  p.cancel = false;
  AskSaveChanges(p);
  if (p.cancel) return;
  const auto files = report::InputFilesOf(p.dataDir);
  shell.BeginScan(static_cast<int>(files.size()));
  report::PreviewGrid grid = report::ScanFiles(
      files, p.fmt(),
      [&shell](int done, const std::string& name) { return shell.ScanStep(done, name); });
  shell.EndScan();
  const std::string caption = PreviewCaption(p);
  while (const auto picked = shell.ShowPreview(grid, caption)) {
    if (*picked >= grid.rows.size()) break;
    grid.lastPicked = grid.rows[*picked].path;
    p.cancel = false;
    OpenPicked(p, shell, grid.lastPicked);
  }
  // the grid was left with Exit or its close box
  p.cancel = true;
  shell.UpdateTitle();
}

}  // namespace kv40::app
