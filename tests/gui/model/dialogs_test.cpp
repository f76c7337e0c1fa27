// The input dialogs through their real widgets, without a display: what OK stores, what
// Abbrechen leaves alone, unit toggles, help buttons and hints.
#include <cmath>
#include <functional>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <gtest/gtest.h>

#include "gui/model/dialog_driver.h"
#include "gui/model/input_dialogs.h"
#include "model/spec_fields.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::model::gui {
namespace {

using namespace test_driver;

// Names of the state fields in which a and b differ (NaN equals NaN).
std::vector<std::string> Differences(const SpecState& a, const SpecState& b) {
  std::vector<std::string> names;
  VisitSpecFields(a, [&](const char* name, const auto& fa) {
    using Field = std::decay_t<decltype(fa)>;
    const auto offset = reinterpret_cast<const char*>(&fa) - reinterpret_cast<const char*>(&a);
    const auto& fb = *reinterpret_cast<const Field*>(reinterpret_cast<const char*>(&b) + offset);
    bool same = true;
    if constexpr (std::is_same_v<Field, model::MessageLog>) {
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

TEST(InputDialogs, OkStoresTheEntryAndKeepsTheRestAbbrechenAndEscStoreNothing) {
  struct Case {
    const char* name;
    std::function<void(app::Program&)> open;
    const char* edit;
    const char* typed;
    std::vector<std::string> changed;  // fields that OK changes
    std::function<void(const SpecState&)> check;
  };
  const Case cases[] = {
      {"text",
       [](app::Program& p) { EditText(p, nullptr); },
       "Edit_zeichname21",
       "Welle Nr. 7",
       {"zname2"},
       [](const SpecState& s) { EXPECT_EQ(s.zname2[1], "Welle Nr. 7"); }},
      {"dimensions",
       [](app::Program& p) { EditDimensions(p, nullptr); },
       "Edit_d2",
       "46,5",
       {"d2"},
       [](const SpecState& s) { EXPECT_EQ(s.d2, 46.5L); }},
      {"measurement",
       [](app::Program& p) { EditMeasurement(p, nullptr); },
       "Edit_dm2",
       "3.75",
       {"DM"},
       [](const SpecState& s) { EXPECT_EQ(s.DM[2], 3.75L); }},
      {"material",
       [](app::Program& p) { EditMaterial(p, nullptr); },
       "Edit_Name1",
       "42CrMo4",
       {"matname"},
       [](const SpecState& s) { EXPECT_EQ(s.matname[1], "42CrMo4"); }},
      {"load",
       [](app::Program& p) { EditLoad(p, nullptr); },
       "Edit_tmax",
       "1500",
       {"Tmax"},
       [](const SpecState& s) { EXPECT_EQ(s.Tmax, 1500); }},
      {"tooth profile",
       [](app::Program& p) { EditToothProfileOptions(p, 2, nullptr); },
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
    for (const char* close : {"Button_ok", "Button_cancel", "Esc"}) {
      SCOPED_TRACE(close);
      const bool ok = std::string(close) == "Button_ok";
      test::TestProgram t;
      Calculated(t.p);
      // more digits than the fields show: an untouched field must give back the whole value
      t.p.connection.d3 = 49.6123456789L;
      t.p.connection.DM[1] = 4.123456789L;
      t.p.connection.Tmax = 1200.123456789L;
      t.p.connection.fS[1] = 1.23456789L;
      t.p.connection.xem[1] = 0.123456789123L;
      const SpecState before = t.p.connection;
      t.p.cancel = ok;  // OK clears the flag, Abbrechen sets it
      WithDialog([&] { c.open(t.p); },
                 [&](QDialog& d) {
                   Type(d, c.edit, c.typed);
                   if (std::string(close) == "Esc") {
                     QKeyEvent esc = KeyPress(Qt::Key_Escape);
                     QApplication::sendEvent(d.focusWidget() != nullptr ? d.focusWidget() : &d,
                                             &esc);
                     EXPECT_FALSE(d.isVisible());
                   } else {
                     Click(d, close);
                   }
                 });
      EXPECT_EQ(t.p.cancel, !ok);
      EXPECT_EQ(Differences(before, t.p.connection), ok ? c.changed : std::vector<std::string>{});
      if (ok) c.check(t.p.connection);
    }
  }
}

TEST(InputDialogs, OkRefusesFieldsWithoutANumberOrOutOfRangeNamingThem) {
  struct Case {
    const char* name;
    std::function<void(app::Program&)> open;
    const char* edit;
    const char* typed;
    std::string message;
  };
  const Case cases[] = {
      {"letters for a diameter", [](app::Program& p) { EditDimensions(p, nullptr); }, "Edit_d1",
       "abc", "Fußkreisdurchmesser Nabe d1: Ungültige Eingabe \"abc\" !"},
      {"an empty tooth count", [](app::Program& p) { EditDimensions(p, nullptr); }, "Edit_z", "",
       "Zähnezahl z: Ungültige Eingabe \"\" !"},
      {"a tooth count with decimals", [](app::Program& p) { EditDimensions(p, nullptr); }, "Edit_z",
       "24.5", "Zähnezahl z: Ungültige Eingabe \"24.5\" !"},
      {"a billion teeth", [](app::Program& p) { EditDimensions(p, nullptr); }, "Edit_z",
       "1000000000", "Zähnezahl z: Gültiger Wertebereich: 2 .. 1000 !"},
      {"a diameter beyond the ISO table", [](app::Program& p) { EditDimensions(p, nullptr); },
       "Edit_d3", "3151", "Kopfkreisdurchmesser Welle d3: Gültiger Wertebereich: 1 .. 3150 !"},
      {"a measuring ball in words", [](app::Program& p) { EditMeasurement(p, nullptr); },
       "Edit_dm2", "drei", "Kugel-und Rollendurchmesser DM Nabe: Ungültige Eingabe \"drei\" !"},
      {"no application factor", [](app::Program& p) { EditLoad(p, nullptr); }, "Edit_ka", "0",
       "Anwendungsfaktor KA: Gültiger Wertebereich: 0.1 .. 10 !"},
      {"a negative peak torque", [](app::Program& p) { EditLoad(p, nullptr); }, "Edit_tmax", "-5",
       "Maximales Drehmoment Tmax: Gültiger Wertebereich: 0.001 .. 10000000 !"},
      {"no hub strength", [](app::Program& p) { EditMaterial(p, nullptr); }, "Edit_re2", "x",
       "Streckgrenze Re Nabe: Ungültige Eingabe \"x\" !"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestProgram t;
    Calculated(t.p);
    const SpecState before = t.p.connection;
    WithDialog([&] { c.open(t.p); },
               [&](QDialog& d) {
                 const std::string shown = Text(d, c.edit);
                 Type(d, c.edit, c.typed);
                 Click(d, "Button_ok");
                 // refused: the dialog stays, the field shows what it held, the user is told
                 EXPECT_TRUE(d.isVisible());
                 EXPECT_EQ(Text(d, c.edit), shown);
                 EXPECT_EQ(t.ui.MessageTexts(), std::vector<std::string>{c.message});
                 Click(d, "Button_ok");  // the previous value is good
                 EXPECT_FALSE(d.isVisible());
               });
    EXPECT_FALSE(t.p.cancel);
    EXPECT_TRUE(Differences(before, t.p.connection).empty());
  }
}

TEST(InputDialogs, UnitTogglesShowInchAndNeverChangeStoredValues) {
  struct Case {
    const char* name;
    std::function<void(app::Program&)> open;
    const char* toggle;
    const char* edit;
    const char* metric;  // the field's text in mm, N/mm2, N m
    const char* inch;    // and in inch, psi, lbf in
  };
  const Case cases[] = {
      {"dimensions", [](app::Program& p) { EditDimensions(p, nullptr); }, "Button_metric",
       "Edit_d1", "50.4", "1.9843"},
      {"measurement", [](app::Program& p) { EditMeasurement(p, nullptr); }, "Button_mm", "Edit_dm1",
       "4.123", "0.1623"},
      {"material", [](app::Program& p) { EditMaterial(p, nullptr); }, "Button_metric", "Edit_Re1",
       "1050", "152289"},
      {"load", [](app::Program& p) { EditLoad(p, nullptr); }, "Button_metric", "Edit_tnenn",
       "800.1", "7082"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (const int toggles : {1, 2}) {
      SCOPED_TRACE(toggles);
      test::TestProgram t;
      Calculated(t.p);
      t.p.connection.DM[1] = 4.123456789L;  // more digits than any field shows
      t.p.connection.TN = 800.123456789L;
      t.p.connection.b[1] = 12.3456789L;
      t.p.connection.fS[1] = 1.23456789L;
      const SpecState before = t.p.connection;
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
      EXPECT_EQ(Differences(before, t.p.connection), std::vector<std::string>{});
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

TEST(InputDialogs, LabelsShowTheirHelpTextAsHintWhenTheHelpLevelIsOn) {
  test::TempDir dir;
  test::WriteBytes(dir / "kv40.hlp", "5150\r\nDurchmesser d1\r\n5155\r\nd2\r\n");
  for (const int level : {1, 0}) {
    SCOPED_TRACE(level);
    test::TestProgram t;
    t.p.config.pltDir = dir.path().string();
    t.p.config.helpLevel = level;
    WithDialog([&] { EditDimensions(t.p, nullptr); },
               [&](QDialog& d) {
                 const auto* edit = Find<QLineEdit>(d, "Edit_d1");
                 EXPECT_EQ(edit->toolTip().toStdString(), level ? "Durchmesser d1    " : "");
               });
  }
}

}  // namespace
}  // namespace kv40::model::gui
