// The graphic window's calls for the drawing code: cancel flag, long texts, file check.
#include "cad/quengraf.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::cad {
namespace {

TEST(Quengraf, ADegenerateWindowCancels) {
  test::TestProgram t;
  EXPECT_TRUE(Header(t.p, 0, 0, 10, 10));
  EXPECT_FALSE(t.p.cancel);
  EXPECT_FALSE(Header(t.p, 0, 0, 10, 0));
  EXPECT_TRUE(t.p.cancel);
  t.p.cancel = false;
  EXPECT_FALSE(SetWindow(t.p, false, false, 0, 0, 1, 1, 3, 0, 3, 1));
  EXPECT_TRUE(t.p.cancel);
}

TEST(Quengraf, TextsOf255CharactersAndMoreAreDrawnEmpty) {
  test::TestProgram t;
  const std::string umlauts = [] {
    std::string s;
    for (int i = 0; i < 254; ++i)
      s += "ü";  // 508 bytes, 254 characters
    return s;
  }();
  OutTextXY(t.p, 1, 2, umlauts);
  OutTextXY(t.p, 1, 2, umlauts + "x");
  ASSERT_EQ(t.p.graphic.displayList.size(), 2u);
  EXPECT_EQ(t.p.graphic.displayList[0].text, umlauts);
  EXPECT_EQ(t.p.graphic.displayList.Line(1), "6;1;2;");
}

TEST(Quengraf, TheLogoStartsAFreshList) {
  test::TestProgram t;
  t.p.graphic.line(0, 0, 1, 1);
  DrawLogo(t.p);
  const auto lines = t.p.graphic.displayList.Lines();
  ASSERT_GT(lines.size(), 50u);
  EXPECT_EQ(lines[0].rfind("10;", 0), 0u);
  EXPECT_NE(lines[0].find(";-1;-1;38;33"), std::string::npos);
  int solids = 0;
  for (const auto& l : lines) {
    EXPECT_TRUE(l.rfind("7;", 0) == 0 || l == "8;9" || l == "8;13" || l == lines[0] || l == "11;0")
        << l;
    solids += l.rfind("7;", 0) == 0;
  }
  EXPECT_GE(solids, 50);
  EXPECT_FALSE(t.p.cancel);
}

TEST(Quengraf, AMissingFileIsNamedAndCancels) {
  test::TestProgram t;
  test::TempDir dir;
  const std::string there = (dir / "da.txt").string();
  test::WriteBytes(there, "x");
  EXPECT_TRUE(CheckFileReadable(t.p, there));
  EXPECT_FALSE(CheckFileReadable(t.p, dir.path().string()));  // a folder is no file
  t.p.cancel = false;
  const std::string missing = (dir / "fehlt.dx$").string();
  EXPECT_FALSE(CheckFileReadable(t.p, missing));
  EXPECT_TRUE(t.p.cancel);
  EXPECT_EQ(t.ui.MessageTexts().back(), missing + " nicht gefunden !");
}

}  // namespace
}  // namespace kv40::cad
