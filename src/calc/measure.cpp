// Span and ball/pin dimensions of shaft and hub, and the measuring proposals.
#include "calc/measure.h"

#include <cmath>

#include "calc/checks.h"
#include "calc/findings.h"
#include "calc/math.h"

namespace kv40::calc {
namespace {

int SignOf(int z) {
  return z >= 0 ? 1 : -1;
}

// Diameter through the ball centres -> dimension over the balls (across a tooth space for
// an odd number of teeth).
Extended OverBalls(int z, Extended dM, Extended dm) {
  if (IsEven(z)) return dM + dm;
  return std::cos(kPi / (2 * static_cast<Extended>(z))) * dM + dm;
}

// Angle functions shared by all span and ball dimensions of one calculation.
struct Angles {
  Extended cosA = 0;
  Extended sinA = 0;
  Extended tanA = 0;
  Extended cosB = 0;
  Extended tanB = 0;
  Extended cosAt = 0;
  Extended invAt = 0;
  Extended cosBb = 0;
};

Angles AnglesOf(model::SpecState& s) {
  Angles g;
  g.cosA = std::cos(s.alphaRad);
  g.sinA = std::sin(s.alphaRad);
  g.tanA = std::tan(s.alphaRad);
  g.cosB = std::cos(s.betaRad);
  g.tanB = std::tan(s.betaRad);
  g.cosAt = std::cos(s.alphat);
  g.invAt = Inv(s.log, s.alphat);
  g.cosBb = std::cos(s.betab);
  return g;
}

Extended SpanWith(model::SpecState& s, const Angles& g, int i, Extended xe) {
  auto& log = s.log;
  const Extended dx = s.d[i] + 2 * s.mn * s.x[i];  // nominal profile shift, not xe
  const Extended betaX = ArcTan(g.tanB * dx / s.d[i]);
  const Extended alphaX =
      ArcCosMsg(log, "Fatal  : Zahnweite !", g.cosA * (s.d[i] / dx) * g.cosB / std::cos(betaX));
  CheckArcCos(log, "Fatal  : Zahnweite !", g.cosAt / (1 + g.cosB * 2 * xe / s.z[i]));
  if (s.k[i] == 0) {
    const Extended zi = g.invAt * s.z[i] / Inv(log, s.alphaRad);
    s.k[i] = TruncToInt(zi * alphaX / kPi + 1);
  }
  return g.cosA * s.mn * (g.invAt * s.z[i] + (s.k[i] - 0.5L * SignOf(s.z[i])) * kPi) +
         g.sinA * 2 * xe * s.mn;
}

Extended BallWith(model::SpecState& s, const Angles& g, int i, Extended xe) {
  auto& log = s.log;
  const Extended eta = (kPi - 4 * xe * g.tanA) / 2 / s.z[i];
  const Extended alphaM = ArcInv(log, s.DM[i] / s.db[i] / g.cosBb - (eta - g.invAt));
  if (alphaM < 0) RecordPart(log, "Fehler : Dm ball !  (", i, ")");
  return OverBalls(s.z[i], s.db[i] / std::cos(alphaM), s.DM[i]);
}

}  // namespace

Extended SpanW(model::SpecState& s, int i, Extended xe) {
  return SpanWith(s, AnglesOf(s), i, xe);
}

Extended SpanWFree(model::MessageLog& log, int z, int k, Extended mn, Extended alpha, Extended beta,
                   Extended xe) {
  const Extended alphaT = ArcTan(std::tan(alpha) / std::cos(beta));
  return (z * Inv(log, alphaT) + (k - 0.5L * SignOf(z)) * kPi) * mn * std::cos(alpha) +
         std::sin(alpha) * 2 * xe * mn;
}

Extended BallDim(model::SpecState& s, int i, Extended xe) {
  return BallWith(s, AnglesOf(s), i, xe);
}

Extended BallDimFree(model::MessageLog& log, int z, Extended mn, Extended alpha, Extended beta,
                     Extended xe, Extended dm) {
  const Extended alphaT = ArcTan(std::tan(alpha) / std::cos(beta));
  const Extended betaB = ArcTan(std::tan(beta) * std::cos(alphaT));
  const Extended db = mn / std::cos(beta) * z * std::cos(alphaT);
  const Extended eta = (kPi - 4 * xe * std::tan(alpha)) / 2 / z;
  const Extended alphaM = ArcInv(log, dm / db / std::cos(betaB) - (eta - Inv(log, alphaT)));
  if (alphaM < 0) model::AddMessage(log, "Fehler : Dm ball !");
  const Extended dM = db / std::cos(alphaM);
  if (z == 1 || z == -1) return dM + dm;
  return OverBalls(z, dM, dm);
}

Extended PinDim(const model::SpecState& s, int i, Extended m) {
  if (!IsEven(s.z[i]) && s.beta > 0) {
    return (m - s.DM[i]) / std::cos(kPi / (2 * static_cast<Extended>(s.z[i]))) + s.DM[i];
  }
  return m;
}

Extended PinDimFree(int z, Extended beta, Extended dm, Extended m) {
  if (z == 1 || z == -1) return m;
  if (!IsEven(z) && beta > 0) {
    return (m - dm) / std::cos(kPi / (2 * static_cast<Extended>(z))) + dm;
  }
  return m;
}

Extended ProposeDM(model::MessageLog& log, const base::NumberFormat& nf, int z, Extended beta,
                   Extended alpha, Extended x, Extended mn) {
  const Extended zn = z / PowerMsg(log, "Fehler : DmMess", std::cos(beta), 3.3L);
  const Extended alpha1 = ArcCosMsg(log, "Fehler : DmMess", std::cos(alpha) * zn / (zn + 2 * x));
  Extended d = 0;
  if (z != 0 && alpha1 != 0) {
    const Extended eta =
        (kPi - 4 * x * std::tan(alpha)) * 0.5L / zn + std::tan(alpha1) - Inv(log, alpha);
    d = std::cos(alpha) * zn * mn * (std::tan(eta) - std::tan(alpha1));
  }
  if (!(d > 0) || !std::isfinite(d)) {
    model::AddMessage(log, "Fatal  : Kugelmaß DmMess !");
    return kNoProposal;
  }
  if (nf.inchUnits == 0) return RoundTo(d, 1);
  return InchToMm(RoundTo(MmToInch(d), 3));
}

int ProposeK(model::MessageLog& log, int z, Extended beta, Extended alpha, Extended x,
             Extended mn) {
  if (z == 0) {
    RecordFatal(log, "Fatal  : z = 0 !");
    return 0;
  }
  const Extended d = mn / std::cos(beta) * z;
  const Extended alphaT = ArcTan(std::tan(alpha) / std::cos(beta));
  const Extended dx = d + 2 * x * mn;
  const Extended betaX = ArcTan(std::tan(beta) * dx / d);
  const Extended alphaX = ArcCosMsg(log, "Fehler : kmess",
                                    std::cos(alpha) * (d / dx) * std::cos(beta) / std::cos(betaX));
  if (alphaX == 0) return 1;
  return TruncToInt(z * Inv(log, alphaT) / Inv(log, alpha) * alphaX / kPi + 1);
}

void CalcMeasurements(model::SpecState& s) {
  if (s.log.fatal) return;
  const Angles g = AnglesOf(s);
  for (int i = 1; i <= 2; ++i) {
    s.W[i] = SpanWith(s, g, i, s.x[i]);  // proposes k[i] when it is 0
    s.Wmin[i] = SpanWith(s, g, i, s.xeminM[i]);
    s.Wmax[i] = SpanWith(s, g, i, s.xemaxM[i]);
    const Extended nominal = BallWith(s, g, i, s.x[i]);
    const Extended lowest = BallWith(s, g, i, s.xeminM[i]);
    const Extended highest = BallWith(s, g, i, s.xemaxM[i]);
    s.MdRmin[i] = PinDim(s, i, lowest);
    s.MdRmax[i] = PinDim(s, i, highest);
    s.MdR[i] = PinDim(s, i, nominal);
  }
  CheckAccuracy(s);
}

bool CalcSingleMeasurements(model::SpecState& s) {
  auto& log = s.log;
  if (log.fatal) return false;
  for (int i = 1; i <= 2; ++i) {
    s.WEmax[i] = SpanWFree(log, s.z[i], s.k[i], s.mn, s.alphaRad, s.betaRad, s.xeE[i]);
    if (log.fatal) return false;
    const Extended ball = BallDimFree(log, s.z[i], s.mn, s.alphaRad, s.betaRad, s.xeE[i], s.DM[i]);
    s.MdREmax[i] = PinDimFree(s.z[i], s.betaRad, s.DM[i], ball);
    if (log.fatal) return false;
  }
  return true;
}

}  // namespace kv40::calc
