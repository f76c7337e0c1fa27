// A ready program instance for tests: defaults, a fixed clock, a seeded random source, a
// scripted Ui and a desktop that only records what it was asked to do.
//
//   TestProgram t;                 // t.p is the Program, wired to t.ui, t.desktop, t.clock
//   t.ui.AnswerYesNo(true);
//   SomeCommand(t.p);
//   EXPECT_FALSE(t.p.cancel);
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "app/program.h"
#include "base/clock.h"
#include "base/random.h"
#include "model/desktop.h"
#include "support/scripted_ui.h"

namespace kv40::test {

// The moment every test run sees: 10 December 2026, 10:30:00.
inline constexpr base::DateTime kTestNow{2026, 12, 10, 10, 30, 0};

// Starts, opens and prints nothing; records the requests and answers with `result`.
class RecordingDesktop final : public model::Desktop {
 public:
  bool StartProgram(const std::string& program, const std::string& file) override {
    started.emplace_back(program, file);
    return result;
  }
  bool HasDefaultProgram(const std::string& mimeType) override {
    mimeTypes.push_back(mimeType);
    return hasDefaultProgram;
  }
  bool OpenUrl(const std::string& url) override {
    urls.push_back(url);
    return result;
  }
  bool PrintTextFile(const std::string& path) override {
    printed.push_back(path);
    return result;
  }
  void ShowTextWindow(const std::string& path) override { shown.push_back(path); }
  void CloseTextWindow() override { ++textWindowCloses; }
  void SetClipboardText(const std::string& text) override { clipboard = text; }
  void SetWaitCursor(bool) override {}
  void ProcessEvents() override {}

  bool result = true;
  bool hasDefaultProgram = true;       // the desktop knows a program for every file type
  std::vector<std::string> mimeTypes;  // asked for their program
  std::vector<std::pair<std::string, std::string>> started;  // program, file
  std::vector<std::string> urls;
  std::vector<std::string> printed;
  std::vector<std::string> shown;  // files handed to the text window
  int textWindowCloses = 0;
  std::string clipboard;
};

struct TestProgram {
  TestProgram();
  TestProgram(const TestProgram&) = delete;
  TestProgram& operator=(const TestProgram&) = delete;

  base::FixedClock clock{kTestNow};
  base::SeededRandom random{1};
  ScriptedUi ui;
  RecordingDesktop desktop;
  app::Program p;  // InitDefaults applied, seams wired to the members above
};

}  // namespace kv40::test
