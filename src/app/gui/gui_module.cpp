// Entry point of the GUI module, loaded at run time by an interactive start.
#include <QApplication>
#include <QMainWindow>

#include "model/program.h"

extern "C" int kv40_gui_run(kv40::model::Program* program, int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QString::fromUtf8(kv40::model::kProgramTitle));
  window.show();
  (void)program;
  return app.exec();
}
