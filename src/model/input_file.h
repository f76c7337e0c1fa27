// Saving and opening the input data file, and choosing and checking a file to write.
// Every step shows its own message and sets p.cancel when it fails.
#pragma once

#include <string>
#include <string_view>

#include "model/session.h"

namespace kv40::model {

inline constexpr const char* kDefaultInputFile = "null.k40";  // template for a new connection
inline constexpr const char* kInputFileFilter = "*.k40";
// Output paths containing this word are working copies: never asked about.
inline constexpr const char* kScratchFileWord = "aktuell";

// A path split into its folder (with its separator, or empty) and the file name without
// extension. "/" and "\" both separate folders.
struct FileNameParts {
  std::string folder;
  std::string name;
};
FileNameParts SplitFileName(std::string_view path);

// The path of an input file: a name with "." is a path already, any other name is completed
// with the data folder and the extension "k40".
std::string InputFilePath(const Session& p, const std::string& name);

// The path to write to for name (empty: a save dialog, which also sets the data folder and
// currentFile), checked with CheckOutputFile. Empty and p.cancel when refused.
std::string ChooseOutputFile(Session& p, const std::string& name, bool askOverwrite = true);

// The overwrite question for an existing file (never for scratch files, not when
// askOverwrite is off) and the test that the path can be written at all.
void CheckOutputFile(Session& p, const std::string& path, bool askOverwrite = true);

// Writes the input fields. An empty name asks for one (Save As). Writing to the current file
// asks no overwrite question and clears `modified`. The file is replaced only when written
// completely; a failed save leaves the old file as it was.
void SaveInputFile(Session& p, const std::string& name);

// Reads the input fields from a file (empty name: an open dialog); the results are not
// calculated here. A file that cannot be read or ends early is refused and the state stays as
// it was. On success `modified` is cleared and true returned.
bool LoadInputFile(Session& p, const std::string& name);

// Loads "null.k40" from the data folder when it is there and leaves no current file.
// Returns true when it was loaded (not calculated).
bool LoadDefaultInputFile(Session& p);

}  // namespace kv40::model
