// KV40.cfg as text: reading by position, corrections, short files, writing and round trips.
#include <cstdio>
#include <functional>

#include <gtest/gtest.h>

#include "base/text_file.h"
#include "config/config_format.h"
#include "support/temp_dir.h"

namespace kv40::config {

using model::Config;
using model::kDefaultPlotCommand;
using model::kDefaultProgram;
using model::kLayerCount;
using model::kUpperLayerCount;
using model::TextWindowRect;
namespace {

const ScreenInfo kScreen{1280, 1024, 96, 0, 0};
const std::string kStartDir = "/start/";

using Lines = std::vector<std::string>;

std::string Num(Extended v) {
  return base::NumberText(v, std::chars_format::general, 10);
}

ParseResult Parse(const Lines& lines) {
  return ParseConfig(base::TextLines{lines}, kStartDir, kScreen);
}

// The index of the value line `offset` lines after the first line equal to key.
std::size_t ValueLine(const Lines& lines, const std::string& key, std::size_t offset = 1) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == key) return i + offset;
  }
  ADD_FAILURE() << "no key line " << key;
  return 0;
}

// Every setting away from its default, with values the file keeps exactly.
Config NonDefault() {
  Config c;
  for (int i = 1; i < kLayerCount; ++i) {
    c.layerNames[i] = "Kontur " + std::to_string(i);
    c.layerColors[i] = 10 + i;
  }
  c.cadTextStyle = "ISOCP";
  c.cadTextWidthFactor = 0.85L;
  c.cadTextAngle = 15;
  c.cadDir = "/z/cad/";
  c.dbfDir = "/z/dbf/";
  c.helpLevel = 2;
  c.printerPort = 3;
  c.printerType = 7;
  c.printDensity = 2;
  c.hardcopyRotated = "N";
  c.fmt = {5, 2, 1, 1, 1, 3, 4};
  c.printThickness = 4;
  c.colorGraphics = false;
  c.aspectCorrection = 1.25L;
  c.graphicsMode = 12;
  c.graphicsDriver = -3;
  c.resX = 1591;
  c.resY = 1109;
  c.tempDir = "/z/tmp/";
  c.hardcopyPort = 2;
  c.ediDir = "/z/edi/";
  c.pltDir = "/z/plt/";
  c.frameMode = 4;
  c.linesPerPage = 72;
  c.zoomFactor = 1.5L;
  c.panFactor = 0.125L;
  c.programDir = "/opt/kv40/";
  c.plotCommands = {"plot1 a.dxf", "plot2 -x", "plot3", "plot4", "plot5"};
  c.backgroundColor = 0xFFFFFF;
  c.printColorMode = 2;
  c.layerMonochrome = true;
  c.graphTextWidthFactor = 0.75L;
  c.graphFontName = "DejaVu Sans";
  for (int i = 0; i < kUpperLayerCount; ++i)
    c.upperLayerColors[i] = 100 + i;
  c.textProgram = "gedit";
  c.databaseMode = 3;
  c.tableEditor = "localc";
  c.printOriginX = -5;
  c.printOriginY = 7;
  c.printScaleX = 2.5L;
  c.printBorder = true;
  c.reserved47 = c.reserved48 = c.reserved51 = true;
  c.plotCommandCount = 4;
  c.archiveMode = true;
  c.headerSpaceLines = 3;
  c.textDevice = 7;
  c.askTextDevice = c.smallOnlineWindow = c.enterDiagramLimits = true;
  c.dataDir = "/z/data/";
  c.textHeightFactor = 1.125L;
  c.dialogSizePercent = 120;
  c.htmlBrowser = "firefox";
  c.printScaleY = 3.5L;
  c.layerWidths = {5, 6, 7, 8, 9, 10};
  c.graphicPrintDialog = false;
  c.textWindow = {1, 2, 800, 600};
  c.headerMode = 2;
  c.printFontName = "DejaVu Sans Mono";
  c.printFontSize = 12;
  c.printFontStyle = 3;
  c.graphFontStyle = 5;
  c.printOrientation = 1;
  c.ask3dAngles = false;
  c.view3d = {-0.5L, 0.25L, 2.125L};
  c.titleBlockOption = 1;
  c.titleBlockText = "Frei";
  c.cadDecimals = 4;
  for (int i = 0; i < kUpperLayerCount; ++i)
    c.upperLayerWidths[i] = 2 + i;
  c.fontScalePercent = 90;
  c.angleDisplay = 1;
  c.drawingFactor = 1.75L;
  c.reserved86 = 9;
  c.language = 2;
  c.mainDrawingKind = 3;
  c.titleBlockFlags = {true, true, true, true};
  return c;
}

