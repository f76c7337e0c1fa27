// The plot program: its command line (composed by the wizard), the plot file of a drawing and
// the start of the program, without a shell, in the temporary folder.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/part_pair.h"
#include "cad/graphic_session.h"

namespace kv40::cad {

// What the wizard asks; the command line follows from it alone.
struct PlotWizardAnswers {
  bool windows = false;  // "WGRAVOLT.EXE (Windows)" instead of "GRAVOLT.EXE (MS-DOS)"
  std::string folder;    // program folder
  std::string file;      // the drawing file or wildcard
  int format = 0;        // 0 HPL, 1 PS, 2 PLT, 3 PL2, 4 ART
  int interface = 1;     // 0 serial, 1 parallel, 2 file
  int port = 1;          // serial or parallel port 1..4
  std::string outFile;   // file output
  Extended scale = 1;    // 0 = fit to the paper
  bool rotate = false;
  Extended xOffset = 0, yOffset = 0;
  Extended textWidth = 1;
  std::string psFont;
};

std::string ComposePlotCommand(const PlotWizardAnswers& a);

// The wizard's questions. fromDrawing: the file is the temporary folder + "gravolt"; otherwise
// the user names it. currentLine gives the proposed program folder. nullopt and p.cancel when
// any prompt is cancelled.
std::optional<std::string> RunPlotWizard(model::Session& p, bool fromDrawing,
                                         const std::string& currentLine);

// A fresh name for this drawing's plot file in the temporary folder, so that a plot program
// still reading an earlier drawing keeps its file. nullopt (with the drawing's message) when
// the temporary folder cannot be written.
std::optional<std::string> NewPlotFile(GraphicSession& p);

// The command line as the program's arguments: split at blanks (double quotes keep blanks);
// every argument naming the plot file ("gravolt.dxf" or "gravolt" in any folder and letter
// case) becomes plotFile; when none does, plotFile is added at the end.
std::vector<std::string> PlotArguments(const std::string& commandLine, const std::string& plotFile);

// Starts the plot program for plotFile in the plot file's folder, hidden and without waiting.
// A program name without a folder is looked for beside KV40's own program first, then in
// PATH. A start failure shows its message ("file not found", "out of memory !", "Exec error
// <n>") and cancels; the plot file stays.
bool StartPlotProgram(GraphicSession& p, const std::string& commandLine,
                      const std::string& plotFile);

}  // namespace kv40::cad
