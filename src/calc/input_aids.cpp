// Proposals and derived values of the input dialogs, computed on the state's own numbers.
#include "calc/input_aids.h"

#include <cmath>
#include <limits>

#include "calc/driver.h"
#include "calc/math.h"
#include "calc/measure.h"

namespace kv40::calc {
namespace {

constexpr Extended kWidthFactor = 1.2L;   // face width per hub root diameter
constexpr Extended kDiameterStep = 0.5L;  // shaft diameters below the hub's, mm
// W/kW x s/min: P [kW] = n [1/min] * T [N m] * 2 pi / 60000
constexpr Extended kPowerConversion = 60000.0L;

}  // namespace

LoadDerived LoadDerivedFrom(int calcWhat) {
  if (calcWhat == 2) return LoadDerived::n;
  if (calcWhat == 3) return LoadDerived::TN;
  return LoadDerived::P;
}

std::optional<Extended> DeriveLoad(LoadDerived what, Extended P, Extended n, Extended T) {
  const Extended twoPi = 2 * kPi;
  switch (what) {
    case LoadDerived::P:
      return n * T * twoPi / kPowerConversion;
    case LoadDerived::n:
      if (!(T > 0)) return std::nullopt;
      return P * kPowerConversion / (T * twoPi);
    case LoadDerived::TN:
      if (!(n > 0)) return std::nullopt;
      return P * kPowerConversion / (n * twoPi);
  }
  return std::nullopt;
}

std::optional<int> ProposeToothCount(const model::SpecState& s, Extended d1, Extended d2,
                                     Extended mnEntered) {
  if (s.mn == 0 || mnEntered == 0) return std::nullopt;
  return RoundToInt32((d1 + d2) / 2 / mnEntered);
}

Extended ProposeFaceWidth(Extended d1) {
  return std::nearbyint(d1 * kWidthFactor);
}

Extended ProposeTipDiameter(Extended d1) {
  return d1 - kDiameterStep;
}

Extended ProposeRootDiameter(Extended d2) {
  return d2 - kDiameterStep;
}

std::optional<Extended> ProposeKlambda(const model::SpecState& s) {
  if (!(s.dw[1] > 0)) return std::nullopt;
  const Extended r = s.b0 / s.dw[1];
  return std::exp(0.1L * r * r) + 0.01L * r;
}

std::int32_t RoundToInt32(Extended v) {
  if (!(v == v)) return 0;
  const Extended r = std::nearbyint(v);
  if (r >= std::numeric_limits<std::int32_t>::max())
    return std::numeric_limits<std::int32_t>::max();
  if (r <= std::numeric_limits<std::int32_t>::min())
    return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(r);
}

Extended Plim(Extended re, Extended fS, Extended fH) {
  return re * fS * fH;
}

PartPair<int> ProposeMeasuringTeeth(model::SpecState& s) {
  PartPair<int> k;
  for (int i = 1; i <= 2; ++i)
    k[i] = ProposeK(s.log, s.z[i], s.betaRad, s.alphaRad, s.xeminM[i], s.mn);
  return k;
}

PartPair<Extended> ProposeBallDiameters(model::SpecState& s, const base::NumberFormat& nf) {
  PartPair<Extended> dm;
  for (int i = 1; i <= 2; ++i)
    dm[i] = ProposeDM(s.log, nf, s.z[i], s.betaRad, s.alphaRad, s.xeminM[i], s.mn);
  return dm;
}

void ApplyTolerances(model::SpecState& s, const base::NumberFormat& nf, bool& cancel,
                     const PartPair<Word>& field, const PartPair<Word>& series) {
  s.tolfeld = field;
  s.tolreihe = series;
  RecalcAll(s, nf, cancel);
}

}  // namespace kv40::calc
