// The strength sheet: surface pressure and safeties after Niemann (2005), permissible torques
// after Roloff/Matek and Niemann (1981), and the material section.
#include "base/format.h"
#include "base/text.h"
#include "model/config.h"
#include "report/spline_report_parts.h"
#include "report/writer.h"

namespace kv40::report::detail {
namespace {

const char* ConnectionKindText(int connKind) {
  switch (connKind) {
    case 1:
      return "Welle-Nabeverbindung nicht verschiebbar";
    case 2:
      return "unbelastet verschiebbare Nabe";
    case 3:
      return "unter Last verschiebbare Nabe";
    default:
      return "";
  }
}

void Title(ReportSession& p, const char* title) {
  WriteLine(p, title);
  WriteLine(p, ThinLine(p));
}

void NiemannLoads(ReportSession& p) {
  const model::SpecState& s = p.connection;
  const base::NumberFormat& nf = p.fmt();
  const std::string mm = base::LengthUnit(nf);
  const std::string nm = base::TorqueUnit(nf);
  WriteRow4(p, "Nenndrehmoment", "TN", nm, base::FormatTorqueSig(nf, s.TN));
  WriteRow4(p, "Maximales Drehmoment", "Tmax", nm, base::FormatTorqueSig(nf, s.Tmax));
  WriteRow4(p, "Äquivalentes Drehmoment (KA*TN)", "Teq", nm, base::FormatTorqueSig(nf, s.Teq));
  WriteRow4(p, "Anwendungsfaktor", "KA", "", base::FormatFixed(nf, 2, 2, s.KA));
  WriteRow4(p, "Lastrichtungswechselfaktor", "fW", "", base::FormatFixed(nf, 2, 2, s.fW));
  WriteRow4(p, "rm = (da1 + |da2|) / 4", "rm", mm, base::FormatLengthSig(nf, s.rm));
  WriteRow4(p, "rw = 0.5 m * z * cos alpha", "rw", mm, base::FormatLengthSig(nf, s.rw));
  WriteRow4(p, "alpha w = acos(rw / rm)", "alpha w", base::AngleUnit(nf),
            base::FormatSig(nf, s.alphaw / model::kDegToRad));
  WriteRow4(p, "hw = (da1 - |da2|) / 2", "hw", mm, base::FormatLengthSig(nf, s.hw));
  WriteRow4(p, "Zahnbreite", "L", mm, base::FormatLength(nf, 3, 2, s.b0));
  WriteRow4(p, "Lastverteilungsfaktor", "K lambda", "", base::FormatFixed(nf, 3, 2, s.Klambda));
  WriteRow4(p, "Anteilfaktor", "K phißeq", "", base::FormatFixed(nf, 3, 2, s.Kphieq));
  WriteRow4(p, "Anteilfaktor", "K phißmax", "", base::FormatFixed(nf, 3, 2, s.Kphimax));

  EnsureSpace(p, 0);
  const std::string mpa = base::StressUnit(nf);
  WriteRow4(p, "äquiv.wirks.Flächenpressung", "peq", mpa, base::FormatStress(nf, 6, 0, s.peq));
  WriteRow4(p, "max. wirks.Flächenpressung", "pmax", mpa, base::FormatStress(nf, 6, 0, s.pmax));
  if (s.taunmax > 0.5L * s.Re[1]) {
    WriteRow4(p, "Max.Torsionsspannung", "taunmax", mpa, base::FormatStress(nf, 6, 0, s.taunmax));
  }
  const auto factor = [&](const char* description, const char* symbol, const auto& v) {
    WriteRow5(p, description, symbol, "", base::FormatFixed(nf, 3, 2, v[1]),
              base::FormatFixed(nf, 3, 2, v[2]));
  };
  factor("Lastspitzenhäufigkeitsfaktor", "fL", s.fL);
  factor("Sicherheit   fW*pzul/peq", "Seq", s.Seq);
  factor("Sicherheit   fL*pzul/pmax", "Smax", s.Smax);
}

void Page4(ReportSession& p) {
  WriteLine(p, "");
  WriteLine(p, "");
  Title(p, "FESTIGKEIT NACH NIEMANN (2005)");
  WriteLine(p, "");
  MaterialBlock(p);
  WriteLine(p, "");
  WriteLine(p, ThinLine(p));
  NiemannLoads(p);
  PageEnd(p);
  PageHeader(p, 0, 1);
}

void RoloffMatek(ReportSession& p) {
  const model::SpecState& s = p.connection;
  const base::NumberFormat& nf = p.fmt();
  const std::string mm = base::LengthUnit(nf);
  const std::string mpa = base::StressUnit(nf);
  const std::string nm = base::TorqueUnit(nf);
  WriteLine(p, "");
  Title(p, "FESTIGKEIT NACH ROLOFF/MATEK");
  WriteRow5(p, "Werkstoff", "", "", s.matname[1], s.matname[2]);
  WriteRow5(p, "Streckgrenze", "Re", mpa, base::FormatStress(nf, 6, 0, s.Re[1]),
            base::FormatStress(nf, 6, 0, s.Re[2]));
  WriteLine(p, ConnectionKindText(s.connKind));
  WriteLine(p, ThinLine(p));
  WriteRow4(p, "Lastfaktor (eins.Last)", "nue Fs", "", base::FormatFixed(nf, 6, 2, s.nueFs));
  WriteRow4(p, "Lastfaktor (wechselnde Last)", "nue Fw", "", base::FormatFixed(nf, 6, 2, s.nueFw));
  WriteRow5(p, "Zul.Flächenpressung(eins.Last)", "pFs zul", mpa,
            base::FormatStress(nf, 7, 1, s.pFszul[1]), base::FormatStress(nf, 7, 1, s.pFszul[2]));
  WriteRow5(p, "Zul.Flächenpressung(wechselnd)", "pFw zul", mpa,
            base::FormatStress(nf, 7, 1, s.pFwzul[1]), base::FormatStress(nf, 7, 1, s.pFwzul[2]));
  WriteRow4(p, "Anwendungsfaktor", "cB (KA)", "", base::FormatFixed(nf, 6, 2, s.cB));
  WriteRow4(p, "Tragende Zahnhöhe", "h'", mm, base::FormatLength(nf, 6, 2, s.hprime));
  WriteRow4(p, "Zahnbreite", "b", mm, base::FormatLength(nf, 6, 2, s.b0));
  WriteRow4(p, "Zul.Drehmoment (schwellend)", "Ts zul", nm, base::FormatTorque(nf, 10, 0, s.Tszul));
  WriteRow4(p, "Zul.Drehmoment (wechselnd)", "Tw zul", nm, base::FormatTorque(nf, 10, 0, s.Twzul));
}

void Niemann1981(ReportSession& p) {
  const model::SpecState& s = p.connection;
  const base::NumberFormat& nf = p.fmt();
  const std::string mm = base::LengthUnit(nf);
  const std::string nm = base::TorqueUnit(nf);
  WriteLine(p, "");
  WriteLine(p, "");
  Title(p, "FESTIGKEIT NACH NIEMANN (1981)");
  WriteRow4(p, "Zul.Flächenpressung", "p zul", base::StressUnit(nf),
            base::FormatStress(nf, 11, 0, s.pzul));
  WriteRow4(p, "Tragende Zahnhöhe", "h", mm, base::FormatLength(nf, 8, 2, s.hT));
  WriteRow4(p, "Zahnbreite", "b", mm, base::FormatLength(nf, 8, 2, s.b0));
  WriteRow4(p, "Zul.Drehmoment (stoßfrei)", "T zul", nm, base::FormatTorque(nf, 11, 0, s.Tzul1));
  WriteRow4(p, "Zul.Drehmoment (stoßhaft)", "T zul", nm, base::FormatTorque(nf, 11, 0, s.Tzul2));
}

}  // namespace

void MaterialBlock(ReportSession& p) {
  const model::SpecState& s = p.connection;
  const base::NumberFormat& nf = p.fmt();
  const std::string mpa = base::StressUnit(nf);
  WriteLine(p, "");
  WriteLine(p, "WERKSTOFF WELLE/NABE");
  WriteLine(p, DoubleLine(p));
  if (!s.matnr[1].empty()) WriteRow5(p, "Werkstoffnummer", "", "", s.matnr[1], s.matnr[2]);
  WriteLine(p, "Werkstoffname 1/2:         " + base::PadLeft(s.matname[1], 20) + " / " +
                   base::PadLeft(s.matname[2], 20));
  WriteLine(p, ThinLine(p));
  const auto factor = [&](const char* description, const char* symbol, const auto& v) {
    WriteRow5(p, description, symbol, "", base::FormatFixed(nf, 3, 2, v[1]),
              base::FormatFixed(nf, 3, 2, v[2]));
  };
  WriteRow5(p, "Streckgrenze", "Re", mpa, base::FormatStress(nf, 6, 0, s.Re[1]),
            base::FormatStress(nf, 6, 0, s.Re[2]));
  factor("Stützfaktor", "fS", s.fS);
  factor("Härteeinflußfaktor", "fH", s.fH);
  WriteRow5(p, "Zulässige Flächenpressung", "pzul", mpa, base::FormatStress(nf, 6, 0, s.plim[1]),
            base::FormatStress(nf, 6, 0, s.plim[2]));
}

void StrengthSheet(ReportSession& p) {
  PageHeader(p, 0, 1);
  Page4(p);
  RoloffMatek(p);
  Niemann1981(p);
}

}  // namespace kv40::report::detail
