// Start-up, command line and batch runs.
#include "app/startup.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/batch_drawing.h"
#include "app/commands.h"
#include "app/gui_loader.h"
#include "app/user_data.h"
#include "base/format.h"
#include "calc/driver.h"
#include "calc/json_export.h"
#include "config/config_file.h"
#include "model/batch_ui.h"
#include "model/dialogs.h"
#include "model/input_file.h"
#include "model/process_desktop.h"
#include "model/recent_files.h"
#include "report/spline_report.h"
#include "tables/lookups.h"

namespace kv40::app {
namespace fs = std::filesystem;
namespace {

std::string WithSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
  return folder;
}

std::string StemOf(const std::string& file) {
  return fs::path(file).stem().string();
}

int ShowUsage(Program& p) {
  const auto lines = UsageLines();
  for (auto& line : p.itemLines)
    line.clear();
  for (std::size_t i = 0; i < lines.size(); ++i)
    p.itemLines[i] = lines[i];
  model::ShowTextScreen(p);
  return 0;
}

// Loads and calculates the batch file; false when it could not be read (exit code 1 then, the
// loader has said why). A calculation that fails is reported by its fatal flag.
bool LoadBatchFile(Program& p, const CommandLine& cl) {
  if (!OpenInputFile(p, cl.file)) return false;
  p.cancel = false;
  p.currentFile = StemOf(cl.file);
  return true;
}

// The calculation's messages, one per line, for standard error.
std::string MessageLines(const model::MessageLog& log) {
  std::string lines;
  for (int i = 1; i <= log.messageCount; ++i)
    lines += "\n" + log.Message(i);
  return lines;
}

int WriteBatchJson(Program& p) {
  const fs::path out = p.currentFile + ".json";
  if (!calc::WriteResultsJson(p.connection, out)) {
    std::fprintf(stderr, "KV40: %s kann nicht geschrieben werden.\n", out.c_str());
    return 1;
  }
  // written all the same, so that automation sees "fatal" and the messages
  if (p.connection.log.fatal) {
    model::ShowError(p, "Berechnung fehlgeschlagen (" + out.string() +
                            " mit \"fatal\": true):" + MessageLines(p.connection.log));
    return 1;
  }
  return 0;
}

int RunBatch(Program& p, const CommandLine& cl) {
  if (!LoadBatchFile(p, cl)) return 1;
  switch (cl.mode) {
    case StartMode::BatchJson:
      return WriteBatchJson(p);
    case StartMode::BatchCad:
      return RunBatchDrawing(p, cl.cadDevice, cl.cadIndex);
    case StartMode::BatchReport:
      return report::BatchReport(p, cl.file);
    default:
      return 0;
  }
}

// A start with a file name: work on that file for the whole run.
std::optional<int> StartWithFile(Program& p, const CommandLine& cl) {
  if (cl.file.find('.') == std::string::npos) {
    model::ShowError(p, "Erweiterung .k40 muß mit angegeben werden");
    return 0;
  }
  p.showErrors = false;
  OpenInputFile(p, cl.file);
  p.startedWithFile = true;
  p.showErrors = true;
  if (p.cancel) {
    // A new file: it must at least be creatable.
    p.cancel = false;
    model::CheckOutputFile(p, cl.file);
    if (p.cancel) return 0;
  }
  return std::nullopt;
}

std::optional<int> FollowCommandLine(Program& p, const CommandLine& cl) {
  if (cl.mode == StartMode::Interactive) return std::nullopt;
  if (cl.mode == StartMode::Usage) return ShowUsage(p);
  p.currentFile = cl.file;
  p.dataDir.clear();
  if (cl.IsBatch()) return RunBatch(p, cl);
  if (cl.mode == StartMode::StartWithFile) return StartWithFile(p, cl);
  return std::nullopt;  // "/E", "/G": the name is kept, nothing is read
}

}  // namespace

bool UserModeFromEnvironment() {
  const char* v = std::getenv("KV40_USER_MODE");
  return v != nullptr && std::string(v) == "1";
}

