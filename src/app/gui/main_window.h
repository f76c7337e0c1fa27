// The main window: file commands and an overview of the current connection.
#pragma once

#include <QMainWindow>

#include "model/program.h"

class QPlainTextEdit;

namespace kv40::model {
class QtUi;
}

namespace kv40::app {

class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(model::Program& p, model::QtUi& ui);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Refresh();
  void mi_fileOpenClick();
  void mi_FileSaveClick();
  void mi_FileSaveAsClick();
  void mi_helpErrorMessagesClick();

  model::Program& p_;
  QPlainTextEdit* view_ = nullptr;
};

}  // namespace kv40::app
