// Meshing checks and warnings of a calculation, and the drawing values.
#include "calc/checks.h"

#include <cmath>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "calc/driver.h"
#include "calc/math.h"
#include "support/spline_blocks.h"

namespace kv40::calc {
namespace {

using test::HasMessage;

double D(Extended v) {
  return static_cast<double>(v);
}

// 50 x 2 x 24 with balls and k close to the proposals, run after a change of its inputs.
test::CalcRun Calculated(const std::function<void(model::SpecState&)>& change) {
  test::CalcRun p;
  test::SelfDefinedBlock(p.connection, 50, 2, 24);
  p.connection.DM = Pair<Extended>(3.7L, 3.5L);
  p.connection.k = Pair<std::int32_t>(4, -2);
  p.connection.TN = 100;
  p.connection.Tmax = 150;
  change(p.connection);
  RecalcAll(p.connection, p.nf, p.cancel);
  return p;
}

TEST(Warnings, WhatEachInputChangeReports) {
  struct Case {
    const char* name;
    std::function<void(model::SpecState&)> change;
    const char* present;  // nullptr: none of the texts below
    const char* absent;
  };
  const Case cases[] = {
      {"h / H", [](model::SpecState&) {}, nullptr, "Warnung: Asne < Aau !  (1)"},
      {"h / H, hub", [](model::SpecState&) {}, nullptr, "Warnung: Asne < Aau !  (2)"},
      {"shaft k", [](model::SpecState& s) { s.tolfeld[1] = 10; }, "Warnung: Asne < Aau !  (1)",
       "Warnung: Asne < Aau !  (2)"},
      {"hub J", [](model::SpecState& s) { s.tolfeld[2] = 4; }, "Warnung: Asne < Aau !  (2)",
       "Warnung: Asne < Aau !  (1)"},
      {"shaft f, hub F", [](model::SpecState& s) { s.tolfeld = Pair<Word>(6, 1); }, nullptr,
       "Warnung: Asne < Aau !  (2)"},
      {"k 50 % above the proposal", [](model::SpecState& s) { s.k[1] = 6; }, nullptr,
       "Messzaehnezahl 1 !"},
      {"k more than 50 % above", [](model::SpecState& s) { s.k[1] = 7; }, "Messzaehnezahl 1 !",
       "Messzaehnezahl 2 !"},
      {"hub k 50 % off", [](model::SpecState& s) { s.k[2] = -3; }, nullptr, "Messzaehnezahl 2 !"},
      {"hub k 100 % off", [](model::SpecState& s) { s.k[2] = -4; }, "Messzaehnezahl 2 !",
       "Messzaehnezahl 1 !"},
      {"ball 49 % above", [](model::SpecState& s) { s.DM[1] = 5.5L; }, nullptr,
       "Messkugeldurchmesser 1 !"},
      {"ball 51 % above", [](model::SpecState& s) { s.DM[1] = 5.6L; }, "Messkugeldurchmesser 1 !",
       "Messkugeldurchmesser 2 !"},
      {"clearance just above 0.12 mn", [](model::SpecState& s) { s.d3 = s.d1 - 0.48L - 1e-9L; },
       nullptr, "Warnung: Zahnspiel < 0.12mn ! (1)"},
      {"clearance just below 0.12 mn", [](model::SpecState& s) { s.d3 = s.d1 - 0.48L + 1e-9L; },
       "Warnung: Zahnspiel < 0.12mn ! (1)", "Fehler : Zahnspiel < 0 ! (1)"},
      {"no clearance", [](model::SpecState& s) { s.d3 = s.d1 + 0.1L; },
       "Fehler : Zahnspiel < 0 ! (1)", "Warnung: Zahnspiel < 0.12mn ! (1)"},
      {"hub clearance", [](model::SpecState&) {}, "Warnung: Zahnspiel < 0.12mn ! (2)",
       "Eingriffstörungen !"},
      {"shaft tip below the hub tip", [](model::SpecState& s) { s.d3 = s.d2 - 0.1L; },
       "Eingriffstörungen !", nullptr},
      {"pointed shaft teeth", [](model::SpecState& s) { s.d3 = 52.5L; }, "Warnung: Spitzzahn ! (1)",
       "Warnung: Spitzzahn ! (2)"},
      {"undercut", [](model::SpecState& s) { test::SetBlock(s, 7.2L, 1, 6); },
       "Warnung: Unterschnitt ! (1)", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const test::CalcRun p = Calculated(c.change);
    EXPECT_FALSE(p.connection.log.fatal);
    const std::string all = ::testing::PrintToString(test::Messages(p.connection));
    if (c.present) {
      EXPECT_TRUE(HasMessage(p.connection, c.present)) << all;
    }
    if (c.absent) {
      EXPECT_FALSE(HasMessage(p.connection, c.absent)) << all;
    }
  }
}

TEST(Warnings, ATeethFormWithoutSpanIsFatalAndJudgesNoBall) {
  // this tooth form has neither a span nor a ball proposal: the run is fatal, and the user's
  // ball stays unjudged
  const test::CalcRun p = Calculated([](model::SpecState& s) {
    test::SetBlock(s, 9, 1, 6);
    s.xm = -0.5L;
    s.DM = Pair<Extended>(40, 40);
  });
  EXPECT_TRUE(HasMessage(p.connection, "Fatal  : Zahnweite ! (acos)"))
      << testing::PrintToString(test::Messages(p.connection));
  EXPECT_TRUE(p.connection.log.fatal);
  EXPECT_FALSE(HasMessage(p.connection, "Messkugeldurchmesser 1 !"));
  EXPECT_FALSE(HasMessage(p.connection, "Messkugeldurchmesser 2 !"));
}

TEST(PairData, HubTipInsideTheShaftBaseCircle) {
  const test::CalcRun p = Calculated([](model::SpecState& s) { s.d2 = 41; });  // db1 = 41.57
  const auto& s = p.connection;
  EXPECT_TRUE(HasMessage(p.connection, "Fehler : Eingr.stör. da2 !"));
  EXPECT_TRUE(HasMessage(p.connection, "Fehler : db > da  (2) !"));
  EXPECT_NEAR(D(s.daEff[2]), D(-s.db[1]), 1e-12);
  EXPECT_NEAR(D(s.dNf[1]), D(s.db[1]), 1e-12);
  EXPECT_NEAR(D(s.dNf[2]), D(-s.da[1]), 1e-12);
  // the tip inside the base circle has no involute: "Fatal  : db > da  (2) (acos)"
  EXPECT_TRUE(s.log.fatal);
}

TEST(Accuracy, ToleranceAgainstTwiceRs) {
  test::CalcRun p = Calculated([](model::SpecState&) {});
  auto& s = p.connection;
  EXPECT_FALSE(HasMessage(p.connection, "Warnung: Tsn < 2Rs !  (1)"));
  const Extended rs9 = s.Rs[1];  // quality 9
  // quality 10 asks 2 Rs = 74 um of the shaft's 71 um (series 9)
  s.Q[1] = 10;
  model::ResetMessages(s.log);
  CheckAccuracy(p.connection);
  EXPECT_NEAR(D(s.Rs[1] / rs9), 1.4, 1e-15);  // 1.4 per quality step
  EXPECT_NEAR(D(2 * s.Rs[1]), 73.9, 0.1);
  EXPECT_EQ(test::Messages(p.connection), std::vector<std::string>{"Warnung: Tsn < 2Rs !  (1)"});

  s.df[1] = 0;
  model::ResetMessages(s.log);
  CheckAccuracy(p.connection);
  EXPECT_TRUE(HasMessage(p.connection, "Unbrauchbare Ergebnisse - bitte Neub"));
}

TEST(DrawingValues, FollowTheGeneratingShift) {
  test::CalcRun p = Calculated([](model::SpecState&) {});
  auto& s = p.connection;
  DrawingValues(p.connection, s.xemaxM);
  for (int i = 1; i <= 2; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(D(s.sne[i]), D(s.snmax[i]), 1e-12);
    EXPECT_NEAR(D(s.dfe[i]), D(s.df[i]), 1e-12);
    EXPECT_NEAR(D(s.dae[i]), D(s.da[i]), 1e-12);
    EXPECT_NEAR(D(s.dwe[i]), D(s.d[i]), 1e-12);
  }
  const PartPair<Extended> more = Pair(s.xemaxM[1] + 0.1L, s.xemaxM[2] + 0.1L);
  DrawingValues(p.connection, more);
  EXPECT_NEAR(D(s.dfe[1] - s.df[1]), 0.2 * 2, 1e-12);
  EXPECT_NEAR(D(s.dae[2] - s.da[2]), 0.2 * 2, 1e-12);
  EXPECT_NEAR(D(s.sne[1] - s.snmax[1]), D(0.2L * std::tan(DegToRad(30)) * 2), 1e-12);

  // a picture centre distance has no finite operating circles for the coaxial pair
  s.aCad = 1;
  DrawingValues(p.connection, s.xemaxM);
  EXPECT_EQ(s.dwe[1], s.d[1]);
  EXPECT_EQ(s.dwe[2], s.d[2]);
  EXPECT_FALSE(s.log.fatal);
}

}  // namespace
}  // namespace kv40::calc