TEST(ConfigFile, WriteReadRoundTripKeepsEverySetting) {
  const Config c = NonDefault();
  const Lines written = ConfigLines(c);
  const ParseResult back = Parse(written);
  EXPECT_TRUE(back.complete);
  EXPECT_EQ(back.linesRead, written.size());
  EXPECT_EQ(ConfigLines(back.config), written);

  // Each value line differs from the default file, so no setting escaped the round trip:
  // only the title and the key lines are the same.
  Config d;
  d.plotCommandCount = c.plotCommandCount;
  const Lines defaults = ConfigLines(d);
  ASSERT_EQ(defaults.size(), written.size());
  int same = 0;
  for (std::size_t i = 0; i < written.size(); ++i)
    same += written[i] == defaults[i] ? 1 : 0;
  EXPECT_EQ(same, 2 + 98 + 1);  // title lines, key lines, the number of plot lines
}

TEST(ConfigFile, BytesAreCp437WithCrLf) {
  const std::string bytes = ConfigBytes(Config{});
  EXPECT_EQ(bytes.substr(0, 33), "KV40 Konfiguration\r\nVersion 1.3\r\n");
  EXPECT_NE(bytes.find("Aufl\x94sung horizontal\r\n0\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("Hardcopy um 90\xF8 gedreht ?\r\nJ\r\n"), std::string::npos);
  EXPECT_EQ(bytes.substr(bytes.size() - 7), "FALSE\r\n");
  EXPECT_EQ(base::SplitLines(bytes).lines, ConfigLines(Config{}));
}

// A file cut anywhere reads the values before the cut and keeps the defaults after it,
// except for the two rules that look at where the file ends.
TEST(ConfigFile, ShortFileKeepsDefaultsAfterItsEnd) {
  Config source = NonDefault();
  source.plotCommandCount = 1;  // the same number of lines as the defaults
  const Lines full = ConfigLines(source);
  const Lines defaults = ConfigLines(Parse({"KV40 Konfiguration", "Version 1.3"}).config);
  const std::size_t after36 = ValueLine(full, "Layer Monochrom") + 1;
  const std::size_t after66 = ValueLine(full, "Text window left/top/width/height") + 1;
  for (std::size_t cut = 2; cut <= full.size(); ++cut) {
    SCOPED_TRACE("cut after line " + std::to_string(cut));
    const ParseResult r = Parse(Lines(full.begin(), full.begin() + cut));
    Lines want(full.begin(), full.begin() + cut);
    want.insert(want.end(), defaults.begin() + cut, defaults.end());
    Lines got = ConfigLines(r.config);
    if (cut == after36) {
      // old files: the graphic text width follows the CAD text width
      const std::size_t i = ValueLine(want, "Textbreitenfaktor Grafik");
      EXPECT_EQ(got[i], "0.8500000");
      got[i] = want[i];
    }
    if (cut == after66) want[cut - 1] = "10|40|700|440|";  // geometry at the very end: ignored
    EXPECT_EQ(got, want);
    EXPECT_EQ(r.complete, cut == full.size());
  }
}

TEST(ConfigFile, EndAfterPrinterPortKeepsLaterDefaults) {
  Lines lines = ConfigLines(NonDefault());
  lines.resize(ValueLine(lines, "Druckerschnittstelle") + 1);
  const ParseResult r = Parse(lines);
  EXPECT_EQ(r.endedAfterStop, 12);
  EXPECT_EQ(r.config.printerPort, 3);
  EXPECT_EQ(r.config.layerNames[5], "Kontur 5");
  EXPECT_EQ(r.config.printerType, 3);
  EXPECT_EQ(r.config.fmt.decimalsOffset, 3);
  EXPECT_EQ(r.config.linesPerPage, 66);
  EXPECT_EQ(r.config.htmlBrowser, kDefaultProgram);
  EXPECT_EQ(r.config.dataDir, kStartDir);
  EXPECT_EQ(r.config.resX, 1280 - 9);
  EXPECT_EQ(r.config.resY, 1024 - 91);
}

struct ValueCase {
  const char* name;
  const char* key;
  std::size_t offset;  // value line after the key line
  const char* text;
  std::function<std::string(const Config&)> field;
  std::string want;
};

TEST(ConfigFile, ReadCorrectsValues) {
  const ValueCase cases[] = {
      {"lines per page too small", "Zeilen pro Seite für Drucker", 1, "3",
       [](const Config& c) { return std::to_string(c.linesPerPage); }, "66"},
      {"lines per page 5 is kept", "Zeilen pro Seite für Drucker", 1, "5",
       [](const Config& c) { return std::to_string(c.linesPerPage); }, "5"},
      {"decimals 12", "Dezimalstellen", 1, "12",
       [](const Config& c) { return std::to_string(c.fmt.decimalsOffset); }, "3"},
      {"decimals 0", "Dezimalstellen", 1, "0",
       [](const Config& c) { return std::to_string(c.fmt.decimalsOffset); }, "3"},
      {"decimals 9", "Dezimalstellen", 1, "9",
       [](const Config& c) { return std::to_string(c.fmt.decimalsOffset); }, "9"},
      {"date code 4 stays", "Date Code", 1, "4",
       [](const Config& c) { return std::to_string(c.fmt.dateCode); }, "4"},
      {"date code 5", "Date Code", 1, "5",
       [](const Config& c) { return std::to_string(c.fmt.dateCode); }, "1"},
      {"printer port 0", "Druckerschnittstelle", 1, "0",
       [](const Config& c) { return std::to_string(c.printerPort); }, "1"},
      {"CAD text width 0", "Textbreitenfaktor CAD", 1, "0",
       [](const Config& c) { return Num(c.cadTextWidthFactor); }, "1"},
      {"pan 0 gives 0.01", "Pan-Faktor", 1, "0", [](const Config& c) { return Num(c.panFactor); },
       "0.01"},
      {"zoom unreadable", "Zoomfaktor", 1, "abc", [](const Config& c) { return Num(c.zoomFactor); },
       "1.02"},
      {"frame mode 0", "Mode für Textausdruck 1:* 2:-", 1, "0",
       [](const Config& c) { return std::to_string(c.frameMode); }, "1"},
      {"empty hard copy flag", "Hardcopy um 90° gedreht ?", 1, "",
       [](const Config& c) { return c.hardcopyRotated; }, "N"},
      {"header lines 31", "Header Space Lines", 1, "31",
       [](const Config& c) { return std::to_string(c.headerSpaceLines); }, "0"},
      {"header lines negative", "Header Space Lines", 1, "-1",
       [](const Config& c) { return std::to_string(c.headerSpaceLines); }, "0"},
      {"header lines 30", "Header Space Lines", 1, "30",
       [](const Config& c) { return std::to_string(c.headerSpaceLines); }, "30"},
      {"text device 10", "Text Device", 1, "10",
       [](const Config& c) { return std::to_string(c.textDevice); }, "1"},
      {"separator 3", "Dot=1 Komma=2", 1, "3",
       [](const Config& c) { return std::to_string(c.fmt.decimalSeparator); }, "1"},
      {"empty data folder", "Default Data Directory", 1, "",
       [](const Config& c) { return c.dataDir; }, kStartDir},
      {"text height tiny", "Text Height Factor", 1, "0.05",
       [](const Config& c) { return Num(c.textHeightFactor); }, "1"},
      {"window scale 5 %", "Input Window Scale %", 1, "5",
       [](const Config& c) { return std::to_string(c.dialogSizePercent); }, "100"},
      {"empty print font", "Text Font Printout", 1, "",
       [](const Config& c) { return c.printFontName; }, "Courier New"},
      {"font size 0", "Text Size Printout", 1, "0",
       [](const Config& c) { return std::to_string(c.printFontSize); }, "10"},
      {"CAD decimals 33", "Decimals DXF,TXT", 1, "33",
       [](const Config& c) { return std::to_string(c.cadDecimals); }, "6"},
      {"CAD text mode 0", "CAD Text Mode", 1, "0",
       [](const Config& c) { return std::to_string(c.fmt.cadTextMode); }, "1"},
      {"layer width 0", "Line thickness Layer 0..5", 1, "0",
       [](const Config& c) { return std::to_string(c.layerWidths[0]); }, "1"},
      {"layer width 256", "Line thickness Layer 0..5", 6, "256",
       [](const Config& c) { return std::to_string(c.layerWidths[5]); }, "1"},
      {"upper colour 0", "Color Layer 31", 1, "0",
       [](const Config& c) { return std::to_string(c.upperLayerColors[15]); }, "1"},
      {"export separator 0", "3D - Default x,y,z", 5, "0",
       [](const Config& c) { return std::to_string(c.fmt.exportSeparator); }, "2"},
      {"dialog scale 2000", "Strichstärke Layer 16..31", 18, "2000",
       [](const Config& c) { return std::to_string(c.fontScalePercent); }, "100"},
      {"angle display 3", "Strichstärke Layer 16..31", 19, "3",
       [](const Config& c) { return std::to_string(c.angleDisplay); }, "2"},
      {"drawing factor 0", "Strichstärke Layer 16..31", 20, "0",
       [](const Config& c) { return Num(c.drawingFactor); }, "1"},
      {"layer name cut to 32", "Layer", 1, "Mittellinie ABCDEFGHIJKLMNOPQRSTUVWXYZ",
       [](const Config& c) { return c.layerNames[1]; }, "Mittellinie ABCDEFGHIJKLMNOPQRST"},
      {"empty plot line keeps its value", "GRAVOLT-Kommandozeile", 1, "",
       [](const Config& c) { return c.plotCommands[0]; }, kDefaultPlotCommand},
      {"resolution -1 from the screen", "Auflösung horizontal", 1, "-1",
       [](const Config& c) { return std::to_string(c.resX); }, "1271"},
      {"resolution 65535 from the screen", "Auflösung vertikal", 1, "65535",
       [](const Config& c) { return std::to_string(c.resY); }, "933"},
      {"resolution kept", "Auflösung horizontal", 1, "800",
       [](const Config& c) { return std::to_string(c.resX); }, "800"},
      {"bool ignores case", "Layer Monochrom", 1, "true",
       [](const Config& c) { return std::to_string(c.layerMonochrome); }, "1"},
      {"bool other text", "Farbgrafik", 1, "JA",
       [](const Config& c) { return std::to_string(c.colorGraphics); }, "0"},
      {"not-FALSE bool", "Edit 3D x,y,z ?", 1, "nein",
       [](const Config& c) { return std::to_string(c.ask3dAngles); }, "1"},
      {"not-FALSE bool false", "Edit 3D x,y,z ?", 1, "false",
       [](const Config& c) { return std::to_string(c.ask3dAngles); }, "0"},
      {"real with a comma", "Zoomfaktor", 1, "1,25",
       [](const Config& c) { return Num(c.zoomFactor); }, "1.25"},
      {"short real with a comma", "GrafikKorrekturFaktor horizontal", 1, "0,85",
       [](const Config& c) { return Num(c.aspectCorrection); }, "0.85"},
      {"3D angle with a comma", "3D - Default x,y,z", 2, "1,5",
       [](const Config& c) { return Num(c.view3d[1]); }, "1.5"},
      {"plot lines clamped to five", "GRAVOLT Command lines (n, line 2 .. line n)", 1, "9",
       [](const Config& c) { return std::to_string(c.plotCommandCount); }, "5"},
      {"no plot lines", "GRAVOLT Command lines (n, line 2 .. line n)", 1, "0",
       [](const Config& c) { return std::to_string(c.plotCommandCount); }, "1"},
  };
  const Lines defaults = ConfigLines(Config{});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Lines lines = defaults;
    lines[ValueLine(lines, c.key, c.offset)] = c.text;
    EXPECT_EQ(c.field(Parse(lines).config), c.want);
  }
}

TEST(ConfigFile, PrintScalesFollowEachOther) {
  struct Case {
    const char* name;
    const char* scaleX;
    const char* scaleY;
    Extended wantX, wantY;
  };
  const Case cases[] = {
      {"both unset", "0", "0", 1.0L, 1.0L},
      {"vertical follows horizontal", "2.5", "0.00001", 2.5L, 2.5L},
      {"both given", "0", "3", 1.0L, 3.0L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Lines lines = ConfigLines(Config{});
    lines[ValueLine(lines, "Windows Screendump Scale")] = c.scaleX;
    lines[ValueLine(lines, "Print Scale Vertical")] = c.scaleY;
    const Config r = Parse(lines).config;
    EXPECT_EQ(r.printScaleX, c.wantX);
    EXPECT_EQ(r.printScaleY, c.wantY);
  }
}

TEST(ConfigFile, TextWindowNeedsWidthAndHeight) {
  struct Case {
    const char* name;
    const char* text;
    TextWindowRect want;
  };
  const Case cases[] = {
      {"all given", "5|6|300|200|", {5, 6, 300, 200}},
      {"width 0 keeps the window", "5|6|0|200|", {10, 40, 700, 440}},
      {"height 0 keeps the window", "5|6|300|0|", {10, 40, 700, 440}},
      {"not numbers", "a|b|c|d|", {10, 40, 700, 440}},
      {"too few fields", "5|6|300", {10, 40, 700, 440}},
      {"no final bar", "5|6|300|200", {5, 6, 300, 200}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Lines lines = ConfigLines(Config{});
    lines[ValueLine(lines, "Text window left/top/width/height")] = c.text;
    const TextWindowRect got = Parse(lines).config.textWindow;
    EXPECT_EQ(got.left, c.want.left);
    EXPECT_EQ(got.top, c.want.top);
    EXPECT_EQ(got.width, c.want.width);
    EXPECT_EQ(got.height, c.want.height);
  }
}

TEST(ConfigFile, PlotCommandLinesFollowTheirCount) {
  Config c;
  c.plotCommandCount = 3;
  c.plotCommands = {"a", "b", "c", "d", "e"};
  const Lines lines = ConfigLines(c);
  const std::size_t n = ValueLine(lines, "GRAVOLT Command lines (n, line 2 .. line n)");
  EXPECT_EQ(lines[n], "3");
  EXPECT_EQ(lines[n + 1], "b");
  EXPECT_EQ(lines[n + 2], "c");
  EXPECT_EQ(lines[n + 3], "Archive Flag ?");
  const Config back = Parse(lines).config;
  EXPECT_EQ(back.plotCommands[0], "a");
  EXPECT_EQ(back.plotCommands[2], "c");
  EXPECT_EQ(back.plotCommands[3], kDefaultPlotCommand);
}

// The number settings of the user never change how the file is written.
TEST(ConfigFile, WritesPointsWhateverTheNumberSettings) {
  Config c;
  c.fmt.decimalSeparator = 2;
  c.fmt.decimalsOffset = 1;
  c.zoomFactor = 1.25L;
  c.cadTextWidthFactor = 0.85L;
  c.view3d[0] = -1;
  const Lines lines = ConfigLines(c);
  EXPECT_EQ(lines[ValueLine(lines, "Zoomfaktor")], "1.2500000");
  EXPECT_EQ(lines[ValueLine(lines, "Textbreitenfaktor CAD")], "0.85");
  EXPECT_EQ(lines[ValueLine(lines, "3D - Default x,y,z")], "-1");
  EXPECT_EQ(lines[ValueLine(lines, "Dot=1 Komma=2")], "2");
  EXPECT_EQ(lines[ValueLine(lines, "Dezimalstellen")], "1");
  const Config back = Parse(lines).config;
  EXPECT_EQ(back.zoomFactor, 1.25L);
  EXPECT_EQ(back.cadTextWidthFactor, 0.85L);
  EXPECT_EQ(back.fmt.decimalSeparator, 2);
}

TEST(ConfigFile, RealsInTheirWrittenForm) {
  struct Case {
    Extended value;
    const char* want;
  };
  const Case cases[] = {
      {0, "0"}, {-3, "-3"}, {1, "1.0000000"}, {0.5L, "0.5000000"}, {1234.5L, "1234.5000000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.want);
    EXPECT_EQ(FormatConfigReal(c.value), c.want);
  }
}

TEST(ConfigFile, TextsStayOnOneLine) {
  Config c;
  c.titleBlockText = "Frei\ngegeben";
  c.htmlBrowser = "a\r\nb";
  const Config back = Parse(ConfigLines(c)).config;
  EXPECT_EQ(back.titleBlockText, "Frei gegeben");
  EXPECT_EQ(back.htmlBrowser, "a  b");
  EXPECT_EQ(back.cadDecimals, 6);  // later entries still in place
}

// The shipped file holds the Linux defaults and is exactly what the writer makes of them.
TEST(ConfigFile, ShippedFileIsWhatTheWriterWrites) {
  const std::string bytes = test::ReadBytes(KV40_SOURCE_DATA_DIR "/KV40.cfg");
  ParseResult r = ParseConfig(base::SplitLines(bytes), kStartDir, kScreen);
  EXPECT_TRUE(r.complete);
  const Config& c = r.config;
  EXPECT_EQ(c.dataDir, ".");
  EXPECT_EQ(c.pltDir, ".");
  EXPECT_EQ(c.dbfDir, ".");
  EXPECT_EQ(c.cadDir, "cad");
  EXPECT_EQ(c.ediDir, "edi");
  EXPECT_EQ(c.tempDir, "");
  EXPECT_EQ(c.textProgram, "xdg-open");
  EXPECT_EQ(c.htmlBrowser, "xdg-open");
  EXPECT_EQ(c.tableEditor, "xdg-open");
  EXPECT_EQ(c.plotCommands[0], kDefaultPlotCommand);
  EXPECT_EQ(c.printFontName, "DejaVu Sans Mono");
  EXPECT_EQ(c.graphFontName, "DejaVu Sans");
  EXPECT_EQ(c.resX, 1271);  // the file leaves the resolution to the screen
  r.config.resX = r.config.resY = 0;
  EXPECT_EQ(ConfigBytes(r.config), bytes);
}

TEST(ConfigFile, MissingFileDefaultsComeFromTheScreen) {
  struct Case {
    const char* name;
    ScreenInfo screen;
    int resX, resY, textHeight, dialogPercent;
  };
  const Case cases[] = {
      {"known screen", {1920, 1080, 96, 1000, 954}, 1911, 989, 1000, 101},
      {"high density", {1920, 1080, 144, 1000, 954}, 1911, 989, 1000, 151},
      {"batch run", {}, 1015, 677, 688, 101},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Config got = MissingFileDefaults(c.screen);
    EXPECT_EQ(got.resX, c.resX);
    EXPECT_EQ(got.resY, c.resY);
    EXPECT_EQ(got.textWindow.height, c.textHeight);
    EXPECT_EQ(got.dialogSizePercent, c.dialogPercent);
    EXPECT_EQ(got.linesPerPage, 66);
  }
}

}  // namespace
}  // namespace kv40::config
