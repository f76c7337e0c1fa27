// Help entries as the dialogs' help buttons find and show them.
#include "help/show_help.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::help {
namespace {

using Lines = std::array<std::string, 5>;

TEST(ShowHelp, FindsAnEntryWithItsNumberedContinuationLines) {
  test::TempDir dir;
  test::TestProgram t;
  t.p.config.pltDir = dir.path().string();
  test::WriteBytes(dir / "quentar.hlp",
                   "1965\r\nvorher\r\n1970:bild1\r\nA\r\nB\r\n1972\r\nC\r\n1975\r\nD\r\n"
                   "1980\r\nE\r\n1983\r\nF\r\n2000: \x84hm \r\nG\r\n");
  struct Case {
    const char* name;
    int n;
    Lines lines;
    std::string image;
  };
  const Case cases[] = {
      {"lines, numbered line, next entry stops", 1970, {"A", "B", "C", "", ""}, "bild1"},
      {"one line, no image", 1975, {"D", "", "", "", ""}, "NULL"},
      {"a continuation number out of place leaves its line empty",
       1980,
       {"E", "", "", "", ""},
       "NULL"},
      {"image name trimmed, text decoded", 2000, {"G", "", "", "", ""}, "ähm"},
      {"no such entry",
       1990,
       {"Hilfetext Nr 1990: keine Hilfe vorhanden.", "", "", "", ""},
       "null"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const HelpEntry e = FindHelpEntry(t.p, c.n);
    EXPECT_EQ(e.lines, c.lines);
    EXPECT_EQ(e.image, c.image);
  }
  EXPECT_EQ(HelpText(t.p, 1970), "A B C  ");  // the hint of a control
}

TEST(ShowHelp, AMissingHelpFileIsNamedAndCancelsNothing) {
  test::TempDir dir;
  test::TestProgram t;
  t.p.config.pltDir = dir.path().string();
  t.p.helpContext = 5030;
  t.p.cancel = true;
  ShowHelp(t.p, 0, HelpMode::TextAndImage);
  EXPECT_FALSE(t.p.cancel);
  const auto boxes = t.ui.Of(test::PromptKind::MessageBox);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].caption, "HILFETEXT Nr.5030");
  EXPECT_EQ(boxes[0].text, "Datei " + (dir / "kv40.hlp").string() + " nicht gefunden !     ");
  EXPECT_EQ(boxes[1].text, (dir / "null.plt").string() + " nicht gefunden !");
  EXPECT_EQ(HelpFileName(t.p, 3995), dir / "quentar.hlp");
}

}  // namespace
}  // namespace kv40::help
