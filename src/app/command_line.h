// What the command line asks for: interactive start, usage screen or one of the batch runs.
#pragma once

#include <string>
#include <vector>

namespace kv40::app {

enum class StartMode {
  Interactive,    // no file
  Usage,          // "?" or "/?"
  KeepName,       // file + "/E" or "/G": the name becomes the current file, nothing is read
  StartWithFile,  // file + anything else: work on that file for the whole run
  BatchReport,    // file + "/I": report text file
  BatchCad,       // file + "/CADi:j": drawing file
  BatchJson,      // file + "/JSON": results as JSON
};

struct CommandLine {
  StartMode mode = StartMode::Interactive;
  std::string file;    // first parameter exactly as given
  int cadDevice = 0;   // i of "/CADi:j"
  int cadIndex = 0;    // j of "/CADi:j"; a non-number counts as 0
  bool noGui = false;  // "/NOGUI" anywhere

  bool IsBatch() const {
    return mode == StartMode::BatchReport || mode == StartMode::BatchCad ||
           mode == StartMode::BatchJson;
  }
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The lines of the usage screen.
std::vector<std::string> UsageLines();

}  // namespace kv40::app
