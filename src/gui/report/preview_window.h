// The result preview TForm_preview and the progress window of the folder scan.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <cstddef>
#include <optional>
#include <string>

#include "app/program.h"
#include "report/preview.h"

class QDialog;
class QProgressDialog;
class QWidget;

namespace kv40::report::gui {

// Shows the grid modally. A click on a row (or Enter on it) other than the row picked last
// closes the window with that row picked; a click on a heading sorts by its column; File →
// "Export Excel" writes the grid as a workbook; "E&xit" and the close box give nullopt.
std::optional<std::size_t> RunPreview(app::Program& p, PreviewGrid& grid,
                                      const std::string& caption, QWidget* parent);

// The same window beside other work, for looking only: it keeps a copy of the grid, sorts and
// exports, but picks nothing. It deletes itself when closed.
QDialog* OpenPreviewWindow(app::Program& p, const PreviewGrid& grid, const std::string& caption,
                           QWidget* parent);

// The scan's progress: the file being read and a cancel button. The window keeps the
// program responsive; it is updated a few times a second, not for every file.
class ScanProgress {
 public:
  ScanProgress(int total, QWidget* parent);
  ~ScanProgress();
  ScanProgress(const ScanProgress&) = delete;
  ScanProgress& operator=(const ScanProgress&) = delete;
  // False once the user cancelled.
  bool Step(int done, const std::string& name);

 private:
  QPointer<QProgressDialog> dialog_;
  QElapsedTimer sinceUpdate_;
};

}  // namespace kv40::report::gui
