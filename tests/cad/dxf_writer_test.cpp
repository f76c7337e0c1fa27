// The DXF device to the byte: group codes, number forms, entities and the kernel's edge cases.
#include "cad/dxf_writer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "cad/kernel.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::cad {
namespace {

constexpr Extended kPi = 3.14159265358979323846L;

// The lines of text separated by CR LF, joined with "|" for short expectations.
std::string Joined(const std::string& bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes.compare(i, 2, "\r\n") == 0) {
      out += '|';
      ++i;
    } else {
      out += bytes[i];
    }
  }
  return out;
}

// Runs body between the ENTITIES start and its end on the DXF device; the entity records.
std::string Entities(test::TestProgram& t, const std::function<void(app::Program&)>& body) {
  test::TempDir dir;
  t.p.batchCad = true;
  t.p.currentFile = (dir / "e").string();
  CadBeginDrawing(t.p, CadDevice::Dxf);
  CadEntities(t.p);
  body(t.p);
  CadEndSection(t.p);
  CadEndDrawing(t.p);
  const std::string all = Joined(test::ReadBytes(dir / "e.dxf"));
  const std::string start = "  0|SECTION|  2|ENTITIES|";
  const std::string end = "  0|ENDSEC|  0|EOF|";
  EXPECT_EQ(all.rfind(start, 0), 0u) << all;
  EXPECT_EQ(all.substr(all.size() - end.size()), end) << all;
  return all.substr(start.size(), all.size() - start.size() - end.size());
}

