// The command line of the external plot program, composed from the option dialog's settings
// (the drawing kernel starts it as a list of arguments, without a shell).
#pragma once

#include <string>

namespace kv40::config {

inline constexpr const char* kPlotFormatCodes[] = {"HPL", "PS", "PLT", "PL2", "ART"};
inline constexpr int kPostScriptFormat = 1;
enum class PlotPort { Serial = 0, Parallel = 1, File = 2 };

// The option dialog's controls as texts, as the user typed them.
struct PlotOptions {
  std::string programPath = "gravolt";
  std::string outputDir;  // the temporary folder at first
  int format = 0;         // index into kPlotFormatCodes
  PlotPort port = PlotPort::Parallel;
  std::string com = "1";
  std::string lpt = "1";
  std::string scale = "1";
  bool fitScale = false;  // "Maßstab anpassen ?"
  bool rotate = false;
  std::string xOffset = "0";
  std::string yOffset = "0";
  std::string textWidth = "1";
  std::string psFont;
};

// "<program> <folder>/gravolt /C<format>" and the options that differ from the plotter's
// defaults; values are written as typed.
std::string ComposePlotCommand(const PlotOptions& o);

}  // namespace kv40::config
