// Entry points of the GUI module, loaded at run time by an interactive start.
#include <QApplication>
#include <QScreen>

#include "app/gui/main_window.h"
#include "app/gui_loader.h"
#include "app/startup.h"
#include "model/gui/qt_ui.h"
#include "model/recent_files.h"

extern "C" int kv40_gui_abi() {
  return kv40::app::kGuiAbiVersion;
}

extern "C" int kv40_gui_run(kv40::model::Program* program, int argc, char** argv) {
  using namespace kv40;
  QApplication app(argc, argv);
  QApplication::setApplicationName(model::kProgramShortName);
  model::Program& p = *program;
  model::QtUi ui;
  model::Ui* previous = p.ui;
  p.ui = &ui;

  app::ScreenSize screen;
  if (const QScreen* s = QGuiApplication::primaryScreen()) {
    screen = {s->size().width(), s->size().height()};
  }
  const app::CommandLine cl = app::ParseCommandLine(p.args);
  if (auto end = app::RunStartUp(p, cl, screen)) {
    p.ui = previous;
    return *end;
  }

  app::MainWindow window(p, ui);
  window.show();
  const int code = QApplication::exec();
  model::SaveRecentFiles(p);
  p.ui = previous;
  return code;
}
