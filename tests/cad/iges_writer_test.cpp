// The IGES device: exact bytes of its sections and entities, and files that Open CASCADE reads.
#include "cad/iges_writer.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cad/kernel.h"
#include "support/occt.h"
#include "support/sample_drawing.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::cad {
namespace {

constexpr base::DateTime kNow{2026, 1, 5, 9, 8, 7};

struct Written {
  std::vector<std::string> messages;
  std::vector<std::string> lines;  // without the line ends
};

std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> out;
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", at);
    out.push_back(bytes.substr(at, end - at));
    at = end + 2;
  }
  return out;
}

// The lines of one section, without the section letter and sequence number.
std::vector<std::string> Section(const std::vector<std::string>& lines, char letter) {
  std::vector<std::string> out;
  for (const auto& l : lines)
    if (l.size() == 80 && l[72] == letter) out.push_back(l.substr(0, 72));
  return out;
}

std::string Trimmed(std::string s) {
  while (!s.empty() && s.back() == ' ')
    s.pop_back();
  return s;
}

template <class F>
Written Draw(const std::string& file, F&& draw, model::Config config = {}) {
  Written w;
  IgesWriter iges(config, kNow, file, [&](const std::string& m) { w.messages.push_back(m); });
  iges.Limits(-10, -10, 40, 30);
  iges.Layer(0);
  draw(iges);
  w.lines = Lines(iges.Bytes());
  return w;
}

TEST(IgesWriter, StartGlobalAndTerminateSections) {
  const Written w = Draw("/some/folder/zahn.igs", [](IgesWriter& g) { g.Line(0, 0, 10, 5); });
  const std::vector<std::string> expected = {
      "IGES-Datei generiert von KV40                                           S0000001",
      "Uebersetzer von QUENTAR GMBH, Uebersetzerversion 3.1                    S0000002",
      ",,4HFILE,4Hzahn,9HKV40 V1.3,13HKV40 IGES 1.3,                           G0000001",
      "16,38,6,99,15,                                                          G0000002",
      "4Hzahn,1.0,2,2HMM,32767,3.2767D1,                                       G0000003",
      "13H260105.081107,1.0D-8,40,                                             G0000004",
      "4HKV40,4HKV40,4,0;                                                      G0000005",
      "     110       1       1       1       0                        00000000D0000001",
      "     110               0       1                                        D0000002",
      "110,0.000,0.000,0.0,10.000,5.000,0.0;                                  1P0000001",
      "S0000002G0000005D0000002P0000001                                        T0000001",
  };
  EXPECT_EQ(w.lines, expected);
  EXPECT_TRUE(w.messages.empty());
}

