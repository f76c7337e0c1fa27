// The HP-GL interpreter on small plot files: what reaches the canvas, and the state it keeps.
#include "help/hpgl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace kv40::help {
namespace {

// Writes every call as one short text line, numbers rounded to 4 decimals.
class Recorder final : public HpglCanvas {
 public:
  void Line(Extended x1, Extended y1, Extended x2, Extended y2, int pen) override {
    Add("L", {x1, y1, x2, y2}, pen);
  }
  void Circle(Extended xc, Extended yc, Extended r, int pen) override {
    Add("C", {xc, yc, r}, pen);
  }
  void Arc(Extended xc, Extended yc, Extended a1, Extended a2, Extended r, int pen) override {
    Add("A", {xc, yc, a1, a2, r}, pen);
  }
  void Label(Extended x, Extended y, const std::string& text, Extended angle, Extended height,
             Extended width, int pen) override {
    Add("T", {x, y, angle, height, width}, pen);
    calls.back() += " '" + text + "'";
  }
  std::vector<std::string> calls;

 private:
  void Add(const char* kind, std::initializer_list<Extended> values, int pen) {
    std::ostringstream s;
    s << kind;
    for (Extended v : values) {
      double r = std::round(static_cast<double>(v) * 10000) / 10000;
      if (r == 0) r = 0;  // no "-0"
      s << " " << r;
    }
    s << " p" << pen;
    calls.push_back(s.str());
  }
};

std::vector<std::string> Interpret(const std::string& plot, HpglState& state) {
  Recorder r;
  InterpretHpgl(plot, state, r);
  return r.calls;
}

std::vector<std::string> Interpret(const std::string& plot) {
  HpglState state;
  return Interpret(plot, state);
}

using Calls = std::vector<std::string>;

TEST(Hpgl, DrawsWhatEachInstructionAsksFor) {
  struct Case {
    const char* name;
    std::string plot;
    Calls calls;
  };
  const Case cases[] = {
      {"pen up moves, pen down draws in pairs",
       "SP1;PU0,0;PD400,0,400,400;",
       {"L 0 0 10 0 p1", "L 10 0 10 10 p1"}},
      {"PA keeps the pen state; blanks and line ends are skipped",
       "SP2;PU 0, 0;\r\nPD;PA 40,0;",
       {"L 0 0 1 0 p2"}},
      {"PU with no pairs only lifts the pen", "PU0,0;PD;PU;PA40,40;", {}},
      {"a single value is dropped", "PU40,40;PD;PA10;PA80,40;", {"L 1 1 2 1 p0"}},
      {"the letters P and A in a coordinate are dropped", "PUA40,P40;PD80,40;", {"L 1 1 2 1 p0"}},
      {"a pen-down move from no position draws nothing",
       "PD100,200;PD200,200;",
       {"L 2.5 5 5 5 p0"}},
      {"SP with no number selects pen 1", "SP;PU0,0;PD40,0;", {"L 0 0 1 0 p1"}},
      {"a circle about the pen, whatever its state", "PU400,400;CI200;", {"C 10 10 5 p0"}},
      {"a circle needs a position", "CI200;", {}},
      {"AA counter-clockwise from the pen", "PU400,0;PD;AA0,0,90;", {"A 0 0 0 90 10 p0"}},
      {"AA clockwise: drawn from its end", "PU400,0;PD;AA0,0,-90;", {"A 0 0 -90 0 10 p0"}},
      {"after AA the pen stands at the arc's end",
       "PU400,0;PD;AA0,0,90;PD0,800;",
       {"A 0 0 0 90 10 p0", "L 0 10 0 20 p0"}},
      {"AA with the pen up moves to the end only",
       "PU400,0;AA0,0,180;PD-400,400;",
       {"L -10 0 -10 10 p0"}},
      {"AA over 360 degrees is one full turn: the circle",
       "PU400,0;PD;AA0,0,720;",
       {"C 0 0 10 p0"}},
      {"a full turn from an odd angle is the circle too",
       "PU-400,400;PD;AA0,0,-360;",
       {"C 0 0 14.1421 p0"}},
      {"AA with no sweep draws nothing", "PU400,0;PD;AA0,0,0;", {}},
      {"a label at the pen, direction and size",
       "PU40,80;SI0.2,0.3;DI0,1;LBAbc\x03;",
       {"T 1 2 90 3 2 p0 'Abc'"}},
      {"umlauts of character set 3",
       "PU0,0;CS3;LBMu}ller }A} \x84\x03;",
       {"T 0 0 0 50 50 p0 'Müller Ä ä'"}},
      {"without character set 3 the brace is text", "PU0,0;LBa}\x03;", {"T 0 0 0 50 50 p0 'a}'"}},
      {"a label keeps its blanks and drops line ends",
       "PU0,0;LB a\r\nb \x03;",
       {"T 0 0 0 50 50 p0 ' ab '"}},
      {"other instructions are skipped to their semicolon",
       "IN;IP0,0,4000,4000;PU0,0;PD40,0;",
       {"L 0 0 1 0 p0"}},
      {"PE 8 bit: relative pair", "PU0,0;PE\xC1\xC2;", {"L 0 0 0.025 -0.025 p0"}},
      {"PE 7 bit: the same pair", "PU0,0;PE7ab;", {"L 0 0 0.025 -0.025 p0"}},
      {"PE: pen up, absolute and pen select",
       "PU0,0;PE:\x02<=\xC3\xC3\xC1\xC1;",
       {"L 0.05 0.05 0.075 0.075 p2"}},
      {"the end of the file ends a command quietly", "PU0,0;PD40,0", {"L 0 0 1 0 p0"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Interpret(c.plot), c.calls);
  }
}

TEST(Hpgl, EncodedNumbersOfSeveralCharactersAndTheCappedShift) {
  // 8 bit: "?" (63, digit 0) then 0xC0 (digit 1, last): sum 64, +0.8 mm
  EXPECT_EQ(Interpret("PU0,0;PE\x3F\xC0\x3F\xC0;"), (Calls{"L 0 0 0.8 0.8 p0"}));
  // a number that never ends keeps adding nothing once the shift is capped, and the file's
  // end ends the command without a move
  EXPECT_EQ(Interpret("PU0,0;PE" + std::string(200, '\x7E')), Calls{});
  EXPECT_EQ(Interpret("PU0,0;PE" + std::string(40, '\x7E') + "\xC0\xC0;").size(), 1u);
}

TEST(Hpgl, SettingsCarryOverToTheNextFileButThePositionDoesNot) {
  HpglState state;
  Interpret("SP3;SI0.1,0.2;DI1,1;CS3;PU40,40;PD;", state);
  EXPECT_EQ(state.penNumber, 3);
  EXPECT_TRUE(state.penDown);
  EXPECT_EQ(Interpret("PD40,0;PU0,0;LBa}\x03;", state), (Calls{"T 0 0 45 2 1 p3 'ä'"}));
}

TEST(Hpgl, LabelsAreCutAt255Characters) {
  const auto calls = Interpret("PU0,0;LB" + std::string(300, 'x') + "\x03;PD40,0;");
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0], "T 0 0 0 50 50 p0 '" + std::string(255, 'x') + "'");
}

TEST(Hpgl, PenColoursOfThePalette) {
  const int expected[] = {0, 12, 14, 10, 11, 9, 13, 15, 8, 9};
  for (int pen = 0; pen <= 9; ++pen)
    EXPECT_EQ(HpglPenColour(pen), expected[pen]) << pen;
}

}  // namespace
}  // namespace kv40::help
