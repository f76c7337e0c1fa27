// Folder tests of the start-up check (ValidateFolders in config_file.h).
#pragma once

#include <string>
#include <vector>

#include "model/session.h"

namespace kv40::config {

// The folder exists and its entries can be listed ("" is the current folder).
bool FolderExists(const std::string& dir);
// A file "x.$$$" can be created in the folder and deleted again.
bool FolderWritable(const std::string& dir);
// The temporary folder of the environment: TEMP, else TMPDIR, else /tmp.
std::string EnvironmentTempDir();

struct FolderFault {
  enum Which { Cad, Dbf, Plt, Temp, Edi, Data } which;
  std::string message;  // the error the user is shown
};
// Fills the empty folder settings as the start-up does (the temporary folder from the
// environment, the others with startDir), ends each with "/", and checks them: the CAD,
// temporary, EDI and data folders must be writable, the DBF and PLT folders must exist.
std::vector<FolderFault> CompleteAndCheckFolders(model::Config& c, const std::string& startDir);
// The folder that was current at program start.
std::string StartFolder(const model::Session& p);

}  // namespace kv40::config
