// The rack tool's outline and the placements of the tooth-form blocks.
#include "calc/tooth_tool.h"

#include <cmath>

#include <gtest/gtest.h>

#include "calc/driver.h"
#include "support/spline_blocks.h"

namespace kv40::calc {
namespace {

double D(Extended v) {
  return static_cast<double>(v);
}

model::SpecState Connection(int z) {
  test::CalcRun c;
  test::SelfDefinedBlock(c.connection, 2 * z + 2.2L, 2, z);
  c.connection.r1 = c.connection.r2 = 0.32L;
  RecalcAll(c.connection, c.nf, c.cancel);
  return c.connection;
}

TEST(RackTool, ProfileOfTheTool) {
  const model::SpecState s = Connection(24);
  struct Case {
    const char* name;
    Extended xe, kStar;
    std::size_t lines, arcs;
  };
  const Case cases[] = {
      {"sharp root", 0.2L, 0, 5, 2},
      {"rounded root", -0.2L, 0.1L, 5, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ToothGear g = MakeToothGear(s, 1, c.xe);
    g.kP0Star = c.kStar;
    g.kP0 = c.kStar * g.mn;
    const RackTool t = MakeRackTool(g);
    std::size_t lines = 0, arcs = 0;
    Extended lowest = 1e9;
    for (const auto& e : t.outline.entities) {
      if (const auto* l = std::get_if<FigLine>(&e)) {
        ++lines;
        EXPECT_EQ(l->layer, kToolLayer);
        lowest = std::min({lowest, l->y1, l->y2});
        // the flanks: inclined by alpha, pi*mn/4 from the centre on the datum line
        const Extended dx = l->x2 - l->x1, dy = l->y2 - l->y1;
        if (std::fabs(dx) > 1e-9 && std::fabs(dy) > 1e-9) {
          EXPECT_NEAR(D(std::fabs(dx / dy)), D(std::tan(g.alpha)), 1e-12);
          const Extended x = l->x1 + dx * (t.datum - l->y1) / dy;
          EXPECT_NEAR(D(std::fabs(x)), D(kPi * g.mn / 4), 1e-12);
        }
      } else {
        ++arcs;
      }
    }
    EXPECT_EQ(lines, c.lines);
    EXPECT_EQ(arcs, c.arcs);
    EXPECT_NEAR(D(lowest), D(-(g.d - g.dfe) / 2), 1e-12);
    EXPECT_NEAR(D(t.datum), D(c.xe * g.mn), 1e-12);
    EXPECT_NEAR(D(t.root - t.datum), D(g.hfP0), 1e-12);
  }
}

TEST(Envelopes, TheToolRollsOnThePitchCircle) {
  struct Case {
    int z, envelopes;
    std::size_t count;
    Extended span;  // radians either side
  };
  const Case cases[] = {{30, 30, 60, 0.45L}, {30, 0, 60, 0.45L}, {8, 5, 10, 4.5L / 8 + 0.3L}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.z);
    const ToothGear g = MakeToothGear(Connection(c.z), 1, 0);
    model::ToothFormOptions o;
    o.envelopesExternal = c.envelopes;
    const auto places = EnvelopePlacements(g, o);
    ASSERT_EQ(places.size(), c.count);
    EXPECT_NEAR(D(places.front().angle), D(-c.span * 180 / kPi), 1e-9);
    EXPECT_LT(places.back().angle, c.span * 180 / kPi);
    const Extended r = g.d / 2;
    for (const Placement& p : places) {
      // the string unwound from the pitch circle: from the point where the tool touches it,
      // perpendicular to the radius there and as long as the arc rolled off
      const Extended phi = p.angle * kPi / 180;
      const Extended tx = -r * std::sin(phi), ty = r * std::cos(phi);
      EXPECT_NEAR(D((p.x - tx) * tx + (p.y - ty) * ty), 0, 1e-9);
      EXPECT_NEAR(D(std::hypot(p.x - tx, p.y - ty)), D(r * std::fabs(phi)), 1e-12);
    }
  }
}

TEST(WholeGear, TeethAndSpacesHalfAPitchApart) {
  const model::SpecState s = Connection(24);
  for (int part = 1; part <= 2; ++part) {
    SCOPED_TRACE(part);
    const ToothGear g = MakeToothGear(s, part, 0);
    const auto teeth = ToothPlacements(g), spaces = SpacePlacements(g);
    ASSERT_EQ(teeth.size(), 24u);
    ASSERT_EQ(spaces.size(), 24u);
    for (std::size_t k = 0; k < teeth.size(); ++k)
      EXPECT_NEAR(D(teeth[k].angle - spaces[k].angle), D(180.0L / g.z), 1e-12);
    EXPECT_NEAR(D(teeth[1].angle - teeth[0].angle), D(-360.0L / g.z), 1e-12);
  }
}

TEST(HubEnvelope, CoaxialShaftStandsOnce) {
  const model::SpecState s = Connection(24);
  const ToothGear shaft = MakeToothGear(s, 1, 0), hub = MakeToothGear(s, 2, 0);
  const HubEnvelope h = HubEnvelopePlacements(shaft, hub, model::ToothFormOptions{});
  EXPECT_TRUE(h.coaxial);
  ASSERT_EQ(h.shaft.size(), 1u);
  EXPECT_EQ(h.shaft[0].x, 0);
  EXPECT_EQ(h.shaft[0].angle, -90);
  EXPECT_EQ(h.hubTeeth.size(), 24u);
  EXPECT_NEAR(D(h.pitchRadius), 24, 1e-12);
  // a smaller shaft rolls round inside
  ToothGear small = shaft;
  small.dwe = 40;
  const HubEnvelope r = HubEnvelopePlacements(small, hub, model::ToothFormOptions{});
  EXPECT_FALSE(r.coaxial);
  ASSERT_EQ(r.shaft.size(), 200u);
  for (const Placement& p : r.shaft)
    EXPECT_NEAR(D(std::hypot(p.x, p.y)), 4, 1e-12);
}

TEST(Meshing, HubTeethStandInTheShaftSpacesAtEveryAngle) {
  for (const Extended phi : {0.0L, 7.5L, -40.0L}) {
    SCOPED_TRACE(D(phi));
    const Meshing m = MeshingPlacements(24, -24, 0, phi);
    ASSERT_EQ(m.shaftTeeth.size(), 3u);
    ASSERT_EQ(m.hubTeeth.size(), 4u);
    // the shaft's tooth points along +y turned by its angle, the hub's along -y
    for (const Placement& h : m.hubTeeth) {
      const Extended dir = h.angle - 180 - phi;  // from the shaft tooth at phi
      const Extended pitches = dir / 15;
      EXPECT_NEAR(D(pitches - std::floor(pitches)), 0.5, 1e-12);
    }
    const GearPair pair = PairPlacements(24, -24, 0, phi);
    // the shaft's space sits on its turned y axis; so does one hub tooth
    const Extended hubTooth = pair.hub.angle + 180.0L / -24 - 180 - phi;
    EXPECT_NEAR(D(std::remainder(hubTooth, 15.0L)), 0, 1e-12);
  }
}

}  // namespace
}  // namespace kv40::calc
