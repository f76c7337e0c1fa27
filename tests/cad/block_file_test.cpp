// The user's logo block files: the reader, and the logos drawn in the corners of the screen and
// plot drawings.
#include "cad/block_file.h"

#include <gtest/gtest.h>

#include "cad/kernel.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::cad {
namespace {

const std::array<std::string, 6> kNames{"0", "MITTE", "2", "3", "4", "5"};

std::string Rec(std::initializer_list<const char*> lines) {
  std::string out;
  for (const char* l : lines)
    out += std::string(l) + "\r\n";
  return out;
}

TEST(BlockFile, ReadsTheEntitiesAndStopsAtAFault) {
  struct Case {
    const char* name;
    std::string bytes;
    bool ok;
    std::size_t items;
  };
  const std::string line =
      Rec({"  0", "LINE", "  8", "MITTE", " 10", "1", " 20", "2", " 11", "3", " 21", "4"});
  const std::string poly = Rec({"  0", "POLYLINE", "  8", "7", " 66", "1",     "  0", "VERTEX",
                                " 10", "0",        " 20", "0", " 42", "1",     "  0", "VERTEX",
                                " 10", "1",        " 20", "0", "  0", "SEQEND"});
  const std::string eof = Rec({"  0", "EOF"});
  const Case cases[] = {
      {"a line and a polyline", line + poly + eof, true, 2},
      {"no EOF", line, false, 1},
      {"a POLYLINE without VERTEX", Rec({"  0", "POLYLINE", "  0", "LINE"}) + eof, false, 1},
      {"a code line that is no number", line + Rec({"x", "y"}) + eof, false, 0},
      {"a number that is not finite", Rec({"  0", "CIRCLE", " 40", "1e5000"}) + eof, false, 1},
      {"a value line missing", Rec({"  0", "LINE", " 10"}), false, 0},
      {"empty", "", false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const BlockFileResult r = ReadBlockFile(c.bytes, kNames);
    EXPECT_EQ(r.ok, c.ok);
    EXPECT_EQ(r.block.items.size(), c.items);
  }
  const BlockFileResult r = ReadBlockFile(line + poly + eof, kNames);
  ASSERT_EQ(r.block.items.size(), 2u);
  EXPECT_EQ(r.block.items[0].layer, 1) << "a configured layer name maps back to its number";
  EXPECT_EQ(r.block.items[0].v[3], 4);
  EXPECT_EQ(r.block.items[1].layer, 7);
  ASSERT_EQ(r.block.items[1].vertices.size(), 2u);
  EXPECT_NEAR(r.block.items[1].vertices[0].bulgeAngle, 3.14159265358979, 1e-12);
}

TEST(BlockFile, LogosInTheCornersOfScreenAndPlotOnly) {
  test::TempDir dir;
  // found in any letter case
  test::WriteBytes(dir / "$logo_2.dx$", Rec({"  0", "LINE", "  8", "0", " 10", "0", " 20", "0",
                                             " 11", "480", " 21", "360", "  0", "EOF"}));
  struct Case {
    const char* name;
    CadDevice device;
    int logoMode;
    bool drawn;
  };
  const Case cases[] = {
      {"screen", CadDevice::Screen, 0, true},
      {"screen, logo mode 2", CadDevice::Screen, 2, false},
      {"DXF file", CadDevice::Dxf, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestProgram t;
    t.p.batchCad = true;
    t.p.currentFile = (dir / "d").string();
    t.p.config.tempDir = dir.path().string() + "/";
    CadBeginDrawing(t.p, c.device);
    CadLimits(t.p, 0, 0, 200, 100);
    CadLogoMode(t.p, c.logoMode);
    CadEntities(t.p);
    const auto lines = t.p.graphic.displayList.Lines();
    // x from 0.91 W, y from 0.01 H, scaled by W / 480 and H / 360
    const bool found = std::find(lines.begin(), lines.end(), "4;182;1;382;101") != lines.end();
    EXPECT_EQ(found, c.drawn);
    CadEndSection(t.p);
    CadEndDrawing(t.p);
    EXPECT_FALSE(t.p.cancel);
  }
}

}  // namespace
}  // namespace kv40::cad
