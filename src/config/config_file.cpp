// Reading and writing KV40.cfg in the configuration folder, with the shipped file as fall-back.
#include "config/config_file.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "base/text.h"
#include "base/text_file.h"
#include "model/dialogs.h"

namespace kv40::config {
namespace fs = std::filesystem;
namespace {

constexpr const char* kLossyNotice =
    "Einige Zeichen gibt es im DOS-Zeichensatz nicht; sie wurden als \"?\" gespeichert.";

}  // namespace

std::string HomeDir() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr) {
    return pw->pw_dir;
  }
  return ".";
}

namespace {

fs::path ProgramDir() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::path() : exe.parent_path();
}

void ResolveFolder(std::string& folder, const fs::path& baseDir) {
  if (folder.empty()) return;
  for (char& ch : folder) {
    if (ch == '\\') ch = '/';
  }
  fs::path path(folder);
  if (path.is_relative()) path = (baseDir / path).lexically_normal();
  folder = base::AddBackslash(path.string());
}

}  // namespace

std::string DefaultConfigDir() {
  if (const char* dir = std::getenv("KV40_HOME"); dir != nullptr && *dir != '\0') {
    return base::AddBackslash(dir);
  }
  return base::AddBackslash((fs::path(HomeDir()) / ".config" / "kv40").string());
}

std::string BundledDataDir() {
  const fs::path dir = ProgramDir();
  if (!dir.empty()) {
    std::error_code ec;
    const fs::path shared = (dir / ".." / "share" / "kv40").lexically_normal();
    if (fs::is_directory(shared, ec)) return base::AddBackslash(shared.string());
  }
  return base::AddBackslash(KV40_SOURCE_DATA_DIR);
}

fs::path ConfigFileName(const model::Session& p) {
  return fs::path(base::AddBackslash(p.configDir) + model::kProgramShortName + ".cfg");
}

void ResolveFolders(model::Config& c, const fs::path& baseDir) {
  for (std::string* folder :
       {&c.cadDir, &c.dbfDir, &c.tempDir, &c.ediDir, &c.pltDir, &c.programDir, &c.dataDir}) {
    ResolveFolder(*folder, baseDir);
  }
}

std::optional<model::Config> ReadConfigFile(const fs::path& file, const std::string& startDir,
                                            const ScreenInfo& screen) {
  const base::ReadResult read = base::ReadTextFile(file);
  if (!read.text) return std::nullopt;
  model::Config c = ParseConfig(*read.text, base::AddBackslash(startDir), screen).config;
  std::error_code ec;
  ResolveFolders(c, fs::absolute(file, ec).parent_path());
  return c;
}

bool ReadConfigFrom(model::Session& p, const fs::path& file, const fs::path& fallback,
                    const ScreenInfo& screen) {
  std::string startDir = p.startDir;
  if (startDir.empty()) {
    std::error_code ec;
    startDir = fs::current_path(ec).string();
  }
  std::optional<model::Config> c = ReadConfigFile(file, startDir, screen);
  if (!c) {
    // One that is there but is no file to read (a folder, a FIFO) is said; the shipped one
    // serves instead.
    std::error_code ec;
    const fs::file_status st = fs::status(file, ec);
    if (!ec && fs::exists(st) && !fs::is_regular_file(st)) {
      model::ShowError(p, model::CannotReadMessage(file));
    }
    c = ReadConfigFile(fallback, startDir, screen);
  }
  if (!c) {
    p.config = MissingFileDefaults(screen);
    p.cancel = true;
    return false;
  }
  p.config = std::move(*c);
  return true;
}

bool ReadConfig(model::Session& p, const ScreenInfo& screen) {
  if (p.configDir.empty()) p.configDir = DefaultConfigDir();
  return ReadConfigFrom(
      p, ConfigFileName(p),
      fs::path(BundledDataDir()) / (std::string(model::kProgramShortName) + ".cfg"), screen);
}

bool ReadConfig(model::Session& p, int screenWidth, int screenHeight) {
  ScreenInfo screen;
  screen.width = screenWidth;
  screen.height = screenHeight;
  return ReadConfig(p, screen);
}

bool WriteConfig(model::Session& p) {
  if (p.configDir.empty()) p.configDir = DefaultConfigDir();
  std::error_code ec;
  fs::create_directories(p.configDir, ec);
  if (ec) {
    model::ReportCreateError(p, ec.value());
    return false;
  }
  base::SafeTextWriter writer(ConfigFileName(p));
  for (const std::string& line : ConfigLines(p.config))
    writer.WriteLine(line);
  if (!writer.Commit()) {
    model::ReportCreateError(p, writer.error());
    return false;
  }
  if (writer.lossy()) model::ShowInfo(p, kLossyNotice);
  return true;
}

}  // namespace kv40::config
