// Guarded elementary functions: substitute values and a log entry instead of a failure.
#include "calc/math.h"

#include <cmath>
#include <limits>
#include <string>

namespace kv40::calc {
namespace {

void Record(model::MessageLog& log, std::string_view msg, std::string_view suffix) {
  if (msg.empty()) return;
  std::string text;
  text.reserve(msg.size() + suffix.size());
  text.append(msg).append(suffix);
  model::AddMessage(log, text);
}

constexpr Extended kArcInvLimit = 1.57L;  // the search interval; deliberately not pi/2
constexpr Extended kArcInvTolerance = 1e-15L;
constexpr int kArcInvSteps = 800;

// The involute inverted by bisection over (-1.57, 1.57); 0 and a message when it does not
// converge.
Extended ArcInvBisect(model::MessageLog& log, Extended y) {
  Extended lo = -kArcInvLimit;
  Extended hi = kArcInvLimit;
  for (int n = 1; n <= kArcInvSteps; ++n) {
    const Extended m = (lo + hi) / 2;
    const Extended f = Tan(log, m) - m - y;
    if (f < 0) {
      lo = m;
    } else {
      hi = m;
    }
    if (std::fabs(f) < kArcInvTolerance) return m;
  }
  model::AddMessage(log, "Error: ArcInv in unit math");
  return 0;
}

// The involute inverted by Newton's method: in double precision from the series start value,
// then one step in extended precision. NaN when that does not settle.
Extended ArcInvNewton(Extended y) {
  const double ay = static_cast<double>(std::fabs(y));
  // start value from the series of the inverse involute in u = (3y)^(1/3)
  const double u = std::cbrt(3 * ay);
  double m = u * (1 - u * u * (2.0 / 15 - u * u * (3.0 / 175)));
  if (!(m > 0.01) || m > 1.4) return std::numeric_limits<Extended>::quiet_NaN();
  for (int n = 0; n < 6; ++n) {
    const double t = std::tan(m);
    const double step = (t - m - ay) / (t * t);
    m -= step;
    if (std::fabs(step) < 1e-15 * m) break;
  }
  Extended me = m;
  const Extended t = std::tan(me);
  const Extended step = (t - me - std::fabs(y)) / (t * t);
  me -= step;
  // a step this small leaves the involute error below 1e-20, far inside the stop criterion
  if (!(std::fabs(step) < 1e-12L) || !(me > 0.01L) || !(me < 1.4L)) {
    return std::numeric_limits<Extended>::quiet_NaN();
  }
  return y < 0 ? -me : me;
}

}  // namespace

Extended Tan(model::MessageLog& log, Extended x) {
  // sin x / cos x; the cosine of an extended number is never exactly 0, so only an infinite
  // or undefined argument meets the guard
  const Extended t = std::tan(x);
  if (!std::isfinite(t)) {
    model::AddMessage(log, "Error: function tan in Unit math");
    return 1e30L;
  }
  return t;
}

Extended ArcSin(model::MessageLog& log, Extended x) {
  if (x == 1) return kPi / 2;
  if (x == -1) return -kPi / 2;
  if (std::fabs(x) > 1) {
    model::AddMessage(log, "Error: ArcSin in unit math");
    return kPi / 2;
  }
  return std::atan(x / std::sqrt(1 - x * x));
}

Extended ArcCos(model::MessageLog& log, Extended x) {
  if (x == 1) return 0;
  if (x == -1) return kPi;
  if (std::fabs(x) > 1) {
    model::AddMessage(log, "Error: function ArcCos in math");
    return 0;
  }
  return kPi / 2 - std::atan(x / std::sqrt(1 - x * x));
}

Extended ArcCosMsg(model::MessageLog& log, std::string_view msg, Extended x) {
  if (std::fabs(x) > 1) {
    Record(log, msg, " (acos)");
    return 0;
  }
  return ArcCos(log, x);
}

Extended Inv(model::MessageLog& log, Extended x) {
  return Tan(log, x) - x;
}

Extended ArcInv(model::MessageLog& log, Extended y) {
  // The bisection needs some fifty tangents; Newton's method reaches the same stop criterion
  // with a handful. Whatever it cannot settle goes the bisection's way, messages included.
  const Extended m = ArcInvNewton(y);
  if (m == m) return m;
  return ArcInvBisect(log, y);
}

void CheckArcCos(model::MessageLog& log, std::string_view msg, Extended x) {
  if (std::fabs(x) > 1) Record(log, msg, " (acos)");
}

Extended Angle(Extended x, Extended y) {
  if (x == 0) return y >= 0 ? kPi / 2 : -kPi / 2;
  const Extended a = std::atan(y / x);
  return x < 0 ? a + kPi : a;
}

Extended NormAngle(Extended x) {
  const Extended turns = x / (2 * kPi);
  Extended r = (turns - std::trunc(turns)) * 2 * kPi;
  if (r < 0) r += 2 * kPi;
  return r;
}

Extended AngleDiffDeg(Extended a, Extended b) {
  const Extended fa = a / 360 - std::trunc(a / 360);
  const Extended fb = b / 360 - std::trunc(b / 360);
  Extended r = (fa - fb) * 360;
  if (r < 0) r += 360;
  return r;
}

Extended PowerMsg(model::MessageLog& log, std::string_view msg, Extended x, Extended y) {
  if (x == 0) return 0;
  if (x < 0) {
    Record(log, msg, " (pow)");
    x = -x;
  }
  const Extended e = y * std::log(x);
  if (e > 3000) return 1e3000L;
  if (e < -3000) return 0;
  return std::exp(e);
}

Extended IntPower(Extended x, int n) {
  long long count = n < 0 ? -static_cast<long long>(n) : n;
  Extended r = 1;
  for (; count > 0; --count)
    r *= x;
  return n < 0 ? 1 / r : r;
}

Extended SqrtMsg(model::MessageLog& log, std::string_view msg, Extended x) {
  if (x < 0) {
    Record(log, msg, " (sqrt)");
    return 0;
  }
  return std::sqrt(x);
}

Extended Hypot(Extended a, Extended b) {
  return std::sqrt(a * a + b * b);
}

Extended Log10(Extended x) {
  if (x <= 0) return -1e30L;
  return std::log(x) / std::log(10.0L);
}

Extended Pow10(Extended x) {
  return std::pow(10.0L, x);
}

Extended RoundTo(Extended x, int n) {
  const Extended scale = std::exp(n * std::log(10.0L));
  // to nearest, ties to even (the default rounding mode); values beyond the 32-bit range are
  // rounded the same way instead of overflowing
  return std::nearbyint(x * scale) / scale;
}

Extended PercentDiff(Extended ref, Extended v) {
  if (ref == 0) return 0;
  return std::fabs((v - ref) / ref) * 100;
}

int TruncToInt(Extended x) {
  if (!(x == x)) return 0;
  constexpr Extended kMax = std::numeric_limits<int>::max();
  constexpr Extended kMin = std::numeric_limits<int>::min();
  if (x >= kMax) return std::numeric_limits<int>::max();
  if (x <= kMin) return std::numeric_limits<int>::min();
  return static_cast<int>(x);
}

Point2 Rotate(Extended x, Extended y, Extended phi) {
  const Extended c = std::cos(phi);
  const Extended s = std::sin(phi);
  return {x * c - y * s, y * c + x * s};
}

Point2 RotateDegMove(Extended x, Extended y, Extended phiDeg, Extended dx, Extended dy) {
  const Point2 r = Rotate(x, y, DegToRad(phiDeg));
  return {r.x + dx, r.y + dy};
}

Point2 ScaleRotateDegMove(Extended x, Extended y, Extended sx, Extended sy, Extended phiDeg,
                          Extended dx, Extended dy) {
  return RotateDegMove(x * sx, y * sy, phiDeg, dx, dy);
}

Extended InchToMm(Extended v) {
  return v * 25.4L;
}
Extended MmToInch(Extended v) {
  return v / 25.4L;
}
Extended PsiToNmm2(Extended v) {
  return v / 145.037L;
}
Extended Nmm2ToPsi(Extended v) {
  return v * 145.037L;
}
Extended LbfInToNm(Extended v) {
  return v * 0.112984788L;
}
Extended NmToLbfIn(Extended v) {
  return v * (1 / 0.112984788L);
}

}  // namespace kv40::calc
