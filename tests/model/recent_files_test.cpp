// The recent-files list: its order, and its file KV40.cff.
#include <cerrno>
#include <filesystem>

#include <gtest/gtest.h>

#include "model/recent_files.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::model {
namespace {

using List = std::array<std::string, 4>;

TEST(RecentFiles, NewestFirstWithoutDuplicates) {
  test::TestProgram t;
  t.p.dataDir = "/daten/";
  for (const char* name : {"a", "b", "c", "d", "e"})
    AddRecentFile(t.p, name);
  EXPECT_EQ(t.p.recentFiles,
            (List{"/daten/e.k40", "/daten/d.k40", "/daten/c.k40", "/daten/b.k40"}));

  // the same path in other letter case moves to the top instead of appearing twice
  t.p.dataDir = "/DATEN";
  AddRecentFile(t.p, "C");
  EXPECT_EQ(t.p.recentFiles,
            (List{"/DATEN/C.k40", "/daten/e.k40", "/daten/d.k40", "/daten/b.k40"}));

  AddRecentFile(t.p, "/anders/start.k40");  // a path is taken as it is
  EXPECT_EQ(t.p.recentFiles[0], "/anders/start.k40");
  AddRecentFile(t.p, "");  // no current file: nothing to remember
  EXPECT_EQ(t.p.recentFiles[0], "/anders/start.k40");

  RemoveRecentFile(t.p, 2);
  EXPECT_EQ(t.p.recentFiles, (List{"/anders/start.k40", "/daten/e.k40", "/daten/d.k40", ""}));
  RemoveRecentFile(t.p, 0);
  RemoveRecentFile(t.p, 5);
  EXPECT_EQ(t.p.recentFiles[2], "/daten/d.k40");
}

TEST(RecentFiles, FileLayoutAndReadingBack) {
  test::TempDir dir;
  test::TestProgram t;
  t.p.configDir = dir.path().string() + "/kv40";  // created when missing
  t.p.dataDir = "/home/jörg/daten/";
  t.p.recentFiles = {"/home/jörg/daten/welle.k40", "/tmp/b.k40", "", ""};
  SaveRecentFiles(t.p);
  ASSERT_FALSE(t.p.cancel);
  EXPECT_EQ(test::ReadBytes(dir / "kv40/KV40.cff"),
            "KV40 Session /home/j\x94rg/daten/\r\n/home/j\x94rg/daten/welle.k40\r\n"
            "/tmp/b.k40\r\n\r\n\r\n");

  test::TestProgram back;
  back.p.configDir = t.p.configDir + "/";
  back.p.recentFiles = {"x", "x", "x", "x"};
  LoadRecentFiles(back.p);
  EXPECT_EQ(back.p.recentFiles, t.p.recentFiles);

  test::WriteBytes(dir / "kv40/KV40.cff", "KV40 Session /d/\r\n/d/a.k40\r\n");  // short file
  LoadRecentFiles(back.p);
  EXPECT_EQ(back.p.recentFiles, (List{"/d/a.k40", "", "", ""}));

  std::filesystem::remove(dir / "kv40/KV40.cff");
  LoadRecentFiles(back.p);
  EXPECT_EQ(back.p.recentFiles, List{});
  EXPECT_TRUE(back.ui.prompts().empty());
}

TEST(RecentFiles, WriteFailuresAreNamed) {
  struct Case {
    int error;
    const char* message;
  };
  const Case cases[] = {
      {EACCES, "Schreibschutz entfernen !"},
      {EROFS, "Schreibschutz entfernen !"},
      {ENOMEDIUM, "Programmdiskette einlegen !"},
      {ENOSPC, "I/O-Error 101"},
      {ENOTDIR, "I/O-Error 20"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    EXPECT_EQ(RecentFilesWriteMessage(c.error), c.message);
  }

  test::TempDir dir;
  test::WriteBytes(dir / "datei", "x");
  test::TestProgram t;
  t.p.configDir = (dir / "datei/kv40/").string();  // a folder below a file cannot exist
  SaveRecentFiles(t.p);
  EXPECT_TRUE(t.p.cancel);
  EXPECT_EQ(t.ui.MessageTexts(), std::vector<std::string>{"I/O-Error 20"});
}

}  // namespace
}  // namespace kv40::model
