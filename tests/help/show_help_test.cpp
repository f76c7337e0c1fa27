// Help entries as the dialogs' help buttons find and show them.
#include "help/show_help.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/text_file.h"
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

// The manager and the help-number check list exactly the entries a help button finds: a header
// the file ends on, without its text line, is none.
TEST(ShowHelp, ListsTheNumbersItFinds) {
  const base::TextLines text =
      base::SplitLines("1965\r\nvorher\r\n1970\r\nA\r\n1972\r\nB\r\n40\r\n");
  EXPECT_EQ(HelpNumbers(text), (std::vector<int>{1965, 1970}));
  EXPECT_TRUE(FindHelpEntryIn(text, 1970).found);
  EXPECT_FALSE(FindHelpEntryIn(text, 40).found);
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

// The records of the graphic window's display list, as text.
std::vector<std::string> Records(const app::Program& p) {
  return p.graphic.displayList.Lines();
}

TEST(ShowHelp, TheImageModeDrawsTheEntrysPlotFileFoundWithoutRegardToCase) {
  test::TempDir dir;
  test::TestProgram t;
  t.p.config.pltDir = dir.path().string();
  test::WriteBytes(dir / "KV40.HLP", "5030:Bild1\r\nAbmessungen\r\n5035\r\nohne Bild\r\n");
  test::WriteBytes(dir / "BILD1.PLT", "SP1;PU0,0;PD400,0;");
  ShowHelp(t.p, 5030, HelpMode::Image);
  EXPECT_TRUE(t.ui.prompts().empty());  // no text box in the image mode
  const auto records = Records(t.p);
  ASSERT_FALSE(records.empty());
  EXPECT_EQ(records.front().substr(0, 3), "10;");  // the 160 x 120 mm window first
  EXPECT_NE(std::find(records.begin(), records.end(), "8;12"), records.end());  // pen 1: red
  EXPECT_NE(std::find(records.begin(), records.end(), "4;0;0;10;0"), records.end());

  // an entry without an image only clears the window
  ShowHelp(t.p, 5035, HelpMode::Image);
  for (const auto& r : Records(t.p))
    EXPECT_NE(r.substr(0, 2), "4;") << r;
  EXPECT_FALSE(t.p.cancel);
}

TEST(ShowHelp, AnImageAfterAnotherInTheSameColourStillSetsItsColour) {
  test::TempDir dir;
  test::TestProgram t;
  t.p.config.pltDir = dir.path().string();
  test::WriteBytes(dir / "kv40.hlp", "5030:eins\r\nA\r\n5035:eins\r\nB\r\n");
  test::WriteBytes(dir / "eins.plt", "SP7;PU0,0;PD400,0;");
  ShowHelp(t.p, 5030, HelpMode::Image);
  ShowHelp(t.p, 5035, HelpMode::Image);
  const auto records = Records(t.p);
  EXPECT_NE(std::find(records.begin(), records.end(), "8;15"), records.end());  // pen 7: white
}

TEST(ShowHelp, ALongEntryIsCutToWhatTheBoxHolds) {
  test::TempDir dir;
  test::TestProgram t;
  t.p.config.pltDir = dir.path().string();
  const std::string line(240, 'x');
  std::string file = "1000\r\n";
  for (int i = 0; i < 5; ++i)
    file += line + "\r\n";
  test::WriteBytes(dir / "quentar.hlp", file);
  ShowHelp(t.p, 1000, HelpMode::Text);
  const auto boxes = t.ui.Of(test::PromptKind::MessageBox);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text.size(), kMaxBoxChars);
  EXPECT_EQ(HelpText(t.p, 1000).size(), 5 * 240 + 4u);  // a hint keeps it whole
}

}  // namespace
}  // namespace kv40::help
