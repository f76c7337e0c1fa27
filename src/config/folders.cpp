// Filling and checking the configured folders at start-up.
#include "config/folders.h"

#include "config/config_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "base/text.h"
#include "model/dialogs.h"

namespace kv40::config {
namespace {

std::string Here(const std::string& dir) {
  return dir.empty() ? std::string(".") : dir;
}

void FillEmpty(std::string& folder, const std::string& with) {
  if (folder.empty()) folder = with;
  folder = base::AddBackslash(folder);
}

// Lets the user type another temporary folder; cancelling keeps the old one.
void AskTempDir(model::Session& p) {
  const bool cancelBefore = p.cancel;
  std::string folder = p.config.tempDir;
  if (model::AskText(p, "Ordner für temporäre Dateien", 60, folder) && !folder.empty()) {
    p.config.tempDir = base::AddBackslash(folder);
  }
  p.cancel = cancelBefore;
}

}  // namespace

bool FolderExists(const std::string& dir) {
  DIR* d = opendir(Here(dir).c_str());
  if (d == nullptr) return false;
  closedir(d);
  return true;
}

bool FolderWritable(const std::string& dir) {
  std::string file = base::AddBackslash(Here(dir)) + "x.$$$";
  int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0 && errno == EEXIST) {
    // someone's own "x.$$$" stays untouched: test with a fresh name instead
    file += "XXXXXX";
    fd = mkostemp(file.data(), O_CLOEXEC);
  }
  if (fd < 0) return false;
  close(fd);
  return unlink(file.c_str()) == 0;
}

std::string EnvironmentTempDir() {
  for (const char* name : {"TEMP", "TMPDIR"}) {
    if (const char* dir = std::getenv(name); dir != nullptr && *dir != '\0') return dir;
  }
  return "/tmp";
}

std::vector<FolderFault> CompleteAndCheckFolders(model::Config& c, const std::string& startDir) {
  FillEmpty(c.tempDir, EnvironmentTempDir());
  for (std::string* folder : {&c.cadDir, &c.dbfDir, &c.pltDir, &c.ediDir, &c.dataDir}) {
    FillEmpty(*folder, startDir);
  }
  std::vector<FolderFault> faults;
  const auto check = [&](bool ok, FolderFault::Which which, const char* message) {
    if (!ok) faults.push_back({which, message});
  };
  check(FolderWritable(c.cadDir), FolderFault::Cad, "ungültiger CAD Ordner konfiguriert");
  check(FolderExists(c.dbfDir), FolderFault::Dbf, "ungültiger DBF Ordner konfiguriert");
  check(FolderExists(c.pltDir), FolderFault::Plt, "ungültiger PLT Ordner konfiguriert");
  check(FolderWritable(c.tempDir), FolderFault::Temp,
        "ungültiger Ordner für temporäre Dateien konfiguriert");
  check(FolderWritable(c.ediDir), FolderFault::Edi, "ungültiger EDI Ordner konfiguriert");
  check(FolderWritable(c.dataDir), FolderFault::Data, "ungültiger Data Ordner konfiguriert");
  return faults;
}

std::string StartFolder(const model::Session& p) {
  if (!p.startDir.empty()) return p.startDir;
  std::error_code ec;
  return std::filesystem::current_path(ec).string();
}

void ValidateFolders(model::Session& p) {
  for (const FolderFault& f : CompleteAndCheckFolders(p.config, StartFolder(p))) {
    model::ShowError(p, f.message);
    if (f.which == FolderFault::Temp) AskTempDir(p);
  }
}

}  // namespace kv40::config
