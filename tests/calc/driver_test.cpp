// The calculation driver and the basic geometry: the DIN 5482 block reproduced, the fatal
// cases, defaults, and results that depend only on the inputs.
#include "calc/driver.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calc/input_ranges.h"
#include "calc/json_export.h"
#include "calc/math.h"
#include "support/spline_blocks.h"

namespace kv40::calc {
namespace {

using Texts = std::vector<std::string>;
using test::Messages;

double D(Extended v) {
  return static_cast<double>(v);
}

struct Block {
  const char* name;
  Extended dB, m;
  int z;
};
const Block kBlocks[] = {
    {"50 x 2 x 24", 50, 2, 24},        {"20 x 1 x 18", 20, 1, 18},
    {"13 x 1 x 11", 13, 1, 11},        {"120 x 3 x 38", 120, 3, 38},
    {"8 x 0.8 x 8", 8, 0.8L, 8},       {"300 x 8 x 36 (x > 0)", 300, 8, 36},
    {"45 x 1.25 x 34", 45, 1.25L, 34},
};

TEST(Geometry, ZeroDeviationsReproduceTheBlock) {
  for (const auto& b : kBlocks) {
    SCOPED_TRACE(b.name);
    test::CalcRun p;
    test::SelfDefinedBlock(p.connection, b.dB, b.m, b.z);
    RecalcAll(p.connection, p.nf, p.cancel);
    const auto& s = p.connection;
    ASSERT_FALSE(s.log.fatal);
    EXPECT_NEAR(D(s.da[1]), D(s.d3), 1e-12);
    EXPECT_NEAR(D(s.df[1]), D(s.d4), 1e-12);
    EXPECT_NEAR(D(s.da[2]), D(-s.d2), 1e-12);
    EXPECT_NEAR(D(s.df[2]), D(-s.d1), 1e-12);
    EXPECT_EQ(s.z[1], b.z);
    EXPECT_EQ(s.z[2], -b.z);
    EXPECT_EQ(s.x[2], -s.x[1]);
    EXPECT_NEAR(D(s.dB), D(b.dB), 1e-12);  // recomputed from z, mn and x
    // coaxial pair: no centre distance, operating angle = transverse angle
    EXPECT_EQ(s.a, 0);
    EXPECT_EQ(s.sumX, 0);
    EXPECT_EQ(s.beta, 0);
    EXPECT_NEAR(D(s.alphawt), D(s.alphat), 1e-14);
    // each part's usable root circle is the other's tip circle
    EXPECT_NEAR(D(s.dNf[1]), D(-s.da[2]), 1e-12);
    EXPECT_NEAR(D(s.dNf[2]), D(-s.da[1]), 1e-12);
    // the hub's space width is the shaft's nominal tooth thickness
    EXPECT_NEAR(D(s.en[2]), D(s.snth[1]), 1e-12);
    EXPECT_NEAR(D(s.c[1]), D(0.1L * b.m), 1e-12);
  }
}

TEST(Geometry, ShaftFieldFLowersTipAndRootTogether) {
  for (const auto& b : kBlocks) {
    SCOPED_TRACE(b.name);
    test::CalcRun p;
    test::SelfDefinedBlock(p.connection, b.dB, b.m, b.z);
    p.connection.tolfeld[1] = 6;  // "f"
    RecalcAll(p.connection, p.nf, p.cancel);
    const auto& s = p.connection;
    ASSERT_LT(s.Ase[1], 0);
    const Extended drop = std::fabs(s.Ase[1]) / std::tan(DegToRad(30));
    EXPECT_NEAR(D(s.da[1]), D(s.d3 - drop), 1e-12);
    EXPECT_NEAR(D(s.df[1]), D(s.d4 - drop), 1e-12);
    EXPECT_NEAR(D(s.da[2]), D(-s.d2), 1e-12);  // the hub keeps its block
    EXPECT_EQ(s.tolcode[1], "9f");
  }
}

TEST(Driver, DesignationsAndIsoLimits) {
  test::CalcRun p;
  test::SelfDefinedBlock(p.connection, 50, 2, 24);
  p.connection.tolfeld[1] = 6;
  p.connection.tolreihe[1] = 5;
  RecalcAll(p.connection, p.nf, p.cancel);
  const auto& s = p.connection;
  EXPECT_EQ(s.bezDin, "DIN 5480 - 50 x 2 x 24 x 10H 8f");
  EXPECT_EQ(s.bez[1], "B 50 x 46 DIN 5482");
  EXPECT_EQ(s.bez[2], "A 50 x 46 DIN 5482");
  EXPECT_TRUE(s.calcFlag);
  // h12 / H12 at the root diameters, h11 / H11 at the tip diameters
  EXPECT_NEAR(D(s.dfLim[1]), D(s.df[1] - 0.250L), 1e-12);  // 45.5: range 30-50
  EXPECT_NEAR(D(s.dfLim[2]), D(s.df[2] - 0.250L), 1e-12);  // 50: still 30-50
  EXPECT_NEAR(D(s.daLim[1]), D(s.da0[1] - 0.160L), 1e-12);
  EXPECT_NEAR(D(s.daLim[2]), D(s.da0[2] - 0.160L), 1e-12);
  EXPECT_FALSE(p.cancel);
}

TEST(Driver, DiametersBeyondTheIsoTableAreRefused) {
  // a block above 3150 mm has no ISO 286 limits: refused before anything is calculated
  test::CalcRun p;
  test::SelfDefinedBlock(p.connection, 3300, 10, 326);
  RecalcAll(p.connection, p.nf, p.cancel);
  EXPECT_TRUE(p.connection.log.fatal);
  EXPECT_EQ(Messages(p.connection), Texts{"Fatal  : d1 nicht in 1..3150 !"});

  // a block at the limit whose hub field widens the root beyond it: said, not a silent cancel
  test::CalcRun q;
  test::SelfDefinedBlock(q.connection, 3150, 10, 312);
  q.connection.tolfeld[2] = 1;  // "F"
  RecalcAll(q.connection, q.nf, q.cancel);
  EXPECT_TRUE(q.connection.log.fatal);
  EXPECT_TRUE(test::HasMessage(q.connection, "Fatal  : ISO-Maß > 3150 mm !"))
      << testing::PrintToString(Messages(q.connection));
  EXPECT_TRUE(q.cancel);
}

TEST(Driver, InputsOutsideTheirRangeAreRefusedNamingThem) {
  struct Case {
    const char* name;
    void (*change)(model::SpecState&);
    const char* message;  // the first message; empty: the run goes through
  };
  const Case cases[] = {
      {"connection kind 0", [](model::SpecState& s) { s.connKind = 0; },
       "Fatal  : connKind nicht in 1..3 !"},
      {"connection kind 4", [](model::SpecState& s) { s.connKind = 4; },
       "Fatal  : connKind nicht in 1..3 !"},
      {"connection kind 3", [](model::SpecState& s) { s.connKind = 3; }, ""},
      {"a billion teeth", [](model::SpecState& s) { s.z5482 = 1'000'000'000; },
       "Fatal  : z nicht in 2..1000 !"},
      // negated it would overflow the hub's count
      {"the most negative count", [](model::SpecState& s) { s.z5482 = INT32_MIN; },
       "Fatal  : z nicht in 2..1000 !"},
      {"a negative shaft", [](model::SpecState& s) { s.z5482 = -5; },
       "Fatal  : z nicht in 2..1000 !"},
      {"module above 100", [](model::SpecState& s) { s.mn5482 = 101; },
       "Fatal  : mn nicht in 0.05..100 !"},
      {"d1 beyond the ISO table", [](model::SpecState& s) { s.d1 = 3151; },
       "Fatal  : d1 nicht in 1..3150 !"},
      {"d4 below 1 mm", [](model::SpecState& s) { s.d4 = 0.5L; }, "Fatal  : d4 nicht in 1..3150 !"},
      {"b0 of 1e999", [](model::SpecState& s) { s.b0 = 1e999L; },
       "Fatal  : b0 nicht in 0.1..10000 !"},
      {"a face width of 1e-999 mm", [](model::SpecState& s) { s.b0 = 1e-999L; },
       "Fatal  : b0 nicht in 0.1..10000 !"},
      {"no hub width: the default", [](model::SpecState& s) { s.b[2] = 0; }, ""},
      {"negative shaft width", [](model::SpecState& s) { s.b[1] = -1; },
       "Fatal  : b1 nicht in 0.1..10000 !"},
      {"no application factor", [](model::SpecState& s) { s.KA = 0; },
       "Fatal  : KA nicht in 0.1..10 !"},
      {"application factor 0.1", [](model::SpecState& s) { s.KA = 0.1L; }, ""},
      {"no torque", [](model::SpecState& s) { s.TN = 0; }, "Fatal  : TN nicht in 0.001..1e7 !"},
      {"negative peak torque", [](model::SpecState& s) { s.Tmax = -300; },
       "Fatal  : Tmax nicht in 0.001..1e7 !"},
      {"hub without strength", [](model::SpecState& s) { s.Re[2] = 0; },
       "Fatal  : Re2 nicht in 1..5000 !"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::CalcRun p;
    test::SelfDefinedBlock(p.connection, 50, 2, 24);
    RecalcAll(p.connection, p.nf, p.cancel);
    ASSERT_FALSE(p.connection.log.fatal);
    const std::int32_t hubTeeth = p.connection.z[2];
    const Extended tszul = p.connection.Tszul;
    c.change(p.connection);
    RecalcAll(p.connection, p.nf, p.cancel);
    const Texts m = Messages(p.connection);
    if (c.message[0] == '\0') {
      EXPECT_FALSE(p.connection.log.fatal) << testing::PrintToString(m);
      continue;
    }
    EXPECT_TRUE(p.connection.log.fatal);
    ASSERT_FALSE(m.empty());
    EXPECT_EQ(m.front(), c.message);
    EXPECT_EQ(p.connection.Tszul, tszul);  // nothing calculated from the refused value
    EXPECT_EQ(p.connection.z[2], hubTeeth);
  }
}

TEST(Driver, AResultThatIsNotFiniteMakesTheRunFatalNamingIt) {
  test::CalcRun p;
  test::SelfDefinedBlock(p.connection, 50, 2, 24);
  // no range bounds fW: itself just within a double, the safety Seq = plim fW / peq is not
  p.connection.fW = 1.7e308L;
  RecalcAll(p.connection, p.nf, p.cancel);
  EXPECT_TRUE(p.connection.log.fatal);
  EXPECT_TRUE(test::HasMessage(p.connection, "Fatal  : nicht endlich: Seq"))
      << testing::PrintToString(Messages(p.connection));
  EXPECT_EQ(FirstNonFiniteField(p.connection), "Seq");
  // the JSON carries no number its readers would take as infinite
  const std::string json = ResultsJson(p.connection);
  EXPECT_NE(json.find("\"Seq\": [null, null]"), std::string::npos);
  EXPECT_EQ(json.find("e+4"), std::string::npos);
}

TEST(Driver, FatalCasesRecordTheirMessageAndStop) {
  struct Case {
    const char* name;
    void (*change)(model::SpecState&);
    Texts messages;
  };
  const Case cases[] = {
      {"no teeth", [](model::SpecState& s) { s.z5482 = 0; }, {"Fatal  : z = 0 !"}},
      {"no module",
       [](model::SpecState& s) {
         s.mn5482 = 0;
         s.mn = 0;
       },
       {"Fatal  : mn = 0 !"}},
      {"x above 1.5", [](model::SpecState& s) { s.xm = 1.5L * 2 + 1e-9L; }, {"Fatal  : x > 1.5"}},
      {"x below -1.5", [](model::SpecState& s) { s.xm = -3.001L; }, {"Fatal  : x > 1.5"}},
      {"tip = root of the shaft", [](model::SpecState& s) { s.d4 = s.d3; }, {"Fatal  : da1=df1 !"}},
      {"tip = root of the hub", [](model::SpecState& s) { s.d2 = s.d1; }, {"Fatal  : da2=df2 !"}},
      {"one tooth", [](model::SpecState& s) { s.z5482 = 1; }, {"Fatal  : z nicht in 2..1000 !"}},
      {"negative face width",
       [](model::SpecState& s) { s.b0 = -5; },
       {"Fatal  : b <= 0!", "Fatal  : KV7", "Fatal  : Unit2"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::CalcRun p;
    test::SelfDefinedBlock(p.connection, 50, 2, 24);
    p.connection.TN = 100;  // a first run with messages of its own
    RecalcAll(p.connection, p.nf, p.cancel);
    ASSERT_GT(p.connection.log.messageCount, 0);
    const Extended mdr = p.connection.MdR[1];
    c.change(p.connection);
    RecalcAll(p.connection, p.nf, p.cancel);
    EXPECT_EQ(Messages(p.connection), c.messages);
    EXPECT_TRUE(p.connection.log.fatal);
    EXPECT_EQ(p.connection.MdR[1], mdr);  // no result of a stopped run
  }
}

TEST(Driver, ShiftOfExactly1Point5Passes) {
  test::CalcRun p;
  test::SelfDefinedBlock(p.connection, 50, 2, 24);
  p.connection.xm = 3;  // x = 1.5
  RecalcAll(p.connection, p.nf, p.cancel);
  EXPECT_FALSE(p.connection.log.fatal);
  EXPECT_EQ(p.connection.x[1], 1.5L);
}

TEST(Driver, ModuleAndFaceWidthDefaults) {
  test::CalcRun p;
  test::SelfDefinedBlock(p.connection, 50, 2, 24);
  RecalcAll(p.connection, p.nf, p.cancel);
  const auto& s = p.connection;
  EXPECT_NEAR(D(s.b[1]), 60, 1e-12);  // 1.2 dB
  EXPECT_NEAR(D(s.b[2]), 60, 1e-12);
  EXPECT_NEAR(D(s.b0), 60, 1e-12);

  p.connection.mn5482 = 0;  // keeps the module of the state
  p.connection.b = Pair<Extended>(20, 80);
  p.connection.b0 = 30;
  RecalcAll(p.connection, p.nf, p.cancel);
  EXPECT_EQ(s.mn, 2);
  EXPECT_EQ(s.b[1], 30);  // raised to the load-bearing width
  EXPECT_EQ(s.b[2], 80);
}

TEST(Driver, ANegativeShaftRootMakesTheRunFatal) {
  // A tool addendum beyond the reference circle, as the tolerance dialog's own calculation
  // may meet it: the geometry's "Fatal" message makes the run fatal, so no sheet prints it.
  test::CalcRun p;
  test::SelfDefinedBlock(p.connection, 50, 2, 24);
  RecalcAll(p.connection, p.nf, p.cancel);
  ASSERT_FALSE(p.connection.log.fatal);
  p.connection.haP0Star[1] = 13;
  CalcSpline(p.connection, p.nf, p.cancel);
  const Texts m = Messages(p.connection);
  ASSERT_FALSE(m.empty());
  EXPECT_EQ(m.front(), "Fatal  : df <=0 ! (1)");
  EXPECT_TRUE(p.connection.log.fatal);
  EXPECT_LT(p.connection.df[1], 0);
}

TEST(Driver, ResultsDependOnlyOnTheInputs) {
  auto inputs = [](model::SpecState& s, const Block& b) {
    test::SetBlock(s, b.dB, b.m, b.z);
    s.TN = 150;
    s.Tmax = 250;
    s.k = Pair<std::int32_t>(3, -2);
    s.DM = Pair<Extended>(1.75L * b.m, 1.5L * b.m);
    s.b = Pair<Extended>(0, 0);
    s.b0 = 0;
  };
  for (const auto& b : kBlocks) {
    SCOPED_TRACE(b.name);
    test::CalcRun fresh;
    model::InitDefaults(fresh.connection);
    inputs(fresh.connection, b);
    RecalcAll(fresh.connection, fresh.nf, fresh.cancel);

    test::CalcRun used;
    test::SelfDefinedBlock(used.connection, 13, 1, 11);
    used.connection.tolfeld = Pair<Word>(2, 6);
    used.connection.TN = 5000;
    RecalcAll(used.connection, used.nf, used.cancel);
    inputs(used.connection, b);
    RecalcAll(used.connection, used.nf, used.cancel);
    EXPECT_EQ(ResultsJson(used.connection), ResultsJson(fresh.connection));
  }
}

TEST(Driver, RecalcDimensionsProposesMeasuringValuesAndDefaults) {
  test::CalcRun p;
  test::SelfDefinedBlock(p.connection, 50, 2, 24);
  p.connection.tolfeld = Pair<Word>(2, 5);
  p.connection.tolreihe = Pair<Word>(3, 3);
  p.connection.DM = Pair<Extended>(9, 9);
  p.connection.k = Pair<std::int32_t>(0, 0);
  RecalcDimensions(p.connection, p.nf, p.cancel, 17);
  const auto& s = p.connection;
  EXPECT_EQ(s.normRow, 17);
  EXPECT_EQ(s.tolfeld, Pair<Word>(8, 3));
  EXPECT_EQ(s.tolreihe, Pair<Word>(6, 7));
  EXPECT_EQ(s.k, Pair<std::int32_t>(4, -2));
  EXPECT_NEAR(D(s.DM[1]), 3.7, 1e-15);  // 3.741, rounded to 0.1 mm
  EXPECT_NEAR(D(s.DM[2]), 3.5, 1e-15);  // 3.459
  EXPECT_FALSE(s.log.fatal);
  EXPECT_GT(s.MdR[1], 0);

  // no ball can be proposed for this tooth form: the user's diameter stays
  test::CalcRun q;
  test::SelfDefinedBlock(q.connection, 9, 1, 6);
  q.connection.xm = -0.5L;
  q.connection.DM = Pair<Extended>(1.75L, 1.5L);
  RecalcDimensions(q.connection, q.nf, q.cancel, 1);
  EXPECT_EQ(q.connection.DM[1], 1.75L);
  EXPECT_EQ(q.connection.DM[2], 1.5L);
}

TEST(Driver, RecalcDimensionsStopsOnAnEmptyBlock) {
  test::CalcRun p;
  model::InitDefaults(p.connection);
  p.connection.tolfeld = Pair<Word>(2, 5);
  RecalcDimensions(p.connection, p.nf, p.cancel, 3);
  EXPECT_EQ(Messages(p.connection), Texts{"Fatal  : z = 0 !"});
  EXPECT_EQ(p.connection.tolfeld, Pair<Word>(2, 5));
  EXPECT_EQ(p.connection.normRow, 3);
}

}  // namespace
}  // namespace kv40::calc
