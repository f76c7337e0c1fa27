// Table texts of the production drawing. Hub values are stored negative; the tables show the
// hub's teeth, diameters and dimension over pins as the workshop measures them, positive.
#include "cad/production_tables.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace kv40::cad {
namespace {

using base::NumberFormat;

std::vector<std::string> Row(std::string label, std::string value, std::string unit) {
  return {std::move(label), std::move(value), std::move(unit)};
}

std::string Len(const NumberFormat& nf, Extended mm) {
  return base::FormatLengthSig(nf, mm);
}

// Tooth thickness and inspection dimensions to the micrometre (inch: a tenth of a thou).
std::string Fine(const NumberFormat& nf, Extended mm) {
  return base::FormatLengthDec(nf, 3, mm);
}

// Rows 11 to 13: the span over k teeth, or the dimension over two pins.
void MeasureRows(DrawingTable& t, const model::SpecState& s, const NumberFormat& nf, int i,
                 bool pins) {
  const std::string mm = base::LengthUnit(nf);
  if (!pins) {
    const std::string k = "Zahnweite (k=" + base::IntToText(s.k[i]) + ") ";
    t.rows.push_back(Row(k + "W", Fine(nf, s.W[i]), mm));
    t.rows.push_back(Row(k + "Wmax", Fine(nf, s.Wmax[i]), mm));
    t.rows.push_back(Row(k + "Wmin", Fine(nf, s.Wmin[i]), mm));
    return;
  }
  // The limits are those of the largest and the smallest space width (tooth thickness); for
  // the hub the dimension between pins of the largest material is the smaller one, so the
  // upper limit is the larger of the two absolute values.
  const Extended a = std::fabs(s.MdRmax[i]);
  const Extended b = std::fabs(s.MdRmin[i]);
  const std::string m = "Prüfmaß Mi (DM=" + Len(nf, s.DM[i]) + ") ";
  t.rows.push_back(Row(m + "nom", Fine(nf, std::fabs(s.MdR[i])), mm));
  t.rows.push_back(Row(m + "max", Fine(nf, std::max(a, b)), mm));
  t.rows.push_back(Row(m + "min", Fine(nf, std::min(a, b)), mm));
}

}  // namespace

std::optional<DrawingTable> PartDataTable(const model::SpecState& s, const NumberFormat& nf,
                                          int part) {
  if (part != 1 && part != 2) return std::nullopt;
  const int i = part;
  const bool shaft = i == 1;
  const std::string mm = base::LengthUnit(nf);
  DrawingTable t;
  t.title = {(shaft ? "ZAHNWELLE " : "ZAHNNABE ") + s.zname[i]};
  if (shaft) {
    t.rows.push_back(Row("Kopfkreisdurchmesser d3", Len(nf, s.d3), mm));
    t.rows.push_back(Row("Fußkreisdurchmesser d4", Len(nf, s.d4), mm));
  } else {
    t.rows.push_back(Row("Fußkreisdurchmesser d1", Len(nf, s.d1), mm));
    t.rows.push_back(Row("Kopfkreisdurchmesser d2", Len(nf, s.d2), mm));
  }
  t.rows.push_back(Row("Modul m", Len(nf, s.mn), mm));
  t.rows.push_back(Row("Eingriffswinkel alpha", base::FormatSig(nf, s.alpha), base::AngleUnit(nf)));
  t.rows.push_back(Row("Zähnezahl z", base::IntBlankPad(std::abs(s.z[i]), 6), ""));
  t.rows.push_back(Row("Bezugsprofil", s.bez5482 + " DIN 5482", ""));
  t.rows.push_back(Row("Profilverschiebung x*m", Len(nf, s.x[i] * s.mn), mm));
  t.rows.push_back(Row("Zahnhöhe h", Len(nf, s.h[i]), mm));
  if (shaft) {
    t.rows.push_back(Row("Normalzahndicke sw", Fine(nf, s.snth[i]), mm));
    t.rows.push_back(Row("Zahndicken-Toleranzfeld", s.tolcode[i], ""));
  } else {
    t.rows.push_back(Row("Normallückenweite lw", Fine(nf, s.en[i]), mm));
    t.rows.push_back(Row("Lückenweiten-Toleranzfeld", s.tolcode[i], ""));
  }
  MeasureRows(t, s, nf, i, !shaft || s.pinTable);
  t.rows.push_back(Row("Gegenstück", s.znr[shaft ? 2 : 1], ""));
  return t;
}

DrawingTable StrengthTable(const model::SpecState& s, const NumberFormat& nf) {
  const std::string stress = base::StressUnit(nf);
  const auto pair = [&](const char* label, const char* symbol, const PartPair<Extended>& v,
                        bool isStress) {
    const auto text = [&](Extended x) {
      return isStress ? base::FormatStressSig(nf, x) : base::FormatSig(nf, x);
    };
    return std::vector<std::string>{label, symbol, text(v[1]), text(v[2]), isStress ? stress : ""};
  };
  DrawingTable t;
  t.title = {"FESTIGKEIT", "", "1", "2", ""};
  t.rows.push_back({"Werkstoff", "", s.matname[1], s.matname[2], ""});
  t.rows.push_back(pair("Streckgrenze", "Re", Pair<Extended>(s.Re[1], s.Re[2]), true));
  t.rows.push_back(pair("Stützfaktor", "fS", s.fS, false));
  t.rows.push_back(pair("Härteeinflußfaktor", "fH", s.fH, false));
  t.rows.push_back(pair("Zul.Flächenpressung", "pzul", s.plim, true));
  t.rows.push_back(pair("Lastspitzenhäufigkeitsfaktor", "fL", s.fL, false));
  t.rows.push_back(pair("Sicherheit  fW*pzul/peq", "Seq", s.Seq, false));
  t.rows.push_back(pair("Sicherheit  fL*pzul/pmax", "Smax", s.Smax, false));
  return t;
}

DrawingTable LoadTable(const model::SpecState& s, const NumberFormat& nf) {
  const std::string torque = base::TorqueUnit(nf);
  const std::string stress = base::StressUnit(nf);
  const auto torqueRow = [&](const char* label, const char* symbol, Extended v) {
    return std::vector<std::string>{label, symbol, base::FormatTorqueSig(nf, v), torque};
  };
  const auto factor = [&](const char* label, const char* symbol, Extended v) {
    return std::vector<std::string>{label, symbol, base::FormatSig(nf, v), ""};
  };
  const auto stressRow = [&](const char* label, const char* symbol, Extended v) {
    return std::vector<std::string>{label, symbol, base::FormatStressSig(nf, v), stress};
  };
  DrawingTable t;
  t.title = {"Last"};
  t.rows.push_back(torqueRow("Nenndrehmoment", "TN", s.TN));
  t.rows.push_back(torqueRow("Maximales Drehmoment", "Tmax", s.Tmax));
  t.rows.push_back(factor("Anwendungsfaktor", "KA", s.KA));
  t.rows.push_back(torqueRow("Äquivalentes Drehmoment", "Teq", s.Teq));
  t.rows.push_back(factor("Lastrichtungswechselfaktor", "fW", s.fW));
  t.rows.push_back(factor("Lastverteilungsfaktor", "K lambda", s.Klambda));
  t.rows.push_back(stressRow("äquiv.wirks.Flächenpressung", "peq", s.peq));
  t.rows.push_back(stressRow("max.wirks.Flächenpressung", "pmax", s.pmax));
  return t;
}

}  // namespace kv40::cad
