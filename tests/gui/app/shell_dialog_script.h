// Answers the modal dialogs a command opens, one after another, as the user would; a dialog
// nobody expected is recorded and cancelled so that a failing test never hangs.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
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
    if (w == nullptr) return;
    if (w == last_) {
      // an answer that did not close its dialog: recorded, and the dialog closed
      if (answeredAt_.isValid() && answeredAt_.elapsed() > kStuckMs) {
        unexpected.push_back("still open: " + w->objectName().toStdString());
        answeredAt_.invalidate();
        if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
      }
      return;
    }
    last_ = w;
    answeredAt_.invalidate();
    shown.push_back(w->objectName().toStdString());
    if (answers_.empty()) {
      unexpected.push_back(w->objectName().toStdString());
      if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
      return;
    }
    // Answered from a timer of its own: an answer that opens another dialog (a help button)
    // runs a nested event loop in which this poll must go on.
    QPointer<QWidget> dialog = w;
    QTimer::singleShot(0, &timer_, [this, dialog, answer = std::move(answers_.front())] {
      if (!dialog) return;
      answeredAt_.start();
      answer(*dialog);
    });
    answers_.pop_front();
  }

  static constexpr qint64 kStuckMs = 10000;
  QTimer timer_;
  QElapsedTimer answeredAt_;
  std::deque<Answer> answers_;
  QPointer<QWidget> last_;
};

}  // namespace kv40::test
