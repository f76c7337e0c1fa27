// Texts of the production drawing's tables for the calculated sample connection.
#include "cad/production_tables.h"

#include <gtest/gtest.h>

#include "calc/driver.h"
#include "model/input_file.h"
#include "support/test_program.h"

namespace kv40::cad {
namespace {

using Rows = std::vector<std::vector<std::string>>;

struct Sample {
  test::TestProgram t;
  model::SpecState& s = t.p.connection;
  Sample() {
    EXPECT_TRUE(model::LoadInputFile(t.p, std::string(KV40_SOURCE_DATA_DIR) + "/beispiel1.k40"));
    s.bez5482 = "50x2";  // the sample is self-defined: give it a DIN 5482 size
    calc::RecalcAll(s, t.p.fmt(), t.p.cancel);
  }
  DrawingTable Part(int i) const { return PartDataTable(s, t.p.fmt(), i).value(); }
};

TEST(ProductionTables, ShaftShowsTheSpanAndHubTheDimensionBetweenPins) {
  Sample x;
  const DrawingTable shaft = x.Part(1);
  EXPECT_EQ(shaft.title, std::vector<std::string>{"ZAHNWELLE Zahnwelle 50x2x24"});
  EXPECT_EQ(shaft.rows, (Rows{
                            {"Kopfkreisdurchmesser d3", "49.6", "mm"},
                            {"Fußkreisdurchmesser d4", "45.2", "mm"},
                            {"Modul m", "2", "mm"},
                            {"Eingriffswinkel alpha", "30", "°"},
                            {"Zähnezahl z", "    24", ""},
                            {"Bezugsprofil", "50x2 DIN 5482", ""},
                            {"Profilverschiebung x*m", "-0.1", "mm"},
                            {"Zahnhöhe h", "2.2", "mm"},
                            {"Normalzahndicke sw", "3.026", "mm"},
                            {"Zahndicken-Toleranzfeld", "8f", ""},
                            {"Zahnweite (k=4) W", "21.179", "mm"},
                            {"Zahnweite (k=4) Wmax", "21.160", "mm"},
                            {"Zahnweite (k=4) Wmin", "21.117", "mm"},
                            {"Gegenstück", "KV40-0001-02", ""},
                        }));
  const DrawingTable hub = x.Part(2);
  EXPECT_EQ(hub.title, std::vector<std::string>{"ZAHNNABE Zahnnabe 50x2x24"});
  EXPECT_EQ(hub.rows, (Rows{
                          {"Fußkreisdurchmesser d1", "50.4", "mm"},
                          {"Kopfkreisdurchmesser d2", "46", "mm"},
                          {"Modul m", "2", "mm"},
                          {"Eingriffswinkel alpha", "30", "°"},
                          {"Zähnezahl z", "    24", ""},
                          {"Bezugsprofil", "50x2 DIN 5482", ""},
                          {"Profilverschiebung x*m", "0.1", "mm"},
                          {"Zahnhöhe h", "2.2", "mm"},
                          {"Normallückenweite lw", "3.026", "mm"},
                          {"Lückenweiten-Toleranzfeld", "9H", ""},
                          // an H field starts at the nominal space width: the smallest
                          // dimension between pins is the nominal one, and max lies above it
                          {"Prüfmaß Mi (DM=3.5) nom", "42.621", "mm"},
                          {"Prüfmaß Mi (DM=3.5) max", "42.762", "mm"},
                          {"Prüfmaß Mi (DM=3.5) min", "42.621", "mm"},
                          {"Gegenstück", "KV40-0001-01", ""},
                      }));
}

TEST(ProductionTables, ThePinOptionPutsTheDimensionOverPinsIntoTheShaftTable) {
  Sample x;
  x.s.pinTable = true;
  const Rows rows = x.Part(1).rows;
  ASSERT_EQ(rows.size(), 14u);
  EXPECT_EQ(rows[10][0].rfind("Prüfmaß Mi (DM=", 0), 0u) << rows[10][0];
  EXPECT_EQ(rows[11][0], rows[10][0].substr(0, rows[10][0].size() - 3) + "max");
  // over pins of a shaft the largest tooth gives the largest dimension
  EXPECT_GT(std::stod(rows[11][1]), std::stod(rows[12][1]));
  EXPECT_EQ(rows[13][1], "KV40-0001-02");
}

TEST(ProductionTables, InchUnitsConvertTheLengths) {
  Sample x;
  x.t.p.config.fmt.inchUnits = 1;
  const Rows rows = PartDataTable(x.s, x.t.p.fmt(), 1)->rows;
  EXPECT_EQ(rows[0][1], "1.9528");  // 49.6 mm
  EXPECT_EQ(rows[0][2], base::LengthUnit(x.t.p.fmt()));
  EXPECT_NE(rows[0][2], "mm");
}

TEST(ProductionTables, OnlyShaftAndHubHaveATable) {
  Sample x;
  for (int part : {0, 3, -1}) {
    SCOPED_TRACE(part);
    EXPECT_FALSE(PartDataTable(x.s, x.t.p.fmt(), part).has_value());
  }
}

TEST(ProductionTables, StrengthAndLoad) {
  Sample x;
  const DrawingTable strength = StrengthTable(x.s, x.t.p.fmt());
  EXPECT_EQ(strength.title, (std::vector<std::string>{"FESTIGKEIT", "", "1", "2", ""}));
  EXPECT_EQ(strength.rows, (Rows{
                               {"Werkstoff", "", "30CrMoV9", "EN-GJL-200", ""},
                               {"Streckgrenze", "Re", "1050", "230", "MPa"},
                               {"Stützfaktor", "fS", "1.2", "2", ""},
                               {"Härteeinflußfaktor", "fH", "1", "1", ""},
                               {"Zul.Flächenpressung", "pzul", "1260", "460", "MPa"},
                               {"Lastspitzenhäufigkeitsfaktor", "fL", "1", "1", ""},
                               {"Sicherheit  fW*pzul/peq", "Seq", "25.73", "9.395", ""},
                               {"Sicherheit  fL*pzul/pmax", "Smax", "25.23", "9.21", ""},
                           }));
  const DrawingTable load = LoadTable(x.s, x.t.p.fmt());
  EXPECT_EQ(load.title, std::vector<std::string>{"Last"});
  EXPECT_EQ(load.rows, (Rows{
                           {"Nenndrehmoment", "TN", "800", "Nm"},
                           {"Maximales Drehmoment", "Tmax", "1200", "Nm"},
                           {"Anwendungsfaktor", "KA", "1.25", ""},
                           {"Äquivalentes Drehmoment", "Teq", "1000", "Nm"},
                           {"Lastrichtungswechselfaktor", "fW", "1", ""},
                           {"Lastverteilungsfaktor", "K lambda", "1", ""},
                           {"äquiv.wirks.Flächenpressung", "peq", "48.96", "MPa"},
                           {"max.wirks.Flächenpressung", "pmax", "49.94", "MPa"},
                       }));
}

}  // namespace
}  // namespace kv40::cad
