// The calculation driver: DIN 5482 block -> tool data and gear inputs -> every result.
#include "calc/driver.h"

#include <limits>
#include <string>

#include "base/format.h"
#include "calc/checks.h"
#include "calc/findings.h"
#include "calc/geometry.h"
#include "calc/input_ranges.h"
#include "calc/load.h"
#include "calc/math.h"
#include "calc/measure.h"
#include "calc/tolerance.h"

namespace kv40::calc {
namespace {

constexpr Extended kDinPressureAngle = 30;   // deg
constexpr Extended kReferenceAddend = 1.1L;  // x mn, reference diameter dB
constexpr Extended kMaxShift = 1.5L;         // |x|
constexpr Extended kWidthFactor = 1.2L;      // x dB, default face width

// The hub's tooth count is the shaft's negated.
std::int32_t Negated(std::int32_t z) {
  return z == std::numeric_limits<std::int32_t>::min() ? std::numeric_limits<std::int32_t>::max()
                                                       : -z;
}

// Records a fatal finding; the calculation ends.
bool Stop(model::MessageLog& log, std::string_view text) {
  RecordFatal(log, text);
  return false;
}

// The load inputs the strength methods divide by or scale with.
bool LoadInputsUsable(model::SpecState& s) {
  auto& log = s.log;
  return CheckRange(log, "connKind", kConnKindRange, s.connKind) &&
         CheckRange(log, "KA", kApplicationFactorRange, s.KA) &&
         CheckRange(log, "TN", kTorqueRange, s.TN) &&
         CheckRange(log, "Tmax", kTorqueRange, s.Tmax) &&
         CheckRange(log, "Re1", kYieldRange, s.Re[1]) &&
         CheckRange(log, "Re2", kYieldRange, s.Re[2]);
}

// The diameters of the block; false (fatal) when one is outside its range.
bool BlockDiametersUsable(model::SpecState& s) {
  const Extended* d[] = {&s.d1, &s.d2, &s.d3, &s.d4};
  for (int i = 0; i < 4; ++i) {
    const std::string name = "d" + base::IntToText(i + 1);
    if (!CheckRange(s.log, name, kDiameterRange, *d[i])) return false;
  }
  return true;
}

// Steps up to the reference diameter; false when a fatal finding ends the calculation.
bool StartChecks(model::SpecState& s) {
  auto& log = s.log;
  if (s.mn == 0) return Stop(log, "Fatal  : mn = 0 !");
  if (s.alphaRad == 0) return Stop(log, "Fatal  : alpha = 0 !");
  if (s.z[1] == 0) return Stop(log, "Fatal  : z = 0 !");
  if (!CheckRange(log, "z", kToothCountRange, s.z[1])) return false;
  if (!LoadInputsUsable(s)) return false;
  s.z[2] = Negated(s.z[1]);
  for (int i = 1; i <= 2; ++i)
    s.Q[i] = s.tolreihe[i] + 3;
  s.dB = s.mn * (s.z[1] + 2 * s.x[1] + kReferenceAddend);
  if (s.x[1] > kMaxShift || s.x[1] < -kMaxShift) return Stop(log, "Fatal  : x > 1.5");
  return true;
}

// Tool defaults, face widths and the first tip estimate.
void PrepareParts(model::SpecState& s) {
  for (int i = 1; i <= 2; ++i) {
    s.alfaprP0[i] = 0;
    s.prP0Star[i] = 0;
    s.alfakP0[i] = s.alpha;
    s.hkP0Star[i] = s.hfP0Star[i];
    s.toolName[i] = "Normal";
  }
  for (int i = 1; i <= 2; ++i) {
    if (s.b[i] == 0) s.b[i] = kWidthFactor * s.dB;
  }
  if (s.b0 == 0) s.b0 = kWidthFactor * s.dB;
  for (int i = 1; i <= 2; ++i) {
    s.kmn[i] = 0;
    s.da0[i] = s.z[i] * s.mn + 2 * (s.hfP0Star[i] + s.x[i]) * s.mn;
    s.da[i] = s.da0[i] - 2 * s.kmn[i];
  }
}

// Tip and root circle of a part must not coincide (d3 = d4 or d1 = d2).
bool TipRootDiffer(model::SpecState& s) {
  if (s.df[1] == s.da0[1]) return Stop(s.log, "Fatal  : da1=df1 !");
  if (s.df[2] == s.da0[2]) return Stop(s.log, "Fatal  : da2=df2 !");
  return true;
}

void SplineDesignations(model::SpecState& s, const base::NumberFormat& nf) {
  const std::string size = base::FormatSig(nf, s.dB) + " x " + base::FormatSig(nf, s.mn) + " x " +
                           base::IntToText(s.z[1]) + " x ";
  s.bezDin = "DIN 5480 - " + size + s.tolcode[2] + " " + s.tolcode[1];
  s.bez[1] = "DIN 5480 - W " + size + s.tolcode[1];
  s.bez[2] = "DIN 5480 - N " + size + s.tolcode[2];
}

// ISO 286 limits of the root and tip diameters; the hub's are stored negative. A diameter
// beyond the ISO table has no limits: said, not left as a silent cancel.
void DiameterLimits(model::SpecState& s, bool& cancel) {
  bool undefined = false;
  s.dfLim[1] = s.df[1] + 0.001L * IsoDeviation(undefined, "h12", s.df[1]).lower;
  s.dfLim[2] = s.df[2] - 0.001L * IsoDeviation(undefined, "H12", -s.df[2]).upper;
  s.daLim[1] = s.da0[1] + 0.001L * IsoDeviation(undefined, "h11", s.da0[1]).lower;
  s.daLim[2] = s.da0[2] - 0.001L * IsoDeviation(undefined, "H11", -s.da0[2]).upper;
  if (!undefined) return;
  cancel = true;
  RecordFatal(s.log, "Fatal  : ISO-Maß > 3150 mm !");
}

// Designations after the DIN 5482 block (hub diameters d1 and d2 for both parts).
void BlockDesignations(model::SpecState& s, const base::NumberFormat& nf) {
  const std::string size =
      base::FormatSig(nf, s.d1) + " x " + base::FormatSig(nf, s.d2) + " DIN 5482";
  s.bez[1] = "B " + size;
  s.bez[2] = "A " + size;
}

// CalcSpline up to the first step that ends it.
void CalcSplineSteps(model::SpecState& s, const base::NumberFormat& nf, bool& cancel) {
  s.calcFlag = true;
  model::ResetMessages(s.log);
  s.alphaRad = DegToRad(s.alpha);
  s.beta = 0;
  s.betaRad = 0;
  s.a = 0;
  if (!StartChecks(s)) return;
  PrepareParts(s);

  // The first pass only provides df and da0 for the tip/root check; its messages go.
  CheckBasicData(s);
  CalcGeometry(s, cancel);
  model::ResetMessages(s.log);
  if (!TipRootDiffer(s)) return;
  for (int i = 1; i <= 2; ++i) {
    s.kmn[i] = 0;
    s.da[i] = s.da0[i] - 2 * s.kmn[i];
  }

  CheckBasicData(s);
  CalcCentreDistance(s);
  CalcGeometry(s, cancel);
  if (cancel) return;
  CalcToothData(s);
  CalcMeasurements(s);
  if (!CalcSingleMeasurements(s)) return;
  SplineDesignations(s, nf);
  CheckWarnings(s, nf);
  CalcLoadCapacity(s, nf);
}

}  // namespace

void ApplyDin5482(model::SpecState& s) {
  if (s.z5482 == 0) return RecordFatal(s.log, "Fatal  : z = 0 !");
  // checked before the hub's count is the negated one, which must not overflow
  if (!CheckRange(s.log, "z", kToothCountRange, s.z5482)) return;
  if (!BlockDiametersUsable(s)) return;
  s.z[1] = s.z5482;
  s.z[2] = Negated(s.z5482);
  if (s.mn5482 > 0) s.mn = s.mn5482;
  s.alpha = kDinPressureAngle;
  s.beta = 0;
  // without a module nothing can be converted; the calculation reports "mn = 0"
  if (s.mn == 0) return;
  s.x[1] = s.xm / s.mn;
  s.x[2] = -s.x[1];
  const Extended zm = s.z[1] * s.mn;
  const Extended m2 = 2 * s.mn;
  // so that zero deviations reproduce exactly the four diameters of the block
  s.hfP0Star[1] = (s.d3 - zm) / m2 - s.x[1];
  s.haP0Star[1] = (zm - s.d4) / m2 + s.x[1];
  s.hfP0Star[2] = (zm - s.d2) / m2 - s.x[2];
  s.haP0Star[2] = (s.d1 - zm) / m2 + s.x[2];
  s.rhoaP0Star[1] = s.r2 / s.mn;
  s.rhoaP0Star[2] = s.r1 / s.mn;
  s.kP0Star[2] = s.kmin / s.mn;
}

void CalcSpline(model::SpecState& s, const base::NumberFormat& nf, bool& cancel) {
  CalcSplineSteps(s, nf, cancel);
  if (!s.log.fatal) CheckFiniteResults(s);
}

void RecalcAll(model::SpecState& s, const base::NumberFormat& nf, bool& cancel) {
  // every run starts with an empty log, also when the block cannot be converted
  model::ResetMessages(s.log);
  ApplyDin5482(s);
  if (s.log.fatal) return;
  CalcSpline(s, nf, cancel);
  DiameterLimits(s, cancel);  // also after a calculation that ended early
  BlockDesignations(s, nf);
  if (!s.log.fatal) CheckFiniteResults(s);
}

void RecalcDimensions(model::SpecState& s, const base::NumberFormat& nf, bool& cancel,
                      int pickedRow) {
  model::ResetMessages(s.log);
  s.normRow = pickedRow;
  ApplyDin5482(s);
  if (s.log.fatal) return;
  const Extended alpha = DegToRad(s.alpha);
  // a ball diameter that cannot be proposed keeps the user's
  for (int i = 2; i >= 1; --i) {
    const Extended dm = ProposeDM(s.log, nf, s.z[i], 0, alpha, s.x[i], s.mn);
    if (dm != kNoProposal) s.DM[i] = dm;
  }
  s.k[1] = ProposeK(s.log, s.z[1], 0, alpha, s.x[1], s.mn);
  s.k[2] = ProposeK(s.log, s.z[2], 0, alpha, s.x[2], s.mn);
  s.tolfeld = Pair<Word>(8, 3);
  s.tolreihe = Pair<Word>(6, 7);
  for (int i = 1; i <= 2; ++i) {
    if (s.b[i] == 0) s.b[i] = kWidthFactor * s.dB;  // dB of the previous run
  }
  if (s.b0 == 0) s.b0 = Min(s.b[1], s.b[2]);
  CalcSpline(s, nf, cancel);
}

}  // namespace kv40::calc
