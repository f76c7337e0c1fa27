// The recent-files list: keeping it in order and its file in the configuration folder.
#include "model/recent_files.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "base/text.h"
#include "base/text_file.h"
#include "model/dialogs.h"
#include "model/input_file.h"

namespace kv40::model {
namespace {

std::filesystem::path RecentFilesPath(const Session& p) {
  return base::AddBackslash(p.configDir) + kRecentFilesName;
}

}  // namespace

void AddRecentFile(Session& p, const std::string& name) {
  if (name.empty()) return;
  const std::string path = InputFilePath(p, name);
  const std::string key = base::UpperCase(path);
  auto& list = p.recentFiles;
  const auto same = std::find_if(list.begin(), list.end(),
                                 [&](const std::string& e) { return base::UpperCase(e) == key; });
  if (same != list.end()) RemoveRecentFile(p, static_cast<int>(same - list.begin()) + 1);
  std::move_backward(list.begin(), list.end() - 1, list.end());
  list.front() = path;
}

void RemoveRecentFile(Session& p, int i) {
  auto& list = p.recentFiles;
  if (i < 1 || i > static_cast<int>(list.size())) return;
  std::move(list.begin() + i, list.end(), list.begin() + i - 1);
  list.back().clear();
}

void LoadRecentFiles(Session& p) {
  p.recentFiles = {};
  const base::ReadResult read = base::ReadTextFile(RecentFilesPath(p));
  if (!read.text) return;
  const auto& lines = read.text->lines;
  for (std::size_t i = 0; i < p.recentFiles.size() && i + 1 < lines.size(); ++i)
    p.recentFiles[i] = lines[i + 1];
}

void SaveRecentFiles(Session& p) {
  const std::filesystem::path path = RecentFilesPath(p);
  std::error_code ec;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
  base::SafeTextWriter w(path);
  w.WriteLine(kRecentFilesHead + p.dataDir);
  for (const std::string& entry : p.recentFiles)
    w.WriteLine(entry);
  if (!w.Commit()) {
    ShowError(p, RecentFilesWriteMessage(w.error()));
    p.cancel = true;
  }
}

std::string RecentFilesWriteMessage(int errnoValue) {
  switch (errnoValue) {
    case EACCES:
    case EPERM:
    case EROFS:
      return "Schreibschutz entfernen !";
    case ENODEV:
    case ENXIO:
    case ENOMEDIUM:
      return "Programmdiskette einlegen !";
    default: {
      // the historic number where there is one (disk full: 101), else the system's own
      const int dos = base::DosErrorCode(errnoValue);
      return "I/O-Error " + std::to_string(dos < 1000 ? dos : errnoValue);
    }
  }
}

}  // namespace kv40::model
