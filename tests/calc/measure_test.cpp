// Inspection dimensions: published values, proposals for ball diameter and k, the hub's
// negative values, and the messages of the span and ball routines.
#include "calc/measure.h"

#include <cmath>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/text_file.h"
#include "calc/driver.h"
#include "calc/math.h"
#include "support/spline_blocks.h"

namespace kv40::calc {
namespace {

double D(Extended v) {
  return static_cast<double>(v);
}

std::vector<std::string> SplitCsv(const std::string& line) {
  std::vector<std::string> cells;
  std::stringstream in(line);
  std::string cell;
  while (std::getline(in, cell, ','))
    cells.push_back(cell);
  return cells;
}

std::optional<Extended> Number(const std::string& cell) {
  if (cell.empty()) return std::nullopt;
  return std::stold(cell);
}

// Published theoretical inspection values (tests/data/reference_cases.csv). The hub's
// published value is the dimension between the balls; the hub's MdR is stored negative, so
// the published value equals -MdR[2].
TEST(ReferenceCases, PublishedBallAndSpanDimensions) {
  const auto file = base::ReadTextFile(std::string(KV40_TEST_DATA_DIR) + "/reference_cases.csv");
  ASSERT_TRUE(file.text.has_value());
  int cases = 0;
  int hubCases = 0;
  for (const std::string& line : file.text->lines) {
    if (line.empty() || line[0] == '#') continue;
    const auto c = SplitCsv(line);
    ASSERT_GE(c.size(), 10u) << line;
    SCOPED_TRACE(c[0]);
    test::CalcRun p;
    test::SelfDefinedBlock(p.connection, std::stold(c[1]), std::stold(c[2]), std::stoi(c[3]));
    const auto hubBall = Number(c[4]);
    const auto hubBetween = Number(c[5]);
    p.connection.DM[1] = std::stold(c[6]);
    if (hubBall) p.connection.DM[2] = *hubBall;
    p.connection.k[1] = std::stoi(c[8]);
    RecalcAll(p.connection, p.nf, p.cancel);
    ASSERT_FALSE(p.connection.log.fatal);
    EXPECT_NEAR(D(p.connection.MdR[1]), std::stod(c[7]), 0.002);
    EXPECT_NEAR(D(p.connection.W[1]), std::stod(c[9]), 0.002);
    if (hubBall && hubBetween) {
      EXPECT_NEAR(D(-p.connection.MdR[2]), D(*hubBetween), 0.002);
      ++hubCases;
    }
    ++cases;
  }
  EXPECT_EQ(cases, 3);
  EXPECT_EQ(hubCases, 2);
}

TEST(Measurements, LimitsFollowTheGeneratingShifts) {
  test::CalcRun p;
  test::SelfDefinedBlock(p.connection, 50, 2, 24);
  p.connection.tolfeld = Pair<Word>(6, 1);  // f / F: thinner shaft teeth, wider hub spaces
  p.connection.DM = Pair<Extended>(4, 3.5L);
  p.connection.k = Pair<std::int32_t>(0, 0);
  RecalcAll(p.connection, p.nf, p.cancel);
  const auto& s = p.connection;
  EXPECT_EQ(s.k[1], 4);
  EXPECT_EQ(s.k[2], -2);                                     // the hub's proposal is negative
  const Extended shift = 2 * std::sin(DegToRad(30)) * s.mn;  // span per unit of shift
  for (int i = 1; i <= 2; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(D(s.Wmax[i] - s.W[i]), D(shift * (s.xemaxM[i] - s.x[i])), 1e-12);
    EXPECT_NEAR(D(s.Wmin[i] - s.W[i]), D(shift * (s.xeminM[i] - s.x[i])), 1e-12);
    EXPECT_NEAR(D(s.WEmax[i] - s.W[i]), D(shift * (s.xeE[i] - s.x[i])), 1e-12);
    EXPECT_LT(s.MdRmin[i], s.MdRmax[i]);
    EXPECT_LT(s.Wmin[i], s.Wmax[i]);
  }
  EXPECT_LT(s.W[2], 0);  // the hub's span as computed, negative
  // the single-measurement maximum lies between the limits of the tolerance
  EXPECT_LT(s.MdREmax[1], s.MdRmax[1]);
  EXPECT_GT(s.MdREmax[1], s.MdRmin[1]);
  EXPECT_LT(s.MdRmax[1], s.MdR[1]);  // "f" takes material off the shaft
  EXPECT_LT(s.MdRmax[2], s.MdR[2]);  // "F" widens the hub's spaces: between balls grows
}

TEST(Measurements, KProposalIsWrittenOnceAndKept) {
  test::CalcRun p;
  test::SelfDefinedBlock(p.connection, 50, 2, 24);
  p.connection.k = Pair<std::int32_t>(0, 0);
  RecalcAll(p.connection, p.nf, p.cancel);
  EXPECT_EQ(p.connection.k, Pair<std::int32_t>(4, -2));
  test::SetBlock(p.connection, 120, 3, 38);  // would propose more teeth
  RecalcAll(p.connection, p.nf, p.cancel);
  EXPECT_EQ(p.connection.k, Pair<std::int32_t>(4, -2));
}

TEST(Measurements, BallTooSmallIsReportedPerPart) {
  test::CalcRun p;
  test::SelfDefinedBlock(p.connection, 50, 2, 24);
  p.connection.DM = Pair<Extended>(0.5L, 3.5L);
  RecalcAll(p.connection, p.nf, p.cancel);
  bool found = false;
  for (int i = 1; i <= p.connection.log.messageCount; ++i)
    found = found || p.connection.log.Message(i) == "Fehler : Dm ball !  (1)";
  EXPECT_TRUE(found);
  EXPECT_FALSE(p.connection.log.fatal);

  model::MessageLog log;
  BallDimFree(log, 24, 2, DegToRad(30), 0, 0, 0.3L);
  ASSERT_EQ(log.messageCount, 1);
  EXPECT_EQ(log.Message(1), "Fehler : Dm ball !");
}

TEST(Measurements, SpanAngleFailureIsReported) {
  test::CalcRun p;
  test::SelfDefinedBlock(p.connection, 50, 2, 24);
  RecalcAll(p.connection, p.nf, p.cancel);
  p.connection.x[1] = -11.5L;  // d / dx far above 1 / cos(alpha)
  model::ResetMessages(p.connection.log);
  SpanW(p.connection, 1, p.connection.x[1]);
  ASSERT_GE(p.connection.log.messageCount, 1);
  EXPECT_EQ(p.connection.log.Message(1), "Fatal  : Zahnweite ! (acos)");
  EXPECT_TRUE(p.connection.log.fatal);  // a span that cannot be had leaves nothing usable
}

TEST(Measurements, PinsEqualBallsForStraightTeeth) {
  test::CalcRun p;
  test::SelfDefinedBlock(p.connection, 13, 1, 11);
  RecalcAll(p.connection, p.nf, p.cancel);
  auto& s = p.connection;
  EXPECT_EQ(PinDim(s, 1, 16.5L), 16.5L);
  EXPECT_EQ(PinDimFree(11, 0, 2, 16.5L), 16.5L);
  EXPECT_EQ(PinDimFree(1, 0.2L, 2, 16.5L), 16.5L);
  EXPECT_EQ(PinDimFree(12, 0.2L, 2, 16.5L), 16.5L);
  // helical, odd: the pins lie across, not half a pitch apart
  const Extended c = std::cos(kPi / 22);
  EXPECT_NEAR(D(PinDimFree(11, 0.2L, 2, 16.5L)), D(14.5L / c + 2), 1e-15);
  s.beta = 10;
  s.DM[1] = 2;
  EXPECT_NEAR(D(PinDim(s, 1, 16.5L)), D(14.5L / c + 2), 1e-15);
}

TEST(ProposeDM, RoundedProposalsAndNoProposal) {
  test::CalcRun p;
  const Extended a = DegToRad(30);
  // x = 0: D = m z cos(a) (tan(a + pi / 2z) - tan(a))
  struct Case {
    int z;
    Extended m;
  };
  const Case cases[] = {{24, 2}, {11, 1}, {38, 3}, {-24, 2}, {-11, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.z);
    const Extended want = c.m * c.z * std::cos(a) * (std::tan(a + kPi / (2 * c.z)) - std::tan(a));
    p.nf.inchUnits = 0;
    const Extended mm = ProposeDM(p.connection.log, p.nf, c.z, 0, a, 0, c.m);
    EXPECT_NEAR(D(mm), D(RoundTo(want, 1)), 1e-15);
    EXPECT_NEAR(D(mm * 10), std::nearbyint(D(mm * 10)), 1e-9);  // a multiple of 0.1 mm
    p.nf.inchUnits = 1;
    const Extended inch = ProposeDM(p.connection.log, p.nf, c.z, 0, a, 0, c.m);
    EXPECT_NEAR(D(inch), D(want), 0.0127 + 1e-12);
    EXPECT_NEAR(D(inch / 25.4L * 1000), std::nearbyint(D(inch / 25.4L * 1000)), 1e-9);
  }
  EXPECT_EQ(p.connection.log.messageCount, 0);

  // the tooth form allows no proposal: 0 means "keep the user's ball"
  EXPECT_EQ(ProposeDM(p.connection.log, p.nf, 6, 0, a, -0.5L, 1), kNoProposal);
  ASSERT_EQ(p.connection.log.messageCount, 2);
  EXPECT_EQ(p.connection.log.Message(1), "Fehler : DmMess (acos)");
  EXPECT_EQ(p.connection.log.Message(2), "Fatal  : Kugelmaß DmMess !");
  EXPECT_TRUE(p.connection.log.fatal);  // said as fatal, so it is
}

TEST(ProposeK, SignedProposalsAndFailures) {
  test::CalcRun p;
  const Extended a = DegToRad(30);
  EXPECT_EQ(ProposeK(p.connection.log, 24, 0, a, -0.05L, 2), 4);
  EXPECT_EQ(ProposeK(p.connection.log, -24, 0, a, 0.05L, 2), -2);
  EXPECT_EQ(ProposeK(p.connection.log, 38, 0, a, 0.45L, 3), 7);
  EXPECT_EQ(p.connection.log.messageCount, 0);
  EXPECT_EQ(ProposeK(p.connection.log, 2, 0, a, -0.5L, 1), 1);  // no angle: one tooth
  EXPECT_EQ(p.connection.log.Message(1), "Fehler : kmess (acos)");
  EXPECT_FALSE(p.connection.log.fatal);
  EXPECT_EQ(ProposeK(p.connection.log, 0, 0, a, 0, 1), 0);
  EXPECT_EQ(p.connection.log.Message(2), "Fatal  : z = 0 !");
  EXPECT_TRUE(p.connection.log.fatal);
}

}  // namespace
}  // namespace kv40::calc
