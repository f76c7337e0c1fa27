// The stepping dialog "Animation": "+" gives the next step, "++" lets the rest run on its own,
// closing it ends the presentation.
#include "gui/app/animation_dialog.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "gui/app/shell_dialog_script.h"

namespace kv40::app {
namespace {

// Presses the named button of the dialog once the event loop runs.
void PressSoon(AnimationDialog& d, const char* name) {
  QTimer::singleShot(20, &d, [&d, name] {
    if (auto* b = d.findChild<QPushButton*>(name)) b->click();
  });
}

TEST(AnimationDialog, StepRunClose) {
  test::GuiApp();
  AnimationDialog d(nullptr);
  EXPECT_EQ(d.windowTitle().toStdString(), "Animation");
  EXPECT_EQ(d.findChild<QPushButton*>("Button_next")->text().toStdString(), "+");
  EXPECT_EQ(d.findChild<QPushButton*>("Button_run")->text().toStdString(), "++");

  PressSoon(d, "Button_next");
  EXPECT_TRUE(d.Step("erster Schritt", 1, 3, 60000));
  EXPECT_EQ(d.findChild<QLabel*>("Label_step")->text().toStdString(), "Schritt 1 von 3");
  EXPECT_EQ(d.findChild<QLabel*>("Label_caption")->text().toStdString(), "erster Schritt");
  EXPECT_FALSE(d.running());

  PressSoon(d, "Button_run");
  EXPECT_TRUE(d.Step("zweiter Schritt", 2, 3, 60000));
  EXPECT_TRUE(d.running());
  // on its own: the step waits its pause, no button needed
  QElapsedTimer clock;
  clock.start();
  EXPECT_TRUE(d.Step("dritter Schritt", 3, 3, 50));
  EXPECT_GE(clock.elapsed(), 45);
  EXPECT_LT(clock.elapsed(), 5000);

  QTimer::singleShot(20, &d, [&d] { d.close(); });
  EXPECT_FALSE(d.Step("nach dem Schließen", 4, 4, 60000));
  EXPECT_FALSE(d.Step("danach", 5, 5, 10)) << "a closed dialog ends every further step";
}

// The frames of a moving picture: a pause waits its time even while the user steps with "+",
// and ends at once, false, when the dialog is closed.
TEST(AnimationDialog, PauseBetweenFrames) {
  test::GuiApp();
  AnimationDialog d(nullptr);
  d.ShowStep("der Eingriff", 2, 5);
  EXPECT_TRUE(d.isVisible());
  EXPECT_EQ(d.findChild<QLabel*>("Label_step")->text().toStdString(), "Schritt 2 von 5");
  EXPECT_EQ(d.findChild<QLabel*>("Label_caption")->text().toStdString(), "der Eingriff");
  PressSoon(d, "Button_next");
  QElapsedTimer clock;
  clock.start();
  EXPECT_TRUE(d.Pause(120));
  EXPECT_GE(clock.elapsed(), 110) << "\"+\" does not cut a frame short";
  QTimer::singleShot(20, &d, [&d] { d.close(); });
  EXPECT_FALSE(d.Pause(100));
  EXPECT_FALSE(d.Pause(10));
}

}  // namespace
}  // namespace kv40::app
