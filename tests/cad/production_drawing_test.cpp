// The production drawing through the kernel: DXF files that ezdxf accepts with the sheets'
// inserts where the insertion table puts them, title block and table texts, hatching, the
// repeatable break lines, and the drawing's failures kept apart from the calculation.
#include "cad/production_drawing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "calc/driver.h"
#include "model/input_file.h"
#include "support/dxf_check.h"
#include "support/occt.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::cad {
namespace {

namespace fs = std::filesystem;

const std::string kProbe = std::string(KV40_TEST_DATA_DIR) + "/../support/drawing_probe.py";

// beispiel1.k40 calculated; batch drawings go to dir/<name>.<ext>.
struct Sample {
  explicit Sample(const test::TempDir& dir, const std::string& name = "sheet",
                  std::uint64_t seed = 1)
      : random(seed) {
    EXPECT_TRUE(model::LoadInputFile(p, std::string(KV40_SOURCE_DATA_DIR) + "/beispiel1.k40"));
    calc::RecalcAll(p.connection, p.fmt(), p.cancel);
    p.random = &random;
    p.batchCad = true;
    p.currentFile = (dir.path() / name).string();
    p.config.tempDir = dir.path().string() + "/";
  }
  std::string Fault() const {
    return p.drawing.messages.empty() ? "" : p.drawing.messages.texts.front();
  }
  base::SeededRandom random;
  test::TestProgram t;
  app::Program& p = t.p;
};

std::string Probe(const std::string& what, const fs::path& dxf, const std::string& block = "") {
  return test::Shell("/usr/bin/python3 '" + kProbe + "' " + what + " '" + dxf.string() + "' '" +
                     block + "'");
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(ProductionDrawing, EveryEntryWrittenAsDxfPassesEzdxf) {
  test::TempDir dir;
  for (int e = 1; e <= 9; ++e) {
    SCOPED_TRACE(e);
    Sample s(dir, "entry" + std::to_string(e));
    DrawProductionEntry(s.p, CadDevice::Dxf, static_cast<ProductionEntry>(e));
    ASSERT_FALSE(s.p.cancel) << s.Fault();
    EXPECT_EQ(test::EzdxfAudit(dir / ("entry" + std::to_string(e) + ".dxf"), true), "ok");
  }
}

TEST(ProductionDrawing, WrittenAsIgesTheyReadInOpenCascadeWithTheDxfsExtents) {
  test::TempDir dir;
  for (const auto e :
       {ProductionEntry::ShaftView, ProductionEntry::HubView, ProductionEntry::Tables,
        ProductionEntry::BothSheets, ProductionEntry::Quick}) {
    SCOPED_TRACE(static_cast<int>(e));
    Sample s(dir);
    DrawProductionEntry(s.p, CadDevice::Dxf, e);
    DrawProductionEntry(s.p, CadDevice::Iges, e);
    ASSERT_FALSE(s.p.cancel) << s.Fault();
    const test::OcctReading iges = test::ReadWithOcct(dir / "sheet.igs");
    const test::OcctReading dxf = test::DxfGeometryBox(dir / "sheet.dxf");
    EXPECT_TRUE(iges.ran);
    EXPECT_TRUE(iges.failLines.empty()) << iges.checkList;
    ASSERT_TRUE(iges.hasBox && dxf.hasBox);
    // three decimals in the IGES file
    EXPECT_NEAR(iges.xmin, dxf.xmin, 2e-3);
    EXPECT_NEAR(iges.ymin, dxf.ymin, 2e-3);
    EXPECT_NEAR(iges.xmax, dxf.xmax, 2e-3);
    EXPECT_NEAR(iges.ymax, dxf.ymax, 2e-3);
  }
}

TEST(ProductionDrawing, BothSheetsInsertFramesViewsAndTablesAsTheInsertionTableSays) {
  test::TempDir dir;
  Sample s(dir);
  DrawProductionEntry(s.p, CadDevice::Dxf, ProductionEntry::BothSheets);
  ASSERT_FALSE(s.p.cancel) << s.Fault();
  // da1 = 49.5619, b1 = 45, b2 = 40, dB = 50, mn = 2: the shaft's scale 75 / da1 = 1.513259
  // at 100 - 45 * 1.513259 / 2, the hub's 1.2 at 220 + 100 - 40 * 1.2 / 2
  EXPECT_EQ(Probe("inserts", dir / "sheet.dxf"),
            "FRAME_1 0.000000 0.000000 1.000000 1.000000 0.000000\n"
            "FRAME_2 220.000000 0.000000 1.000000 1.000000 0.000000\n"
            "TABELL1 45.000000 50.000000 1.000000 1.000000 0.000000\n"
            "WELLE 65.951665 235.000000 1.513259 1.513259 0.000000\n"
            "TABELL2 265.000000 50.000000 1.000000 1.000000 0.000000\n"
            "NABE 296.000000 235.000000 1.200000 1.200000 0.000000\n");
}

TEST(ProductionDrawing, TheTitleBlockShowsTheLastEightChanges) {
  test::TempDir dir;
  Sample s(dir);
  s.p.docu.changeCount = 12;
  for (int i = 0; i < 12; ++i) {
    s.p.docu.changeList[static_cast<std::size_t>(i)].changeText =
        "Änderung " + std::to_string(i + 1);
    s.p.docu.changeList[static_cast<std::size_t>(i)].editor = "ab";
  }
  s.p.connection.zname[1] = "Welle 50";
  s.p.connection.znr[1] = "KV40-0001-01";
  DrawProductionEntry(s.p, CadDevice::Dxf, ProductionEntry::ShaftSheet);
  ASSERT_FALSE(s.p.cancel) << s.Fault();
  const std::string texts = Probe("texts", dir / "sheet.dxf", "FRAME_1");
  EXPECT_TRUE(Has(texts, "21.0000 10.7000 e\n")) << texts;  // entry 5, the oldest shown
  EXPECT_TRUE(Has(texts, "27.0000 10.7000 Änderung 5\n"));
  EXPECT_TRUE(Has(texts, "21.0000 40.1000 l\n"));  // entry 12 in row 8
  EXPECT_FALSE(Has(texts, "Änderung 4\n"));
  EXPECT_TRUE(Has(texts, "120.0000 32.5000 Welle 50\n"));
  EXPECT_TRUE(Has(texts, "120.0000 12.0000 KV40-0001-01\n"));
  for (const char* fixed : {" Zust.\n", " Bearb.\n", " Gepr.\n", " Norm\n", " Blatt\n",
                            " Weitergabe sowie Vervielfältigung dieser Unterlage, Ver-\n"}) {
    EXPECT_TRUE(Has(texts, fixed)) << fixed;
  }
}

TEST(ProductionDrawing, TheTablesShowPinsWhenTheOptionIsSet) {
  test::TempDir dir;
  for (const bool pins : {false, true}) {
    SCOPED_TRACE(pins);
    Sample s(dir);
    s.p.connection.pinTable = pins;
    DrawProductionEntry(s.p, CadDevice::Dxf, ProductionEntry::ShaftTable);
    ASSERT_FALSE(s.p.cancel) << s.Fault();
    const std::string texts = Probe("texts", dir / "sheet.dxf", "*");
    EXPECT_EQ(Has(texts, "Prüfmaß Mi (DM=4) nom"), pins) << texts;
    EXPECT_EQ(Has(texts, "Zahnweite (k=4) W"), !pins);
    EXPECT_TRUE(Has(texts, "ZAHNWELLE "));
    EXPECT_FALSE(Has(texts, "ZAHNNABE "));
  }
}

TEST(ProductionDrawing, TheShaftEndHatchLiesInsideItsOutline) {
  test::TempDir dir;
  Sample s(dir);
  DrawProductionEntry(s.p, CadDevice::Dxf, ProductionEntry::ShaftView);
  ASSERT_FALSE(s.p.cancel) << s.Fault();
  EXPECT_EQ(Probe("hatch", dir / "sheet.dxf", "WLSTUMP"), "ok\n");
}

TEST(ProductionDrawing, BreakLinesRepeatForTheSameSeed) {
  test::TempDir dir;
  std::string files[3];
  const std::uint64_t seeds[3] = {7, 7, 8};
  for (int i = 0; i < 3; ++i) {
    Sample s(dir, "hub" + std::to_string(i), seeds[i]);
    DrawProductionEntry(s.p, CadDevice::Dxf, ProductionEntry::HubView);
    ASSERT_FALSE(s.p.cancel) << s.Fault();
    files[i] = ReadFile(dir / ("hub" + std::to_string(i) + ".dxf"));
  }
  EXPECT_EQ(files[0], files[1]);
  EXPECT_NE(files[0], files[2]);
}

TEST(ProductionDrawing, NoFiniteScaleGivesNoDrawingAndLeavesTheCalculationAlone) {
  test::TempDir dir;
  Sample s(dir);
  s.p.connection.b[2] = 0;
  const int messages = s.p.connection.log.messageCount;
  DrawProductionEntry(s.p, CadDevice::Dxf, ProductionEntry::HubSheet);
  EXPECT_TRUE(s.p.cancel);
  EXPECT_FALSE(s.Fault().empty());
  EXPECT_EQ(s.t.ui.MessageTexts(), std::vector<std::string>{s.Fault()});
  EXPECT_FALSE(fs::exists(dir / "sheet.dxf"));
  EXPECT_FALSE(s.p.connection.log.fatal);
  EXPECT_EQ(s.p.connection.log.messageCount, messages);
}

TEST(ProductionDrawing, AFatalCalculationShowsTheMessageListInstead) {
  test::TempDir dir;
  Sample s(dir);
  s.p.connection.z5482 = 0;  // "Fatal  : z = 0 !"
  calc::RecalcAll(s.p.connection, s.p.fmt(), s.p.cancel);
  ASSERT_TRUE(s.p.connection.log.fatal);
  s.t.ui.Cancel(test::PromptKind::Choose);  // the message list, closed
  DrawProductionEntry(s.p, CadDevice::Dxf, ProductionEntry::Quick);
  EXPECT_FALSE(fs::exists(dir / "sheet.dxf"));
  EXPECT_EQ(s.t.ui.Pending(), 0u);
}

TEST(ProductionDrawing, TheMenuDrawsEachChosenEntryUntilBack) {
  test::TempDir dir;
  Sample s(dir);
  s.t.ui.AnswerChoose(3).AnswerChoose(10);
  ProductionDrawing(s.p, CadDevice::Dxf, 0);
  const auto asked = s.t.ui.Of(test::PromptKind::Choose);
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0].text, "Bitte wählen ..");
  EXPECT_EQ(asked[0].items.size(), 10u);
  EXPECT_EQ(asked[0].items[8], "Quick");
  EXPECT_TRUE(fs::exists(dir / "sheet.dxf"));
}

}  // namespace
}  // namespace kv40::cad
