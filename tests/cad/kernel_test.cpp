// The drawing kernel with its DXF and screen devices: what ezdxf makes of the files, the
// screen's display list against the DXF, and the kernel's refusals.
#include "cad/kernel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>

#include "base/codepage.h"
#include "support/dxf_check.h"
#include "support/sample_drawing.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::cad {
namespace {

namespace fs = std::filesystem;

// A program whose batch drawings go to dir/<name>.<ext>.
struct BatchProgram {
  explicit BatchProgram(const test::TempDir& dir, const std::string& name = "probe") {
    t.p.batchCad = true;
    t.p.currentFile = (dir.path() / name).string();
    t.p.config.tempDir = dir.path().string() + "/";
  }
  test::TestProgram t;
  app::Program& p = t.p;
};

TEST(Kernel, EveryDxfTheKernelWritesPassesEzdxf) {
  struct Case {
    const char* name;
    int tables;
    bool polylines;
  };
  const Case cases[] = {
      {"tables 0, lines and arcs", 0, false},
      {"tables 1, POLYLINE entities", 1, true},
      {"tables 2, POLYLINE entities", 2, true},
      {"tables 2, lines and arcs", 2, false},
  };
  test::TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BatchProgram b(dir);
    b.p.toothForm.invPolyline = c.polylines;
    test::DrawSample(b.p, CadDevice::Dxf, c.tables);
    ASSERT_FALSE(b.p.cancel) << (b.p.drawing.messages.empty() ? "" : b.p.drawing.messages.texts[0]);
    EXPECT_EQ(test::EzdxfAudit(dir / "probe.dxf", c.tables == 2), "ok");
  }
}

TEST(Kernel, TheScreenShowsWhatTheDxfHolds) {
  test::TempDir dir;
  for (const bool polylines : {false, true}) {
    SCOPED_TRACE(polylines ? "POLYLINE entities" : "lines and arcs");
    BatchProgram b(dir);
    b.p.toothForm.invPolyline = polylines;
    test::DrawSample(b.p, CadDevice::Dxf);
    test::DrawSample(b.p, CadDevice::Screen);
    ASSERT_FALSE(b.p.cancel);
    // the screen adds its status text to the drawing
    auto lines = b.p.graphic.displayList.Lines();
    const auto status = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
      return l.find("QUENTAR KV40 V1.3") != std::string::npos;
    });
    ASSERT_NE(status, lines.end());
    lines.erase(status);
    EXPECT_EQ(test::CompareWithDisplayList(dir / "probe.dxf", lines), "ok");
  }
}

TEST(Kernel, TheScreenStatusNamesTheFileOnce) {
  struct Case {
    const char* current;
    const char* folder;
    const char* shown;
  } const cases[] = {
      {"beispiel1", "/daten/", " - /daten/beispiel1.k40"},
      {"beispiel1.k40", "", " - beispiel1.k40"},  // as given on the command line
  };
  test::TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.current);
    BatchProgram b(dir);
    b.p.currentFile = c.current;
    b.p.dataDir = c.folder;
    test::DrawSample(b.p, CadDevice::Screen);
    ASSERT_FALSE(b.p.cancel);
    const auto lines = b.p.graphic.displayList.Lines();
    const auto status = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
      return l.find("QUENTAR KV40 V1.3") != std::string::npos;
    });
    ASSERT_NE(status, lines.end());
    EXPECT_NE(status->find(std::string(c.shown)), std::string::npos) << *status;
    EXPECT_EQ(status->find(".k40.k40"), std::string::npos) << *status;
  }
}

// Starts a batch DXF drawing with limits and the entities section open.
void Begin(app::Program& p, CadDevice device = CadDevice::Dxf) {
  CadBeginDrawing(p, device);
  CadLimits(p, 0, 0, 100, 100);
  CadTables(p, 0);
}

std::string FirstMessage(const app::Program& p) {
  return p.drawing.messages.empty() ? std::string() : p.drawing.messages.texts.front();
}

TEST(Kernel, BadBlocksEndTheDrawingWithAMessage) {
  struct Case {
    const char* name;
    CadDevice device;
    std::function<void(app::Program&)> body;
    const char* message;
  };
  // five blocks each inserting the one before: the fifth level of nesting on screen
  const auto nested = [](app::Program& p) {
    CadBeginBlocks(p);
    for (int i = 1; i <= 5; ++i) {
      CadBlock(p, "B" + std::to_string(i));
      if (i == 1)
        CadLine(p, 0, 0, 1, 1);
      else
        CadInsert(p, "B" + std::to_string(i - 1), 1, 0, 0, 1, 1);
      CadEndBlock(p);
    }
    CadEndSection(p);
    CadEntities(p);
    CadInsert(p, "B4", 0, 0, 0, 1, 1);
    EXPECT_FALSE(p.cancel) << "four levels are fine";
    CadInsert(p, "B5", 0, 0, 0, 1, 1);
  };
  const auto self = [](app::Program& p) {
    CadBeginBlocks(p);
    CadBlock(p, "SELF");
    CadInsert(p, "SELF", 0, 0, 0, 1, 1);
  };
  const auto unknown = [](app::Program& p) {
    CadEntities(p);
    CadInsert(p, "NIE", 0, 0, 0, 1, 1);
  };
  const Case cases[] = {
      {"nesting deeper than four levels", CadDevice::Screen, nested, "error blockno. 5"},
      {"a block inserting itself, screen", CadDevice::Screen, self, "Block SELF fügt sich selbst"},
      {"a block inserting itself, DXF", CadDevice::Dxf, self, "Block SELF fügt sich selbst"},
      {"an undefined block", CadDevice::Dxf, unknown, "Block NIE ist nicht definiert"},
  };
  test::TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BatchProgram b(dir, c.name);
    Begin(b.p, c.device);
    c.body(b.p);
    EXPECT_TRUE(b.p.cancel);
    EXPECT_EQ(FirstMessage(b.p).rfind(c.message, 0), 0u) << FirstMessage(b.p);
    EXPECT_EQ(b.p.connection.log.messageCount, 0) << "the calculation's log stays untouched";
    EXPECT_FALSE(b.p.connection.log.fatal);
    CadEndDrawing(b.p);
    EXPECT_FALSE(fs::exists(dir / (std::string(c.name) + ".dxf"))) << "no file after a cancel";
  }
}

