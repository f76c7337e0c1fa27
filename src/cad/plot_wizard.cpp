// The plot command-line wizard: the questions whose answers make the command line.
#include <filesystem>

#include "base/file_lookup.h"
#include "base/text.h"
#include "cad/plot_program.h"
#include "model/dialogs.h"

namespace kv40::cad {
namespace {

bool Choose(model::Session& p, const std::string& prompt, std::initializer_list<const char*> items,
            int& selection) {
  std::size_t i = 0;
  for (const char* item : items)
    p.itemLines[i++] = item;
  return model::ChooseItem(p, prompt, static_cast<int>(items.size()), selection);
}

// The folder part of the command line's program: up to the first blank, cut at the last
// folder separator.
std::string ProposedFolder(const std::string& line) {
  const std::string program = line.substr(0, line.find(' '));
  const std::size_t slash = program.find_last_of("/\\");
  return slash == std::string::npos ? std::string("c:\\gravolt") : program.substr(0, slash);
}

}  // namespace

std::optional<std::string> RunPlotWizard(model::Session& p, bool fromDrawing,
                                         const std::string& currentLine) {
  PlotWizardAnswers a;
  int kind = 2;
  if (!Choose(p, "GRAVOLT/WGRAVOLT", {"WGRAVOLT.EXE (Windows)", "GRAVOLT.EXE (MS-DOS)"}, kind)) {
    return std::nullopt;
  }
  a.windows = kind == 1;
  const std::string program = a.windows ? "wgravolt.exe" : "gravolt.exe";
  a.folder = ProposedFolder(currentLine);
  for (;;) {
    if (!model::AskText(p, "Programmverzeichnis von " + program, 40, a.folder)) return std::nullopt;
    std::string folder = a.folder;
    for (char& ch : folder) {
      if (ch == '\\') ch = '/';
    }
    std::error_code ec;
    if (std::filesystem::is_regular_file(base::FindIgnoringCase(folder, program), ec)) break;
  }
  int format = 1;
  if (!Choose(p, "Ausgabeformat",
              {"HP-GL Laserjet (HPL)", "Postscript  (PS)", "HP-GL (PLT)", "HP-GL/2  (PL2)",
               "Aristo  (ART)"},
              format)) {
    return std::nullopt;
  }
  a.format = format - 1;
  if (fromDrawing) {
    a.file = base::AddBackslash(p.config.tempDir) + "gravolt";
  } else {
    a.file = "*.dxf";
    if (!model::AskText(p, "Dateiname oder Wildcard", 40, a.file)) return std::nullopt;
  }
  int iface = 2;
  if (!Choose(p, "Ausgabeschnittstelle", {"seriell", "parallel", "Datei"}, iface)) {
    return std::nullopt;
  }
  a.interface = iface - 1;
  if (a.interface == 2) {
    if (!model::AskText(p, "Name der Ausgabedatei", 30, a.outFile)) return std::nullopt;
  } else {
    std::int32_t port = 1;
    if (!model::AskInt(p, a.interface == 0 ? "COM-Port" : "LPT-Port", port, 1, 4)) {
      return std::nullopt;
    }
    a.port = port;
  }
  if (!model::AskReal(p, "Maßstab (0=anpassen)", a.scale, 0, 1000)) return std::nullopt;
  if (!model::AskYesNo(p, "Plot um 90 Grad drehen ?", a.rotate)) return std::nullopt;
  if (!model::AskReal(p, "Nullpunktverschiebung in x-Richtung", a.xOffset, -1e8L, 1e8L) ||
      !model::AskReal(p, "Nullpunktverschiebung in y-Richtung", a.yOffset, -1e8L, 1e8L) ||
      !model::AskReal(p, "Textbreitenfaktor", a.textWidth, 0.1L, 10)) {
    return std::nullopt;
  }
  if (a.format == 1 && !model::AskText(p, "Postscript-Zeichensatz", 28, a.psFont)) {
    return std::nullopt;
  }
  return ComposePlotCommand(a);
}

}  // namespace kv40::cad
