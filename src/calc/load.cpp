// Load capacity: three published methods side by side, plus the auxiliary load record whose
// only visible effects are its messages and its early end.
#include "calc/load.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "calc/findings.h"
#include "calc/math.h"

namespace kv40::calc {
namespace {

constexpr Extended kShareEq[9] = {1.1L, 1.1L, 1.2L, 1.3L, 1.5L, 2.0L, 3.0L, 4.0L, 8.0L};
constexpr Extended kShareMax[9] = {1.0L, 1.0L, 1.05L, 1.1L, 1.3L, 1.7L, 2.5L, 3.0L, 5.0L};
constexpr int kMaterialTypeCastIron = 40;  // hub material type with the lower pressure

Extended LoadShare(model::MessageLog& log, int q, const Extended (&table)[9]) {
  if (q < 4 || q > 12) {
    model::AddMessage(log, "Fehler : tol = " + base::IntToText(q) + " !");
    return 0;
  }
  return table[q - 4];
}

const char* PartName(int i) {
  return i == 1 ? "Welle" : "Nabe";
}

// Roloff/Matek; false when KA = 0 ends the block.
bool RoloffMatek(model::SpecState& s) {
  s.hprime = (s.da[1] + s.da[2] - 0.22L * s.mn) / 2;
  constexpr Extended kStatic[3] = {1.6L, 3.2L, 7.5L};
  constexpr Extended kAlternating[3] = {4, 8, 16};
  if (s.connKind >= 1 && s.connKind <= 3) {  // any other kind leaves them as they were
    s.nueFs = kStatic[s.connKind - 1];
    s.nueFw = kAlternating[s.connKind - 1];
  }
  for (int i = 1; i <= 2; ++i) {
    s.pFszul[i] = s.Re[i] / s.nueFs;
    s.pFwzul[i] = s.Re[i] / s.nueFw;
  }
  if (s.KA == 0) {
    RecordFatal(s.log, "Fatal  : KA = 0 !");
    return false;
  }
  s.cB = s.KA;
  const Extended common = s.d[1] * s.b0 * s.hprime * 0.75L * s.z[1] / (s.cB * 2000);
  s.Tszul = Min(s.pFszul[1], s.pFszul[2]) * common;
  s.Twzul = Min(s.pFwzul[1], s.pFwzul[2]) * common;
  return true;
}

void Niemann1981(model::SpecState& s) {
  const bool castIronHub = s.wgroup[2] == kMaterialTypeCastIron;
  s.pzul = castIronHub ? 60 : 100;
  s.hT = (s.da[1] + s.da[2]) / 2;
  s.Tzul1 = s.z[1] * 0.75L * s.hT * s.d[1] * 0.5L * s.b0 * s.pzul * 0.001L;
  s.Tzul2 = castIronHub ? s.Tzul1 * 0.6L * 2.5L : s.Tzul1 * 0.7L;
}

// The auxiliary load record; its values are not kept. False when it ends the block.
bool AuxiliaryLoad(model::SpecState& s) {
  auto& log = s.log;
  const Extended re = std::cos(s.alphaRad) * (s.da0[1] + std::fabs(s.da0[2])) / 4;
  const Extended ri = s.aux[2] == 0 ? 1e15L : 1000 * s.aux[1] / s.aux[2];
  if (s.aux[5] == 0) {
    model::AddMessage(log, "Fatal  : mue = 0 !");
    return false;
  }
  const Extended rigr = 1.58L * re * std::cos(s.alphaRad) / s.aux[5];
  if (ri < 0 && re >= ri && rigr >= ri) model::AddMessage(log, "Fatal  : Ri, Rigr.");
  if (re == 0) {
    model::AddMessage(log, "Fatal  : re = 0 !");
    return false;
  }
  SqrtMsg(log, "ze", s.aux[2]);
  // equivalent shaft diameter of the auxiliary stress values
  const Extended deq = s.df[1] + 0.15L * s.df[1] / s.da[1] * (s.da[1] - s.df[1]);
  PowerMsg(log, "Sigma bn", deq, 3);
  PowerMsg(log, "tau tn", deq, 3);
  return true;
}

void SafetyFactor(model::MessageLog& log, const base::NumberFormat& nf, Extended value,
                  const char* label, int i) {
  if (value >= 1) return;
  std::string msg = "Fehler : ";
  msg += label;
  msg += "<1 (" + base::FormatFixed(nf, 1, 2, value) + " " + PartName(i) + ")";
  model::AddMessage(log, msg);
}

void Niemann2005(model::SpecState& s, const base::NumberFormat& nf) {
  auto& log = s.log;
  s.Teq = s.KA * s.TN;
  s.hw = (s.da[1] + s.da[2]) / 2;
  s.rw = std::cos(s.alphaRad) * s.mn * 0.5L * s.z[1];
  s.rm = (s.da[1] - s.da[2]) / 4;
  s.alphaw = ArcCos(log, s.rw / s.rm);
  const int q = std::max<int>(s.tolreihe[1], s.tolreihe[2]) + 3;
  s.Kphieq = LoadShareEq(log, q);
  s.Kphimax = LoadShareMax(log, q);
  const Extended cw = std::cos(s.alphaw);
  s.peq = cw * (1000 * s.Teq / (s.z[1] * s.rw)) / (s.b0 * s.hw) * s.Kphieq * s.Klambda;
  s.pmax = cw * (1000 * s.Tmax / (s.z[1] * s.rw)) / (s.b0 * s.hw) * s.Kphimax * s.Klambda;
  s.taunmax = 16 * 1000 * s.Tmax / (kPi * s.dw[1] * s.dw[1] * s.dw[1]);
  for (int i = 1; i <= 2; ++i) {
    s.plim[i] = s.Re[i] * s.fH[i] * s.fS[i];
    s.Seq[i] = s.peq == 0 ? 0 : s.plim[i] * s.fW / s.peq;
    SafetyFactor(log, nf, s.Seq[i], "Seq", i);
    s.Smax[i] = s.pmax == 0 ? 0 : s.plim[i] * s.fL[i] / s.pmax;
    SafetyFactor(log, nf, s.Smax[i], "Smax", i);
  }
  if (s.Re[1] > 0 && s.taunmax / s.Re[1] > 0.7L) {
    model::AddMessage(log, "Warnung: tau max / Re > 0.7 !");
  }
}

}  // namespace

Extended LoadShareEq(model::MessageLog& log, int q) {
  return LoadShare(log, q, kShareEq);
}

Extended LoadShareMax(model::MessageLog& log, int q) {
  return LoadShare(log, q, kShareMax);
}

void CalcLoadCapacity(model::SpecState& s, const base::NumberFormat& nf) {
  if (!RoloffMatek(s)) return;
  Niemann1981(s);
  for (int i = 1; i <= 2; ++i)
    s.plim[i] = s.Re[i] * s.fH[i] * s.fS[i];
  if (!AuxiliaryLoad(s)) return;
  Niemann2005(s, nf);
}

}  // namespace kv40::calc
