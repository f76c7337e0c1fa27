// The sheet frame and title block: which changes it shows and where, the options that leave
// parts of it out, the free drawing texts and the user's logo.
#include "cad/title_block.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cad/kernel.h"
#include "support/dxf_check.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::cad {
namespace {

namespace fs = std::filesystem;

const std::string kProbe = std::string(KV40_TEST_DATA_DIR) + "/../support/drawing_probe.py";

TEST(TitleBlock, ChangeIndexByNumberingStyle) {
  struct Case {
    int n, style;
    const char* index;
  };
  const Case cases[] = {{1, 0, "a"},   {3, 0, "c"}, {12, 0, "l"}, {3, 1, "3"},
                        {12, 1, "12"}, {3, 2, "C"}, {25, 2, "Y"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.n) + " " + std::to_string(c.style));
    EXPECT_EQ(ChangeIndex(c.n, c.style), c.index);
  }
}

TEST(TitleBlock, TheLastEightChangesFromRowOneUp) {
  struct Case {
    int count;
    int first;  // the oldest entry shown
    std::size_t rows;
  };
  const Case cases[] = {{0, 0, 0}, {3, 1, 3}, {8, 1, 8}, {12, 5, 8}, {25, 18, 8}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.count);
    model::DocuData d;
    d.changeCount = c.count;
    const auto rows = TitleBlockChangeRows(d, 1);
    ASSERT_EQ(rows.size(), c.rows);
    for (std::size_t k = 0; k < rows.size(); ++k) {
      EXPECT_EQ(rows[k].index, std::to_string(c.first + static_cast<int>(k)));
      EXPECT_EQ(rows[k].entry, &d.changeList[static_cast<std::size_t>(c.first - 1) + k]);
      EXPECT_NEAR(static_cast<double>(rows[k].y), 6.5 + 4.2 * static_cast<double>(k + 1), 1e-12);
    }
  }
}

