// Folder tests of the start-up check (ValidateFolders in config_file.h).
#pragma once

#include <string>

namespace kv40::config {

// The folder exists and its entries can be listed ("" is the current folder).
bool FolderExists(const std::string& dir);
// A file "x.$$$" can be created in the folder and deleted again.
bool FolderWritable(const std::string& dir);
// The temporary folder of the environment: TEMP, else TMPDIR, else /tmp.
std::string EnvironmentTempDir();

}  // namespace kv40::config
