// Driving the input dialogs in tests: open one, act on its real widgets, close it.
#pragma once

#include <functional>
#include <string>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QInputDevice>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/program.h"
#include "calc/driver.h"

namespace kv40::model::gui::test_driver {

// The application of the test run and a keyboard of its own for the typed keys. Both go in
// the order Qt needs before the program exits: the keyboard first, then the application
// (Qt's default keyboard would be deleted after the application, and crash).
class GuiEnvironment final : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "kv40test";
    static char* argv[] = {name, nullptr};
    app_ = new QApplication(argc, argv);
    keyboard_ = new QInputDevice("test keyboard", 1, QInputDevice::DeviceType::Keyboard);
  }
  void TearDown() override {
    delete keyboard_;
    delete app_;
  }
  static const QInputDevice* keyboard() { return keyboard_; }

 private:
  static inline QApplication* app_ = nullptr;
  static inline QInputDevice* keyboard_ = nullptr;
};

inline ::testing::Environment* const kGuiEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

inline QKeyEvent KeyPress(int key, const QString& text = {}) {
  return QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, 0, 0, 0, text, false, 1,
                   GuiEnvironment::keyboard());
}

inline void WithDialog(const std::function<void()>& open,
                       const std::function<void(QDialog&)>& act) {
  bool acted = false;
  QTimer timer;
  timer.setInterval(0);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || acted) return;
    acted = true;
    timer.stop();
    act(*dialog);
    if (dialog->isVisible()) dialog->reject();
  });
  timer.start();
  open();
  EXPECT_TRUE(acted) << "no dialog was shown";
}

template <class T>
inline T* Find(QDialog& d, const char* name) {
  T* w = d.findChild<T*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

// Replaces the field's text by typing, as the user does (select all, then the keys).
inline void Type(QDialog& d, const char* name, const QString& text) {
  auto* edit = Find<QLineEdit>(d, name);
  if (edit == nullptr) return;
  edit->setFocus();
  edit->selectAll();
  QKeyEvent del = KeyPress(Qt::Key_Delete);
  QApplication::sendEvent(edit, &del);
  for (const QChar c : text) {
    QKeyEvent key = KeyPress(0, QString(c));
    QApplication::sendEvent(edit, &key);
  }
}

inline std::string Text(QDialog& d, const char* name) {
  if (auto* edit = d.findChild<QLineEdit*>(name)) return edit->text().toStdString();
  if (auto* label = d.findChild<QLabel*>(name)) return label->text().toStdString();
  ADD_FAILURE() << "no text control " << name;
  return {};
}

inline void Click(QDialog& d, const char* name) {
  if (auto* b = Find<QAbstractButton>(d, name)) b->click();
}

// A calculated connection 50 x 2 x 24 with face widths, load and materials.
inline void Calculated(app::Program& p) {
  auto& s = p.connection;
  s.z5482 = 24;
  s.mn5482 = 2;
  s.xm = -0.1L;
  s.d1 = 50.4L;
  s.d2 = 46;
  s.d3 = 49.6L;
  s.d4 = 45.2L;
  s.abm = 2;
  s.b[1] = 40;
  s.b[2] = 40;
  s.b0 = 30;
  s.TN = 800;
  s.Tmax = 1200;
  s.DM[1] = 4.0L;
  s.DM[2] = 3.5L;
  calc::RecalcAll(p.connection, p.fmt(), p.cancel);
  ASSERT_FALSE(s.log.fatal);
}

inline bool Enabled(QDialog& d, const char* name) {
  auto* w = Find<QWidget>(d, name);
  return w != nullptr && w->isEnabled();
}

// Chooses item index in a combo box with the keyboard, as the user does.
inline void ChooseWithKeys(QDialog& d, const char* name, int index) {
  auto* combo = Find<QComboBox>(d, name);
  if (combo == nullptr) return;
  combo->setFocus();
  const Qt::Key key = index > combo->currentIndex() ? Qt::Key_Down : Qt::Key_Up;
  while (combo->currentIndex() != index) {
    const int before = combo->currentIndex();
    QKeyEvent press = KeyPress(key);
    QApplication::sendEvent(combo, &press);
    if (combo->currentIndex() == before) break;
  }
}

}  // namespace kv40::model::gui::test_driver
