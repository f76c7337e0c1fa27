// The stepping dialog "Animation" of the demonstration: the caption of the step shown, "+" for
// the next step and "++" to stop stepping and let the remaining steps run on their own.
#pragma once

#include <QDialog>
#include <QEventLoop>

class QLabel;
class QPushButton;

namespace kv40::app {

class AnimationDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit AnimationDialog(QWidget* parent);

  // Shows step i of n and waits for "+" (or "++"), or, once "++" was pressed, for pauseMs.
  // False when the dialog was closed: the presentation ends.
  bool Step(const QString& caption, int i, int n, int pauseMs);
  // Shows step i of n without waiting (the dialog appears with the first step).
  void ShowStep(const QString& caption, int i, int n);
  // Lets the window run for ms, whatever the buttons say. False when the dialog was closed.
  bool Pause(int ms);
  bool running() const { return running_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void Next();
  void Run();

  QLabel* step_ = nullptr;
  QLabel* caption_ = nullptr;
  QPushButton* next_ = nullptr;
  QPushButton* run_ = nullptr;
  QEventLoop wait_;
  bool running_ = false;
  bool closed_ = false;
};

}  // namespace kv40::app
