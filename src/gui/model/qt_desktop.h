// The Desktop seam on a Qt desktop: the text window, the print dialog, the clipboard, the
// wait cursor and detached programs.
#pragma once

#include <QPointer>

#include "app/program.h"
#include "model/desktop.h"

class QWidget;

namespace kv40::report::gui {
class TextWindow;
}

namespace kv40::model {

class QtDesktop final : public Desktop {
 public:
  // Without a parent the program's main window is the parent of the text window and the
  // print dialog.
  explicit QtDesktop(app::Program& p, QWidget* parent = nullptr) : p_(p), parent_(parent) {}
  ~QtDesktop() override;
  void SetParent(QWidget* parent) { parent_ = parent; }

  // Starts program with file as its one argument, detached; false when it cannot start.
  bool StartProgram(const std::string& program, const std::string& file) override;
  // Watched for a moment while the window's events go on.
  bool StartProgramChecked(const std::string& program, const std::string& file) override;
  bool HasDefaultProgram(const std::string& mimeType) override;
  bool OpenUrl(const std::string& url) override;
  // The print dialog, then the printout; false when cancelled or nothing was printed.
  bool PrintTextFile(const std::string& path) override;
  // Opens the text window on the file, or shows it again in the window already open.
  void ShowTextWindow(const std::string& path) override;
  void CloseTextWindow() override;
  void SetClipboardText(const std::string& text) override;
  void SetWaitCursor(bool on) override;
  void ProcessEvents() override;

  // The text window while it is open (for tests).
  report::gui::TextWindow* textWindow() const { return textWindow_; }

 private:
  QWidget* Parent() const;

  app::Program& p_;
  QWidget* parent_;
  QPointer<report::gui::TextWindow> textWindow_;
  bool waitCursor_ = false;
};

}  // namespace kv40::model