TEST(DxfWriter, EntitiesToTheByte) {
  struct Case {
    const char* name;
    std::function<void(app::Program&)> body;
    const char* expected;
  };
  const Case cases[] = {
      {"line", [](auto& p) { CadLine(p, 1, 2, 3.5, -4); },
       "  0|LINE|  8|0| 10|1.000000| 20|2.000000| 11|3.500000| 21|-4.000000|"},
      {"an arc over 0..360 is a circle", [](auto& p) { CadArc(p, 1, 2, 0, 360, 5); },
       "  0|CIRCLE|  8|0| 10|1.000000| 20|2.000000| 40|5.000000|"},
      {"an arc from 0 to 359.99999 stays an arc",
       [](auto& p) { CadArc(p, 0, 0, 0, 359.99999L, 5); },
       "  0|ARC|  8|0| 10|0.000000| 20|0.000000| 40|5.000000| 50|0.000000| 51|359.999990|"},
      {"radius 0 draws nothing", [](auto& p) { CadArc(p, 0, 0, 10, 20, 0); }, ""},
      {"layer 40 folds to 24, 31 stays",
       [](auto& p) {
         CadLayer(p, 40);
         CadCircle(p, 0, 0, 1);
         CadLayer(p, 31);
         CadCircle(p, 0, 0, 1);
       },
       "  0|CIRCLE|  8|24| 10|0.000000| 20|0.000000| 40|1.000000|"
       "  0|CIRCLE|  8|31| 10|0.000000| 20|0.000000| 40|1.000000|"},
      {"a centred text of 10 characters starts 12.5 mm left; width 0.7, angle 0",
       [](auto& p) {
         CadTextStyle(p, 1, 0, 2.5, 0);
         CadTextJustify(p, 1, 0);
         CadText(p, "0123456789", 100, 50);
       },
       "  0|TEXT|  8|0| 10|91.250000| 20|50.000000| 40|2.500000|  1|0123456789|  7|STANDARD|"
       " 41|0.7| 50|0| 51|0|"},
      {"right and top justified text with width factor 1",
       [](auto& p) {
         CadTextStyle(p, 1, 90, 2, 2);
         CadTextJustify(p, 2, 2);
         CadText(p, "ab", 10, 10);
       },
       "  0|TEXT|  8|0| 10|6.000000| 20|8.000000| 40|2.000000|  1|ab|  7|STANDARD|"
       " 41|1| 50|90| 51|0|"},
      {"the polyline 0/90/0 as one POLYLINE",
       [](auto& p) {
         CadBeginPolyline(p);
         CadVertex(p, 0, 0, 0);
         CadVertex(p, 10, 0, kPi / 2);
         CadVertex(p, 10, 10, 0);
         CadEndPolyline(p);
       },
       "  0|POLYLINE|  8|0| 66|1|"
       "  0|VERTEX|  8|0| 10|0.000000| 20|0.000000|"
       "  0|VERTEX|  8|0| 10|10.000000| 20|0.000000| 42|0.414214|"
       "  0|VERTEX|  8|0| 10|10.000000| 20|10.000000|"
       "  0|SEQEND|  8|0|"},
      {"solid, origin added",
       [](auto& p) {
         CadOrigin(p, 10, 20);
         CadSolid(p, 0, 0, 1, 0, 0, 1, 1, 1);
       },
       "  0|SOLID|  8|0| 10|10.000000| 20|20.000000| 11|11.000000| 21|20.000000|"
       " 12|10.000000| 22|21.000000| 13|11.000000| 23|21.000000|"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestProgram t;
    t.p.toothForm.invPolyline = true;
    EXPECT_EQ(Entities(t, c.body), c.expected);
  }
}

TEST(DxfWriter, NumberFormsFollowTheSettings) {
  test::TestProgram t;
  t.p.config.cadDecimals = 3;
  t.p.config.fmt.decimalSeparator = 2;  // the comma is for reports only
  t.p.config.layerNames[1] = "MITTE";
  const std::string e = Entities(t, [](auto& p) {
    CadLayer(p, 1);
    CadLine(p, -0.5, 1e-9, 12.3456, 0);
    CadLayer(p, 7);
    CadTextStyle(p, 1, 12.5, 3, 3);
    CadText(p, "x", 0, 0);
  });
  EXPECT_EQ(e,
            "  0|LINE|  8|MITTE| 10|-0.500| 20|0.000| 11|12.346| 21|0.000|"
            "  0|TEXT|  8|7| 10|0.000| 20|0.000| 40|3.000|  1|x|  7|STANDARD| 41|1| 50|12.5|"
            " 51|0|");
}

TEST(DxfWriter, HeaderAndTheStyleTable) {
  model::Config c;
  c.cadTextStyle = "txt8";
  DxfWriter w(c);
  w.Header(0, -1, 420, 297);
  EXPECT_EQ(Joined(w.bytes()),
            "  0|SECTION|  2|HEADER|  9|$EXTMIN| 10|0.000000| 20|-1.000000|  9|$EXTMAX|"
            " 10|420.000000| 20|297.000000|  9|$LIMMIN| 10|0.000000| 20|-1.000000|  9|$LIMMAX|"
            " 10|420.000000| 20|297.000000|  9|$LTSCALE| 40|15|  0|ENDSEC|");
  w.bytes().clear();
  w.Tables(0);
  const std::string tables = Joined(w.bytes());
  EXPECT_NE(tables.find("  0|LTYPE|  2|DASHDOT| 70|64|  3|--. --. --.-| 72|65| 73|4| 40|1.0|"
                        " 49|0.5| 49|-0.25| 49|0.0| 49|-0.25|"),
            std::string::npos);
  EXPECT_NE(tables.find("  0|LAYER|  2|1| 70|0| 62|2|  6|DASHDOT|"), std::string::npos);
  EXPECT_NE(tables.find("  0|LAYER|  2|5| 70|0| 62|1|  6|CONTINUOUS|  0|ENDTAB|"),
            std::string::npos);
  EXPECT_EQ(tables.substr(tables.find("  0|TABLE|  2|STYLE")),
            "  0|TABLE|  2|STYLE| 70|1|  0|STYLE|  2|STANDARD| 70|0| 40|0.0| 41|1.0| 50|0.0|"
            " 71|0| 42|3.5|  3|TXT8|  4||0|ENDTAB|  0|ENDSEC|");
}

TEST(DxfWriter, TheThreeLayerTables) {
  struct Case {
    int variant;
    const char* ltypeCount;
    int layers;
    const char* last;
  };
  const Case cases[] = {
      {0, " 70|6|", 6, "  2|5| 70|0| 62|1|"},
      {1, " 70|17|", 16, "  2|15| 70|0| 62|16|"},
      {2, " 70|23|", 22, "  2|31| 70|0| 62|16|"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.variant);
    const model::Config config;
    DxfWriter w(config);
    w.Tables(c.variant);
    const std::string t = Joined(w.bytes());
    EXPECT_NE(t.find("  2|LTYPE|" + std::string(c.ltypeCount)), std::string::npos);
    int layers = 0;
    for (std::size_t at = t.find("|LAYER|  2|"); at != std::string::npos;
         at = t.find("|LAYER|  2|", at + 1))
      ++layers;
    EXPECT_EQ(layers, c.layers);
    EXPECT_NE(t.find(std::string(c.last) + "  6|CONTINUOUS|  0|ENDTAB|"), std::string::npos);
  }
  model::Config mono;
  mono.layerMonochrome = true;
  DxfWriter w(mono);
  w.Tables(2);
  EXPECT_EQ(Joined(w.bytes()).find(" 62|2|"), std::string::npos);
}

}  // namespace
}  // namespace kv40::cad
