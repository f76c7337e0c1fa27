// Load capacity: allowable torques, flank pressure and safety factors, and how the block ends.
#include "calc/load.h"

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calc/driver.h"
#include "calc/math.h"
#include "support/spline_blocks.h"

namespace kv40::calc {
namespace {

using test::HasMessage;
using Texts = std::vector<std::string>;

double D(Extended v) {
  return static_cast<double>(v);
}

// 50 x 2 x 24 with balls and k at their proposals, so that only load findings remain.
void Block(test::CalcRun& p) {
  test::SelfDefinedBlock(p.connection, 50, 2, 24);
  p.connection.DM = Pair<Extended>(3.7L, 3.5L);
  p.connection.k = Pair<std::int32_t>(4, -2);
  p.connection.d3 = 49.5L;  // clearance 0.125 mn: no clearance warning
  p.connection.d4 = 45.5L;
  p.connection.d2 = 46.5L;
  p.connection.d1 = 50.5L;
}

Texts LoadMessages(const model::SpecState& s) {
  Texts out;
  for (const auto& m : test::Messages(s)) {
    if (m.rfind("Warnung: Zahnspiel", 0) != 0) out.push_back(m);
  }
  return out;
}

TEST(Load, AnUnloadedConnectionIsRefusedNotGivenZeroSafety) {
  // Without torques every safety would be 0 and every strength message a false alarm.
  test::CalcRun p;
  Block(p);
  p.connection.TN = 0;
  p.connection.Tmax = 0;
  RecalcAll(p.connection, p.nf, p.cancel);
  const auto& s = p.connection;
  EXPECT_EQ(LoadMessages(p.connection), Texts{"Fatal  : TN nicht in 0.001..1e7 !"});
  EXPECT_TRUE(s.log.fatal);
  EXPECT_EQ(s.Seq, Pair<Extended>(0, 0));  // never calculated
}

TEST(Load, FlankPressureAndSafety) {
  test::CalcRun p;
  Block(p);
  p.connection.TN = 200;
  p.connection.Tmax = 300;
  p.connection.KA = 1.25L;
  RecalcAll(p.connection, p.nf, p.cancel);
  const auto& s = p.connection;
  EXPECT_TRUE(LoadMessages(p.connection).empty())
      << ::testing::PrintToString(LoadMessages(p.connection));
  // by hand: rw = cos 30 * 2 * 12, rm = (49.5 + 46.5) / 4, h = (49.5 - 46.5) / 2, L = 60,
  // quality 10: K phi,eq = 3.0, K phi,max = 2.5
  const double rw = std::cos(std::numbers::pi / 6) * 24, rm = 24, hw = 1.5, cw = rw / rm;
  EXPECT_NEAR(D(s.Teq), 250, 1e-12);
  EXPECT_NEAR(D(s.rw), rw, 1e-12);
  EXPECT_NEAR(D(s.rm), rm, 1e-12);
  EXPECT_NEAR(D(s.hw), hw, 1e-12);
  EXPECT_NEAR(D(s.peq), cw * 250000 / (24 * rw) / (60 * hw) * 3.0, 1e-9);
  EXPECT_NEAR(D(s.pmax), cw * 300000 / (24 * rw) / (60 * hw) * 2.5, 1e-9);
  EXPECT_NEAR(D(s.Seq[1]), 1050 * 1.2 / D(s.peq), 1e-9);
  EXPECT_NEAR(D(s.Smax[2]), 230 * 2.0 / D(s.pmax), 1e-9);
  EXPECT_NEAR(D(s.taunmax), 16 * 300000 / (std::numbers::pi * 48 * 48 * 48), 1e-9);
  EXPECT_NEAR(D(s.plim[1]), 1260, 1e-12);
}

TEST(Load, ConnectionKindsAndMaterialType) {
  struct Case {
    const char* name;
    Word kind;
    std::int32_t hubType;
    double nueFs, nueFw, pzul, tzul2PerTzul1;
  };
  const Case cases[] = {
      {"fixed", 1, 0, 1.6, 4, 100, 0.7},
      {"slides unloaded", 2, 0, 3.2, 8, 100, 0.7},
      {"slides under load, cast hub", 3, 40, 7.5, 16, 60, 1.5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::CalcRun p;
    Block(p);
    p.connection.connKind = c.kind;
    p.connection.wgroup[2] = c.hubType;
    RecalcAll(p.connection, p.nf, p.cancel);
    const auto& s = p.connection;
    EXPECT_NEAR(D(s.nueFs), c.nueFs, 1e-15);
    EXPECT_NEAR(D(s.nueFw), c.nueFw, 1e-15);
    EXPECT_NEAR(D(s.pFszul[1]), 1050 / c.nueFs, 1e-12);
    EXPECT_NEAR(D(s.pFwzul[2]), 230 / c.nueFw, 1e-12);
    // the weaker hub decides
    const double common = 48 * 60 * D(s.hprime) * 0.75 * 24 / 2000;
    EXPECT_NEAR(D(s.Tszul), 230 / c.nueFs * common, 1e-9);
    EXPECT_NEAR(D(s.Twzul), 230 / c.nueFw * common, 1e-9);
    EXPECT_NEAR(D(s.hprime), (49.5 - 46.5 - 0.44) / 2, 1e-12);
    EXPECT_EQ(s.pzul, c.pzul);
    EXPECT_NEAR(D(s.Tzul2 / s.Tzul1), c.tzul2PerTzul1, 1e-15);
  }
  test::CalcRun p;
  Block(p);
  p.connection.connKind = 2;
  RecalcAll(p.connection, p.nf, p.cancel);
  EXPECT_NEAR(D(p.connection.pFszul[1]), 328.125, 1e-12);
  EXPECT_NEAR(D(p.connection.pFszul[2]), 71.875, 1e-12);
  p.connection.connKind = 9;  // unknown kind: the factors stay
  RecalcAll(p.connection, p.nf, p.cancel);
  EXPECT_NEAR(D(p.connection.nueFs), 3.2, 1e-15);
}

TEST(Load, LoadShareByQuality) {
  struct Case {
    Word shaftSeries, hubSeries;
    double eq, max;
  };
  const Case cases[] = {{6, 7, 3.0, 2.5}, {1, 1, 1.1, 1.0}, {9, 2, 8.0, 5.0}, {3, 4, 1.3, 1.1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shaftSeries * 10 + c.hubSeries);
    test::CalcRun p;
    Block(p);
    p.connection.tolreihe = Pair<Word>(c.shaftSeries, c.hubSeries);
    RecalcAll(p.connection, p.nf, p.cancel);
    EXPECT_NEAR(D(p.connection.Kphieq), c.eq, 1e-15);
    EXPECT_NEAR(D(p.connection.Kphimax), c.max, 1e-15);
  }
  model::MessageLog log;
  EXPECT_EQ(LoadShareEq(log, 13), 0);
  EXPECT_EQ(LoadShareMax(log, 3), 0);
  ASSERT_EQ(log.messageCount, 2);
  EXPECT_EQ(log.Message(1), "Fehler : tol = 13 !");
  EXPECT_EQ(log.Message(2), "Fehler : tol = 3 !");
}

TEST(Load, EarlyEndsKeepEarlierValues) {
  struct Case {
    const char* name;
    void (*change)(model::SpecState&);
    const char* message;
    bool fatal;
  };
  const Case cases[] = {
      {"no application factor", [](model::SpecState& s) { s.KA = 0; },
       "Fatal  : KA nicht in 0.1..10 !", true},
      {"no friction", [](model::SpecState& s) { s.aux[5] = 0; }, "Fatal  : mue = 0 !", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::CalcRun p;
    Block(p);
    p.connection.TN = 200;
    p.connection.Tmax = 300;
    RecalcAll(p.connection, p.nf, p.cancel);
    const Extended teq = p.connection.Teq, peq = p.connection.peq, seq = p.connection.Seq[1];
    p.connection.TN = 400;
    p.connection.Tmax = 600;
    c.change(p.connection);
    RecalcAll(p.connection, p.nf, p.cancel);
    EXPECT_EQ(LoadMessages(p.connection), Texts{c.message});
    EXPECT_EQ(p.connection.log.fatal, c.fatal);
    EXPECT_EQ(p.connection.Teq, teq);
    EXPECT_EQ(p.connection.peq, peq);
    EXPECT_EQ(p.connection.Seq[1], seq);
  }
}

TEST(Load, AuxiliaryRecordAndTorsionMessages) {
  test::CalcRun p;
  Block(p);
  p.connection.TN = 200;
  p.connection.Tmax = 300;
  p.connection.aux[2] = -1000;  // negative: Ri < 0
  RecalcAll(p.connection, p.nf, p.cancel);
  EXPECT_EQ(LoadMessages(p.connection), (Texts{"Fatal  : Ri, Rigr.", "ze (sqrt)"}));
  EXPECT_GT(p.connection.peq, 0);  // the block goes on

  // torsion: 70 % of Re passes, more warns
  for (const double share : {0.69, 0.71}) {
    SCOPED_TRACE(share);
    test::CalcRun q;
    Block(q);
    q.connection.TN = 10;
    q.connection.Tmax = share * 1050 * std::numbers::pi * 48 * 48 * 48 / 16000;
    RecalcAll(q.connection, q.nf, q.cancel);
    EXPECT_EQ(HasMessage(q.connection, "Warnung: tau max / Re > 0.7 !"), share > 0.7);
  }
}

}  // namespace
}  // namespace kv40::calc
