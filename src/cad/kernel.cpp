// Starting and finishing a drawing: the device, its file, and what happens at the end.
#include "cad/kernel.h"

#include <algorithm>

#include "cad/device_choice.h"
#include "cad/dxf_output.h"
#include "cad/iges_output.h"
#include "cad/kernel_internal.h"
#include "cad/listing_output.h"
#include "cad/plot_program.h"
#include "cad/screen_output.h"
#include "model/dialogs.h"

namespace kv40::cad {

void DrawingMessages::Add(const std::string& text) {
  if (texts.size() >= kMaxMessages) return;
  if (std::find(texts.begin(), texts.end(), text) == texts.end()) texts.push_back(text);
}

namespace {

// Everything of the previous drawing goes; what the program keeps across drawings stays.
void ResetDrawing(GraphicSession& p) {
  DrawingState& d = p.drawing;
  DrawingState fresh;
  fresh.lastDevice = d.lastDevice;
  fresh.lastPlotCommand = d.lastPlotCommand;
  fresh.plotDialog = std::move(d.plotDialog);
  fresh.text.oblique = p.config.cadTextAngle;
  d = std::move(fresh);
}

std::unique_ptr<CadOutput> MakeOutput(GraphicSession& p, CadDevice device) {
  DrawingState& d = p.drawing;
  switch (device) {
    case CadDevice::Dxf:
    case CadDevice::Plot:
      return std::make_unique<DxfOutput>(p.config, d.CadFileName, p.toothForm.invPolyline,
                                         d.messages);
    case CadDevice::Iges:
      return MakeIgesOutput(p, d.CadFileName, d.messages);
    case CadDevice::Screen:
      return std::make_unique<ScreenOutput>(p);
    case CadDevice::Listing:
      return std::make_unique<ListingOutput>(p.config, d.CadFileName, d.messages);
    default:
      return nullptr;
  }
}

// Shows the drawing's last message as an error box and cancels.
void ShowFailure(GraphicSession& p) {
  const DrawingState& d = p.drawing;
  model::ShowError(
      p, d.messages.empty() ? std::string("Zeichnung abgebrochen") : d.messages.texts.back());
  p.cancel = true;
}

}  // namespace

void CadBeginDrawing(GraphicSession& p, CadDevice device) {
  if (p.cancel) return;
  ResetDrawing(p);
  DrawingState& d = p.drawing;
  if (device == CadDevice::Ask) {
    const auto chosen = AskCadDevice(p);
    if (!chosen) return;
    device = *chosen;
  }
  const auto code = static_cast<std::uint16_t>(device);
  if (code < 1 || code > 5) {
    d.messages.Add("Unbekanntes Ausgabegerät " + base::IntToText(code));
    ShowFailure(p);
    return;
  }
  if (!p.batchCad) d.lastDevice = code;
  if (device == CadDevice::Plot && !ChoosePlotCommand(p)) return;
  if (device == CadDevice::Dxf || device == CadDevice::Iges || device == CadDevice::Listing) {
    const auto file = ChooseDrawingFile(p, device);
    if (!file) return;
    d.CadFileName = *file;
  }
  if (device == CadDevice::Plot) {
    const auto file = NewPlotFile(p);
    if (!file) {
      ShowFailure(p);
      return;
    }
    d.CadFileName = *file;
    model::ShowInfo(p, d.CadFileName + " wird geplottet..");
  }
  d.Device = code;
  d.output = MakeOutput(p, device);
  if (!d.output) {
    d.Device = 0;
    ShowFailure(p);
    return;
  }
  CadTextJustify(p, 0, 0);
  CadLineSpacing(p, 1.0L);
  CadLineStyle(p, 0);
  CadSizeUnit(p, 1.0L);
}

void CadEndDrawing(GraphicSession& p) {
  DrawingState& d = p.drawing;
  if (!d.output) return;
  const bool plot = detail::OnPlot(p);
  if (p.cancel) {  // abandoned: no file, no plot; the window gets its cursor back
    if (detail::OnScreen(p)) p.graphic.SetOldCursor();
    d.output.reset();
    d.recorder.reset();
    d.Device = 0;
    return;
  }
  const bool written = d.output->Finish();
  d.output.reset();
  d.recorder.reset();
  d.Device = 0;
  if (!written) {
    ShowFailure(p);
    return;
  }
  if (plot) StartPlotProgram(p, d.plotCommandLine, d.CadFileName);
}

}  // namespace kv40::cad