bool IsUserFolder(const std::string& dataDir, const std::string& entry) {
  if (entry.empty() || entry == "." || entry == "..") return false;
  if (entry.find_first_of("/\\") != std::string::npos) return false;
  std::error_code ec;
  const fs::path data = fs::canonical(dataDir.empty() ? fs::path(".") : fs::path(dataDir), ec);
  if (ec) return false;
  const fs::path folder = fs::canonical(data / entry, ec);
  if (ec || !fs::is_directory(folder, ec)) return false;
  return folder.parent_path() == data;
}

std::optional<int> AskUser(Program& p) {
  std::string entry;
  if (!model::AskText(p, "Passwort (User) eingeben ...", 8, entry)) return 0;
  const std::string data = WithSlash(p.config.dataDir);
  std::error_code ec;
  if (!fs::is_directory(data.empty() ? std::string(".") : data, ec)) {
    model::ShowError(p, "Invalid Directory " + data);
  }
  if (!IsUserFolder(data, entry)) {
    model::ShowError(p, "Ungültiges Passwort " + entry + " !");
    return 0;
  }
  p.userFolder = entry + "/";
  return std::nullopt;
}

void InitProgram(Program& p, const std::vector<std::string>& args) {
  model::InitDefaults(p.connection);
  model::InitDocuData(p.docu, base::DateText(p.fmt(), p.Now()));
  p.args = args;
  std::error_code ec;
  p.startDir = WithSlash(fs::current_path(ec).string());
  p.configDir = config::DefaultConfigDir();
  p.userMode = UserModeFromEnvironment();
}

std::optional<int> RunStartUp(Program& p, const CommandLine& cl, ScreenSize screen) {
  if (p.configDir.empty()) p.configDir = config::DefaultConfigDir();
  std::error_code ec;
  const bool ownConfig = fs::exists(config::ConfigFileName(p), ec);
  config::ReadConfig(p, screen.width, screen.height);
  if (!ownConfig) UseUserDataFolder(p, config::BundledDataDir());
  p.cancel = false;
  model::LoadRecentFiles(p);
  p.cancel = false;

  p.cancel = false;
  p.showErrors = true;
  config::ValidateFolders(p);
  if (!p.userMode) p.userFolder.clear();
  if (auto end = FollowCommandLine(p, cl)) return end;

  if (!p.startedWithFile) {
    if (p.userMode) {
      if (auto end = AskUser(p)) return end;
    }
    p.dataDir = WithSlash(p.config.dataDir) + p.userFolder;
    // The first row of the DIN 5482 table is the block until a default file says otherwise.
    tables::ReadDin5482Default(p);
    p.cancel = false;
    model::LoadDefaultInputFile(p);
  }
  p.cancel = false;
  Recalculate(p);
  p.cancel = false;
  p.modified = false;
  return std::nullopt;
}

int Main(int argc, char** argv) {
  // A file size limit is an ordinary write error (EFBIG), not the end of the process.
  std::signal(SIGXFSZ, SIG_IGN);
  Program p;
  base::SystemClock clock;
  model::BatchUi batchUi;
  model::ProcessDesktop desktop;
  p.clock = &clock;
  p.ui = &batchUi;
  p.desktop = &desktop;
  InitProgram(p, std::vector<std::string>(argv + 1, argv + argc));

  const CommandLine cl = ParseCommandLine(p.args);
  const bool window = !cl.IsBatch() && DisplayAvailable();
  if (window) return RunGuiModule(p, argc, argv);

  if (auto end = RunStartUp(p, cl, ScreenSize{})) return *end;
  std::fprintf(stderr,
               "KV40: Keine grafische Anzeige gefunden (DISPLAY ist nicht gesetzt).\n"
               "Ohne Anzeige: kv40 <Datei>.k40 /I /NOGUI  oder  kv40 <Datei>.k40 /JSON\n");
  return 1;
}

}  // namespace kv40::app
