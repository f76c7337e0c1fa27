// The main window Thh on a test program whose dialogs are the real Qt ones; configuration,
// temporary and data folders in a folder of the test's own.
#pragma once

#include <memory>

#include <QAction>

#include <gtest/gtest.h>

#include "gui/app/main_window.h"
#include "gui/app/shell_dialog_script.h"
#include "gui/model/qt_ui.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::test {

struct MainWindowFixture {
  TempDir dir;
  TestProgram t;
  model::QtUi ui{t.p};
  std::unique_ptr<app::Thh> w;

  MainWindowFixture() {
    GuiApp();
    t.p.ui = &ui;
    t.p.configDir = dir.path().string() + "/";
    t.p.config.tempDir = dir.path().string() + "/";
    t.p.dataDir = dir.path().string() + "/";
    w = std::make_unique<app::Thh>(t.p, ui);
  }
  // The menu item with this object name (a failure when there is none).
  QAction* A(const char* name) const {
    QAction* a = w->Action(name);
    EXPECT_NE(a, nullptr) << name;
    return a;
  }
  void Trigger(const char* name) const {
    if (QAction* a = A(name)) a->trigger();
  }
};

}  // namespace kv40::test
