// Basic geometry of both parts; the hub runs through the same formulas with negative values.
#include "calc/geometry.h"

#include <cmath>

#include "calc/checks.h"
#include "calc/findings.h"
#include "calc/input_ranges.h"
#include "calc/math.h"
#include "calc/tolerance.h"

namespace kv40::calc {
namespace {

constexpr Extended kKinkTolerance = 0.001L;  // deg between the kink angle and alpha
constexpr Extended kTipShorteningBand = 0.001L;

void ToolData(model::SpecState& s) {
  for (int i = 1; i <= 2; ++i) {
    s.toolName[i] = "Normal";
    s.alfaprP0[i] = 0;
    s.prP0Star[i] = 0;
    if (std::fabs(s.alfakP0[i] - s.alpha) < kKinkTolerance) {
      s.kinkP0[i] = false;
      s.hkP0Star[i] = s.hfP0Star[i];
    } else {
      s.kinkP0[i] = true;
    }
    s.hfP0[i] = s.hfP0Star[i] * s.mn;
    s.haP0[i] = s.haP0Star[i] * s.mn;
    s.rhoaP0[i] = s.rhoaP0Star[i] * s.mn;
    s.prP0[i] = s.prP0Star[i] * s.mn;
    s.hkP0[i] = s.hkP0Star[i] * s.mn;
  }
}

// Generating profile shifts of the tolerance limits and of single measurement.
void GeneratingShifts(model::SpecState& s) {
  const Extended t = Tan(s.log, s.alphaRad);
  for (int i = 1; i <= 2; ++i) {
    s.xemin[i] = s.x[i] + s.Asi[i] * 0.5L / t / s.mn;
    s.xemax[i] = s.x[i] + s.Ase[i] * 0.5L / t / s.mn;
    s.xeminM[i] = s.xemin[i];
    s.xemaxM[i] = s.xemax[i];
    s.xeE[i] = s.x[i] + s.AseE[i] * 0.5L / t / s.mn;
    s.xem[i] = (s.xeminM[i] + s.xemaxM[i]) / 2;
    s.xemean[i] = (s.xemin[i] + s.xemax[i]) / 2;
  }
  s.aCad = 0;
}

void Diameters(model::SpecState& s) {
  const Extended cosAt = std::cos(s.alphat);
  const Extended cosAwt = std::cos(s.alphawt);
  for (int i = 1; i <= 2; ++i) {
    s.dw[i] = s.d[i] * cosAt / cosAwt;
    // root diameter at the largest generating profile shift
    s.df[i] = s.d[i] - 2 * s.haP0[i] + 2 * s.xemax[i] * s.mn;
    if (s.z[i] > 0 && s.df[i] < 0) {
      // Reported, and the geometry is still completed so that no value of an earlier run
      // survives; the accuracy check later marks the results as unusable.
      RecordPart(s.log, "Fatal  : df <=0 ! (", i, ")");
    }
    s.dfLim[i] = s.d[i] - 2 * s.haP0[i] + 2 * s.xemin[i] * s.mn;
    s.da0[i] = s.df[i] + 2 * (s.hfP0[i] + s.haP0[i]);
    s.db[i] = s.d[i] * cosAt;
  }
}

}  // namespace

void CheckBasicData(model::SpecState& s) {
  auto& log = s.log;
  if (log.fatal) {
    model::AddMessage(log, "Fatal  : Unit0");
    return;
  }
  if (s.alpha < 5 || s.alpha > 45) return RecordFatal(log, "Fatal  : alpha !");
  if (std::fabs(s.beta) > 45) model::AddMessage(log, "Fatal  : beta > 45!");
  if (s.mn <= 0) return RecordFatal(log, "Fatal  : mn <= 0!");
  if (!CheckRange(log, "mn", kModuleRange, s.mn)) return;
  if (s.b0 <= 0) return RecordFatal(log, "Fatal  : b <= 0!");
  if (!CheckRange(log, "b0", kWidthRange, s.b0) || !CheckRange(log, "b1", kWidthRange, s.b[1]) ||
      !CheckRange(log, "b2", kWidthRange, s.b[2])) {
    return;
  }
  for (int i = 1; i <= 2; ++i) {
    if (s.z[i] > -2 && s.z[i] < 2) {
      RecordPart(log, "Fatal  : z", i, " < 2!");
      log.fatal = true;
      return;
    }
  }
  for (int i = 1; i <= 2; ++i) {
    if (s.b0 > s.b[i]) s.b[i] = s.b0;  // no part narrower than the load-bearing width
    if (s.alfakP0[i] == 0) s.alfakP0[i] = s.alpha;
    if (s.alfakP0[i] == s.alpha) {
      s.kinkP0[i] = false;
      s.hkP0Star[i] = s.hfP0Star[i];
    } else {
      s.kinkP0[i] = true;
    }
  }
  s.alphaRad = DegToRad(s.alpha);
  s.betaRad = DegToRad(s.beta);
  const Extended cb = std::cos(s.betaRad);
  s.mt = s.mn / cb;
  for (int i = 1; i <= 2; ++i)
    s.d[i] = s.z[i] * s.mt;
  s.alphat = ArcTan(std::tan(s.alphaRad) / cb);
  // practical undercut limit
  const Extended sa = std::sin(s.alphaRad);
  const Extended zg = 2 / (sa * sa);
  const Extended zp = 5.0L / 6.0L * zg;
  for (int i = 1; i <= 2; ++i)
    s.xminU[i] = (zp - s.z[i] / (cb * cb * cb)) / zg;
}

void CalcGeometry(model::SpecState& s, bool& cancel) {
  auto& log = s.log;
  if (log.fatal) {
    model::AddMessage(log, "Fatal  : KV7");
    return;
  }
  CalcToothTolerances(s);
  ToolData(s);
  s.betab = ArcTan(std::cos(s.alphat) * std::tan(s.betaRad));
  Extended invAwt = Inv(log, s.alphat);
  const long long zSum = static_cast<long long>(s.z[1]) + s.z[2];
  if (zSum != 0) invAwt += 2 * Tan(log, s.alphaRad) * (s.x[1] + s.x[2]) / zSum;
  s.alphawt = ArcInv(log, invAwt);
  if (s.alphawt == 0) {
    log.fatal = true;
    model::AddMessage(log, "Fatal  : alpha wt !");
    cancel = true;
    return;
  }
  CalcBacklash(s);
  GeneratingShifts(s);
  Diameters(s);
  s.pn = kPi * s.mn;
  s.pt = s.pn / std::cos(s.betaRad);
  s.pbt = s.pt * std::cos(s.alphat);
  s.pen = s.pn * std::cos(s.alphaRad);
  s.a = (s.dw[1] + s.dw[2]) / 2;
}

void CalcToothData(model::SpecState& s) {
  auto& log = s.log;
  if (log.fatal) {
    model::AddMessage(log, "Fatal  : Unit2");
    return;
  }
  const Extended cb = std::cos(s.betaRad);
  const Extended cosAt = std::cos(s.alphat);
  const Extended t = Tan(log, s.alphaRad);
  const Extended invAt = Inv(log, s.alphat);
  for (int i = 1; i <= 2; ++i) {
    const int j = 3 - i;
    s.kmn[i] = (s.da0[i] - s.da[i]) / 2;
    if (std::fabs(s.kmn[i]) < kTipShorteningBand) {
      s.kmn[i] = 0;
      s.da[i] = s.da0[i];
    }
    if (s.kmn[i] < 0) RecordPart(log, "Fehler : kmn < 0 !  (", i, ")");
    s.c[i] = s.a - (s.da[i] + s.df[j]) / 2;
    s.h[i] = (s.da[i] - s.df[i]) / 2;
    s.snth[i] = (kPi / 2 + 2 * s.x[i] * t) * s.mn;
    s.snmax[i] = (kPi / 2 + 2 * s.xemaxM[i] * t) * s.mn;
    s.snmin[i] = (kPi / 2 + 2 * s.xeminM[i] * t) * s.mn;
    s.stth[i] = s.snth[i] / cb;
    s.stmax[i] = s.snmax[i] / cb;
    s.stmin[i] = s.snmin[i] / cb;
    s.et[i] = s.pt - s.stth[i];
    s.en[i] = s.et[i] * cb;
    s.dFa[i] = s.da[i];
    s.alphaat[i] =
        ArcCosMsg(log, "Fatal  : ArcCos(cos(alpha t)*d/da)>1 !", cosAt * s.d[i] / s.da[i]);
    const Extended invAat = Inv(log, s.alphaat[i]);
    s.sat[i] = (invAt + s.stth[i] / s.d[i] - invAat) * s.da[i];
    s.santh[i] = cb * s.sat[i];
    s.sanmax[i] = cb * (invAt + s.stmax[i] / s.d[i] - invAat) * s.da[i];
    s.sanmin[i] = cb * (invAt + s.stmin[i] / s.d[i] - invAat) * s.da[i];
  }
  CalcPairData(s);
}

}  // namespace kv40::calc
