// The guarded math routines: results, substitute values and the messages they record.
#include "calc/math.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace kv40::calc {
namespace {

std::vector<std::string> Messages(const model::MessageLog& log) {
  std::vector<std::string> out;
  for (int i = 1; i <= log.messageCount; ++i)
    out.push_back(log.Message(i));
  return out;
}

using Texts = std::vector<std::string>;

TEST(ArcInv, InvertsTheInvoluteWithinTheStopCriterion) {
  // 30 deg is the pressure angle of every spline here; the others reach both ends of the
  // Newton range and the bisection's own (tiny and steep) ranges.
  const Extended degrees[] = {30, 0.2L, 1, 5, 20, 45, 60, 78, 85, 89.5L, -30, -70};
  for (Extended deg : degrees) {
    SCOPED_TRACE(static_cast<double>(deg));
    model::MessageLog log;
    const Extended angle = DegToRad(deg);
    const Extended y = std::tan(angle) - angle;
    const Extended m = ArcInv(log, y);
    EXPECT_LT(std::fabs(std::tan(m) - m - y), 1e-15L);
    EXPECT_NEAR(static_cast<double>(m), static_cast<double>(angle), 1e-9);
    EXPECT_EQ(log.messageCount, 0);
  }
  model::MessageLog log;
  EXPECT_NEAR(static_cast<double>(ArcInv(log, Inv(log, kPi / 6))), static_cast<double>(kPi / 6),
              1e-15);
  EXPECT_EQ(ArcInv(log, 0), 0);
}

TEST(ArcInv, GivesZeroAndAMessageWhenItCannotConverge) {
  struct Case {
    const char* name;
    Extended y;
  };
  const Case cases[] = {
      {"beyond the involute of 1.57", 2000},
      {"far below", -5000},
      {"undefined", std::numeric_limits<Extended>::quiet_NaN()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    model::MessageLog log;
    EXPECT_EQ(ArcInv(log, c.y), 0);
    EXPECT_EQ(Messages(log), Texts{"Error: ArcInv in unit math"});
  }
}

TEST(ArcCos, SubstitutesZeroAndNamesTheFailure) {
  model::MessageLog log;
  EXPECT_EQ(ArcCos(log, 1), 0);
  EXPECT_NEAR(static_cast<double>(ArcCos(log, -1)), static_cast<double>(kPi), 1e-18);
  EXPECT_NEAR(static_cast<double>(ArcCos(log, 0.5L)), static_cast<double>(kPi / 3), 1e-15);
  EXPECT_EQ(log.messageCount, 0);

  EXPECT_EQ(ArcCos(log, 1.0001L), 0);
  EXPECT_EQ(ArcCos(log, -3), 0);  // recorded once
  EXPECT_EQ(Messages(log), Texts{"Error: function ArcCos in math"});

  model::MessageLog quiet;
  EXPECT_EQ(ArcCosMsg(quiet, "", 1.0001L), 0);
  EXPECT_EQ(quiet.messageCount, 0);

  model::MessageLog named;
  EXPECT_EQ(ArcCosMsg(named, "Fehler : kmess", -1.5L), 0);
  EXPECT_NEAR(static_cast<double>(ArcCosMsg(named, "Fehler : kmess", 0)),
              static_cast<double>(kPi / 2), 1e-18);
  CheckArcCos(named, "Fatal  : Zahnweite !", 0.99L);
  CheckArcCos(named, "Fatal  : Zahnweite !", 1.01L);
  EXPECT_EQ(Messages(named), (Texts{"Fehler : kmess (acos)", "Fatal  : Zahnweite ! (acos)"}));
}

TEST(ArcSin, SubstitutesHalfPi) {
  model::MessageLog log;
  EXPECT_NEAR(static_cast<double>(ArcSin(log, -1)), static_cast<double>(-kPi / 2), 1e-18);
  EXPECT_NEAR(static_cast<double>(ArcSin(log, 0.5L)), static_cast<double>(kPi / 6), 1e-15);
  EXPECT_EQ(log.messageCount, 0);
  EXPECT_NEAR(static_cast<double>(ArcSin(log, 2)), static_cast<double>(kPi / 2), 1e-18);
  EXPECT_EQ(Messages(log), Texts{"Error: ArcSin in unit math"});
}

TEST(Tan, GuardsOnlyAnUndefinedCosine) {
  model::MessageLog log;
  EXPECT_GT(std::fabs(Tan(log, kPi / 2)), 1e15L);  // an extended cosine is never exactly 0
  EXPECT_NEAR(static_cast<double>(Inv(log, DegToRad(30))), 0.0537514935913, 1e-12);
  EXPECT_EQ(log.messageCount, 0);
  EXPECT_EQ(Tan(log, std::numeric_limits<Extended>::infinity()), 1e30L);
  EXPECT_EQ(Tan(log, std::numeric_limits<Extended>::infinity()), 1e30L);
  EXPECT_EQ(Messages(log), Texts{"Error: function tan in Unit math"});
}

TEST(PowerMsg, UsesTheMagnitudeOfANegativeBase) {
  model::MessageLog log;
  EXPECT_NEAR(static_cast<double>(PowerMsg(log, "Fehler : Fp", -8, 1.0L / 3)), 2.0, 1e-15);
  EXPECT_EQ(Messages(log), Texts{"Fehler : Fp (pow)"});

  model::MessageLog quiet;
  struct Case {
    const char* name;
    Extended x, y, want;
  };
  const Case cases[] = {
      {"zero base", 0, -2, 0},
      {"plain", 2, 10, 1024},
      {"overflow guard", 10, 2000, 1e3000L},
      {"underflow guard", 10, -2000, 0},
      {"negative base, no text", -2, 2, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Extended got = PowerMsg(quiet, "", c.x, c.y);
    EXPECT_LE(std::fabs(got - c.want), 1e-15L * std::fabs(c.want));
  }
  EXPECT_EQ(quiet.messageCount, 0);
}

TEST(SmallRoutines, Table) {
  model::MessageLog log;
  EXPECT_EQ(IntPower(2, -2), 0.25L);
  EXPECT_EQ(IntPower(7.5L, 0), 1);
  EXPECT_NEAR(static_cast<double>(IntPower(1.4L, 4)), 3.8416, 1e-15);
  EXPECT_EQ(SqrtMsg(log, "Fehler : g alpha", 16), 4);
  EXPECT_EQ(SqrtMsg(log, "Fehler : g alpha", -1), 0);
  EXPECT_EQ(SqrtMsg(log, "", -1), 0);
  EXPECT_EQ(Messages(log), Texts{"Fehler : g alpha (sqrt)"});
  EXPECT_EQ(PercentDiff(0, 7), 0);
  EXPECT_EQ(PercentDiff(4, 6), 50);
  EXPECT_EQ(PercentDiff(-4, -2), 50);
  EXPECT_EQ(Log10(0), -1e30L);
  EXPECT_NEAR(static_cast<double>(Log10(1000)), 3, 1e-15);
  EXPECT_EQ(Sign(0), 1);
  EXPECT_EQ(Sign(-0.5L), -1);
  EXPECT_TRUE(NearlyEqual(1, 1 + 9e-6L));
  EXPECT_FALSE(NearlyEqual(1, 1 + 2e-5L));
  EXPECT_EQ(TruncToInt(-2.9L), -2);
  EXPECT_EQ(TruncToInt(1e12L), std::numeric_limits<int>::max());
  EXPECT_EQ(Clamp(1, 9, 12), 9);
}

TEST(RoundTo, RoundsTheScaledValueHalfToEven) {
  struct Case {
    Extended x;
    int n;
    Extended want;
  };
  const Case cases[] = {{0.25L, 1, 0.2L}, {0.75L, 1, 0.8L}, {-0.25L, 1, -0.2L},
                        {2.5L, 0, 2},     {3.5L, 0, 4},     {1.23456L, 3, 1.235L}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.x));
    EXPECT_NEAR(static_cast<double>(RoundTo(c.x, c.n)), static_cast<double>(c.want), 1e-15);
  }
}

TEST(Angles, DirectionsAndReductions) {
  struct Case {
    const char* name;
    Extended x, y, want;
  };
  const Case cases[] = {
      {"down", 0, -1, -kPi / 2},
      {"up", 0, 1, kPi / 2},
      {"origin", 0, 0, kPi / 2},
      {"second quadrant", -1, 1, 3 * kPi / 4},
      {"third quadrant", -1, -1, 5 * kPi / 4},
      {"fourth quadrant", 1, -1, -kPi / 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(static_cast<double>(Angle(c.x, c.y)), static_cast<double>(c.want), 1e-15);
    EXPECT_EQ(Angle2(c.y, c.x), Angle(c.x, c.y));
  }
  EXPECT_NEAR(static_cast<double>(NormAngle(-kPi / 2)), static_cast<double>(3 * kPi / 2), 1e-15);
  EXPECT_NEAR(static_cast<double>(NormAngle(5 * kPi)), static_cast<double>(kPi), 1e-15);
  EXPECT_NEAR(static_cast<double>(AngleDiffDeg(10, 350)), 20, 1e-12);
  EXPECT_NEAR(static_cast<double>(AngleDiffDeg(370, 20)), 350, 1e-12);
  const Point2 r = RotateDegMove(1, 0, 90, 10, 20);
  EXPECT_NEAR(static_cast<double>(r.x), 10, 1e-15);
  EXPECT_NEAR(static_cast<double>(r.y), 21, 1e-15);
  const Point2 q = ScaleRotateDegMove(1, 1, 2, 3, 180, 0, 0);
  EXPECT_NEAR(static_cast<double>(q.x), -2, 1e-15);
  EXPECT_NEAR(static_cast<double>(q.y), -3, 1e-15);
}

TEST(Units, ConvertBothWays) {
  EXPECT_EQ(InchToMm(1), 25.4L);
  EXPECT_NEAR(static_cast<double>(MmToInch(InchToMm(3.5L))), 3.5, 1e-15);
  EXPECT_NEAR(static_cast<double>(Nmm2ToPsi(1)), 145.037, 1e-12);
  EXPECT_NEAR(static_cast<double>(PsiToNmm2(Nmm2ToPsi(7))), 7, 1e-15);
  EXPECT_NEAR(static_cast<double>(LbfInToNm(NmToLbfIn(12))), 12, 1e-15);
}

}  // namespace
}  // namespace kv40::calc
