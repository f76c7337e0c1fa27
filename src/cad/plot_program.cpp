// The plot program's file, arguments and start.
#include "cad/plot_program.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <thread>

#include "base/text.h"
#include "cad/cad_text.h"
#include "model/dialogs.h"

extern char** environ;

namespace kv40::cad {
namespace fs = std::filesystem;
namespace {

const char* const kFormatCodes[] = {"HPL", "PS", "PLT", "PL2", "ART"};

bool NamesPlotFile(const std::string& arg) {
  const std::size_t slash = arg.find_last_of("/\\");
  const std::string name =
      base::LowerCase(slash == std::string::npos ? arg : arg.substr(slash + 1));
  return name == "gravolt.dxf" || name == "gravolt";
}

// A program name without a folder: beside our own program first (the shipped plot script).
std::string ResolveProgram(const std::string& program) {
  if (program.find('/') != std::string::npos) return program;
  std::error_code ec;
  const fs::path own = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    const fs::path beside = own.parent_path() / program;
    if (access(beside.c_str(), X_OK) == 0 && fs::is_regular_file(beside, ec)) return beside;
  }
  return program;
}

// posix_spawnp in folder dir, detached; 0 or the errno of the failure.
int Spawn(const std::vector<std::string>& argv, const std::string& dir) {
  std::vector<char*> args;
  for (const std::string& a : argv)
    args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attr;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  if (!dir.empty()) posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
  posix_spawnattr_init(&attr);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
  pid_t pid = 0;
  const int rc = posix_spawnp(&pid, args[0], &actions, &attr, args.data(), environ);
  posix_spawnattr_destroy(&attr);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) return rc;
  std::thread([pid] {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
  return 0;
}

}  // namespace

std::string ComposePlotCommand(const PlotWizardAnswers& a) {
  const base::NumberFormat nf;
  std::string line = base::AddBackslash(a.folder) + (a.windows ? "WGRAVOLT " : "GRAVOLT ") + a.file;
  line += " /C" + std::string(kFormatCodes[std::clamp(a.format, 0, 4)]);
  if (a.interface != 1) line += a.interface == 0 ? " /D1" : " /D3";
  if (a.interface != 2 && a.port != 1) line += " /P" + base::IntToText(a.port);
  if (a.interface == 2 && !a.outFile.empty()) line += " /F" + a.outFile;
  if (a.scale != 1) line += a.scale == 0 ? std::string(" /M*") : " /M" + SigText(nf, a.scale);
  if (a.xOffset != 0) line += " /X" + SigText(nf, a.xOffset);
  if (a.rotate) line += " /R";
  if (a.yOffset != 0) line += " /Y" + SigText(nf, a.yOffset);
  if (a.textWidth != 1) line += " /B" + SigText(nf, a.textWidth);
  if (a.format == 1) line += " /T" + a.psFont;
  return line;
}

std::optional<std::string> NewPlotFile(GraphicSession& p) {
  const std::string folder = base::AddBackslash(p.config.tempDir);
  const fs::path dir = folder.empty() ? fs::path(".") : fs::path(folder);
  if (access(dir.c_str(), W_OK) != 0) {
    p.drawing.messages.Add("Invalid temp directory");
    return std::nullopt;
  }
  const std::string stem = folder + "gravolt-" + base::IntToText(getpid()) + "-";
  std::error_code ec;
  for (int n = 1;; ++n) {
    const std::string name = stem + base::IntToText(n) + ".dxf";
    if (!fs::exists(name, ec)) return name;
  }
}

std::vector<std::string> PlotArguments(const std::string& commandLine,
                                       const std::string& plotFile) {
  std::vector<std::string> args;
  std::string current;
  bool quoted = false, inArg = false;
  for (const char ch : commandLine) {
    if (ch == '"') {
      quoted = !quoted;
      inArg = true;
    } else if (ch == ' ' && !quoted) {
      if (inArg) args.push_back(current);
      current.clear();
      inArg = false;
    } else {
      current += ch;
      inArg = true;
    }
  }
  if (inArg) args.push_back(current);
  bool named = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (NamesPlotFile(args[i])) {
      args[i] = plotFile;
      named = true;
    }
  }
  if (!args.empty() && !named) args.push_back(plotFile);
  return args;
}

bool StartPlotProgram(GraphicSession& p, const std::string& commandLine,
                      const std::string& plotFile) {
  std::vector<std::string> args = PlotArguments(commandLine, plotFile);
  if (args.empty()) {
    model::ShowError(p, "file not found");
    p.cancel = true;
    return false;
  }
  const std::string program = args[0];
  args[0] = ResolveProgram(program);
  const int err = Spawn(args, fs::path(plotFile).parent_path().string());
  if (err == 0) return true;
  std::string text;
  if (err == ENOMEM) {
    text = "out of memory !";
  } else if (err == ENOENT || err == ENOTDIR) {
    text = "file not found";
  } else {
    text = "Exec error " + base::IntToText(err);
  }
  p.drawing.messages.Add(text + ": " + program);
  model::ShowError(p, text + ": " + program);
  p.cancel = true;
  return false;
}

}  // namespace kv40::cad
