// Starting programs and printing through processes, without leaving zombies behind.
#include "model/process_desktop.h"

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace kv40::model {
namespace {

// Child processes of this test in state Z.
int ZombieChildren() {
  int zombies = 0;
  const std::string self = std::to_string(getpid());
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    if (!std::getline(stat, line)) continue;
    // pid (comm) state ppid ...; comm may hold blanks, so read after the last ')'
    const auto close = line.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream rest(line.substr(close + 1));
    std::string state, ppid;
    rest >> state >> ppid;
    if (ppid == self && state == "Z") ++zombies;
  }
  return zombies;
}

template <class Pred>
bool WaitUntil(Pred pred) {
  for (int i = 0; i < 200; ++i) {
    if (pred()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return pred();
}

void WriteScript(const std::filesystem::path& path, const std::string& body) {
  std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

TEST(ProcessDesktop, StartsProgramWithTheFileAsOneArgument) {
  test::TempDir dir;
  const auto script = dir / "show";
  WriteScript(script,
              "printf '%s|%s' \"$#\" \"$1\" > \"$(dirname \"$0\")/seen.tmp\"\n"
              "mv \"$(dirname \"$0\")/seen.tmp\" \"$(dirname \"$0\")/seen\"");
  ProcessDesktop desktop;
  EXPECT_TRUE(desktop.StartProgram(script.string(), "mein bericht; rm -rf x.txt"));
  ASSERT_TRUE(WaitUntil([&] { return std::filesystem::exists(dir / "seen"); }));
  EXPECT_EQ(test::ReadBytes(dir / "seen"), "1|mein bericht; rm -rf x.txt");
  EXPECT_TRUE(WaitUntil([] { return ZombieChildren() == 0; }));
}

TEST(ProcessDesktop, MissingProgramFails) {
  ProcessDesktop desktop;
  EXPECT_FALSE(desktop.StartProgram("/nonexistent/kv40-no-such-program", "a.txt"));
  EXPECT_FALSE(desktop.StartProgram("", "a.txt"));
}

TEST(ProcessDesktop, PrintingReportsTheCommandsResult) {
  struct Case {
    const char* name;
    std::string command;
    bool want;
  };
  const Case cases[] = {
      {"printed", "true", true},
      {"printer refused", "false", false},
      {"no print command", "kv40-no-such-print-command", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ProcessDesktop desktop(c.command);
    EXPECT_EQ(desktop.PrintTextFile("/tmp/x.txt"), c.want);
  }
  EXPECT_EQ(ZombieChildren(), 0);
}

TEST(ProcessDesktop, CheckedStartReportsAnOpenerThatGivesUpAtOnce) {
  test::TempDir dir;
  WriteScript(dir / "no_handler", "exit 3");
  WriteScript(dir / "handled", "exit 0");
  WriteScript(dir / "runs_on", "sleep 3");
  struct Case {
    const char* name;
    std::string program;
    bool started;
  };
  const Case cases[] = {
      {"ends at once with an error: nothing opened the file", (dir / "no_handler").string(), false},
      {"ends at once without error", (dir / "handled").string(), true},
      {"still running after the watch", (dir / "runs_on").string(), true},
      {"not there at all", (dir / "fehlt").string(), false},
  };
  ProcessDesktop desktop;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(desktop.StartProgramChecked(c.program, "tabelle.xlsx"), c.started);
  }
  EXPECT_TRUE(WaitUntil([] { return ZombieChildren() == 0; }));
}

TEST(ProcessDesktop, DefaultProgramOfAFileType) {
  test::TempDir dir;
  const std::string oldPath = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
  struct Case {
    const char* name;
    std::string xdgMime;  // script body; empty: no xdg-mime at all
    bool known;
  };
  const Case cases[] = {
      {"a program is named", "echo libreoffice-calc.desktop", true},
      {"none is named", "exit 0", false},
      {"xdg-mime fails: cannot tell", "exit 4", true},
      {"no xdg-mime: cannot tell", "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto bin = dir / c.name;
    std::filesystem::create_directory(bin);
    if (!c.xdgMime.empty()) WriteScript(bin / "xdg-mime", c.xdgMime);
    setenv("PATH", bin.c_str(), 1);
    EXPECT_EQ(DesktopHasDefaultProgram("application/x-beispiel"), c.known);
    setenv("PATH", oldPath.c_str(), 1);
  }
}

}  // namespace
}  // namespace kv40::model
