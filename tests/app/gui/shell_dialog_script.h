// Answers the modal dialogs a command opens, one after another, as the user would; a dialog
// nobody expected is recorded and cancelled so that a failing test never hangs.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

namespace kv40::test {

inline QApplication& GuiApp() {
  static int argc = 1;
  static char name[] = "kv40test";
  static char* argv[] = {name, nullptr};
  // Never destroyed: widgets of the program instance may outlive the tests.
  static auto* app = new QApplication(argc, argv);
  return *app;
}

class DialogScript {
 public:
  using Answer = std::function<void(QWidget& dialog)>;

  DialogScript() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
  }

  // The next dialog to appear gets this answer; its object name is recorded.
  DialogScript& Then(Answer answer) {
    answers_.push_back(std::move(answer));
    return *this;
  }
  // The next dialog is closed with Abbrechen / Esc.
  DialogScript& ThenCancel() {
    return Then([](QWidget& w) {
      if (auto* d = qobject_cast<QDialog*>(&w)) d->reject();
    });
  }

  std::vector<std::string> shown;       // object names of the dialogs, in order
  std::vector<std::string> unexpected;  // dialogs that came when no answer was left
  std::size_t Pending() const { return answers_.size(); }

 private:
  void Poll() {
    QWidget* w = QApplication::activeModalWidget();
    if (w == nullptr || w == last_) return;
    last_ = w;
    shown.push_back(w->objectName().toStdString());
    if (answers_.empty()) {
      unexpected.push_back(w->objectName().toStdString());
      if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
      return;
    }
    Answer answer = std::move(answers_.front());
    answers_.pop_front();
    answer(*w);
  }

  QTimer timer_;
  std::deque<Answer> answers_;
  QPointer<QWidget> last_;
};

}  // namespace kv40::test
