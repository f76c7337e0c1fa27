// The text listing: its records, the number form with the comma setting, and blocks.
#include "cad/listing_output.h"

#include <gtest/gtest.h>

#include "cad/kernel.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::cad {
namespace {

TEST(ListingOutput, ADrawingWithOneBlockAndOneInsertion) {
  test::TempDir dir;
  test::TestProgram t;
  t.p.batchCad = true;
  t.p.currentFile = (dir / "l").string();
  t.p.config.fmt.decimalSeparator = 2;
  t.p.config.cadDecimals = 6;
  t.p.config.fmt.cadTextMode = 2;
  auto& p = t.p;
  CadBeginDrawing(p, CadDevice::Listing);
  CadLimits(p, 0, 0, 210, 297);
  CadTables(p, 2);  // nothing in a listing
  CadBeginBlocks(p);
  CadLayer(p, 5);  // kept, not written
  CadBlock(p, "B");
  CadLine(p, 0, 0, 1.5, 2);
  CadEndBlock(p);
  CadEndSection(p);
  CadEntities(p);
  CadCircle(p, 1, 2, 3);
  CadArc(p, 1, 2, 360, 0, 3);
  CadArc(p, 1, 2, 10, 20, 3);
  CadTextStyle(p, 1, 0, 2, 0);
  CadText(p, "Maß\t1", 4, 5);
  CadSolid(p, 0, 0, 1, 0, 0, 1, 1, 1);
  CadBeginPolyline(p);  // a listing gets polylines as lines and arcs
  CadVertex(p, 0, 0, 0);
  CadVertex(p, 1, 0, 0);
  CadEndPolyline(p);
  CadInsert(p, "B", 10, 20, 90, 2, 2);
  CadEndSection(p);
  CadEndDrawing(p);
  ASSERT_FALSE(p.cancel);
  EXPECT_EQ(test::ReadBytes(dir / "l.txt"),
            "MINMAX\t0,000000\t0,000000\t210,000000\t297,000000\r\n"
            "SECTION BLOCKS\r\n"
            "BLOCK\tB\r\n"
            "LINE\t0,000000\t0,000000\t1,500000\t2,000000\r\n"
            "END OF BLOCK\r\n"
            "SECTION ENTITIES\r\n"
            "CIRCLE\t1,000000\t2,000000\t3,000000\r\n"
            "CIRCLE\t1,000000\t2,000000\t3,000000\r\n"
            "ARC\t1,000000\t2,000000\t3,000000\t10,000000\t20,000000\r\n"
            "TEXT\t4,000000\t5,000000\tMa\xDF 1\r\n"
            "SOLID\t0,000000\t0,000000\t1,000000\t0,000000\t0,000000\t1,000000\t1,000000\t"
            "1,000000\r\n"
            "LINE\t0,000000\t0,000000\t1,000000\t0,000000\r\n"
            "INSERT\tB\t10,000000\t20,000000\t90,000000\t2,000000\t2,000000\r\n"
            "EOF\r\n");
}

}  // namespace
}  // namespace kv40::cad