// The title block alone as a block of a DXF drawing, inserted at the origin.
struct Sheet {
  explicit Sheet(const test::TempDir& dir) {
    p.batchCad = true;
    p.currentFile = (dir.path() / "frame").string();
    p.config.tempDir = dir.path().string() + "/";
    file = dir / "frame.dxf";
  }
  void Draw(CadDevice device = CadDevice::Dxf) {
    CadBeginDrawing(p, device);
    CadLimits(p, -5, -5, 225, 310);
    CadTables(p, 2);
    CadBeginBlocks(p);
    CadBlock(p, "FRAME_1");
    TitleBlock(p, "Zahnwelle", "zweite Zeile", "KV40-1");
    CadEndBlock(p);
    CadEndSection(p);
    CadEntities(p);
    CadInsert(p, "FRAME_1", 0, 0, 0, 1, 1);
    CadEndSection(p);
    CadEndDrawing(p);
  }
  std::string Texts() const {
    return test::Shell("/usr/bin/python3 '" + kProbe + "' heights '" + file.string() + "' FRAME_1");
  }
  test::TestProgram t;
  app::Program& p = t.p;
  fs::path file;
};

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(TitleBlock, OptionsLeaveOutFooterDateSignatureLine) {
  struct Case {
    const char* name;
    std::array<bool, 4> hide;  // signature line, file name, date, logo
    bool signature, fileName, date;
  };
  const Case cases[] = {
      {"everything shown", {false, false, false, false}, true, true, true},
      {"no signature line", {true, false, false, false}, false, true, true},
      {"no file name", {false, true, false, false}, true, false, true},
      {"no date", {false, false, true, false}, true, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempDir dir;
    Sheet s(dir);
    s.p.config.titleBlockFlags = c.hide;
    s.Draw();
    ASSERT_FALSE(s.p.cancel);
    EXPECT_EQ(test::EzdxfAudit(s.file, true), "ok");
    const std::string texts = s.Texts();
    EXPECT_EQ(
        Has(texts, "1.0000 300.0000 3.5000 0.0000 QUENTAR   KV40   Passverzahnung DIN 5482  V1.3"),
        c.signature)
        << texts;
    EXPECT_EQ(Has(texts, "18.0000 1.0000 1.5000 0.0000 " + s.p.currentFile), c.fileName);
    EXPECT_EQ(Has(texts, "18.0000 2.9000 1.5000 0.0000 10.12.2026 10:30\n"), c.date) << texts;
    // always there: the names, the protection notices turned upwards, the labels
    EXPECT_TRUE(Has(texts, "120.0000 32.5000 5.0000 0.0000 Zahnwelle\n"));
    EXPECT_TRUE(Has(texts, "120.0000 25.0000 3.5000 0.0000 zweite Zeile\n"));
    EXPECT_TRUE(Has(texts, "4.0000 10.0000 1.8000 90.0000 Copying of this document"));
    EXPECT_TRUE(Has(texts, "74.0000 23.2000 1.8000 0.0000 Frei\n"));
  }
}

TEST(TitleBlock, DrawingInformationAndFreeTexts) {
  test::TempDir dir;
  Sheet s(dir);
  s.p.docu.drawingInfo.drawnDate = "01.02.2026";
  s.p.docu.drawingInfo.checkedBy = "Meier";
  s.p.config.titleBlockText = "Freigabe";
  s.p.docu.drawingInfo.drawingTextCount = 2;
  s.p.docu.drawingInfo.drawingTexts[0] = {30, 250, 4, 0, "Einsatzgehärtet"};
  // no height: written in the style the first text left in force
  s.p.docu.drawingInfo.drawingTexts[1] = {30, 240, 0, 0, "60 HRC"};
  s.Draw();
  ASSERT_FALSE(s.p.cancel);
  const std::string texts = s.Texts();
  EXPECT_TRUE(Has(texts, "83.0000 35.6000 1.8000 0.0000 01.02.2026\n")) << texts;
  EXPECT_TRUE(Has(texts, "99.0000 31.4000 1.8000 0.0000 Meier\n"));
  EXPECT_TRUE(Has(texts, "74.0000 23.2000 1.8000 0.0000 Freigabe\n"));
  EXPECT_TRUE(Has(texts, "30.0000 250.0000 4.0000 0.0000 Einsatzgehärtet\n"));
  EXPECT_TRUE(Has(texts, "30.0000 240.0000 4.0000 0.0000 60 HRC\n"));
}

TEST(TitleBlock, TheUsersLogoInAnyLetterCaseOnTheScreenAndThePlotOnly) {
  struct Case {
    const char* name;
    CadDevice device;
    bool hidden;
    bool logo;
  };
  const Case cases[] = {
      {"screen", CadDevice::Screen, false, true},
      {"screen, logo switched off", CadDevice::Screen, true, false},
      {"plot program", CadDevice::Plot, false, true},
      {"DXF file", CadDevice::Dxf, false, false},
  };
  test::TempDir dir;
  // a logo block file as the user leaves it: one line, in capitals
  std::ofstream(dir / "$LOGO_1.DX$") << "0\nLINE\n8\n0\n10\n1\n20\n2\n11\n31\n21\n2\n0\nEOF\n";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Sheet s(dir);
    s.p.config.titleBlockFlags[3] = c.hidden;
    s.p.config.plotCommands[0] = "true";
    if (c.device == CadDevice::Plot) s.t.ui.AnswerTextUnchanged();
    s.Draw(c.device);
    ASSERT_FALSE(s.p.cancel);
    // the logo's line at (75, 10) + (1, 2) .. (31, 2)
    bool logo = false;
    if (c.device == CadDevice::Screen) {
      const auto lines = s.p.graphic.displayList.Lines();
      logo = std::any_of(lines.begin(), lines.end(),
                         [](const std::string& l) { return l == "4;76;12;106;12"; });
    } else {
      const std::string file =
          c.device == CadDevice::Plot ? s.p.drawing.CadFileName : s.file.string();
      const std::string lines =
          test::Shell("/usr/bin/python3 '" + kProbe + "' lines '" + file + "' FRAME_1");
      logo = Has(lines, "76.0000 12.0000 106.0000 12.0000\n");
    }
    EXPECT_EQ(logo, c.logo);
  }
}

}  // namespace
}  // namespace kv40::cad
