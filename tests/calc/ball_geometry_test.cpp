// The closed form of the dimension over balls against a ball placed numerically between two
// involute flanks: in the tooth space of the shaft, and in the tooth space of the hub.
#include <cmath>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "calc/math.h"
#include "calc/measure.h"

namespace kv40::calc {
namespace {

using LD = long double;

constexpr LD kAlpha = 30 * kPi / 180;
constexpr LD kMaxRoll = 2.5L;  // roll parameter range sampled on the flank

LD Involute(LD a) {
  return std::tan(a) - a;
}

// One involute flank of base radius rb: polar angle psi + inv(alpha) - inv(alpha_rho) at the
// radius rho, written with the roll parameter u = tan(alpha_rho).
struct Flank {
  LD rb;
  LD psi;  // half angle of the tooth (or of the hub's space) at the reference circle

  LD X(LD u) const { return Rho(u) * std::cos(Theta(u)); }
  LD Y(LD u) const { return Rho(u) * std::sin(Theta(u)); }
  LD Rho(LD u) const { return rb * std::sqrt(1 + u * u); }
  LD Theta(LD u) const { return psi + Involute(kAlpha) - (u - std::atan(u)); }

  // Radius where the flank meets its mirror image on the axis (the point of a tooth shape).
  LD PointRadius() const {
    LD lo = 0;
    LD hi = kMaxRoll;
    for (int n = 0; n < 100; ++n) {
      const LD u = (lo + hi) / 2;
      (Theta(u) > 0 ? lo : hi) = u;
    }
    return Rho(lo);
  }
};

struct Nearest {
  LD distance;
  LD roll;
};

// Distance from the point at radius r on the ray at angle phi to the flank.
Nearest DistanceToFlank(const Flank& f, LD r, LD phi) {
  const LD cx = r * std::cos(phi);
  const LD cy = r * std::sin(phi);
  auto dist = [&](LD u) { return std::hypot(f.X(u) - cx, f.Y(u) - cy); };
  constexpr int kSamples = 250;
  int best = 0;
  LD bestDist = dist(0);
  for (int k = 1; k <= kSamples; ++k) {
    const LD d = dist(kMaxRoll * k / kSamples);
    if (d < bestDist) {
      bestDist = d;
      best = k;
    }
  }
  LD lo = kMaxRoll * std::max(best - 1, 0) / kSamples;
  LD hi = kMaxRoll * std::min(best + 1, kSamples) / kSamples;
  const LD g = (std::sqrt(5.0L) - 1) / 2;
  for (int n = 0; n < 120; ++n) {  // golden section
    const LD a = hi - g * (hi - lo);
    const LD b = lo + g * (hi - lo);
    if (dist(a) < dist(b)) {
      hi = b;
    } else {
      lo = a;
    }
  }
  const LD u = (lo + hi) / 2;
  return {dist(u), u};
}

// Radius of the ball centre where a ball of diameter dm touches the flank, searched from the
// base circle up to hi; nullopt when the ball does not fit down to the base circle (it would
// touch the flanks below their involutes). In the shaft's space the distance to the flank
// grows outwards; in the hub's space it shrinks.
std::optional<LD> BallCentreRadius(const Flank& f, LD phi, LD dm, LD hi, bool grows) {
  const LD r = dm / 2;
  auto side = [&](LD radius) { return (DistanceToFlank(f, radius, phi).distance > r) == grows; };
  LD lo = f.rb;
  if (side(lo)) return std::nullopt;
  EXPECT_TRUE(side(hi));
  for (int n = 0; n < 100; ++n) {
    const LD mid = (lo + hi) / 2;
    if (side(mid)) {
      hi = mid;
    } else {
      lo = mid;
    }
  }
  const LD centre = (lo + hi) / 2;
  const Nearest touch = DistanceToFlank(f, centre, phi);
  // the ball touches the involute itself, not its start on the base circle
  EXPECT_GT(touch.roll, 1e-3L);
  EXPECT_LT(touch.roll, kMaxRoll - 1e-3L);
  return centre;
}

// Centres of two balls on opposite sides; for an odd number of teeth the spaces opposite
// each other are half a pitch apart.
LD CentreDistance(int z, LD radius) {
  return z % 2 == 0 ? 2 * radius : 2 * radius * std::cos(kPi / (2 * z));
}

TEST(BallDimension, AgreesWithABallPlacedBetweenInvoluteFlanks) {
  const int teeth[] = {6, 7, 12, 13, 24, 25, 38, 41};
  const LD shifts[] = {-0.3L, 0, 0.45L};
  const LD balls[] = {1.5L, 1.75L, 2.0L};  // times the module
  const LD m = 1.25L;
  int placed = 0;
  for (int z : teeth) {
    for (LD x : shifts) {
      for (LD ball : balls) {
        SCOPED_TRACE("z " + std::to_string(z) + " x " + std::to_string(static_cast<double>(x)) +
                     " DM/m " + std::to_string(static_cast<double>(ball)));
        const LD dm = ball * m;
        const LD rb = m * z * std::cos(kAlpha) / 2;
        const LD r = m * z / 2;
        model::MessageLog log;

        // shaft: a tooth centred on angle 0 with thickness m (pi/2 + 2 x tan a); the ball sits
        // in the space centred on angle pi/z
        const Flank tooth{rb, m * (kPi / 2 + 2 * x * std::tan(kAlpha)) / (2 * r)};
        if (auto centre = BallCentreRadius(tooth, kPi / z, dm, r + 4 * m, true)) {
          const LD shaft = CentreDistance(z, *centre) + dm;
          EXPECT_NEAR(static_cast<double>(BallDimFree(log, z, m, kAlpha, 0, x, dm)),
                      static_cast<double>(shaft), 1e-6);
          ++placed;
        }

        // hub with the stored shift xh: its teeth are m (pi/2 + 2 xh tan a) thick, so its
        // space, centred on angle 0, is the rest of the pitch; the ball sits in that space
        const LD xh = -x;
        const Flank space{rb, (kPi * m - m * (kPi / 2 + 2 * xh * std::tan(kAlpha))) / (2 * r)};
        if (auto centre = BallCentreRadius(space, 0, dm, space.PointRadius(), false)) {
          const LD betweenBalls = CentreDistance(z, *centre) - dm;
          // the hub's dimension is stored negative
          EXPECT_NEAR(static_cast<double>(BallDimFree(log, -z, m, kAlpha, 0, xh, dm)),
                      static_cast<double>(-betweenBalls), 1e-6);
          ++placed;
        }
        EXPECT_EQ(log.messageCount, 0);
      }
    }
  }
  EXPECT_GE(placed, 120);  // of 144: only balls too large for the smallest spaces drop out
}

}  // namespace
}  // namespace kv40::calc