TEST(IgesWriter, EntityParameters) {
  struct Case {
    const char* name;
    void (*draw)(IgesWriter&);
    std::vector<std::string> params;  // P lines without the DE field
  };
  const Case cases[] = {
      {"circle: start and end on the right",
       [](IgesWriter& g) { g.Circle(10, 10, 5); },
       {"100,0.0,10.000,10.000,15.000,10.000,15.000,10.000;"}},
      {"arc from its start to its end angle",
       [](IgesWriter& g) { g.Arc(0, 0, 0, 90, 2); },
       {"100,0.0,0.000,0.000,2.000,0.000,0.000,2.000;"}},
      {"solid: five groups, outline 1-2-4-3",
       [](IgesWriter& g) { g.Solid(0, 0, 1, 0, 0, 1, 1, 1); },
       {"106,1,5,0.0,0.000,0.000,", "1.000,0.000,", "1.000,1.000,", "0.000,1.000,",
        "0.000,0.000;"}},
      {"text: its box and the Hollerith text in bytes",
       [](IgesWriter& g) {
         CadTextFormat f;
         f.height = 2;
         f.width = 0.5;
         f.angle = 90;
         g.Text("Maß Ä", 1, 2, f);
       },
       {"212,1,7,7.000,2.000,1,,1.570796,0,0,1.000,2.000,0.0,", "7HMass Ae;"}},
      {"a long parameter text: cut after its last comma within 63 characters",
       [](IgesWriter& g) { g.Line(123456.789, 123456.789, 123456.789, 123456.789); },
       {"110,123456.789,123456.789,0.0,123456.789,123456.789,0.0;"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Written w = Draw("a.igs", c.draw);
    std::vector<std::string> params;
    for (const auto& l : Section(w.lines, 'P'))
      params.push_back(Trimmed(l.substr(0, 64)));
    EXPECT_EQ(params, c.params);
  }
}

TEST(IgesWriter, ParameterTextOfAHundredCharactersTakesTwoLines) {
  // 110 and six numbers of 13 to 15 characters: 100 characters in all
  const Written w = Draw("a.igs", [](IgesWriter& g) {
    g.Line(1234567890.123L, -1234567890.123L, 1234567890.123L, -1234567890.12L);
  });
  const auto p = Section(w.lines, 'P');
  ASSERT_EQ(p.size(), 2u);
  const std::string first = Trimmed(p[0].substr(0, 64));
  EXPECT_EQ(first, "110,1234567890.123,-1234567890.123,0.0,1234567890.123,");
  EXPECT_EQ(Trimmed(p[1].substr(0, 64)), "-1234567890.120,0.0;");
  EXPECT_EQ(p[0].substr(64), "       1");
}

TEST(IgesWriter, DirectoryPointers) {
  const Written w = Draw("a.igs", [](IgesWriter& g) {
    g.Line(0, 0, 1, 1);
    g.Solid(0, 0, 1, 0, 0, 1, 1, 1);
    g.Line(0, 0, 2, 2);
  });
  const auto d = Section(w.lines, 'D');
  ASSERT_EQ(d.size(), 6u);
  // DE pointers 1, 3, 5; parameter pointers 1, 2, 7 (the solid takes five lines)
  EXPECT_EQ(d[0].substr(8, 8), "       1");
  EXPECT_EQ(d[2].substr(8, 8), "       2");
  EXPECT_EQ(d[3].substr(24, 8), "       5");
  EXPECT_EQ(d[4].substr(8, 8), "       7");
  const auto p = Section(w.lines, 'P');
  EXPECT_EQ(p.back().substr(64), "       5");
}

}  // namespace
}  // namespace kv40::cad
namespace kv40::cad {
namespace {

TEST(IgesWriter, UnknownScaledAndCrowdedSubfigures) {
  // a subfigure inserted before it exists, one inserted at a scale, one with 300 members
  const Written w = Draw("a.igs", [](IgesWriter& g) {
    g.Insert("NIX", 0, 0, 0, 1, 1);
    g.Block("LINE");
    g.Line(0, 0, 10, 0);
    g.EndBlock();
    g.Insert("LINE", 1, 2, 0, 1.5L, 1.5L);
    g.Block("MANY");
    for (int k = 0; k < 300; ++k)
      g.Line(0, k, 1, k);
    g.EndBlock();
  });
  EXPECT_EQ(w.messages, std::vector<std::string>{"Blockname NIX not found !"});
  std::vector<std::string> params;
  for (const auto& l : Section(w.lines, 'P'))
    params.push_back(Trimmed(l.substr(0, 64)));
  // no instance of the unknown subfigure; the scaled one drawn at its size
  for (const auto& p : params)
    EXPECT_NE(p.rfind("408,", 0), 0u) << p;
  EXPECT_NE(std::find(params.begin(), params.end(), "110,1.000,2.000,0.0,16.000,2.000,0.0;"),
            params.end());
  // the 308 of MANY: 300 members in 25 groups of twelve, the last one ended by ";"
  const auto head = std::find(params.begin(), params.end(), "308,0,4HMANY,300,");
  ASSERT_NE(head, params.end());
  EXPECT_EQ(params.end() - head, 26);
  EXPECT_EQ(params.back().back(), ';');
  // definitions no instance refers to are blanked: readers would draw them at the origin
  for (const auto& d : Section(w.lines, 'D')) {
    if (d.rfind("     308", 0) == 0 && d.substr(64, 2) != "  ") {
      EXPECT_EQ(d.substr(64), "01000200");
    }
  }
}

TEST(IgesWriter, LongFileNameStaysInTheColumns) {
  const Written w = Draw(std::string(70, 'n') + ".igs", [](IgesWriter& g) { g.Line(0, 0, 1, 1); });
  const auto global = Section(w.lines, 'G');
  EXPECT_GT(global.size(), 5u);
  for (const auto& l : w.lines)
    EXPECT_EQ(l.size(), 80u) << l;
}

TEST(IgesWriter, KeepsNoWorkFile) {
  test::TempDir dir;
  const auto here = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  {
    IgesWriter iges({}, kNow, (dir / "out.igs").string(), [](const std::string&) {});
    iges.Limits(0, 0, 1, 1);
    iges.Line(0, 0, 1, 1);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    EXPECT_TRUE(iges.Finish());
  }
  std::filesystem::current_path(here);
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir.path()))
    names.push_back(e.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{"out.igs"});
}

