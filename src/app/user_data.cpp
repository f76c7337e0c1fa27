// First start from a read-only installation: a data folder of the user's own.
#include "app/user_data.h"

#include <cstdlib>
#include <filesystem>

#include "base/text.h"
#include "config/folders.h"

namespace kv40::app {
namespace fs = std::filesystem;

std::string UserDataDir() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg == '/') {
    return base::AddBackslash((fs::path(xdg) / "kv40").string());
  }
  const char* home = std::getenv("HOME");
  const fs::path base = home != nullptr && *home != '\0' ? fs::path(home) : fs::path(".");
  return base::AddBackslash((base / ".local" / "share" / "kv40").string());
}

void UseUserDataFolder(Program& p, const std::string& shippedDir) {
  if (config::FolderWritable(shippedDir)) return;
  const fs::path own = UserDataDir();
  std::error_code ec;
  for (const char* sub : {"cad", "edi"})
    fs::create_directories(own / sub, ec);
  if (!fs::is_directory(own, ec)) return;  // the folder checks will tell
  // the template of a new connection and the samples, unless the user has them already
  for (const auto& e : fs::directory_iterator(shippedDir, ec)) {
    if (e.path().extension() != ".k40" || !e.is_regular_file(ec)) continue;
    fs::copy_file(e.path(), own / e.path().filename(), fs::copy_options::skip_existing, ec);
  }
  model::Config& c = p.config;
  c.dataDir = own.string();
  c.cadDir = (own / "cad").string() + "/";
  c.ediDir = (own / "edi").string() + "/";
}

}  // namespace kv40::app
