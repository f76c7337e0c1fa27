// What each input dialog does inside: the "<" proposals, the source selection of the
// dimensions, the live recalculation of tolerances, plim and the derived load values.
#include <cmath>
#include <functional>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <gtest/gtest.h>

#include "base/format.h"
#include "calc/measure.h"
#include "gui/model/dialog_driver.h"
#include "gui/model/input_dialogs.h"
#include "support/scripted_browser.h"
#include "support/temp_dir.h"
#include "support/test_program.h"
#include "tables/dbf_table.h"

namespace kv40::model::gui {
namespace {

using namespace test_driver;

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
  Calculated(t.p);  // a block that OK accepts once its fields are open
  t.p.connection.abm = 1;
  WithDialog([&] { EditDimensions(t.p, nullptr); },
             [&](QDialog& d) {
               EXPECT_EQ(d.windowTitle().toStdString(), "KV40 - Abmessungen");
               for (const char* name : {"Edit_d1", "Edit_z", "Edit_alpha", "Button_z", "Button_d3"})
                 EXPECT_FALSE(Enabled(d, name)) << name;
               EXPECT_TRUE(Enabled(d, "Edit_b1"));
               EXPECT_TRUE(Enabled(d, "Button_db"));
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
  EXPECT_EQ(t.p.connection.abm, 2);
}

TEST(ToleranceDialog, RecalculatesWhileChoosingAndKeepsTheChoiceOnAbbrechen) {
  test::TestProgram t;
  Calculated(t.p);  // 9h / 10H: no deviation of the shaft
  WithDialog([&] { EditTolerances(t.p, nullptr); },
             [&](QDialog& d) {
               EXPECT_EQ(Text(d, "Label_asne1"), "Ase1 = 0 mm");
               ChooseWithKeys(d, "ComboBox_tolfeld1", 5);   // "f"
               ChooseWithKeys(d, "ComboBox_tolreihe1", 4);  // "8"
               EXPECT_EQ(t.p.connection.tolfeld[1], 6);
               EXPECT_EQ(t.p.connection.tolreihe[1], 5);
               EXPECT_LT(t.p.connection.Ase[1], 0);
               EXPECT_EQ(
                   Text(d, "Label_asne1"),
                   "Ase1 = " + base::FormatLengthSig(t.p.fmt(), t.p.connection.Ase[1]) + " mm");
               EXPECT_EQ(Text(d, "Label_jtmin").rfind("jt min = ", 0), 0u);
               Click(d, "Button_cancel");
             });
  EXPECT_TRUE(t.p.cancel);
  EXPECT_EQ(t.p.connection.tolfeld[1], 6);
  EXPECT_EQ(t.p.connection.bez[1], "B 50.4 x 46 DIN 5482");  // a complete calculation ran

  WithDialog([&] { EditTolerances(t.p, nullptr); },
             [&](QDialog& d) {
               ChooseWithKeys(d, "ComboBox_tolfeld1", 7);   // "h"
               ChooseWithKeys(d, "ComboBox_tolreihe1", 5);  // "9"
               Click(d, "Button_ok");
             });
  EXPECT_EQ(t.p.connection.tolfeld[1], 8);
  EXPECT_EQ(t.p.connection.tolreihe[1], 6);
}

TEST(MeasurementDialog, ArrowButtonsProposeFromTheLastCalculation) {
  test::TestProgram t;
  Calculated(t.p);
  auto& s = t.p.connection;
  const int k1 =
      calc::ProposeK(t.p.connection.log, s.z[1], s.betaRad, s.alphaRad, s.xeminM[1], s.mn);
  const int k2 =
      calc::ProposeK(t.p.connection.log, s.z[2], s.betaRad, s.alphaRad, s.xeminM[2], s.mn);
  ASSERT_GT(k1, 0);
  ASSERT_LT(k2, 0);
  PartPair<Extended> dm;
  for (int i = 1; i <= 2; ++i)
    dm[i] = calc::ProposeDM(t.p.connection.log, t.p.fmt(), s.z[i], s.betaRad, s.alphaRad,
                            s.xeminM[i], s.mn);
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

TEST(MaterialDialog, PlimFollowsTheEntries) {
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
               EXPECT_EQ(lookup->text().toStdString(), "1.7707  Werkstoffdatenbank");
               EXPECT_TRUE(lookup->isEnabled());
               Click(d, "Button_ok");
             });
  EXPECT_EQ(t.p.connection.Re[2], 1050);
  EXPECT_EQ(t.p.connection.fS[2], 1.2L);
}

TEST(MaterialDialog, APickForOnePartKeepsWhatWasTypedForTheOther) {
  test::TestProgram t;
  test::TempDir temp;
  t.p.config.dbfDir = std::string(KV40_SOURCE_DATA_DIR) + "/";  // the shipped tables
  t.p.config.tempDir = temp.path().string() + "/";
  test::ScriptedBrowser browser(t.p);
  browser.action = [](tables::TableSession&, tables::DbfTable& table) {
    for (int rec = 1; rec <= table.RecordCount(); ++rec) {
      if (table.StoredText(rec, 1) == "1.0503") table.GoRecord(rec);  // C45
    }
    return true;
  };
  WithDialog([&] { EditMaterial(t.p, nullptr); },
             [&](QDialog& d) {
               Type(d, "Edit_name2", "Guss X");  // typed, not yet confirmed
               Type(d, "Edit_re2", "777");
               Click(d, "Button1");  // the shaft's material from the table
               EXPECT_EQ(Text(d, "Edit_Name1"), "C45");
               EXPECT_EQ(Text(d, "Edit_Re1"), "490");
               EXPECT_EQ(Text(d, "Edit_name2"), "Guss X");
               EXPECT_EQ(Text(d, "Edit_re2"), "777");
               Click(d, "Button_ok");
             });
  ASSERT_EQ(browser.shown.size(), 1u);
  EXPECT_EQ(t.p.connection.matnr[1], "1.0503");
  EXPECT_EQ(t.p.connection.matname[2], "Guss X");
  EXPECT_EQ(t.p.connection.Re[2], 777);
}

TEST(LoadDialog, DerivesTheChosenValueWhileTyping) {
  test::TestProgram t;
  Calculated(t.p);
  t.p.connection.b0 = 30;
  t.p.connection.dw[1] = 30;
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
  const auto& s = t.p.connection;
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
    const Extended xemin = t.p.connection.xeminM[2];
    WithDialog([&] { EditToothProfileOptions(t.p, 2, nullptr); },
               [&](QDialog& d) {
                 EXPECT_EQ(d.windowTitle().toStdString(), "KV40 CAD Nabe");
                 Click(d, "Button_xemin");
                 EXPECT_EQ(Text(d, "Edit_xe"), base::FormatSigLong(t.p.fmt(), xemin));
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
      EXPECT_EQ(t.p.connection.xem[2], xemin);
      EXPECT_EQ(t.p.connection.xemean[2], xemin);
    }
  }
}

}  // namespace
}  // namespace kv40::model::gui
