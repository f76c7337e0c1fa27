// What the input dialogs propose and derive: load values, tooth count, face widths, K lambda,
// measuring proposals and the live recalculation of the tolerance fields.
#include "calc/input_aids.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "calc/driver.h"
#include "support/spline_blocks.h"
#include "support/test_program.h"

namespace kv40::calc {
namespace {

TEST(InputAids, DerivesTheChosenLoadValueFromTheOtherTwo) {
  struct Case {
    const char* name;
    int calcWhat;
    Extended P, n, T;
    std::optional<double> expected;
  };
  const double twoPi = 2 * M_PI;
  const Case cases[] = {
      {"P from n and T", 1, 0, 1000, 1000, 1000.0 * 1000 * twoPi / 60000},  // 104.7 kW
      {"a stored 0 derives P", 0, 5, 1000, 1000, 1000.0 * 1000 * twoPi / 60000},
      {"n from P and T", 2, 104.72L, 0, 1000, 104.72 * 60000 / (1000 * twoPi)},
      {"n needs a positive torque", 2, 104.72L, 77, 0, std::nullopt},
      {"TN from P and n", 3, 104.72L, 1000, 0, 104.72 * 60000 / (1000 * twoPi)},
      {"TN needs a positive speed", 3, 104.72L, -5, 0, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto v = DeriveLoad(LoadDerivedFrom(c.calcWhat), c.P, c.n, c.T);
    ASSERT_EQ(v.has_value(), c.expected.has_value());
    if (v) {
      EXPECT_NEAR(static_cast<double>(*v), *c.expected, 1e-9);
    }
  }
}

TEST(InputAids, ToothCountFaceWidthAndShaftDiametersFromTheHub) {
  test::TestProgram t;
  auto& s = t.p.connection;                            // calculated module 3 by default
  EXPECT_EQ(ProposeToothCount(s, 25, 22, 1.25L), 19);  // 18.8
  EXPECT_EQ(ProposeToothCount(s, 20, 17, 1), 18);      // 18.5: halves to even
  EXPECT_EQ(ProposeToothCount(s, 22, 17, 1), 20);      // 19.5
  EXPECT_EQ(ProposeToothCount(s, 25, 22, 0), std::nullopt);
  s.mn = 0;
  EXPECT_EQ(ProposeToothCount(s, 25, 22, 1.25L), std::nullopt);
  EXPECT_EQ(ProposeFaceWidth(12.5L), 15);
  EXPECT_EQ(ProposeFaceWidth(13.0L), 16);  // 15.6
  EXPECT_EQ(ProposeTipDiameter(25), 24.5L);
  EXPECT_EQ(ProposeRootDiameter(22), 21.5L);
}

TEST(InputAids, RoundsEntriesToWholeNumbersWithinRange) {
  EXPECT_EQ(RoundToInt32(2.5L), 2);
  EXPECT_EQ(RoundToInt32(3.5L), 4);
  EXPECT_EQ(RoundToInt32(-1.6L), -2);
  EXPECT_EQ(RoundToInt32(1e20L), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(RoundToInt32(-1e20L), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(RoundToInt32(std::numeric_limits<Extended>::quiet_NaN()), 0);
}

TEST(InputAids, KlambdaFromFaceWidthAndOperatingPitchDiameter) {
  model::SpecState s;
  s.b0 = 30;
  s.dw[1] = 30;
  ASSERT_TRUE(ProposeKlambda(s).has_value());
  EXPECT_NEAR(static_cast<double>(*ProposeKlambda(s)), std::exp(0.1) + 0.01, 1e-12);
  s.dw[1] = 0;
  EXPECT_FALSE(ProposeKlambda(s).has_value());
  EXPECT_EQ(Plim(1050, 1.2L, 1.0L), 1260);
}

TEST(InputAids, MeasuringProposalsComeFromTheLastCalculation) {
  test::TestProgram t;
  test::SelfDefinedBlock(t.p.connection, 50, 2, 24);
  RecalcAll(t.p.connection, t.p.fmt(), t.p.cancel);
  ASSERT_FALSE(t.p.connection.log.fatal);
  const auto before = t.p.connection.k;
  const PartPair<int> k = ProposeMeasuringTeeth(t.p.connection);
  EXPECT_GT(k[1], 1);
  EXPECT_LT(k[2], -1);                  // the hub's proposal is negative
  EXPECT_EQ(t.p.connection.k, before);  // only proposed, not stored
  const PartPair<Extended> dm = ProposeBallDiameters(t.p.connection, t.p.fmt());
  for (int i = 1; i <= 2; ++i) {
    SCOPED_TRACE(i);
    EXPECT_GT(dm[i], 0);
    EXPECT_NEAR(static_cast<double>(dm[i] * 10), std::round(static_cast<double>(dm[i] * 10)),
                1e-9);  // 0.1 mm steps
  }
}

// The tolerance dialog recalculates while the user chooses; the state must then be as a full
// calculation leaves it, ISO limits and designations included, even if he cancels.
TEST(InputAids, ToleranceChoiceLeavesTheResultsOfAFullCalculation) {
  test::TestProgram live;
  test::TestProgram full;
  for (auto* t : {&live, &full}) {
    test::SelfDefinedBlock(t->p.connection, 50, 2, 24);
    RecalcAll(t->p.connection, t->p.fmt(), t->p.cancel);
  }
  ApplyTolerances(live.p.connection, live.p.fmt(), live.p.cancel, Pair<Word>(6, 3),
                  Pair<Word>(5, 7));  // 8f / 10H
  full.p.connection.tolfeld = Pair<Word>(6, 3);
  full.p.connection.tolreihe = Pair<Word>(5, 7);
  RecalcAll(full.p.connection, full.p.fmt(), full.p.cancel);
  const auto& a = live.p.connection;
  const auto& b = full.p.connection;
  EXPECT_LT(a.Ase[1], 0);
  EXPECT_EQ(a.Ase, b.Ase);
  EXPECT_EQ(a.dfLim, b.dfLim);
  EXPECT_EQ(a.daLim, b.daLim);
  EXPECT_EQ(a.bez, b.bez);
  EXPECT_EQ(a.W, b.W);
}

}  // namespace
}  // namespace kv40::calc
