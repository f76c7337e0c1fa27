// A main window without a window for the command tests: every step it takes does nothing, so
// that a test shell overrides only what it records (and a step the window gains later needs no
// change in every test).
#pragma once

#include "app/shell.h"

namespace kv40::test {

struct QuietShell : app::Shell {
  void RunDialog(app::InputDialog) override {}
  void Refresh() override {}
  void UpdateTitle() override {}
  void ApplyCaptions() override {}
  void ClearGraphic() override {}
  void ShowLogo() override {}
  void ShowAbout() override {}
  void PrintDrawing(bool) override {}
  void ShowSettings() override {}
  void CloseWindow() override {}
};

}  // namespace kv40::test
