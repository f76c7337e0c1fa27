// Shaft and hub as a gear pair on one axis: interference limits, usable root diameters, and
// the plausibility checks and warnings of a calculation.
#include "calc/checks.h"

#include <cmath>

#include "calc/findings.h"
#include "calc/math.h"
#include "calc/measure.h"

namespace kv40::calc {
namespace {

Extended Square(Extended v) {
  return v * v;
}

// Interference limits of the tip circles against the mating base tangent.
void InterferenceLimits(model::SpecState& s) {
  auto& log = s.log;
  for (int i = 1; i <= 2; ++i) {
    const int j = 3 - i;
    Extended lim = s.da[j];
    if (s.z[i] >= 0) {
      lim = 2 * Sign(s.z[j]) *
            Hypot(s.a - std::cos(s.alphawt) * s.db[i] / 2, std::sin(s.alphawt) * s.db[i] / 2);
    }
    if (s.da[j] > lim) {
      RecordPart(log, "Fehler : Eingr.stör. da", j, " !");
      s.daEff[j] = lim;
    } else {
      s.daEff[j] = Min(s.dFa[j], lim);
    }
    if (!(s.da[i] / s.db[i] > 1)) RecordPart(log, "Fehler : db > da  (", i, ") !");
  }
}

// Path of contact (only its messages matter for the coaxial pair) and usable root diameters:
// each part's usable root circle is the tip circle of the other.
void UsableRootDiameters(model::SpecState& s) {
  auto& log = s.log;
  const int s1 = Sign(s.z[1]);
  const int s2 = Sign(s.z[2]);
  const Extended asw = 2 * s.a * std::sin(s.alphawt);
  SqrtMsg(log, "Fehler : g alpha", Square(s.daEff[1]) - Square(s.db[1]));
  SqrtMsg(log, "Fehler : g alpha", Square(s.daEff[2]) - Square(s.db[2]));
  const Extended r2 = SqrtMsg(log, "Fehler : dnf1", Square(s.daEff[2]) - Square(s.db[2]));
  s.dNf[1] = s1 * SqrtMsg(log, "Fehler : dnf1", Square(s.db[1]) + Square(asw - s2 * r2));
  const Extended r1 = SqrtMsg(log, "Fehler : dnf2", Square(s.daEff[1]) - Square(s.db[1]));
  s.dNf[2] = s2 * SqrtMsg(log, "Fehler : dnf2", Square(s.db[2]) + Square(asw - s1 * r1));
}

// Specific sliding (its values are 0 for z1 + z2 = 0) and tip interference of the internal
// pair.
void SlidingAndTipInterference(model::SpecState& s) {
  auto& log = s.log;
  const Extended aa1 = ArcCosMsg(log, "Fatal  : db > da !  (1)", s.db[1] / s.da[1]);
  const Extended aa2 = ArcCosMsg(log, "Fatal  : db > da !  (2)", s.db[2] / s.da[2]);
  const Extended tw = Tan(log, s.alphat);
  const Extended ta1 = Tan(log, aa1);
  const Extended ta2 = Tan(log, aa2);
  const Extended aA1 = ArcTan(tw - (ta2 - tw) * s.db[2] / s.db[1]);
  const Extended aA2 = ArcTan(tw - (ta1 - tw) * s.db[1] / s.db[2]);
  if (ta1 == 0 || Tan(log, aA1) == 0 || ta2 == 0 || Tan(log, aA2) == 0) {
    model::AddMessage(log, "Fatal  : spez.Gleiten !");
  }
  if (s.z[2] < 0) {
    const Extended b1 = ArcCosMsg(log, "Fatal  : db > da  (1)", s.db[1] / s.da[1]);
    const Extended b2 = ArcCosMsg(log, "Fatal  : db > da  (2)", s.db[2] / s.da[2]);
    const Extended invW = Inv(log, s.alphawt);
    s.Y = (Inv(log, b1) - invW) * s.db[1] / 2 + (Inv(log, b2) - invW) * s.db[2] / 2;
  }
}

void PointedToothUndercutClearance(model::SpecState& s, int i) {
  auto& log = s.log;
  const Extended limit = 0.15L * s.mn;
  if (s.sat[i] <= limit || s.santh[i] <= limit) {
    RecordPart(log, "Warnung: Spitzzahn ! (", i, ")");
  }
  if (s.z[i] > 0 && s.x[i] < s.xminU[i]) RecordPart(log, "Warnung: Unterschnitt ! (", i, ")");
  if (s.c[i] < 0) {
    RecordPart(log, "Fehler : Zahnspiel < 0 ! (", i, ")");
  } else if (s.c[i] < 0.12L * s.mn) {
    RecordPart(log, "Warnung: Zahnspiel < 0.12mn ! (", i, ")");
  }
}

void MeasuringValues(model::SpecState& s, const base::NumberFormat& nf, int i) {
  auto& log = s.log;
  const Extended dm = ProposeDM(log, nf, s.z[i], s.betaRad, s.alphaRad, s.xemaxM[i], s.mn);
  // no proposal (0): nothing to compare the user's ball with
  if (dm != kNoProposal && PercentDiff(dm, s.DM[i]) > 50) {
    RecordPart(log, "Messkugeldurchmesser ", i, " !");
  }
  const int k = ProposeK(log, s.z[i], s.betaRad, s.alphaRad, s.xemaxM[i], s.mn);
  if (PercentDiff(k, s.k[i]) > 50) RecordPart(log, "Messzaehnezahl ", i, " !");
  if (s.Ase[i] > s.Aau) RecordPart(log, "Warnung: Asne < Aau !  (", i, ")");
}

}  // namespace

void CalcCentreDistance(model::SpecState& s) {
  if (s.log.fatal) return;
  // centre distance 0: the geometry step sets the operating pressure angle again
  s.alphawt = 0;
  s.sumX = 0;
}

void CalcPairData(model::SpecState& s) {
  InterferenceLimits(s);
  UsableRootDiameters(s);
  SlidingAndTipInterference(s);
}

void CheckAccuracy(model::SpecState& s) {
  auto& log = s.log;
  for (int i = 1; i <= 2; ++i) {
    const Extended q = IntPower(1.4L, s.Q[i] - 5);
    s.Rs[i] =
        q * (1.28L * std::sqrt(s.mn) + 1 +
             PowerMsg(log, "Fehler : Rs", std::fabs(s.d[i]), 0.25L) * (0.7L * Log10(s.mn) + 1.33L));
    if (s.T[i] < 2 * s.Rs[i] * 0.001L) RecordPart(log, "Warnung: Tsn < 2Rs !  (", i, ")");
  }
  for (int i = 1; i <= 2; ++i) {
    if (s.z[i] > 0 && s.df[i] <= 0) {
      model::AddMessage(log, "Unbrauchbare Ergebnisse - bitte Neuberechnung durchführen !");
    }
  }
}

void CheckWarnings(model::SpecState& s, const base::NumberFormat& nf) {
  for (int i = 1; i <= 2; ++i)
    PointedToothUndercutClearance(s, i);
  if (s.z[2] < 0 && s.Y < 0) model::AddMessage(s.log, "Eingriffstörungen !");
  for (int i = 1; i <= 2; ++i)
    MeasuringValues(s, nf, i);
}

DrawnValues DrawingValuesOf(const model::SpecState& s, int i, Extended xe) {
  DrawnValues v;
  v.sne = (kPi / 2 + 2 * xe * std::tan(s.alphaRad)) * s.mn;
  v.dfe = s.d[i] - 2 * s.haP0[i] + 2 * xe * s.mn;
  v.dae = NearlyEqual(s.kmn[i], 0) ? s.d[i] + 2 * s.hfP0[i] + 2 * xe * s.mn : s.da[i];
  Extended angle = s.alphat;
  // Shaft and hub have equal and opposite pitch diameters, so a picture centre distance
  // gives no finite operating pitch circles: those stay the reference circles.
  if (s.aCad != 0 && s.d[1] + s.d[2] != 0) {
    const Extended c = std::cos(s.alphat) * (s.d[1] + s.d[2]) / 2 / s.aCad;
    if (c > 1 || c < 0) {
      v.valid = false;
      return v;
    }
    angle = std::acos(c);
  }
  v.dwe = std::cos(s.alphat) / std::cos(angle) * s.d[i];
  return v;
}

void DrawingValues(model::SpecState& s, const PartPair<Extended>& xe) {
  bool valid = true;
  for (int i = 1; i <= 2; ++i) {
    const DrawnValues v = DrawingValuesOf(s, i, xe[i]);
    s.sne[i] = v.sne;
    s.dfe[i] = v.dfe;
    s.dae[i] = v.dae;
    if (v.valid) s.dwe[i] = v.dwe;
    valid = valid && v.valid;
  }
  if (!valid) s.log.fatal = true;
}

}  // namespace kv40::calc
