// The demonstration's stepping dialog.
#include "gui/app/animation_dialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/model/place_dialog.h"

namespace kv40::app {

AnimationDialog::AnimationDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm_animation");
  setWindowTitle("Animation");
  // a small window that stays above the pictures, the report and the table
  setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setModal(false);
  step_ = new QLabel(this);
  step_->setObjectName("Label_step");
  caption_ = new QLabel(this);
  caption_->setObjectName("Label_caption");
  caption_->setWordWrap(true);
  caption_->setMinimumWidth(420);
  next_ = model::gui::NamedButton(this, "Button_next", "+");
  next_->setDefault(true);
  next_->setToolTip("nächster Schritt");
  run_ = model::gui::NamedButton(this, "Button_run", "++");
  run_->setToolTip("die restlichen Schritte laufen von selbst");
  connect(next_, &QPushButton::clicked, this, [this] { Next(); });
  connect(run_, &QPushButton::clicked, this, [this] { Run(); });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(next_);
  buttons->addWidget(run_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(step_);
  layout->addWidget(caption_);
  layout->addLayout(buttons);
}

bool AnimationDialog::Step(const QString& caption, int i, int n, int pauseMs) {
  if (closed_) return false;
  ShowStep(caption, i, n);
  if (running_) QTimer::singleShot(pauseMs, &wait_, &QEventLoop::quit);
  wait_.exec();
  return !closed_;
}

void AnimationDialog::ShowStep(const QString& caption, int i, int n) {
  step_->setText(QString("Schritt %1 von %2").arg(i).arg(n));
  caption_->setText(caption);
  if (!isVisible() && !closed_) {
    adjustSize();
    if (QWidget* main = parentWidget()) {
      const QRect r = main->geometry();
      move(r.right() - width() - 40, r.bottom() - height() - 60);
    }
    show();
  }
  raise();
}

bool AnimationDialog::Pause(int ms) {
  if (closed_) return false;
  // a loop of its own: "+" quits only the wait for the next step
  QEventLoop pause;
  QTimer::singleShot(ms, &pause, &QEventLoop::quit);
  pause.exec();
  return !closed_;
}

void AnimationDialog::Next() {
  wait_.quit();
}

void AnimationDialog::Run() {
  running_ = true;
  next_->setEnabled(false);
  run_->setEnabled(false);
  wait_.quit();
}

void AnimationDialog::reject() {
  closed_ = true;
  wait_.quit();
  QDialog::reject();
}

void AnimationDialog::closeEvent(QCloseEvent* event) {
  closed_ = true;
  wait_.quit();
  QDialog::closeEvent(event);
}

}  // namespace kv40::app
