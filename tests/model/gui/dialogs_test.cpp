// The input dialogs through their real widgets, without a display: what OK stores, what
// Abbrechen leaves alone, unit toggles, the "<" proposals and the live recalculations.
#include <functional>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include <gtest/gtest.h>

#include "calc/driver.h"
#include "model/gui/input_dialogs.h"
#include "model/spec_fields.h"
#include "support/test_program.h"

namespace kv40::model::gui {
namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "kv40test";
  static char* argv[] = {name, nullptr};
  // Never destroyed: the keyboard device of the typed keys would outlive it at exit.
  static auto* app = new QApplication(argc, argv);
  return *app;
}

// Opens a dialog with open() and runs act on it as soon as it shows; a dialog that act left
// open is cancelled, so that a failing check never hangs the test.
void WithDialog(const std::function<void()>& open, const std::function<void(QDialog&)>& act) {
  App();
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
T* Find(QDialog& d, const char* name) {
  T* w = d.findChild<T*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

// Replaces the field's text by typing, as the user does (select all, then the keys).
void Type(QDialog& d, const char* name, const QString& text) {
  auto* edit = Find<QLineEdit>(d, name);
  if (edit == nullptr) return;
  edit->setFocus();
  edit->selectAll();
  QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
  QApplication::sendEvent(edit, &del);
  for (const QChar c : text) {
    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(edit, &key);
  }
}

std::string Text(QDialog& d, const char* name) {
  if (auto* edit = d.findChild<QLineEdit*>(name)) return edit->text().toStdString();
  if (auto* label = d.findChild<QLabel*>(name)) return label->text().toStdString();
  ADD_FAILURE() << "no text control " << name;
  return {};
}

void Click(QDialog& d, const char* name) {
  if (auto* b = Find<QAbstractButton>(d, name)) b->click();
}

// A calculated connection 50 x 2 x 24 with face widths, load and materials.
void Calculated(Program& p) {
  auto& s = p.spec;
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
  calc::RecalcAll(p);
  ASSERT_FALSE(s.log.fatal);
}

// Names of the state fields in which a and b differ (NaN equals NaN).
std::vector<std::string> Differences(const SpecState& a, const SpecState& b) {
  std::vector<std::string> names;
  VisitSpecFields(a, [&](const char* name, const auto& fa) {
    using Field = std::decay_t<decltype(fa)>;
    const auto offset = reinterpret_cast<const char*>(&fa) - reinterpret_cast<const char*>(&a);
    const auto& fb = *reinterpret_cast<const Field*>(reinterpret_cast<const char*>(&b) + offset);
    bool same = true;
    if constexpr (std::is_same_v<Field, report::MessageLog>) {
      same =
          fa.messageCount == fb.messageCount && fa.messages == fb.messages && fa.fatal == fb.fatal;
    } else {
      same = fa == fb;
    }
    if constexpr (std::is_floating_point_v<Field>) same = same || (fa != fa && fb != fb);
    if (!same) names.emplace_back(name);
  });
  return names;
}

TEST(InputDialogs, OkStoresTheEntryAndKeepsEverythingElseAbbrechenStoresNothing) {
  struct Case {
    const char* name;
    std::function<void(Program&)> open;
    const char* edit;
    const char* typed;
    std::vector<std::string> changed;  // fields that OK changes
    std::function<void(const SpecState&)> check;
  };
  const Case cases[] = {
      {"text",
       [](Program& p) { EditText(p, nullptr); },
       "Edit_zeichname21",
       "Welle Nr. 7",
       {"zname2"},
       [](const SpecState& s) { EXPECT_EQ(s.zname2[1], "Welle Nr. 7"); }},
      {"dimensions",
       [](Program& p) { EditDimensions(p, nullptr); },
       "Edit_d2",
       "46,5",
       {"d2"},
       [](const SpecState& s) { EXPECT_EQ(s.d2, 46.5L); }},
      {"measurement",
       [](Program& p) { EditMeasurement(p, nullptr); },
       "Edit_dm2",
       "3.75",
       {"DM"},
       [](const SpecState& s) { EXPECT_EQ(s.DM[2], 3.75L); }},
      {"material",
       [](Program& p) { EditMaterial(p, nullptr); },
       "Edit_Name1",
       "42CrMo4",
       {"matname"},
       [](const SpecState& s) { EXPECT_EQ(s.matname[1], "42CrMo4"); }},
      {"load",
       [](Program& p) { EditLoad(p, nullptr); },
       "Edit_tmax",
       "1500",
       {"Tmax"},
       [](const SpecState& s) { EXPECT_EQ(s.Tmax, 1500); }},
      {"tooth profile",
       [](Program& p) { EditToothProfileOptions(p, 2, nullptr); },
       "Edit_xe",
       "0.123456789",
       {"xem", "xemean"},
       [](const SpecState& s) {
         EXPECT_NEAR(static_cast<double>(s.xem[2]), 0.123456789, 1e-12);
         EXPECT_EQ(s.xemean[2], s.xem[2]);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (const bool ok : {true, false}) {
      SCOPED_TRACE(ok ? "OK" : "Abbrechen");
      test::TestProgram t;
      Calculated(t.p);
      const SpecState before = t.p.spec;
      t.p.cancel = ok;  // OK clears the flag, Abbrechen sets it
      WithDialog([&] { c.open(t.p); },
                 [&](QDialog& d) {
                   Type(d, c.edit, c.typed);
                   Click(d, ok ? "Button_ok" : "Button_cancel");
                 });
      EXPECT_EQ(t.p.cancel, !ok);
      EXPECT_EQ(Differences(before, t.p.spec), ok ? c.changed : std::vector<std::string>{});
      if (ok) c.check(t.p.spec);
    }
  }
}

TEST(InputDialogs, UnitTogglesShowInchAndNeverChangeStoredValues) {
  struct Case {
    const char* name;
    std::function<void(Program&)> open;
    const char* toggle;
    const char* edit;
    const char* metric;  // the field's text in mm, N/mm2, N m
    const char* inch;    // and in inch, psi, lbf in
  };
  const Case cases[] = {
      {"dimensions", [](Program& p) { EditDimensions(p, nullptr); }, "Button_metric", "Edit_d1",
       "50.4", "1.9843"},
      {"measurement", [](Program& p) { EditMeasurement(p, nullptr); }, "Button_mm", "Edit_dm1",
       "4.123", "0.1623"},
      {"material", [](Program& p) { EditMaterial(p, nullptr); }, "Button_metric", "Edit_Re1",
       "1050", "152289"},
      {"load", [](Program& p) { EditLoad(p, nullptr); }, "Button_metric", "Edit_tnenn", "800.1",
       "7082"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (const int toggles : {1, 2}) {
      SCOPED_TRACE(toggles);
      test::TestProgram t;
      Calculated(t.p);
      t.p.spec.DM[1] = 4.123456789L;  // more digits than any field shows
      t.p.spec.TN = 800.123456789L;
      t.p.spec.b[1] = 12.3456789L;
      t.p.spec.fS[1] = 1.23456789L;
      const SpecState before = t.p.spec;
      WithDialog([&] { c.open(t.p); },
                 [&](QDialog& d) {
                   EXPECT_EQ(Text(d, c.edit), c.metric);
                   Click(d, c.toggle);
                   EXPECT_EQ(Text(d, c.edit), c.inch);
                   if (toggles == 2) {
                     Click(d, c.toggle);
                     EXPECT_EQ(Text(d, c.edit), c.metric);
                   }
                   Click(d, "Button_ok");
                 });
      EXPECT_EQ(t.p.inchUnits(), toggles == 1 ? 1 : 0);
      EXPECT_EQ(Differences(before, t.p.spec), std::vector<std::string>{});
    }
  }
}

}  // namespace
}  // namespace kv40::model::gui