TEST(IgesWriter, OpenCascadeReadsEveryEntity) {
  test::TempDir dir;
  const auto file = dir / "a_file_name_well_over_twenty_five_characters_long.igs";
  model::Config config;
  IgesWriter iges(config, kNow, file.string(), [](const std::string&) {});
  iges.Limits(-10, -10, 60, 60);
  iges.Block("TOOTH");
  iges.Layer(5);
  iges.Line(0, 0, 10, 5);
  iges.Arc(0, 0, 0, 90, 2);
  iges.EndBlock();
  iges.Block("GEAR");  // nested
  iges.Insert("TOOTH", 0, 0, 90, 1, 1);
  iges.EndBlock();
  for (int layer = 0; layer < 32; ++layer) {
    iges.Layer(layer);
    iges.Circle(layer, 0, 0.5L);
  }
  iges.Insert("TOOTH", 5, 5, 30, 1, 1);
  iges.Insert("GEAR", 40, 40, 0, 1, 1);
  iges.Insert("TOOTH", 40, 0, 0, 2, 2);      // line to (60, 10)
  iges.Insert("GEAR", 0, 20, 90, 1.5, 1.5);  // the line turned twice ends at (-15, 12.5)
  CadTextFormat f;
  iges.Text("Zähne", 1, 2, f);
  iges.Solid(0, 0, 1, 0, 0, 1, 1, 1);
  ASSERT_TRUE(iges.Finish());
  const test::OcctReading r = test::ReadWithOcct(file);
  ASSERT_TRUE(r.ran) << "occt-draw did not run";
  EXPECT_TRUE(r.failLines.empty()) << r.checkList;
  ASSERT_TRUE(r.hasBox);
  EXPECT_NEAR(r.xmin, -15, 1e-3);
  EXPECT_NEAR(r.ymin, -0.5, 1e-3);
  EXPECT_NEAR(r.xmax, 60, 1e-3);
  EXPECT_NEAR(r.ymax, 50, 1e-3);
}

// Every call of the drawing kernel once, on the IGES device: Open CASCADE reads it without a
// failure, and its geometry spans what the same drawing spans as DXF.
TEST(IgesWriter, TheKernelsDrawingReadsInOpenCascade) {
  test::TempDir dir;
  test::TestProgram t;
  t.p.batchCad = true;
  t.p.currentFile = (dir / "sample").string();
  test::DrawSample(t.p, CadDevice::Iges);
  ASSERT_FALSE(t.p.cancel);
  test::DrawSample(t.p, CadDevice::Dxf);
  ASSERT_FALSE(t.p.cancel);
  const test::OcctReading iges = test::ReadWithOcct(dir / "sample.igs");
  const test::OcctReading dxf = test::DxfGeometryBox(dir / "sample.dxf");
  ASSERT_TRUE(iges.ran);
  EXPECT_TRUE(iges.failLines.empty()) << iges.checkList;
  ASSERT_TRUE(iges.hasBox);
  ASSERT_TRUE(dxf.hasBox);
  EXPECT_NEAR(iges.xmin, dxf.xmin, 2e-3);
  EXPECT_NEAR(iges.ymin, dxf.ymin, 2e-3);
  EXPECT_NEAR(iges.xmax, dxf.xmax, 2e-3);
  EXPECT_NEAR(iges.ymax, dxf.ymax, 2e-3);
}

}  // namespace
}  // namespace kv40::cad
