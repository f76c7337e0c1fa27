// Guarded elementary functions of the calculation: a domain error returns a substitute value
// and records a message in the log instead of stopping the program.
#pragma once

#include <cmath>
#include <cstdint>
#include <string_view>

#include "base/part_pair.h"
#include "model/message_log.h"

namespace kv40::calc {

inline constexpr Extended kPi = 3.14159265358979323846264338327950288L;

// ---- trigonometry and involute ----
// sin x / cos x; cos x = 0 records "Error: function tan in Unit math" and gives 1e30.
Extended Tan(model::MessageLog& log, Extended x);
// |x| > 1 records "Error: ArcSin in unit math" and gives pi/2.
Extended ArcSin(model::MessageLog& log, Extended x);
// |x| > 1 records "Error: function ArcCos in math" and gives 0.
Extended ArcCos(model::MessageLog& log, Extended x);
// |x| > 1 gives 0 and records msg + " (acos)" when msg is not empty.
Extended ArcCosMsg(model::MessageLog& log, std::string_view msg, Extended x);
// The message of ArcCosMsg alone, for an argument whose angle is not needed.
void CheckArcCos(model::MessageLog& log, std::string_view msg, Extended x);
// Involute Tan(x) - x.
Extended Inv(model::MessageLog& log, Extended x);
// The angle whose involute is y; no convergence records "Error: ArcInv in unit math", gives 0.
Extended ArcInv(model::MessageLog& log, Extended y);
// Arc tangent. Zero gives zero without the extended arc tangent, which is slow for every
// argument: with straight teeth many helix-angle terms are 0.
inline Extended ArcTan(Extended x) {
  return x == 0 ? x : std::atan(x);
}
// Direction of the vector (x, y) in (-pi/2, 3pi/2).
Extended Angle(Extended x, Extended y);
inline Extended Angle2(Extended y, Extended x) {
  return Angle(x, y);
}
// x reduced to 0 .. 2pi.
Extended NormAngle(Extended x);
// Difference a - b of two angles in degrees, reduced to 0 .. 360.
Extended AngleDiffDeg(Extended a, Extended b);
inline Extended DegToRad(Extended x) {
  return x * kPi / 180;
}
inline Extended RadToDeg(Extended x) {
  return x * 180 / kPi;
}

// ---- powers, roots, logarithms ----
// x^y as exp(y ln x); x < 0 uses |x| and records msg + " (pow)" when msg is not empty.
Extended PowerMsg(model::MessageLog& log, std::string_view msg, Extended x, Extended y);
Extended IntPower(Extended x, int n);
// sqrt x; x < 0 gives 0 and records msg + " (sqrt)" when msg is not empty.
Extended SqrtMsg(model::MessageLog& log, std::string_view msg, Extended x);
Extended Hypot(Extended a, Extended b);
// ln x / ln 10; x <= 0 gives -1e30.
Extended Log10(Extended x);
Extended Pow10(Extended x);
// x rounded to n decimals, the scaled value rounded half to even.
Extended RoundTo(Extended x, int n);

// ---- comparisons and small utilities ----
inline Extended Min(Extended a, Extended b) {
  return a < b ? a : b;
}
inline Extended Max(Extended a, Extended b) {
  return a > b ? a : b;
}
inline int IntMin(int a, int b) {
  return a < b ? a : b;
}
inline int IntMax(int a, int b) {
  return a > b ? a : b;
}
inline int Clamp(int lo, int hi, int v) {
  return v < lo ? lo : (v > hi ? hi : v);
}
// |(v - ref) / ref| * 100; 0 when ref = 0.
Extended PercentDiff(Extended ref, Extended v);
inline bool NearlyEqual(Extended a, Extended b) {
  return (b > a ? b - a : a - b) < 1e-5L;
}
inline int Sign(Extended x) {
  return x >= 0 ? 1 : -1;
}
inline bool IsEven(std::int64_t n) {
  return n % 2 == 0;
}
// Truncation towards zero into an int, limited to the int range (NaN gives 0).
int TruncToInt(Extended x);

// ---- plane transformations ----
struct Point2 {
  Extended x = 0;
  Extended y = 0;
};
// (x, y) rotated by phi (radians) about the origin.
Point2 Rotate(Extended x, Extended y, Extended phi);
// Rotated by phiDeg (degrees), then moved by (dx, dy).
Point2 RotateDegMove(Extended x, Extended y, Extended phiDeg, Extended dx, Extended dy);
// Scaled by (sx, sy), rotated by phiDeg (degrees), then moved by (dx, dy).
Point2 ScaleRotateDegMove(Extended x, Extended y, Extended sx, Extended sy, Extended phiDeg,
                          Extended dx, Extended dy);

// ---- unit conversions ----
Extended InchToMm(Extended v);
Extended MmToInch(Extended v);
Extended PsiToNmm2(Extended v);
Extended Nmm2ToPsi(Extended v);
Extended LbfInToNm(Extended v);
Extended NmToLbfIn(Extended v);

}  // namespace kv40::calc
