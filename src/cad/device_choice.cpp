// The questions at the start of a drawing: device, output file, plot command line.
#include "cad/device_choice.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "base/text.h"
#include "cad/dxf_output.h"
#include "cad/plot_program.h"
#include "model/dialogs.h"

namespace kv40::cad {
namespace fs = std::filesystem;
namespace {

const char* Extension(CadDevice device) {
  switch (device) {
    case CadDevice::Iges:
      return "igs";
    case CadDevice::Listing:
      return "txt";
    default:
      return "dxf";
  }
}

// The folder a new file goes into must take it; checked before anything is drawn.
bool FolderWritable(GraphicSession& p, const std::string& file) {
  fs::path folder = fs::path(file).parent_path();
  if (folder.empty()) folder = ".";
  if (access(folder.c_str(), W_OK) == 0) return true;
  const int err = errno;
  p.drawing.messages.Add(WriteFailure(file, err));
  model::ShowError(p, WriteFailure(file, err));
  p.cancel = true;
  return false;
}

}  // namespace

std::optional<CadDevice> AskCadDevice(GraphicSession& p) {
  const char* items[] = {"DXF", "IGES", "Kontrollausgabe auf Bildschirm",
                         "Ausgabe auf Laserprinter/Plotter mit GRAVOLT", "TXT"};
  for (std::size_t i = 0; i < 5; ++i)
    p.itemLines[i] = items[i];
  int selection = p.drawing.lastDevice;
  if (!model::ChooseItem(p, "CAD-Code", 5, selection)) return std::nullopt;
  return static_cast<CadDevice>(selection);
}

std::optional<std::string> ChooseDrawingFile(GraphicSession& p, CadDevice device) {
  const std::string ext = Extension(device);
  std::string file;
  if (p.batchCad) {
    file = p.currentFile + "." + ext;
  } else {
    const std::string filter = "*." + ext + "|*." + ext + "|*.*|*.*";
    const std::string proposal = base::AddBackslash(p.config.cadDir) + p.currentFile + "." + ext;
    const auto chosen = p.GetUi().SaveFile(filter, proposal);
    if (!chosen || base::Trim(*chosen).empty()) {
      p.cancel = true;
      return std::nullopt;
    }
    file = *chosen;
    if (fs::path(file).filename().string().find('.') == std::string::npos) file += "." + ext;
  }
  if (!FolderWritable(p, file)) return std::nullopt;
  return file;
}

bool ChoosePlotCommand(GraphicSession& p) {
  DrawingState& d = p.drawing;
  const int count = std::clamp(p.config.plotCommandCount, 1, model::kMaxPlotCommands);
  int selection = std::clamp(d.lastPlotCommand, 1, count);
  if (count > 1) {
    for (int i = 0; i < count; ++i)
      p.itemLines[static_cast<std::size_t>(i)] = p.config.plotCommands[static_cast<std::size_t>(i)];
    if (!model::ChooseItem(p, "GRAVOLT Command Line", count, selection)) return false;
    d.lastPlotCommand = selection;
  }
  std::string line = p.config.plotCommands[static_cast<std::size_t>(selection - 1)];
  if (d.plotDialog && !d.plotDialog(line)) {
    p.cancel = true;
    return false;
  }
  // A line longer than the historic 60 characters is kept whole: it is never cut.
  const int maxLength = std::max(60, static_cast<int>(line.size()));
  if (!model::AskText(p, "GRAVOLT-Kommandozeile (0=Parameter)", maxLength, line)) return false;
  const std::string entry = base::Trim(line);
  if (entry.empty() || entry.front() == '0') {
    const auto composed = RunPlotWizard(p, true, entry);
    if (!composed) return false;
    line = *composed;
  }
  d.plotCommandLine = base::Trim(line);
  return true;
}

}  // namespace kv40::cad
