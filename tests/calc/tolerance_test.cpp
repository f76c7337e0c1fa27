// Tolerance fields and series of the tooth thickness, backlash, ISO 286 limit deviations.
#include "calc/tolerance.h"

#include <string>

#include <gtest/gtest.h>

#include "support/spline_blocks.h"

namespace kv40::calc {
namespace {

TEST(SizeClass, ClassBoundaries) {
  struct Case {
    const char* name;
    Extended mn, dB;
    int x;
  };
  const Case cases[] = {
      {"dB 25.0 is still below 25", 1.5L, 25.0L, 8},
      {"dB 25.02 is the next class", 1.5L, 25.02L, 7},
      {"mn 1.51 lowers by one", 1.51L, 25.0L, 7},
      {"mn 4 lowers by one", 4, 25.0L, 7},
      {"mn 4.01 lowers by two", 4.01L, 25.0L, 6},
      {"below 12.01", 1, 12.0L, 9},
      {"from 12.01", 1, 12.02L, 8},
      {"small with a large module", 5, 10, 7},
      {"400 belongs below", 1, 400.0L, 4},
      {"largest class", 4.5L, 400.02L, 1},
      {"10000.01 is still class 3", 1, 10000.01L, 3},
      {"above 10001", 1, 10001.02L, 9},
      {"negative", 1, -50, 9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    model::MessageLog log;
    EXPECT_EQ(SizeClass(log, c.mn, c.dB), c.x);
    EXPECT_EQ(log.messageCount, 0);
  }
}

TEST(Tolerances, IndexExtremesAndTheirValues) {
  struct Case {
    const char* name;
    int series;
    Extended mn, dB;
    int index, total, single;
  };
  const Case cases[] = {
      {"series 12 with X = 1", 9, 5, 500, 33, 360, 225},
      {"series 4 with X = 9", 1, 1, 10, 1, 9, 6},
      {"series 9 with X = 6", 6, 2, 50, 19, 71, 45},
      {"series 10 with X = 6", 7, 2, 50, 22, 100, 63},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    model::MessageLog log;
    EXPECT_EQ(ToleranceIndex(log, c.series, c.mn, c.dB), c.index);
    EXPECT_EQ(TotalTolerance(log, c.series, c.mn, c.dB), c.total);
    EXPECT_EQ(SingleTolerance(log, c.series, c.mn, c.dB), c.single);
    EXPECT_EQ(log.messageCount, 0);
  }
}

TEST(Tolerances, ValuesFromADamagedFileAreReported) {
  model::MessageLog log;
  EXPECT_EQ(TotalTolerance(log, 10, 5, 500), 9);        // index 36 -> 1
  EXPECT_EQ(SingleTolerance(log, 0, 1, 10), 6);         // index -2 -> 1
  EXPECT_EQ(ToothDeviationShaft(log, 19, 1, 10), -80);  // row 1
  EXPECT_EQ(ToothDeviationHub(log, 11, 1, 10), 80);     // mirrored row 0 -> row 1, negated
  ASSERT_EQ(log.messageCount, 2);
  EXPECT_EQ(log.Message(1), "Fatal  : Toleranz I");
  EXPECT_EQ(log.Message(2), "Fatal  : TolCode W !");
  EXPECT_TRUE(log.fatal);  // the values of row 1 stand in: no result may pass as good
}

TEST(ToothDeviation, ShaftRowsAndMirroredHubRows) {
  struct Case {
    const char* name;
    int part, pos, want;
  };
  // dB 50, mn 2: X = 6
  const Case cases[] = {
      {"shaft a", 1, 1, -110}, {"shaft f", 1, 6, -22},      {"shaft h", 1, 8, 0},
      {"shaft k", 1, 10, 22},  {"shaft v", 1, 18, 110},     {"hub F (row 10)", 2, 1, -22},
      {"hub H", 2, 3, 0},      {"hub J (row 7)", 2, 4, 11}, {"hub M (row 5)", 2, 6, 33},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    model::MessageLog log;
    const int got =
        c.part == 1 ? ToothDeviationShaft(log, c.pos, 2, 50) : ToothDeviationHub(log, c.pos, 2, 50);
    EXPECT_EQ(got, c.want);
    EXPECT_EQ(log.messageCount, 0);
  }
}

TEST(ToleranceCode, SeriesAndLetter) {
  EXPECT_EQ(ToleranceCode(1, 5, 6), "8f");
  EXPECT_EQ(ToleranceCode(1, 6, 8), "9h");
  EXPECT_EQ(ToleranceCode(2, 7, 3), "10H");
  EXPECT_EQ(ToleranceCode(2, 9, 4), "12J");
  EXPECT_EQ(ToleranceCode(1, 1, 18), "4v");
  EXPECT_EQ(ToleranceCode(2, 6, 7), "9?");  // no hub letter for position 7
}

TEST(ToothTolerances, DeviationsTolerancesAndBacklash) {
  model::SpecState s;
  model::InitDefaults(s);
  s.mn = 2;
  s.dB = 50;
  s.betaRad = 0;
  CalcToothTolerances(s);
  CalcBacklash(s);
  EXPECT_EQ(s.Ase[1], 0);
  EXPECT_EQ(s.Ase[2], 0);
  EXPECT_EQ(s.tolcode[1], "9h");
  EXPECT_EQ(s.tolcode[2], "10H");
  EXPECT_EQ(s.jtmin, 0);
  EXPECT_NEAR(static_cast<double>(s.jtmax), 0.071 + 0.100, 1e-15);

  s.tolfeld = Pair<Word>(6, 1);  // f / F
  s.tolreihe = Pair<Word>(5, 5);
  CalcToothTolerances(s);
  CalcBacklash(s);
  EXPECT_NEAR(static_cast<double>(s.Ase[1]), -0.022, 1e-15);
  EXPECT_NEAR(static_cast<double>(s.Ase[2]), -0.022, 1e-15);  // the hub's stored negated
  EXPECT_NEAR(static_cast<double>(s.T[1]), 0.050, 1e-15);
  EXPECT_NEAR(static_cast<double>(s.Asi[1]), -0.072, 1e-15);
  EXPECT_NEAR(static_cast<double>(s.AseE[1]), -0.072 + 0.032, 1e-15);
  EXPECT_NEAR(static_cast<double>(s.jtmin), 0.044, 1e-15);
  EXPECT_NEAR(static_cast<double>(s.jtmax - s.jtmin), static_cast<double>(s.T[1] + s.T[2]), 1e-15);
  EXPECT_EQ(s.tolcode[1], "8f");
  EXPECT_EQ(s.tolcode[2], "8F");
}

TEST(IsoDeviation, FieldsSizesAndErrors) {
  struct Case {
    const char* name;
    const char* field;
    Extended size;
    Extended lower, upper;
    std::string error;
  };
  const Case cases[] = {
      {"h12 at 30", "h12", 30, -210, 0, ""},
      {"just above 30 still 18-30", "h12", 30.0005L, -210, 0, ""},
      {"0.002 above 30 is 30-50", "h12", 30.002L, -250, 0, ""},
      {"H11 at 3", "H11", 3, 0, 60, ""},
      {"H11 above 3", "H11", 3.0015L, 0, 75, ""},
      {"with a blank", "h 11", 30, -130, 0, ""},
      {"at the top", "H12", 3150, 0, 2100, ""},
      {"fine grade", "H1", 5, 0, 1, ""},
      {"empty", "", 30, 0, 0, ""},
      {"blank", " ", 30, 0, 0, ""},
      {"above 3150", "h12", 3150.002L, 0, 0, "Undefinierter Nennmassbereich"},
      {"no grade", "h", 30, 0, 0, "ungültige ISO-Toleranz"},
      {"not a field", "12h", 30, 0, 0, "ungültige ISO-Toleranz"},
      {"grade 19", "h19", 30, 0, 0, "Toleranzgrad 19 nicht definiert für Lage h"},
      {"grade 0", "H0", 30, 0, 0, "Toleranzgrad 0 nicht definiert für Lage H"},
      {"unknown position", "js 6", 30, 0, 0, "Toleranzgrad 6 nicht definiert für Lage js"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::CalcRun p;
    const IsoLimits r = IsoDeviation(p.cancel, c.field, c.size);
    EXPECT_EQ(r.lower, c.lower);
    EXPECT_EQ(r.upper, c.upper);
    EXPECT_EQ(r.error, c.error);
    EXPECT_EQ(p.cancel, !c.error.empty());
    EXPECT_EQ(p.connection.log.messageCount, 0);  // never logged
  }
}

}  // namespace
}  // namespace kv40::calc
