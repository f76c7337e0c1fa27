// Folder tests of the start-up check (ValidateFolders in config_file.h).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "model/session.h"

namespace kv40::config {

// The folder exists and its entries can be listed ("" is the current folder).
bool FolderExists(const std::string& dir);
// A file "x.$$$" can be created in the folder and deleted again.
bool FolderWritable(const std::string& dir);
// dir as a folder private to the user (mode 0700), created when missing; with a trailing "/".
// Empty when it cannot be made or is not the user's own (another owner, a link, no folder).
std::string PrivateFolder(const std::filesystem::path& dir);
// The temporary folder when the configuration names none: $XDG_RUNTIME_DIR/kv40, else
// kv40 in the user's cache folder ($XDG_CACHE_HOME, else ~/.cache); empty when neither can
// be had.
std::string DefaultTempDir();
// The same under the name callers used before it stopped meaning $TEMP or /tmp.
inline std::string EnvironmentTempDir() {
  return DefaultTempDir();
}

struct FolderFault {
  enum Which { Cad, Dbf, Plt, Temp, Edi, Data } which;
  std::string message;  // the error the user is shown
};
// Fills the empty folder settings as the start-up does (the temporary folder with
// DefaultTempDir, the others with startDir), ends each with "/", and checks them: the CAD,
// temporary, EDI and data folders must be writable, the DBF and PLT folders must exist.
std::vector<FolderFault> CompleteAndCheckFolders(model::Config& c, const std::string& startDir);
// The folder that was current at program start.
std::string StartFolder(const model::Session& p);

}  // namespace kv40::config
