// The drawing kernel's state: one per program, reset by CadBeginDrawing. Origin, layer, text
// style, cursor, polyline, blocks, limits, the open device and the drawing's own messages.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "cad/block.h"
#include "cad/cad_output.h"

namespace kv40::cad {

// What went wrong while drawing: kept apart from the calculation's message log, so that a
// failed drawing never marks the calculation as failed.
struct DrawingMessages {
  static constexpr std::size_t kMaxMessages = 100;
  std::vector<std::string> texts;

  // Records a text once (a repeated text is not recorded again); at most kMaxMessages.
  void Add(const std::string& text);
  bool empty() const { return texts.empty(); }
  void Clear() { texts.clear(); }
};

// The plot-program dialog: gets the selected command line to edit; false when cancelled.
using PlotDialogHook = std::function<bool(std::string& commandLine)>;

struct DrawingState {
  // ---- kept across drawings ----
  std::uint16_t lastDevice = 1;  // preselected in the "CAD-Code" choice
  int lastPlotCommand = 1;       // the plot command line chosen last (1-based)
  // Set by the GUI: the plot-program dialog. Unset (batch, tests): the line is taken as it is.
  PlotDialogHook plotDialog;

  // ---- reset by CadBeginDrawing ----
  std::uint16_t Device = 0;  // the device of the current drawing, 0 = none open
  std::string CadFileName;   // output file (devices 1, 2, 5) or the plot file (device 4)
  std::string plotCommandLine;
  Extended OriginX = 0, OriginY = 0;
  int CurLayer = 0;
  CadTextFormat text;  // height, angle, width factor, obliquing angle in force
  int JustifyH = 0, JustifyV = 0;
  Extended LineSpacing = 1;
  Extended CursorX = 0, CursorY = 0;
  Extended SizeUnit = 1;
  int VertexCount = 1;
  Extended PrevBulge = 0;
  Extended PrevX = 0, PrevY = 0;  // the previous polyline vertex (after the origin)
  bool polylineWhole = false;     // the open polyline goes to the device as one entity
  bool DefiningBlocks = false;
  int BlockLevel = 0;
  Extended DrawXMin = 0, DrawYMin = 0, DrawXMax = 0, DrawYMax = 0, DrawW = 0, DrawH = 0;
  int LogoMode = 0;

  // blocks: the names completely defined in this drawing, the one being defined, and on the
  // screen their entities
  std::set<std::string> definedBlocks;
  std::string currentBlock;
  std::map<std::string, Block> screenBlocks;
  std::unique_ptr<BlockRecorder> recorder;  // screen: the block being defined

  std::unique_ptr<CadOutput> output;  // the open device
  DrawingMessages messages;
};

}  // namespace kv40::cad
