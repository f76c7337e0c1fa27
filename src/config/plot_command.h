// The command line of the external plot program: composed from the option dialog's
// settings, and started as an argument list without a shell.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/session.h"

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

// The words of a command line: separated by blanks or tabs; a double-quoted part keeps its
// blanks (the quotes are dropped). No other character is special.
std::vector<std::string> SplitCommandLine(std::string_view line);

// Starts the command line's program with its arguments, detached, without a shell. When it
// cannot be started: the error "Plotprogramm kann nicht gestartet werden: <program>", p.cancel
// and false.
bool StartPlotCommand(model::Session& p, std::string_view line);

}  // namespace kv40::config
