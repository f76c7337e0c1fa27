// KV40.cfg on disk: where it lies, reading it at start-up with its fall-back, writing it back.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "config/config_format.h"
#include "model/session.h"

namespace kv40::config {

// The user's home folder: $HOME, else the password database's, else ".".
std::string HomeDir();
// The configuration folder: $KV40_HOME, else ~/.config/kv40; with a trailing "/".
std::string DefaultConfigDir();
// The shipped data: <folder of the program>/../share/kv40 when it exists, else the data
// folder of the source tree the program was built from; with a trailing "/".
std::string BundledDataDir();
// The configuration folder + "KV40.cfg".
std::filesystem::path ConfigFileName(const model::Session& p);

// Completes the folder settings of a file read from baseDir: "\" counts as "/", a relative
// folder lies inside baseDir, every folder that is set ends with "/".
void ResolveFolders(model::Config& c, const std::filesystem::path& baseDir);

// Reads KV40.cfg from the configuration folder (set from DefaultConfigDir when empty); when
// it is not there, the shipped one from BundledDataDir. When neither can be read: defaults
// sized from the screen, p.cancel set, false. The configuration folder stays the user's.
bool ReadConfig(model::Session& p, const ScreenInfo& screen);
bool ReadConfig(model::Session& p, int screenWidth, int screenHeight);
// ReadConfig with the two candidate files given.
bool ReadConfigFrom(model::Session& p, const std::filesystem::path& file,
                    const std::filesystem::path& fallback, const ScreenInfo& screen);

// Reads a configuration file into a configuration of its own, its folders resolved against
// the file's folder; nullopt when it cannot be read. Nothing of the session changes.
std::optional<model::Config> ReadConfigFile(const std::filesystem::path& file,
                                            const std::string& startDir, const ScreenInfo& screen);

// Writes p.config to the configuration folder (created when missing), safely: a failed
// write leaves the old file. On failure the error message, p.cancel and false.
bool WriteConfig(model::Session& p);

// Fills empty folder settings (the temporary folder with DefaultTempDir, the others with
// the start-up folder), ends each with "/", and checks them: the CAD, temporary, EDI and
// data folders must be writable, the DBF and PLT folders must exist. Every failure shows
// its error; for the temporary folder the user may then type another one. Start-up goes
// on in every case: p.cancel is left as it was.
void ValidateFolders(model::Session& p);

}  // namespace kv40::config
