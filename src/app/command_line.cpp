// Reading the command line: the first parameter is the file, the second the switch.
#include "app/command_line.h"

#include "base/format.h"
#include "base/text.h"

namespace kv40::app {
namespace {

int NumberOr0(const std::string& text) {
  return static_cast<int>(base::TryParseInt(text).value_or(0));
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine cl;
  for (const auto& a : args) {
    if (base::UpperCase(a) == "/NOGUI") cl.noGui = true;
  }
  // A lone "/NOGUI" is a switch, not a file name.
  if (args.empty() || base::UpperCase(args[0]) == "/NOGUI") return cl;

  const std::string& first = args[0];
  if (first == "?" || first == "/?") {
    cl.mode = StartMode::Usage;
    return cl;
  }
  cl.file = first;
  const std::string second = args.size() > 1 ? args[1] : std::string();
  const std::string upper = base::UpperCase(second);
  if (second == "/E" || second == "/e" || second == "/G") {
    cl.mode = StartMode::KeepName;
  } else if (second == "/I" || second == "/i") {
    cl.mode = StartMode::BatchReport;
  } else if (upper == "/JSON") {
    cl.mode = StartMode::BatchJson;
  } else if (upper.starts_with("/CAD")) {
    cl.mode = StartMode::BatchCad;
    cl.cadDevice = second.size() > 4 ? NumberOr0(second.substr(4, 1)) : 0;
    cl.cadIndex = second.size() > 6 ? NumberOr0(second.substr(6)) : 0;
  } else {
    cl.mode = StartMode::StartWithFile;
  }
  return cl;
}

std::vector<std::string> UsageLines() {
  return {
      "KV40 Command Line Mode",
      "",
      "wKV40 Filename [/I] [/CADi:j] [/NOGUI]",
      "",
      "/I       -> TXT file",
      "",
      "/CADi:j  -> CAD File",
      "            i: 1=DXF, 2=IGS, 5=TXT",
      "             j: index (1,2,3, ..)",
      "",
      "/JSON    -> JSON file",
      "",
      "",
      "/?       -> Help",
      "",
      "",
      "Example: wKV40 test.k40             ->  GUI",
      "Example: wKV40 test.k40 /I /NOGUI   ->  test.txt",
      "Example: wKV40 test.k40 /CAD1:1     ->  test.dxf",
      "Example: wKV40 test.edi /E /NOGUI   ->  test.edi",
  };
}

}  // namespace kv40::app
