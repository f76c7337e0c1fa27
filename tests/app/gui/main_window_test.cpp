// The main window through its real widgets, without a display.
#include "app/gui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include "calc/driver.h"
#include "model/gui/qt_ui.h"
#include "support/test_program.h"

namespace kv40::app {
namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "kv40test";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

TEST(MainWindow, ShowsTheConnectionAndItsCommands) {
  App();
  test::TestProgram t;
  auto& s = t.p.spec;
  s.z5482 = 24;
  s.mn5482 = 2;
  s.xm = -0.1L;
  s.d1 = 50.4L;
  s.d2 = 46;
  s.d3 = 49.6L;
  s.d4 = 45.2L;
  s.TN = 800;
  s.Tmax = 1200;
  s.b0 = 40;
  s.DM[1] = 4.0L;
  s.DM[2] = 3.5L;
  calc::RecalcAll(t.p);
  t.p.currentFile = "welle";

  model::QtUi ui;
  MainWindow w(t.p, ui);
  EXPECT_EQ(w.windowTitle().toStdString(), "KV40   Passverzahnung DIN 5482  -  welle.k40");
  const auto* view = w.findChild<QPlainTextEdit*>("Memo_overview");
  ASSERT_NE(view, nullptr);
  const std::string text = view->toPlainText().toStdString();
  EXPECT_NE(text.find("B 50.4 x 46 DIN 5482"), std::string::npos) << text;
  EXPECT_NE(text.find("Berechnung erfolgreich ohne Fehlermeldungen"), std::string::npos) << text;
  for (const char* name :
       {"mi_fileOpen", "mi_FileSave", "mi_FileSaveAs", "mi_fileexit", "mi_helpErrorMessages"}) {
    SCOPED_TRACE(name);
    EXPECT_NE(w.findChild<QAction*>(name), nullptr);
  }
}

}  // namespace
}  // namespace kv40::app
