// Installation settings read from KV40.cfg, in the order of the file, with their defaults.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/format.h"
#include "base/part_pair.h"

namespace kv40::model {

inline constexpr int kLayerCount = 6;        // configurable CAD layers 0..5
inline constexpr int kUpperLayerCount = 16;  // layers 16..31
inline constexpr int kMaxPlotCommands = 5;   // command lines of the plot program
inline constexpr int kLayerNameLength = 32;  // "Layer" names and "Textstil CAD"
inline constexpr int kFontNameLength = 60;   // "Textstil Grafik", "Text Font Printout"

inline constexpr const char* kDefaultGraphFont = "Arial";
inline constexpr const char* kDefaultPrintFont = "Courier New";
inline constexpr const char* kDefaultProgram = "xdg-open";
// The plot program gets the drawing's DXF file where the line names "gravolt.dxf"; the
// shipped kv40-plot turns it into a PDF with LibreCAD and shows it.
inline constexpr const char* kDefaultPlotCommand = "kv40-plot gravolt.dxf";

inline constexpr Extended kPi = 3.141592653589793238462643383279502884L;
inline constexpr Extended kDegToRad = kPi / 180.0L;

// Position and size of the report text window, in pixels.
struct TextWindowRect {
  int left = 10;
  int top = 40;
  int width = 700;
  int height = 440;
};

// Every entry of the file in file order; the number is the entry's place in the file.
struct Config {
  // 1-5: CAD layers. Index = layer number; layer 0 is fixed, layers 1..5 come from the file.
  std::array<std::string, kLayerCount> layerNames{"0", "1", "2", "3", "4", "5"};
  std::array<int, kLayerCount> layerColors{1, 2, 2, 2, 3, 1};
  std::string cadTextStyle = "TXT8";   // 6 "Textstil CAD"
  Extended cadTextWidthFactor = 1.0L;  // 7 "Textbreitenfaktor CAD"
  Extended cadTextAngle = 0.0L;        // 8 "Textwinkel" (obliquing angle)

  // folders, each with a trailing "/" once read and validated
  std::string cadDir;  // 9 "CAD Ordner"
  std::string dbfDir;  // 10 "DBF Ordner"

