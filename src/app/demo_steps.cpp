// The steps of the presentation, from the pictures the program has.
#include <cstdlib>
#include <filesystem>

#include "app/demo.h"
#include "base/format.h"
#include "base/text.h"
#include "cad/drawing_views.h"
#include "cad/tooth_menu.h"
#include "config/config_file.h"
#include "report/file_table.h"
#include "report/spline_report.h"

namespace kv40::app {
namespace {

constexpr int kSheetMs = 5000;
constexpr int kPictureMs = 3500;
constexpr int kTableMs = 5000;
// The meshing turns the shaft through one pitch in this many steps, each shown this long.
constexpr int kMeshFrames = 12;
constexpr int kMeshFrameMs = 150;
constexpr int kMeshingView = 6;  // of the tooth-form views

void DimensionSheet(Program& p, Shell&) {
  // on the screen, whatever device the user configured
  const auto forced = p.writer.forcedDevice;
  p.writer.forcedDevice = report::Device::Screen;
  report::PrintSheets(p, 1);
  p.writer.forcedDevice = forced;
}

void ResultTable(Program& p, Shell& shell) {
  const std::string folder = base::AddBackslash(config::BundledDataDir());
  const report::PreviewGrid grid = report::ScanFiles(report::InputFilesOf(folder), p.fmt(), {});
  shell.DemoTable(grid, std::string(model::kProgramShortName) + "  " + folder);
}

// A view of the drawing table on the screen, when the program draws it.
void AddView(std::vector<DemoStep>& steps, int j, const std::string& caption) {
  const cad::DrawingView* view = cad::FindDrawingView(j);
  if (view == nullptr || view->draw == nullptr) return;
  const cad::DrawViewFn draw = view->draw;
  steps.push_back(
      {caption, kPictureMs, [draw](Program& p, Shell&) { draw(p, cad::CadDevice::Screen); }});
}

// The meshing picture with the shaft turned from 0 through one pitch; the turned position is
// the sample's own, so nothing of it stays after the presentation.
void TurningMeshing(Program& p, Shell& shell) {
  const int z = p.connection.z[1];
  if (z == 0) return;
  const Extended pitch = 360.0L / std::abs(z);
  for (int k = 0; k <= kMeshFrames; ++k) {
    p.connection.rotAngle1 = pitch * k / kMeshFrames;
    p.cancel = false;
    cad::ToothFormView(p, cad::CadDevice::Screen, kMeshingView);
    if (p.cancel || !shell.DemoPause(kMeshFrameMs)) return;
  }
}

}  // namespace

std::vector<DemoStep> DemoSteps(const Program& p) {
  std::vector<DemoStep> steps;
  steps.push_back(
      {"Das Maßblatt: Geometrie, Toleranzen und Prüfmaße von Welle und Nabe "
       "(Ansicht -> Ausdruck)",
       kSheetMs, DimensionSheet});
  AddView(steps, 10, "Die Zahnformen von Welle und Nabe, erzeugt durch das abwälzende Werkzeug");
  AddView(steps, 11, "Das Werkzeug der Welle: das Bezugsprofil als Zahnstange");
  AddView(steps, 12, "Das Werkzeug der Nabe");
  steps.push_back({"Der Eingriff von Welle und Nabe: die Welle dreht sich um eine Teilung",
                   kPictureMs, TurningMeshing});
  AddView(steps, 5, "Die Fertigungszeichnung der Welle mit Datentabelle und Schriftfeld");
  AddView(steps, 6, "Die Fertigungszeichnung der Nabe");
  (void)p;
  steps.push_back(
      {"Die Ergebnistabelle aller Eingabedateien des Beispielordners "
       "(Datei -> Öffnen (Tabelle))",
       kTableMs, ResultTable});
  return steps;
}

}  // namespace kv40::app
