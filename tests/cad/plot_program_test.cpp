// The plot program: its command line, the wizard, the start without a shell in the temporary
// folder with a plot file of its own per run, and the shipped kv40-plot.
#include "cad/plot_program.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "cad/kernel.h"
#include "support/dxf_check.h"
#include "support/sample_drawing.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::cad {
namespace {

namespace fs = std::filesystem;

TEST(PlotProgram, CommandLineFromTheWizardsAnswers) {
  struct Case {
    const char* name;
    PlotWizardAnswers a;
    const char* expected;
  };
  PlotWizardAnswers ps;
  ps.windows = true, ps.folder = "c:\\gravolt", ps.file = "*.dxf", ps.format = 1;
  ps.interface = 2, ps.outFile = "out.ps", ps.scale = 0, ps.rotate = true, ps.psFont = "Helvetica";
  PlotWizardAnswers plain;
  plain.folder = "/opt/gravolt", plain.file = "/tmp/gravolt";
  PlotWizardAnswers serial;
  serial.folder = "g", serial.file = "x", serial.format = 3, serial.interface = 0, serial.port = 2;
  serial.scale = 2.5, serial.xOffset = -10, serial.yOffset = 5, serial.textWidth = 0.8;
  const Case cases[] = {
      {"PostScript into a file, fitted and turned", ps,
       "c:\\gravolt/WGRAVOLT *.dxf /CPS /D3 /Fout.ps /M* /R /THelvetica"},
      {"parallel port 1 with the defaults", plain, "/opt/gravolt/GRAVOLT /tmp/gravolt /CHPL"},
      {"serial port 2, scale, offsets, text width", serial,
       "g/GRAVOLT x /CPL2 /D1 /P2 /M2.5 /X-10 /Y5 /B0.8"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ComposePlotCommand(c.a), c.expected);
  }
}

TEST(PlotProgram, TheWizardAsksAndComposes) {
  test::TestProgram t;
  test::TempDir dir;
  test::WriteBytes(dir / "GRAVOLT.EXE", "");
  t.p.config.tempDir = "/tmp/k/";
  t.ui.AnswerChoose(2)
      .AnswerText("/nowhere")  // asked again: the program is not there
      .AnswerText(dir.path().string())
      .AnswerChoose(1)
      .AnswerChoose(3)
      .AnswerText("plot.hpl")
      .AnswerText("0")
      .AnswerYesNo(true)
      .AnswerText("0")
      .AnswerText("0")
      .AnswerText("1");
  const auto line = RunPlotWizard(t.p, true, "");
  ASSERT_TRUE(line.has_value());
  EXPECT_EQ(*line, dir.path().string() + "/GRAVOLT /tmp/k/gravolt /CHPL /D3 /Fplot.hpl /M* /R");
  test::TestProgram c;
  c.ui.Cancel(test::PromptKind::Choose);
  EXPECT_FALSE(RunPlotWizard(c.p, true, "").has_value());
  EXPECT_TRUE(c.p.cancel);
}

TEST(PlotProgram, ArgumentsNameThePlotFile) {
  struct Case {
    const char* line;
    std::vector<std::string> args;
  };
  const Case cases[] = {
      {"kv40-plot gravolt.dxf", {"kv40-plot", "/t/g-1.dxf"}},
      {"C:\\GRAVOLT\\WGRAVOLT GRAVOLT.DXF /M1.0", {"C:\\GRAVOLT\\WGRAVOLT", "/t/g-1.dxf", "/M1.0"}},
      {"/opt/g/GRAVOLT /tmp/gravolt /CHPL", {"/opt/g/GRAVOLT", "/t/g-1.dxf", "/CHPL"}},
      {"xdg-open", {"xdg-open", "/t/g-1.dxf"}},
      {"\"my plot\"  -x  \"a b\"", {"my plot", "-x", "a b", "/t/g-1.dxf"}},
      {"   ", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(PlotArguments(c.line, "/t/g-1.dxf"), c.args);
  }
}

// Waits for a file the started program writes.
std::string WaitForFile(const fs::path& file) {
  for (int i = 0; i < 200 && !fs::exists(file); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  return fs::exists(file) ? test::ReadBytes(file) : std::string("(not started)");
}

TEST(PlotProgram, StartedWithoutAShellInTheTemporaryFolderWithAFileOfItsOwn) {
  test::TempDir dir;
  const fs::path tmp = dir / "tmp";
  fs::create_directory(tmp);
  const fs::path fake = dir / "fake plot";
  test::WriteBytes(fake,
                   "#!/bin/sh\n{ pwd; for a in \"$@\"; do echo \"$a\"; done; } > \"$0.out\"\n");
  fs::permissions(fake, fs::perms::owner_all);
  test::TestProgram t;
  t.p.config.tempDir = tmp.string() + "/";
  t.p.config.plotCommands[0] = "\"" + fake.string() + "\" --opt GRAVOLT.DXF $HOME;x";

  std::vector<std::string> files;
  for (int run = 0; run < 2; ++run) {
    t.ui.AnswerTextUnchanged();
    test::DrawSample(t.p, CadDevice::Plot);
    ASSERT_FALSE(t.p.cancel);
    const std::string out = WaitForFile(fake.string() + ".out");
    fs::remove(fake.string() + ".out");
    const std::string file = t.p.drawing.CadFileName;
    files.push_back(file);
    EXPECT_EQ(out, tmp.string() + "\n--opt\n" + file + "\n$HOME;x\n");
    EXPECT_EQ(fs::path(file).parent_path(), tmp);
    EXPECT_EQ(test::EzdxfAudit(file, true), "ok");
  }
  EXPECT_NE(files[0], files[1]);
  EXPECT_TRUE(fs::exists(files[0])) << "the earlier drawing stays for its plot program";
  const auto shown = t.ui.MessageTexts();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0], files[0] + " wird geplottet..");
}

TEST(PlotProgram, AMissingProgramIsReported) {
  test::TempDir dir;
  test::TestProgram t;
  t.p.config.tempDir = dir.path().string() + "/";
  t.p.config.plotCommands[0] = "kv40-no-such-plotter gravolt.dxf";
  t.ui.AnswerTextUnchanged();
  test::DrawSample(t.p, CadDevice::Plot);
  EXPECT_TRUE(t.p.cancel);
  const auto shown = t.ui.MessageTexts();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1], "file not found: kv40-no-such-plotter");
  EXPECT_TRUE(fs::exists(t.p.drawing.CadFileName)) << "the plot file stays";
}

TEST(PlotProgram, TheShippedPlotProgramMakesAPdf) {
  test::TempDir dir;
  test::TestProgram t;
  t.p.batchCad = true;
  t.p.currentFile = (dir / "probe").string();
  test::DrawSample(t.p, CadDevice::Dxf);
  ASSERT_FALSE(t.p.cancel);
  const fs::path script = fs::path(KV40_BINARY).parent_path() / "kv40-plot";
  const std::string out = test::Shell("'" + script.string() + "' --no-show '" +
                                      (dir / "probe.dxf").string() + "' 2>&1");
  EXPECT_EQ(out, (dir / "probe.pdf").string() + "\n");
  const std::string info = test::Shell("pdfinfo '" + (dir / "probe.pdf").string() + "'");
  EXPECT_NE(info.find("\nPages: "), std::string::npos) << info;
  EXPECT_EQ(info.find("exit"), std::string::npos) << info;
}

}  // namespace
}  // namespace kv40::cad
