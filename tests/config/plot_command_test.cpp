// The plot program's command line, composed from the option dialog's values.
#include "config/plot_command.h"

#include <gtest/gtest.h>

#include <functional>

namespace kv40::config {
namespace {

PlotOptions Initial() {
  PlotOptions o;
  o.programPath = "c:\\gravolt\\wgravolt";
  o.outputDir = "c:\\temp\\";
  return o;
}

TEST(PlotCommand, ComposedFromTheOptions) {
  struct Case {
    const char* name;
    std::function<void(PlotOptions&)> change;
    std::string line;
  };
  const Case cases[] = {
      {"initial values: parallel port 1 adds nothing", [](PlotOptions&) {},
       "c:\\gravolt\\wgravolt c:\\temp\\gravolt /CHPL"},
      {"serial, COM 2",
       [](PlotOptions& o) {
         o.port = PlotPort::Serial;
         o.com = "2";
       },
       "c:\\gravolt\\wgravolt c:\\temp\\gravolt /CHPL /D1 /P2"},
      {"serial, COM 1: no port number", [](PlotOptions& o) { o.port = PlotPort::Serial; },
       "c:\\gravolt\\wgravolt c:\\temp\\gravolt /CHPL /D1"},
      {"parallel, LPT 3", [](PlotOptions& o) { o.lpt = "3"; },
       "c:\\gravolt\\wgravolt c:\\temp\\gravolt /CHPL /P3"},
      {"into a file in the output folder", [](PlotOptions& o) { o.port = PlotPort::File; },
       "c:\\gravolt\\wgravolt c:\\temp\\gravolt /CHPL /D3 /Fc:\\temp\\gravolt"},
      {"into a file without output folder",
       [](PlotOptions& o) {
         o.port = PlotPort::File;
         o.outputDir = " ";
       },
       "c:\\gravolt\\wgravolt gravolt /CHPL /D3"},
      {"fitted scale", [](PlotOptions& o) { o.scale = "0"; },
       "c:\\gravolt\\wgravolt c:\\temp\\gravolt /CHPL /M*"},
      {"a scale with a decimal comma as typed", [](PlotOptions& o) { o.scale = "2,5"; },
       "c:\\gravolt\\wgravolt c:\\temp\\gravolt /CHPL /M2,5"},
      {"offsets, text width and rotation as typed",
       [](PlotOptions& o) {
         o.xOffset = "10";
         o.yOffset = "-5.5";
         o.textWidth = "0.8";
         o.rotate = true;
       },
       "c:\\gravolt\\wgravolt c:\\temp\\gravolt /CHPL /X10 /Y-5.5 /B0.8 /R"},
      {"PostScript with its font",
       [](PlotOptions& o) {
         o.format = 1;
         o.psFont = "Helvetica";
       },
       "c:\\gravolt\\wgravolt c:\\temp\\gravolt /CPS /THelvetica"},
      {"HP-GL/2", [](PlotOptions& o) { o.format = 3; },
       "c:\\gravolt\\wgravolt c:\\temp\\gravolt /CPL2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PlotOptions o = Initial();
    c.change(o);
    EXPECT_EQ(ComposePlotCommand(o), c.line);
  }
}

}  // namespace
}  // namespace kv40::config
