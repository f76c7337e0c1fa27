// The line layout of KV40.cfg, walked once by the reader and once by the writer so that both
// always agree on the order. A visitor gets each entry's key line (nullptr: no key line) and
// the field; Stop(n) marks the places after which older files may end.
#pragma once

#include <string>

#include "model/config.h"

namespace kv40::config::layout {

inline const std::string& UpperLayerKey(int index) {
  static const std::array<std::string, model::kUpperLayerCount> keys = [] {
    std::array<std::string, model::kUpperLayerCount> k;
    for (int i = 0; i < model::kUpperLayerCount; ++i)
      k[i] = "Color Layer " + std::to_string(16 + i);
    return k;
  }();
  return keys[static_cast<std::size_t>(index)];
}

// Entries 1-17: CAD layers, text style, first folders, printer.
template <class V, class C>
void WalkCadAndPrinter(V& v, C& c) {
  for (std::size_t i = 1; i < model::kLayerCount; ++i) {
    v.Text("Layer", c.layerNames[i], model::kLayerNameLength);
    v.Int("Farbe", c.layerColors[i]);
  }
  v.Text("Textstil CAD", c.cadTextStyle, model::kLayerNameLength);
  v.SigReal("Textbreitenfaktor CAD", c.cadTextWidthFactor);
  v.SigReal("Textwinkel", c.cadTextAngle);
  v.Text("CAD Ordner", c.cadDir);
  v.Text("DBF Ordner", c.dbfDir);
  v.Word("Hilfegrad", c.helpLevel);
  v.Word("Druckerschnittstelle", c.printerPort);
  v.Stop(12);
  v.Word("Druckertyp", c.printerType);
  v.Stop(13);
  v.Word("Druckdichte", c.printDensity);
  v.Char("Hardcopy um 90° gedreht ?", c.hardcopyRotated);
  v.Int("Dezimalstellen", c.fmt.decimalsOffset);
  v.Word("Druckdicke vertikal", c.printThickness);
  v.Stop(17);
}

// Entries 18-36: screen, more folders, report printing, plot program.
template <class V, class C>
void WalkScreenAndFolders(V& v, C& c) {
  v.Bool("Farbgrafik", c.colorGraphics);
  v.SigReal("GrafikKorrekturFaktor horizontal", c.aspectCorrection);
  v.Int("Grafik-Mode", c.graphicsMode);
  v.Int("Grafik-Treiber", c.graphicsDriver);
  v.Word("Auflösung horizontal", c.resX);
  v.Word("Auflösung vertikal", c.resY);
  v.Text("Ordner für temporäre Dateien", c.tempDir);
  v.Word("Druckerschnittstelle Hardcopy", c.hardcopyPort);
  v.Stop(25);
  v.Text("EDI Ordner", c.ediDir);
  v.Text("PLT Ordner", c.pltDir);
  v.Word("Mode für Textausdruck 1:* 2:-", c.frameMode);
  v.Int("Zeilen pro Seite für Drucker", c.linesPerPage);
  v.Real("Zoomfaktor", c.zoomFactor);
  v.Real("Pan-Faktor", c.panFactor);
  v.Text("QUENTAR-Programmverzeichnis", c.programDir);
  v.Stop(32);
  v.TextUnlessEmpty("GRAVOLT-Kommandozeile", c.plotCommands[0]);
  v.Stop(33);
  v.Int("Hintergrundfarbe", c.backgroundColor);
  v.Stop(34);
  v.Word("Windows-Druckmodus (1=mono 2=color)", c.printColorMode);
  v.Stop(35);
  v.Bool("Layer Monochrom", c.layerMonochrome);
  v.Stop(36);
}

// Entries 37-50: graphic texts, upper layer colours, external programs, print scale.
template <class V, class C>
void WalkGraphicsAndPrograms(V& v, C& c) {
  v.Real("Textbreitenfaktor Grafik", c.graphTextWidthFactor);
  v.Text("Textstil Grafik", c.graphFontName, model::kFontNameLength);
  v.Stop(38);
  for (std::size_t i = 0; i < model::kUpperLayerCount; ++i) {
    v.Int(UpperLayerKey(static_cast<int>(i)).c_str(), c.upperLayerColors[i]);
  }
  v.Stop(39);
  v.Text("Textprogramm", c.textProgram);
  v.Word("Datenbank mode", c.databaseMode);
  v.Text("externe Datenbank", c.tableEditor);
  v.Stop(42);
  v.Int("Windows Screendump Origin X", c.printOriginX);
  v.Int("Windows Screendump Origin Y", c.printOriginY);
  v.Real("Windows Screendump Scale", c.printScaleX);
  v.Bool("Windows Screendump Border ?", c.printBorder);
  v.Stop(46);
  v.Bool("reserviert 1", c.reserved47);
  v.Bool("reserviert 2", c.reserved48);
  v.Stop(48);
  v.PlotLines("GRAVOLT Command lines (n, line 2 .. line n)", c.plotCommandCount, c.plotCommands);
  v.Bool("Archive Flag ?", c.archiveMode);
  v.Stop(50);
}

// Entries 51-66: report output, number format, data folder, print settings.
template <class V, class C>
void WalkReportAndPrint(V& v, C& c) {
  v.Bool("reserviert 3", c.reserved51);
  v.Word("Date Code", c.fmt.dateCode);
  v.Int("Header Space Lines", c.headerSpaceLines);
  v.Word("Text Device", c.textDevice);
  v.Bool("Text Device Window ?", c.askTextDevice);
  v.Bool("Small Online Window ?", c.smallOnlineWindow);
  v.Bool("Enter Diagram Limits ?", c.enterDiagramLimits);
  v.Word("Dot=1 Komma=2", c.fmt.decimalSeparator);
  v.Text("Default Data Directory", c.dataDir);
  v.Real("Text Height Factor", c.textHeightFactor);
  v.Int("Input Window Scale %", c.dialogSizePercent);
  v.Text("HTML Browser", c.htmlBrowser);
  v.Stop(62);
  v.Real("Print Scale Vertical", c.printScaleY);
  v.Key("Line thickness Layer 0..5");
  for (auto& width : c.layerWidths)
    v.Int(nullptr, width);
  v.Bool("Graphic Printout Dialog Box ?", c.graphicPrintDialog);
  v.Window("Text window left/top/width/height", c.textWindow);
}

// Entries 67-92: units, fonts, 3D view, title block, CAD output, the late additions.
template <class V, class C>
void WalkLateEntries(V& v, C& c) {
  v.Word("Metric Units=0,  English units=1", c.fmt.inchUnits);
  v.Word("printout with header=1, header page 1 only=2", c.headerMode);
  v.Text("Text Font Printout", c.printFontName, model::kFontNameLength);
  v.Word("Text Size Printout", c.printFontSize);
  v.Word("Text Style Printout", c.printFontStyle);
  v.Word("Text Style Graphics", c.graphFontStyle);
  v.Word("Printer: Portrait=1, Landscape=2", c.printOrientation);
  v.NotFalse("Edit 3D x,y,z ?", c.ask3dAngles);
  v.Key("3D - Default x,y,z");
  for (auto& angle : c.view3d)
    v.Real(nullptr, angle);
  v.Word(nullptr, c.titleBlockOption);
  v.Word(nullptr, c.fmt.exportSeparator);
  v.Text(nullptr, c.titleBlockText);
  v.Int("Decimals DXF,TXT", c.cadDecimals);
  v.Word("CAD Text Mode", c.fmt.cadTextMode);
  v.Key("Strichstärke Layer 16..31");
  for (auto& width : c.upperLayerWidths)
    v.Int(nullptr, width);
  v.Word(nullptr, c.fmt.asciiMode);
  v.Int(nullptr, c.fontScalePercent);
  v.Word(nullptr, c.angleDisplay);
  v.Real(nullptr, c.drawingFactor);
  v.Int(nullptr, c.reserved86);
  v.Int(nullptr, c.language);
  v.Int(nullptr, c.mainDrawingKind);
  for (auto& flag : c.titleBlockFlags)
    v.Bool(nullptr, flag);
}

template <class V, class C>
void WalkEntries(V& v, C& c) {
  WalkCadAndPrinter(v, c);
  WalkScreenAndFolders(v, c);
  WalkGraphicsAndPrograms(v, c);
  WalkReportAndPrint(v, c);
  WalkLateEntries(v, c);
}

}  // namespace kv40::config::layout
