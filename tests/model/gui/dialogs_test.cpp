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
#include "calc/measure.h"
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

bool Enabled(QDialog& d, const char* name) {
  auto* w = Find<QWidget>(d, name);
  return w != nullptr && w->isEnabled();
}

TEST(DimensionDialog, ArrowButtonsProposeFromTheEnteredDiameters) {
  struct Case {
    const char* name;
    int inch;
    std::vector<std::pair<const char*, const char*>> typed;
    const char* button;
    std::vector<std::pair<const char*, const char*>> shown;
  };
  const Case cases[] = {
      {"z from d1, d2 and mn",
       0,
       {{"Edit_d1", "25"}, {"Edit_d2", "22"}, {"Edit_mn", "1.25"}},
       "Button_z",
       {{"Edit_z", "19"}}},
      {"z in inch divides the same",
       1,
       {{"Edit_d1", "1"}, {"Edit_d2", "0.8"}, {"Edit_mn", "0.1"}},
       "Button_z",
       {{"Edit_z", "9"}}},
      {"b1 = 1.2 d1", 0, {{"Edit_d1", "12.5"}}, "Button_b1", {{"Edit_b1", "15"}}},
      {"b1 rounded in mm, shown in inch",
       1,
       {{"Edit_d1", "1"}},
       "Button_b1",
       {{"Edit_b1", "1.1811"}}},  // 30.48 -> 30 mm
      {"b2 from b1", 0, {{"Edit_b1", "33.3"}}, "Button_b2", {{"Edit_b2", "33.3"}}},
      {"b0 the smaller width",
       0,
       {{"Edit_b1", "33"}, {"Edit_b2", "31"}},
       "Button_b12",
       {{"Edit_b12", "31"}}},
      {"all three widths",
       0,
       {{"Edit_d1", "12.5"}},
       "Button_b123",
       {{"Edit_b1", "15"}, {"Edit_b2", "15"}, {"Edit_b12", "15"}}},
      {"d3 half a millimetre below d1",
       1,
       {{"Edit_d1", "1"}},
       "Button_d3",
       {{"Edit_d3", "0.9803"}}},
      {"d4 below d2", 0, {{"Edit_d2", "46"}}, "Button_d4", {{"Edit_d4", "45.5"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestProgram t;
    Calculated(t.p);
    t.p.config.fmt.inchUnits = c.inch;
    WithDialog([&] { EditDimensions(t.p, nullptr); },
               [&](QDialog& d) {
                 for (const auto& [edit, text] : c.typed)
                   Type(d, edit, text);
                 Click(d, c.button);
                 for (const auto& [edit, text] : c.shown)
                   EXPECT_EQ(Text(d, edit), text) << edit;
               });
  }
}

TEST(DimensionDialog, TheTableAsSourceClosesTheBlockFields) {
  test::TestProgram t;
  t.p.spec.abm = 1;
  WithDialog([&] { EditDimensions(t.p, nullptr); },
             [&](QDialog& d) {
               EXPECT_EQ(d.windowTitle().toStdString(), "KV40 - Abmessungen");
               for (const char* name : {"Edit_d1", "Edit_z", "Edit_alpha", "Button_z", "Button_d3"})
                 EXPECT_FALSE(Enabled(d, name)) << name;
               EXPECT_TRUE(Enabled(d, "Edit_b1"));
               EXPECT_FALSE(Enabled(d, "Button_db"));  // no DIN 5482 table yet
               const auto radios = d.findChildren<QRadioButton*>();
               ASSERT_EQ(radios.size(), 2);
               QRadioButton* selfDefined = radios[1];
               EXPECT_EQ(selfDefined->text().toStdString(), "self-defined");
               selfDefined->click();
               EXPECT_TRUE(Enabled(d, "Edit_d1"));
               EXPECT_TRUE(Enabled(d, "Button_z"));
               EXPECT_FALSE(Enabled(d, "Button_db"));
               Click(d, "Button_ok");
             });
  EXPECT_EQ(t.p.spec.abm, 2);
}

// Chooses item index in a combo box with the keyboard, as the user does.
void ChooseWithKeys(QDialog& d, const char* name, int index) {
  auto* combo = Find<QComboBox>(d, name);
  if (combo == nullptr) return;
  combo->setFocus();
  const Qt::Key key = index > combo->currentIndex() ? Qt::Key_Down : Qt::Key_Up;
  while (combo->currentIndex() != index) {
    const int before = combo->currentIndex();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(combo, &press);
    if (combo->currentIndex() == before) break;
  }
}

TEST(ToleranceDialog, RecalculatesWhileChoosingAndKeepsTheChoiceOnAbbrechen) {
  test::TestProgram t;
  Calculated(t.p);  // 9h / 10H: no deviation of the shaft
  WithDialog([&] { EditTolerances(t.p, nullptr); },
             [&](QDialog& d) {
               EXPECT_EQ(Text(d, "Label_asne1"), "Ase1 = 0 mm");
               ChooseWithKeys(d, "ComboBox_tolfeld1", 5);   // "f"
               ChooseWithKeys(d, "ComboBox_tolreihe1", 4);  // "8"
               EXPECT_EQ(t.p.spec.tolfeld[1], 6);
               EXPECT_EQ(t.p.spec.tolreihe[1], 5);
               EXPECT_LT(t.p.spec.Ase[1], 0);
               EXPECT_EQ(Text(d, "Label_asne1"),
                         "Ase1 = " + report::FormatLengthSig(t.p.fmt(), t.p.spec.Ase[1]) + " mm");
               EXPECT_EQ(Text(d, "Label_jtmin").rfind("jt min = ", 0), 0u);
               Click(d, "Button_cancel");
             });
  EXPECT_TRUE(t.p.cancel);
  EXPECT_EQ(t.p.spec.tolfeld[1], 6);
  EXPECT_EQ(t.p.spec.bez[1], "B 50.4 x 46 DIN 5482");  // a complete calculation ran

  WithDialog([&] { EditTolerances(t.p, nullptr); },
             [&](QDialog& d) {
               ChooseWithKeys(d, "ComboBox_tolfeld1", 7);   // "h"
               ChooseWithKeys(d, "ComboBox_tolreihe1", 5);  // "9"
               Click(d, "Button_ok");
             });
  EXPECT_EQ(t.p.spec.tolfeld[1], 8);
  EXPECT_EQ(t.p.spec.tolreihe[1], 6);
}

TEST(MeasurementDialog, ArrowButtonsProposeFromTheLastCalculation) {
  test::TestProgram t;
  Calculated(t.p);
  auto& s = t.p.spec;
  const int k1 = calc::ProposeK(t.p, s.z[1], s.betaRad, s.alphaRad, s.xeminM[1], s.mn);
  const int k2 = calc::ProposeK(t.p, s.z[2], s.betaRad, s.alphaRad, s.xeminM[2], s.mn);
  ASSERT_GT(k1, 0);
  ASSERT_LT(k2, 0);
  PartPair<Extended> dm;
  for (int i = 1; i <= 2; ++i)
    dm[i] = calc::ProposeDM(t.p, s.z[i], s.betaRad, s.alphaRad, s.xeminM[i], s.mn);
  ASSERT_NE(dm[1], calc::kNoProposal);
  s.DM = Pair<Extended>(9, 9);
  s.k = Pair(99, 99);
  WithDialog([&] { EditMeasurement(t.p, nullptr); },
             [&](QDialog& d) {
               EXPECT_EQ(Text(d, "Edit_k1"), "99");
               Click(d, "Button_k");
               EXPECT_EQ(Text(d, "Edit_k1"), std::to_string(k1));
               EXPECT_EQ(Text(d, "Edit_k2"), std::to_string(k2));
               EXPECT_EQ(s.k, Pair(99, 99));  // nothing stored before OK
               Click(d, "Button_dm");
               Click(d, "Button_ok");
             });
  EXPECT_EQ(s.k, Pair(k1, k2));
  EXPECT_EQ(s.DM, dm);
}

TEST(MaterialDialog, PlimFollowsTheEntriesAndTheTableStaysClosed) {
  test::TestProgram t;
  WithDialog([&] { EditMaterial(t.p, nullptr); },
             [&](QDialog& d) {
               Type(d, "Edit_re2", "1050");
               Type(d, "Edit_fs2", "1,2");
               Type(d, "Edit_fh2", "1.0");
               EXPECT_EQ(Text(d, "Label2"), "plim = Re * fs * fH = 1260 MPa");
               Click(d, "Button_metric");
               EXPECT_EQ(Text(d, "Label2"), "plim = Re * fs * fH = 182747 psi");
               auto* lookup = Find<QPushButton>(d, "Button1");
               EXPECT_EQ(lookup->text().toStdString(), "1.7131  Werkstoffdatenbank");
               EXPECT_FALSE(lookup->isEnabled());
               Click(d, "Button_ok");
             });
  EXPECT_EQ(t.p.spec.Re[2], 1050);
  EXPECT_EQ(t.p.spec.fS[2], 1.2L);
}

TEST(LoadDialog, DerivesTheChosenValueWhileTyping) {
  test::TestProgram t;
  Calculated(t.p);
  t.p.spec.b0 = 30;
  t.p.spec.dw[1] = 30;
  WithDialog([&] { EditLoad(t.p, nullptr); },
             [&](QDialog& d) {
               EXPECT_FALSE(Enabled(d, "Edit_p"));  // P is derived (calcWhat 1)
               Type(d, "Edit_tnenn", "1000");
               Type(d, "Edit_n", "1000");
               EXPECT_EQ(Text(d, "Edit_p"), "104.7");
               auto radios = d.findChildren<QRadioButton*>();
               ASSERT_EQ(radios.size(), 3);
               radios[1]->click();  // derive n
               EXPECT_FALSE(Enabled(d, "Edit_n"));
               EXPECT_TRUE(Enabled(d, "Edit_p"));
               Type(d, "Edit_tnenn", "0");
               Type(d, "Edit_p", "50");
               EXPECT_EQ(Text(d, "Edit_n"), "1000");  // no torque: the speed stays
               radios[2]->click();                    // derive TN
               EXPECT_EQ(Text(d, "Edit_tnenn"), "477.5");
               Click(d, "Button_tmax");
               EXPECT_EQ(Text(d, "Edit_tmax"), "1432");
               Click(d, "Button_klambda");
               EXPECT_EQ(Text(d, "Edit_klambda"), "1.12");
               Type(d, "Edit_ka", "2");
               Click(d, "Button_ka");
               EXPECT_EQ(Text(d, "Edit_ka"), "1.0");
               Click(d, "Button_ok");
             });
  const auto& s = t.p.spec;
  EXPECT_EQ(s.calcWhat, 3);
  EXPECT_EQ(s.P, 50);
  EXPECT_NEAR(static_cast<double>(s.TN), 50.0 * 60000 / (1000 * 2 * M_PI), 1e-9);
  EXPECT_NEAR(static_cast<double>(s.Tmax), 3 * static_cast<double>(s.TN), 1e-9);
  EXPECT_EQ(s.Klambda, 1.12L);
}

TEST(ToothProfileDialog, OffersTheCalculatedShiftsAndKeepsTheDrawingOptions) {
  for (const bool ok : {true, false}) {
    SCOPED_TRACE(ok);
    test::TestProgram t;
    Calculated(t.p);
    const Extended xemin = t.p.spec.xeminM[2];
    WithDialog([&] { EditToothProfileOptions(t.p, 2, nullptr); },
               [&](QDialog& d) {
                 EXPECT_EQ(d.windowTitle().toStdString(), "KV40 CAD Nabe");
                 Click(d, "Button_xemin");
                 EXPECT_EQ(Text(d, "Edit_xe"), report::FormatSigLong(t.p.fmt(), xemin));
                 Find<QSpinBox>(d, "edit_anzevolvpoints")->setValue(40);
                 Click(d, "CheckBox_polyline");
                 Click(d, "CheckBox_durchmesser_anzeigen");
                 Click(d, ok ? "Button_ok" : "Button_cancel");
               });
    const auto& o = t.p.toothForm;
    EXPECT_EQ(o.nInvPoints, ok ? 40 : 20);
    EXPECT_EQ(o.invPolyline, !ok);
    EXPECT_EQ(o.drawDiameters, ok ? 2 : 1);
    EXPECT_TRUE(o.drawTrochoid);
    if (ok) {
      EXPECT_EQ(t.p.spec.xem[2], xemin);
      EXPECT_EQ(t.p.spec.xemean[2], xemin);
    }
  }
}

TEST(InputDialogs, HelpButtonsShowTheDialogsHelpText) {
  test::TestProgram t;
  t.p.config.pltDir = "/nonexistent";
  WithDialog([&] { EditDimensions(t.p, nullptr); },
             [&](QDialog& d) {
               Click(d, "Button_help");
               Click(d, "Button_ok");
             });
  const auto boxes = t.ui.Of(test::PromptKind::MessageBox);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "HILFETEXT Nr.5030");
  EXPECT_EQ(boxes[0].text.rfind("Datei /nonexistent/kv40.hlp nicht gefunden !", 0), 0u);
  EXPECT_FALSE(t.p.cancel);
}

}  // namespace
}  // namespace kv40::model::gui
