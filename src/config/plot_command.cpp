// Composing the plot program's command line.
#include "config/plot_command.h"

#include "base/format.h"
#include "base/text.h"

namespace kv40::config {

std::string ComposePlotCommand(const PlotOptions& o) {
  const std::string target = base::AddBackslash(o.outputDir) + "gravolt";
  std::string line = o.programPath + " " + target;
  const int format = o.format >= 0 && o.format < 5 ? o.format : 0;
  line += std::string(" /C") + kPlotFormatCodes[format];
  if (o.port != PlotPort::Parallel) line += o.port == PlotPort::Serial ? " /D1" : " /D3";
  if (o.port == PlotPort::File) {
    if (!base::Trim(o.outputDir).empty()) line += " /F" + target;
  } else {
    const std::string& portText = o.port == PlotPort::Serial ? o.com : o.lpt;
    const auto port = base::ParseInt(base::Trim(portText));
    if (port != 1) line += " /P" + base::IntToText(port);
  }
  const Extended scale = base::ParseNumber(base::Trim(o.scale));
  if (scale != 1) line += scale == 0 ? std::string(" /M*") : " /M" + o.scale;
  if (base::ParseNumber(base::Trim(o.xOffset)) != 0) line += " /X" + o.xOffset;
  if (base::ParseNumber(base::Trim(o.yOffset)) != 0) line += " /Y" + o.yOffset;
  if (base::ParseNumber(base::Trim(o.textWidth)) != 1) line += " /B" + o.textWidth;
  if (o.rotate) line += " /R";
  if (format == kPostScriptFormat) line += " /T" + o.psFont;
  return line;
}

}  // namespace kv40::config
