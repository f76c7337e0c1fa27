// The Desktop of runs without Qt: programs, URLs and printing through processes; clipboard,
// wait cursor and event processing do nothing.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/desktop.h"

namespace kv40::model {

class ProcessDesktop final : public Desktop {
 public:
  // printCommand receives the file as its last argument (the CUPS client by default).
  explicit ProcessDesktop(std::string printCommand = "lp")
      : printCommand_(std::move(printCommand)) {}

  // Starts program in a session of its own and returns at once; false when it cannot start.
  bool StartProgram(const std::string& program, const std::string& file) override;
  bool StartProgramChecked(const std::string& program, const std::string& file) override;
  bool HasDefaultProgram(const std::string& mimeType) override;
  // The desktop's handler for the URL (xdg-open).
  bool OpenUrl(const std::string& url) override;
  // Runs the print command on the file and waits for it; true when it succeeded.
  bool PrintTextFile(const std::string& path) override;
  // Without a window the file stays where it is; its name goes to standard error.
  void ShowTextWindow(const std::string& path) override;
  void SetClipboardText(const std::string&) override {}
  void SetWaitCursor(bool) override {}
  void ProcessEvents() override {}

 private:
  std::string printCommand_;
};

// Starts argv[0] (searched in PATH) with standard input from /dev/null. With wait, returns
// true when it ran and exited with 0; without, true when it started, and a helper thread
// collects its exit so that no zombie stays behind.
bool RunProcess(const std::vector<std::string>& argv, bool wait);

// Runs argv[0] (searched in PATH) and waits for it; its standard output, or nullopt when it
// could not run or did not exit with 0.
std::optional<std::string> RunProcessOutput(const std::vector<std::string>& argv);

// Asks xdg-mime for the desktop's program for the MIME type: false only when xdg-mime ran and
// named none.
bool DesktopHasDefaultProgram(const std::string& mimeType);

// How long a started program is watched for a failure at once.
inline constexpr int kStartWatchMs = 1500;
// Starts argv[0] like RunProcess without waiting, then watches it for up to graceMs: true when it
// is still running then or has exited with 0. idle (when given) runs between the looks.
bool RunProcessWatched(const std::vector<std::string>& argv, int graceMs,
                       const std::function<void()>& idle);

}  // namespace kv40::model
