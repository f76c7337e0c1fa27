// The display list: what each drawing call records, and the records' text form.
#include "cad/display_list.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "cad/graphic_state.h"

namespace kv40::cad {
namespace {

std::vector<std::string> Recorded(const std::function<void(GraphicState&)>& draw) {
  GraphicState g;
  draw(g);
  return g.displayList.Lines();
}

using Lines = std::vector<std::string>;

TEST(DisplayList, RecordingRules) {
  struct Case {
    const char* name;
    std::function<void(GraphicState&)> draw;
    Lines expected;
  };
  const Case cases[] = {
      {"arc of 4 degrees stays an arc",
       [](GraphicState& g) { g.Arc(0, 0, 0, 4, 1); },
       {"5;-1;-1;1;1;1;0;0.99756405;0.069756474"}},
      {"arc of 3.9 degrees becomes its chord",
       [](GraphicState& g) { g.Arc(0, 0, 0, 3.9L, 1); },
       {"4;1;0;0.99768428;0.068015291"}},
      {"full circle 0..360 has no sweep: a zero-length line",
       [](GraphicState& g) { g.Arc(2, 3, 0, 360, 1); },
       {"4;3;3;3;3"}},
      {"sweep over 0 degrees counts counter-clockwise",
       [](GraphicState& g) { g.Arc(0, 0, 350, 10, 2); },
       {"5;-2;-2;2;2;1.9696155;-0.34729636;1.9696155;0.34729636"}},
      {"clockwise order of the angles is the long way round",
       [](GraphicState& g) { g.Arc(0, 0, 10, 8, 1); },
       {"5;-1;-1;1;1;0.98480775;0.17364818;0.99026807;0.1391731"}},
      {"negative angles keep their sign in the fraction",
       [](GraphicState& g) { g.Arc(0, 0, -362, -359, 1); },
       {"4;0.99939083;-0.034899497;0.9998477;0.017452406"}},
      {"colour above 16 is not recorded", [](GraphicState& g) { g.SetColor(17); }, {}},
      {"the same colour twice is recorded once",
       [](GraphicState& g) {
         g.SetColor(5);
         g.SetColor(5);
         g.SetColor(16);
       },
       {"8;5", "8;16"}},
      {"CAD colours through the palette",
       [](GraphicState& g) {
         for (int n : {1, 9, 16, 7, 15, 0, 256 + 5})
           g.SetColorAcad(n);
       },
       {"8;12", "8;2", "8;12", "8;15", "8;8", "8;0", "8;9"}},
      {"line style and width only when they change",
       [](GraphicState& g) {
         g.SetLineStyle(2);
         g.SetLineStyle(2);
         g.SetLineWidth(1);  // the initial width
         g.SetLineWidth(3);
         g.BeginReplay();  // a repaint forgets style and width
         g.SetLineStyle(2);
         g.SetLineWidth(1);
       },
       {"11;2", "12;3", "11;2"}},
      {"rectangle as four lines",
       [](GraphicState& g) { g.Rectangle(0, 0, 2, 1); },
       {"4;0;0;2;0", "4;2;0;2;1", "4;2;1;0;1", "4;0;1;0;0"}},
      {"reals with 8 significant digits, integers plain",
       [](GraphicState& g) {
         g.circle(1.23456789L, -0.000123456789L, 1e20L);
         g.SetTextStyle(2, 90, 3.5L, 2.5L);
         g.SleepMs(250);
       },
       {"3;1.2345679;-0.00012345679;1e+20", "9;3.5;2.5;2;90", "13;250"}},
      {"text is the rest of the line",
       [](GraphicState& g) { g.OutTextXY(1.5L, 2, "a;b; c"); },
       {"6;1.5;2;a;b; c"}},
      {"solid keeps its corner order",
       [](GraphicState& g) { g.Solid(0, 0, 1, 0, 0, 1, 1, 1); },
       {"7;0;0;1;0;0;1;1;1"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Recorded(c.draw), c.expected);
  }
}

TEST(DisplayList, LineStyleNamesAreExact) {
  struct Case {
    const char* name;
    int style;
  };
  const Case cases[] = {{"DOTTED", 1},      {"PUNKT", 1},      {"CENTER", 2}, {"DASHDOT", 2},
                        {"STRICHPUNKT", 2}, {"DASHED", 3},     {"HIDDEN", 3}, {"VERDECKT", 3},
                        {"dotted", 0},      {"CONTINUOUS", 0}, {"", 0},       {"DASHED ", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    GraphicState g;
    g.SetLineStyleName(c.name);
    EXPECT_EQ(g.displayList.Lines(), Lines{"11;" + std::to_string(c.style)});
  }
}

TEST(DisplayList, TextFormReadsBack) {
  const Lines lines = {"1;0.5;-2",
                       "2;1e-05;3",
                       "3;1;2;0.25",
                       "4;0;0;10.5;3",
                       "5;-1;-1;1;1;1;0;0;1",
                       "6;1;2;Welle; Nabe",
                       "6;1;2;",
                       "7;0;0;1;0;1;1;0;1",
                       "8;0",
                       "9;3.5;2.5;2;-90",
                       "10;1;1;1014;676;-1;-1;38;33",
                       "11;3",
                       "12;2",
                       "13;100"};
  DisplayList list;
  for (const auto& line : lines) {
    SCOPED_TRACE(line);
    EXPECT_TRUE(list.AddLine(line));
  }
  EXPECT_EQ(list.Lines(), lines);
  EXPECT_EQ(list[5].text, "Welle; Nabe");
}

TEST(DisplayList, ReadingAcceptsADecimalCommaAndRejectsBrokenLines) {
  DisplayList list;
  EXPECT_TRUE(list.AddLine("3;1,5;-2,25;0,125"));
  EXPECT_EQ(list.Line(0), "3;1.5;-2.25;0.125");
  for (const char* bad : {"", "4", "4;1;2;3", "4;1;2;3;4;5", "0;1", "14;1", "x;1", "8;blau",
                          "8;1e12", "4;1;2;3;inf", "6;1", "3;1;;2"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(list.AddLine(bad));
  }
  EXPECT_EQ(list.size(), 1u);
}

TEST(DisplayList, ClearEmptiesAndTellsARunningReplay) {
  DisplayList list;
  list.Add(RecordCode::kLine, {0, 0, 1, 1});
  list.AddText(0, 0, "x");
  const auto generation = list.Generation();
  list.Clear();
  EXPECT_TRUE(list.empty());
  EXPECT_NE(list.Generation(), generation);
  list.AddText(1, 1, "y");
  EXPECT_EQ(list[0].text, "y");
}

}  // namespace
}  // namespace kv40::cad
