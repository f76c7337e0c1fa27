// The text window TForm_showtextfile: a report text file read-only on the screen, with
// export to the text program, printing, select all and copy.
#pragma once

#include <string>

#include <QMainWindow>

#include "app/program.h"

class QPlainTextEdit;

namespace kv40::report::gui {

class TextWindow final : public QMainWindow {
  Q_OBJECT

 public:
  // Takes position and size from the configuration when width and height are positive, but
  // opens at least as large as a printed page where the screen allows.
  TextWindow(app::Program& p, QWidget* parent = nullptr);
  // Loads path into the memo (or says that it is missing) with the report font and caption.
  void ShowFile(const std::string& path);

  void mi_dateiExportNotepadClick();
  void mi_DateiDruckenClick();
  void mi_dateiBeendenClick();
  void mi_EditMarkAllClick();
  void mi_EditCopyClick();

 protected:
  // Keeps position and size in the configuration.
  void closeEvent(QCloseEvent* event) override;

 private:
  QSize OpeningSize() const;

  app::Program& p_;
  QPlainTextEdit* memo_ = nullptr;
  std::string path_;
};

}  // namespace kv40::report::gui