  int helpLevel = 1;                  // 11 "Hilfegrad" (word)
  Word printerPort = 1;               // 12 "Druckerschnittstelle"
  Word printerType = 3;               // 13 "Druckertyp" (kept for the file only)
  Word printDensity = 1;              // 14 "Druckdichte" (kept for the file only)
  std::string hardcopyRotated = "J";  // 15 "Hardcopy um 90° gedreht ?", one character
  // 16 "Dezimalstellen", 52 "Date Code", 58 "Dot=1 Komma=2", 67 units, 77 export separator,
  // 80 "CAD Text Mode", 82 ASCII mode
  base::NumberFormat fmt;
  Word printThickness = 1;           // 17 "Druckdicke vertikal" (kept for the file only)
  bool colorGraphics = true;         // 18 "Farbgrafik"
  Extended aspectCorrection = 1.0L;  // 19 "GrafikKorrekturFaktor horizontal"
  int graphicsMode = 0;              // 20 "Grafik-Mode" (kept for the file only)
  int graphicsDriver = 0;            // 21 "Grafik-Treiber" (kept for the file only)
  Word resX = 0;                     // 22 "Auflösung horizontal"; 0 or 65535: from the screen
  Word resY = 0;                     // 23 "Auflösung vertikal"
  std::string tempDir;               // 24 "Ordner für temporäre Dateien"
  Word hardcopyPort = 1;             // 25 "Druckerschnittstelle Hardcopy" (kept for the file only)
  std::string ediDir;                // 26 "EDI Ordner"
  std::string pltDir;                // 27 "PLT Ordner": help texts, help images, KV40.err
  Word frameMode = 2;                // 28 "Mode für Textausdruck 1:* 2:-"
  int linesPerPage = 66;             // 29 "Zeilen pro Seite für Drucker"
  Extended zoomFactor = 1.02L;       // 30 "Zoomfaktor"
  Extended panFactor = 0.02L;        // 31 "Pan-Faktor"
  std::string programDir;            // 32 "QUENTAR-Programmverzeichnis"
  // 33 "GRAVOLT-Kommandozeile" is line 1; lines 2..plotCommandCount follow entry 49
  std::array<std::string, kMaxPlotCommands> plotCommands{kDefaultPlotCommand, kDefaultPlotCommand,
                                                         kDefaultPlotCommand, kDefaultPlotCommand,
                                                         kDefaultPlotCommand};
  int backgroundColor = 1;                        // 34 "Hintergrundfarbe", RGB as 0x00BBGGRR
  Word printColorMode = 1;                        // 35 "Windows-Druckmodus (1=mono 2=color)"
  bool layerMonochrome = false;                   // 36 "Layer Monochrom"
  Extended graphTextWidthFactor = 0.8L;           // 37 "Textbreitenfaktor Grafik"
  std::string graphFontName = kDefaultGraphFont;  // 38 "Textstil Grafik"
  // 39 "Color Layer 16".."Color Layer 31"; index = layer - 16
  std::array<int, kUpperLayerCount> upperLayerColors{1, 2,  3,  4,  5,  6,  7,  8,
                                                     9, 10, 11, 12, 13, 14, 15, 16};
  std::string textProgram = kDefaultProgram;  // 40 "Textprogramm"
  Word databaseMode = 1;                      // 41 "Datenbank mode" (kept for the file only)
  std::string tableEditor = kDefaultProgram;  // 42 "externe Datenbank"
  int printOriginX = 0;                       // 43 "Windows Screendump Origin X" (mm)
  int printOriginY = 0;                       // 44 "Windows Screendump Origin Y" (mm)
  Extended printScaleX = 1.0L;                // 45 "Windows Screendump Scale" (real48)
  bool printBorder = false;                   // 46 "Windows Screendump Border ?"
  bool reserved47 = false;                    // 47 reserved
  bool reserved48 = false;                    // 48 reserved
  int plotCommandCount = 1;          // 49 "GRAVOLT Command lines (n, line 2 .. line n)", 1..5
  bool archiveMode = false;          // 50 "Archive Flag ?"
  bool reserved51 = false;           // 51 reserved
  int headerSpaceLines = 0;          // 53 "Header Space Lines"
  Word textDevice = 1;               // 54 "Text Device"
  bool askTextDevice = false;        // 55 "Text Device Window ?"
  bool smallOnlineWindow = false;    // 56 "Small Online Window ?" (kept for the file only)
  bool enterDiagramLimits = false;   // 57 "Enter Diagram Limits ?" (kept for the file only)
  std::string dataDir;               // 59 "Default Data Directory"; empty: the start-up folder
  Extended textHeightFactor = 1.0L;  // 60 "Text Height Factor"
  int dialogSizePercent = 102;       // 61 "Input Window Scale %"
  std::string htmlBrowser = kDefaultProgram;                   // 62 "HTML Browser"
  Extended printScaleY = 1.0L;                                 // 63 "Print Scale Vertical" (real48)
  std::array<int, kLayerCount> layerWidths{1, 1, 1, 1, 2, 3};  // 64 "Line thickness Layer 0..5"
  bool graphicPrintDialog = true;                              // 65 "Graphic Printout Dialog Box ?"
  TextWindowRect textWindow;                      // 66 "Text window left/top/width/height"
  Word headerMode = 1;                            // 68 1: header on every page, 2: on page 1 only
  std::string printFontName = kDefaultPrintFont;  // 69 "Text Font Printout"
  Word printFontSize = 10;                        // 70 "Text Size Printout"
  Word printFontStyle = 0;                        // 71 "Text Style Printout"
  Word graphFontStyle = 0;                        // 72 "Text Style Graphics"
  Word printOrientation = 2;                      // 73 "Printer: Portrait=1, Landscape=2"
  bool ask3dAngles = true;                        // 74 "Edit 3D x,y,z ?"
  // 75 "3D - Default x,y,z", radians
  std::array<Extended, 3> view3d{-15.0L * kDegToRad, 90.0L * kDegToRad, 210.0L * kDegToRad};
  Word titleBlockOption = 0;   // 76 title block index option
  std::string titleBlockText;  // 78 title block release text ("Freigabefeld")
  int cadDecimals = 6;         // 79 "Decimals DXF,TXT"
  // 81 "Strichstärke Layer 16..31"; index = layer - 16
  std::array<int, kUpperLayerCount> upperLayerWidths{1, 1, 1, 1, 1, 1, 1, 1,
                                                     1, 1, 1, 1, 1, 1, 1, 1};
  int fontScalePercent = 100;     // 83 dialog scale in percent
  Word angleDisplay = 2;          // 84 angle display (kept for the file only)
  Extended drawingFactor = 1.0L;  // 85 dimension size factor of the drawing kernel
  int reserved86 = 0;             // 86 (kept for the file only)
  int language = 0;               // 87 caption language
  int mainDrawingKind = 0;        // 88 kind of drawing shown in the main window
  // 89-92 title block options: company title, file name, date, logo (FALSE = shown)
  std::array<bool, 4> titleBlockFlags{false, false, false, false};
};

}  // namespace kv40::model
