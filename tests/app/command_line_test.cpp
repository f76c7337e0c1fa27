// Which start the command line selects.
#include "app/command_line.h"

#include <gtest/gtest.h>

namespace kv40::app {
namespace {

TEST(CommandLine, EveryRowOfTheTable) {
  struct Case {
    const char* name;
    std::vector<std::string> args;
    StartMode mode;
    int device;
    int index;
    bool noGui;
  };
  const Case cases[] = {
      {"none", {}, StartMode::Interactive, 0, 0, false},
      {"question mark", {"?"}, StartMode::Usage, 0, 0, false},
      {"slash question mark with more", {"/?", "x"}, StartMode::Usage, 0, 0, false},
      {"edit upper", {"a.edi", "/E"}, StartMode::KeepName, 0, 0, false},
      {"edit lower", {"a.edi", "/e", "/NOGUI"}, StartMode::KeepName, 0, 0, true},
      {"G", {"a.k40", "/G"}, StartMode::KeepName, 0, 0, false},
      {"lower g is a plain start", {"a.k40", "/g"}, StartMode::StartWithFile, 0, 0, false},
      {"report", {"a.k40", "/I"}, StartMode::BatchReport, 0, 0, false},
      {"report lower, nogui any case",
       {"a.k40", "/i", "/nogui"},
       StartMode::BatchReport,
       0,
       0,
       true},
      {"cad dxf", {"a.k40", "/CAD1:7"}, StartMode::BatchCad, 1, 7, false},
      {"cad any case, two digits", {"a.k40", "/cad2:12"}, StartMode::BatchCad, 2, 12, false},
      {"cad index not a number", {"a.k40", "/CAD5:x"}, StartMode::BatchCad, 5, 0, false},
      {"cad without index", {"a.k40", "/CAD1"}, StartMode::BatchCad, 1, 0, false},
      {"json", {"a.k40", "/json"}, StartMode::BatchJson, 0, 0, false},
      {"file alone", {"a.k40"}, StartMode::StartWithFile, 0, 0, false},
      {"file with unknown switch", {"a.k40", "/X"}, StartMode::StartWithFile, 0, 0, false},
      {"nogui alone is no file", {"/NOGUI"}, StartMode::Interactive, 0, 0, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CommandLine cl = ParseCommandLine(c.args);
    EXPECT_EQ(cl.mode, c.mode);
    EXPECT_EQ(cl.cadDevice, c.device);
    EXPECT_EQ(cl.cadIndex, c.index);
    EXPECT_EQ(cl.noGui, c.noGui);
    if (!c.args.empty() && c.mode != StartMode::Usage && c.mode != StartMode::Interactive) {
      EXPECT_EQ(cl.file, c.args[0]);
    }
  }
}

TEST(CommandLine, UsageScreenHasTwentyLines) {
  const auto lines = UsageLines();
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines[0], "KV40 Command Line Mode");
  EXPECT_EQ(lines[2], "wKV40 Filename [/I] [/CADi:j] [/NOGUI]");
  EXPECT_EQ(lines[13], "/?       -> Help");
  EXPECT_EQ(lines[19], "Example: wKV40 test.edi /E /NOGUI   ->  test.edi");
}

}  // namespace
}  // namespace kv40::app
