// Starting the linked documents: the program with the file as its one argument, no shell.
#include "docu/documents.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::docu {
namespace {

// PATH with a stand-in for the desktop's opener in front, for the length of a test.
class StandInOpener {
 public:
  explicit StandInOpener(const test::TempDir& dir) {
    const auto bin = dir / "bin";
    std::filesystem::create_directory(bin);
    test::WriteBytes(bin / "xdg-open", "#!/bin/sh\nexit 0\n");
    chmod((bin / "xdg-open").c_str(), 0755);
    if (const char* old = std::getenv("PATH")) old_ = old;
    setenv("PATH", (bin.string() + ":/usr/bin:/bin").c_str(), 1);
    opener = (bin / "xdg-open").string();
  }
  ~StandInOpener() { setenv("PATH", old_.c_str(), 1); }
  std::string opener;

 private:
  std::string old_;
};

TEST(Documents, StartDocument) {
  test::TempDir dir;
  const StandInOpener path(dir);
  test::WriteBytes(dir / "plan mit blank.pdf", "%PDF");
  const std::string inData = (dir / "plan mit blank.pdf").string();
  struct Case {
    const char* name;
    std::string program;
    std::string file;
    std::string startedProgram;  // empty: nothing started
    std::string startedFile;
    std::vector<std::string> messages;
  };
  const std::vector<Case> cases = {
      {"program and file, the file one argument with its blanks",
       "true",
       inData,
       "/usr/bin/true",
       inData,
       {}},
      {"a relative file from the data folder",
       "true",
       "plan mit blank.pdf",
       "/usr/bin/true",
       inData,
       {}},
      {"a web address as it is",
       "true",
       "https://example.org/a b",
       "/usr/bin/true",
       "https://example.org/a b",
       {}},
      {"a program alone", "true", "", "/usr/bin/true", "", {}},
      {"no program: the desktop's default for the file", "", inData, path.opener, inData, {}},
      {"nothing set up",
       "xdg-open",
       "",
       "",
       "",
       {"Dokument 3 ist nicht eingerichtet (Menü Dokument -> Document Setup)."}},
      {"a program that is not there says so",
       "NOTEPAD.EXE",
       inData,
       "",
       "",
       {"NOTEPAD.EXE not found"}},
      {"a file that is not there says so",
       "true",
       "fehlt.pdf",
       "",
       "",
       {"Datei fehlt.pdf nicht gefunden !"}},
      {"no shell: a command line is no program",
       "true; rm -rf x",
       "",
       "",
       "",
       {"true; rm -rf x not found"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestProgram t;
    t.p.dataDir = dir.path().string() + "/";
    t.p.docu.documents[2] = {c.program, c.file};
    StartDocument(t.p, 3);
    if (c.startedProgram.empty()) {
      EXPECT_TRUE(t.desktop.started.empty());
    } else {
      ASSERT_EQ(t.desktop.started.size(), 1u);
      EXPECT_EQ(t.desktop.started[0].first, c.startedProgram);
      EXPECT_EQ(t.desktop.started[0].second, c.startedFile);
    }
    EXPECT_EQ(t.ui.MessageTexts(), c.messages);
  }
}

TEST(Documents, StartThatFailsSaysSo) {
  test::TestProgram t;
  t.desktop.result = false;
  t.p.docu.documents[0] = {"true", ""};
  StartDocument(t.p, 1);
  EXPECT_EQ(t.ui.MessageTexts(), std::vector<std::string>{"true not found"});
}

}  // namespace
}  // namespace kv40::docu
