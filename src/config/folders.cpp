// Filling and checking the configured folders at start-up.
#include "config/folders.h"

#include "config/config_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
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

std::string PrivateFolder(const std::filesystem::path& dir) {
  std::error_code ec;
  std::filesystem::create_directories(dir.parent_path(), ec);
  if (mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) return {};
  // A folder someone else made, or a link to elsewhere, is not ours to put files in.
  struct stat st {};
  if (lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != geteuid()) return {};
  if ((st.st_mode & 07777) != 0700 && chmod(dir.c_str(), 0700) != 0) return {};
  return base::AddBackslash(dir.string());
}

std::string DefaultTempDir() {
  const auto absolute = [](const char* name) -> const char* {
    const char* v = std::getenv(name);
    return v != nullptr && v[0] == '/' ? v : nullptr;
  };
  if (const char* runtime = absolute("XDG_RUNTIME_DIR")) {
    if (std::string dir = PrivateFolder(std::filesystem::path(runtime) / "kv40"); !dir.empty())
      return dir;
  }
  const char* cache = absolute("XDG_CACHE_HOME");
  const std::filesystem::path cacheDir =
      cache != nullptr ? std::filesystem::path(cache) : std::filesystem::path(HomeDir()) / ".cache";
  return PrivateFolder(cacheDir / "kv40");
}

std::vector<FolderFault> CompleteAndCheckFolders(model::Config& c, const std::string& startDir) {
  // Never the shared /tmp: another user's files there would block or hang every report.
  if (c.tempDir.empty()) c.tempDir = DefaultTempDir();
  if (!c.tempDir.empty()) c.tempDir = base::AddBackslash(c.tempDir);
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
  check(!c.tempDir.empty() && FolderWritable(c.tempDir), FolderFault::Temp,
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
