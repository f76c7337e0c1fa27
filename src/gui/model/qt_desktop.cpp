// Desktop services through Qt: QProcess, QDesktopServices, QClipboard, override cursor.
#include "gui/model/qt_desktop.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>
#include <vector>

#include "gui/model/place_dialog.h"
#include "gui/report/text_printing.h"
#include "gui/report/text_window.h"
#include "model/process_desktop.h"

namespace kv40::model {

QtDesktop::~QtDesktop() {
  SetWaitCursor(false);
  delete textWindow_.data();
}

bool QtDesktop::StartProgram(const std::string& program, const std::string& file) {
  if (program.empty()) return false;
  QStringList args;
  if (!file.empty()) args << QString::fromStdString(file);
  return QProcess::startDetached(QString::fromStdString(program), args);
}

bool QtDesktop::StartProgramChecked(const std::string& program, const std::string& file) {
  if (program.empty()) return false;
  std::vector<std::string> argv{program};
  if (!file.empty()) argv.push_back(file);
  return RunProcessWatched(argv, kStartWatchMs, [] { QCoreApplication::processEvents(); });
}

bool QtDesktop::HasDefaultProgram(const std::string& mimeType) {
  return DesktopHasDefaultProgram(mimeType);
}

bool QtDesktop::OpenUrl(const std::string& url) {
  return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

QWidget* QtDesktop::Parent() const {
  return parent_ != nullptr ? parent_ : gui::MainWindowOf(nullptr);
}

bool QtDesktop::PrintTextFile(const std::string& path) {
  return report::gui::PrintTextFile(p_, path, Parent());
}

void QtDesktop::ShowTextWindow(const std::string& path) {
  if (textWindow_ == nullptr) {
    // a window of its own beside the main window, closed together with it
    textWindow_ = new report::gui::TextWindow(p_, Parent());
    textWindow_->setAttribute(Qt::WA_DeleteOnClose);
  }
  textWindow_->ShowFile(path);
  textWindow_->show();
  textWindow_->raise();
  textWindow_->activateWindow();
}

void QtDesktop::CloseTextWindow() {
  if (textWindow_ != nullptr) textWindow_->close();  // deletes itself
}

void QtDesktop::SetClipboardText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void QtDesktop::SetWaitCursor(bool on) {
  if (on == waitCursor_) return;
  waitCursor_ = on;
  if (on) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void QtDesktop::ProcessEvents() {
  QCoreApplication::processEvents();
}

}  // namespace kv40::model