TEST(Kernel, ArcsThroughTwoPointsNeverDivideByZero) {
  struct Case {
    const char* name;
    Extended x2, y2, bulge;
    const char* screen;  // the start of the one record drawn
    const char* message;
  };
  const Case cases[] = {
      // centre (0, 10), radius 10, from 270 to 0 degrees
      {"a quarter arc", 10, 10, 3.14159265358979L / 2, "5;-10;0;10;20;", ""},
      {"a full turn draws a straight segment", 10, 0, 2 * 3.14159265358979323846L, "4;0;0;10;0",
       "Fehler in GetArcCenter (dphi = 6.283 ! "},
      {"coincident points draw nothing", 0, 0, 1, "", "GetArcCenter l12=0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestProgram t;
    CadBeginDrawing(t.p, CadDevice::Screen);
    CadLimits(t.p, -50, -50, 50, 50);
    CadEntities(t.p);
    const std::size_t before = t.p.graphic.displayList.size();
    CadBeginPolyline(t.p);
    CadVertex(t.p, 0, 0, c.bulge);
    CadVertex(t.p, c.x2, c.y2, 0);
    CadEndPolyline(t.p);
    const auto lines = t.p.graphic.displayList.Lines();
    const std::string shown = lines.size() > before ? lines.back() : std::string();
    EXPECT_EQ(shown.substr(0, std::string(c.screen).size()), c.screen) << shown;
    EXPECT_EQ(lines.size(), before + (*c.screen != 0 ? 1 : 0));
    EXPECT_EQ(FirstMessage(t.p), c.message);
    EXPECT_FALSE(t.p.cancel);
  }
}

TEST(Kernel, ANonFiniteNumberNeverReachesAFile) {
  test::TempDir dir;
  for (const Extended bad :
       {std::numeric_limits<Extended>::quiet_NaN(), std::numeric_limits<Extended>::infinity()}) {
    BatchProgram b(dir);
    Begin(b.p);
    CadEntities(b.p);
    CadLine(b.p, 0, 0, 1, 1);
    CadCircle(b.p, bad, 0, 1);
    EXPECT_TRUE(b.p.cancel);
    EXPECT_EQ(FirstMessage(b.p), "Ungültige Zahl in CadCircle: Zeichnung abgebrochen");
    CadEndDrawing(b.p);
    EXPECT_FALSE(fs::exists(dir / "probe.dxf"));
  }
}

TEST(Kernel, AFileThatCannotBeWrittenLeavesNothingBehind) {
  test::TempDir dir;
  BatchProgram b(dir, "sub/probe");  // the folder does not exist
  CadBeginDrawing(b.p, CadDevice::Dxf);
  EXPECT_TRUE(b.p.cancel);
  EXPECT_NE(FirstMessage(b.p).find("kann nicht geschrieben werden"), std::string::npos);
  EXPECT_EQ(b.t.ui.MessageTexts().size(), 1u);

  // the folder goes away while drawing: the complete file cannot be renamed into place
  fs::create_directory(dir / "gone");
  BatchProgram late(dir, "gone/probe");
  Begin(late.p);
  CadEntities(late.p);
  CadLine(late.p, 0, 0, 1, 1);
  fs::remove_all(dir / "gone");
  CadEndDrawing(late.p);
  EXPECT_TRUE(late.p.cancel);
  EXPECT_NE(FirstMessage(late.p).find("gone/probe.dxf kann nicht geschrieben werden"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(dir / "gone"));
}

TEST(Kernel, TextsCannotBreakARecord) {
  struct Case {
    const char* name;
    int mode;
    std::string text;
    std::string bytes;  // group 1 as written
  };
  const Case cases[] = {
      {"line breaks, tab and controls become blanks", 1, "a\r\nb\tc\x01", "a  b c "},
      {"DOS code page", 1, "Zähne ±0,1",
       "Z\x84hne \xF1"
       "0,1"},
      {"Windows-1252 for R12 readers", 2, "Zähne ±0,1 €",
       "Z\xE4hne \xB1"
       "0,1 \x80"},
      {"outside Windows-1252", 2, "ø≠", "\xF8?"},
      {"ASCII", 3, "Zähne", "Zaehne"},
      {"longer than 255 bytes is cut", 1, std::string(300, 'x'), std::string(255, 'x')},
  };
  test::TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BatchProgram b(dir);
    b.p.config.fmt.cadTextMode = c.mode;
    Begin(b.p);
    CadEntities(b.p);
    CadText(b.p, c.text, 0, 0);
    CadEndSection(b.p);
    CadEndDrawing(b.p);
    const std::string all = test::ReadBytes(dir / "probe.dxf");
    const std::string key = "  1\r\n";
    const std::size_t at = all.find(key);
    ASSERT_NE(at, std::string::npos);
    const std::size_t end = all.find("\r\n", at + key.size());
    EXPECT_EQ(all.substr(at + key.size(), end - at - key.size()), c.bytes);
    EXPECT_EQ(test::EzdxfAudit(dir / "probe.dxf"), "ok");
  }
}

}  // namespace
}  // namespace kv40::cad
