// The dimension sheet: geometry, generating tool, tooth dimensions, tolerances and inspection
// dimensions of shaft and hub, on three pages.
#include "base/format.h"
#include "report/spline_report_parts.h"
#include "report/writer.h"

namespace kv40::report::detail {
namespace {

// Formats of one sheet, bound to the program's number settings.
struct Fmt {
  const base::NumberFormat& nf;
  std::string Fixed(int w, int d, Extended v) const { return base::FormatFixed(nf, w, d, v); }
  std::string Len(int w, int d, Extended v) const { return base::FormatLength(nf, w, d, v); }
  // Tolerances in µm (µin) with the length format.
  std::string Micro(Extended v) const { return base::FormatLength(nf, 7, 0, v * MicroFactor(nf)); }
  std::string mm() const { return base::LengthUnit(nf); }
};

void Section(ReportSession& p, const std::string& title) {
  WriteLine(p, "");
  WriteLine(p, title);
  WriteLine(p, ThinLine(p));
}

// A row of both parts' lengths; the hub's diameters are printed positive.
void Lengths(ReportSession& p, const Fmt& f, const char* description, const char* symbol,
             Extended shaft, Extended hub) {
  WriteRow5(p, description, symbol, f.mm(), f.Len(5, 3, shaft), f.Len(5, 3, hub));
}

void Page1(ReportSession& p, const Fmt& f) {
  const model::SpecState& s = p.connection;
  WriteLine(p, "Welle: " + s.bez[1]);
  WriteLine(p, ThinLine(p));
  WriteLine(p, "Nabe : " + s.bez[2]);
  WriteLine(p, ThinLine(p));
  WriteRow4(p, "Eingriffswinkel", "alpha", base::AngleUnit(f.nf), f.Fixed(3, 5, s.alpha));
  WriteRow4(p, "Normalmodul", "mn", f.mm(), f.Len(4, 4, s.mn));
  WriteRow5(p, "Zähnezahl", "z", "", base::IntBlankPad(s.z[1], 8), base::IntBlankPad(s.z[2], 8));
  WriteRow5(p, "Profilverschiebungsfaktor", "x", "", f.Fixed(4, 4, s.x[1]), f.Fixed(4, 4, s.x[2]));
  Lengths(p, f, "Teilkreisdurchmesser", "d", s.d[1], -s.d[2]);
  Lengths(p, f, "Fußkreisdurchmesser", "df", s.df[1], -s.df[2]);
  Lengths(p, f, "Fußkreisdurchmesser min", "df min", s.dfLim[1], -s.df[2]);
  Lengths(p, f, "Fußkreisdurchmesser max", "df max", s.df[1], -s.dfLim[2]);
  Lengths(p, f, "Kopfkreisdurchmesser", "da", s.da[1], -s.da[2]);
  Lengths(p, f, "Kopfkreisdurchmesser min", "da min", s.daLim[1], -s.da[2]);
  Lengths(p, f, "Kopfkreisdurchmesser max", "da max", s.da[1], -s.daLim[2]);
  Lengths(p, f, "Grundkreisdurchmesser", "db", s.db[1], -s.db[2]);
  Lengths(p, f, "Kopfspiel", "c", s.c[1], s.c[2]);
  Lengths(p, f, "Zahnhöhe", "h", s.h[1], s.h[2]);
  WriteRow4(p, "tragende Zahnbreite", "b0", f.mm(), f.Len(5, 2, s.b0));
  WriteRow5(p, "Zahnbreite", "b", f.mm(), f.Len(5, 1, s.b[1]), f.Len(5, 1, s.b[2]));

  WriteLine(p, " ");
  WriteLine(p, "PROFILVERSCHIEBUNGSFAKTOREN");
  WriteLine(p, ThinLine(p));
  const auto shift = [&](const char* description, const char* symbol, const auto& v) {
    WriteRow5(p, description, symbol, "", f.Fixed(1, 5, v[1]), f.Fixed(1, 5, v[2]));
  };
  shift("Profilverschiebungsfaktor", "xnom.", s.x);
  shift("Erzeug.prof.versch.f.", "xemax", s.xemax);
  shift("Erzeug.prof.versch.f.", "xemin", s.xemin);
}

void Page2(ReportSession& p, const Fmt& f) {
  const model::SpecState& s = p.connection;
  const auto factor = [&](const char* description, const char* symbol, const auto& v) {
    WriteRow5(p, description, symbol, "", f.Fixed(3, 3, v[1]), f.Fixed(3, 3, v[2]));
  };
  Section(p, "ABMESSUNGEN DES VERZAHNUNGSWERKZEUGS (FAKTOREN)");
  factor("Fußhöhenfaktor Werkzeug", "hfP0/mn", s.hfP0Star);
  factor("Kopfhöhenfakt. Werkzeug", "haP0/mn", s.haP0Star);
  factor("Kopfrundungsradius Werkzeug", "rhoaP0/mn", s.rhoaP0Star);

  const auto tool = [&](const char* description, const char* symbol, const auto& v) {
    WriteRow5(p, description, symbol, f.mm(), f.Len(3, 3, v[1]), f.Len(3, 3, v[2]));
  };
  Section(p, "ABMESSUNGEN DES VERZAHNUNGSWERKZEUGS");
  tool("Fußhöhe des Werkzeugs", "hfP0", s.hfP0);
  tool("Kopfhöhe des Werkzeugs", "haP0", s.haP0);
  tool("Kopfrundungsradius Werkzeug", "rhoaP0", s.rhoaP0);

  const auto tooth = [&](const char* description, const char* symbol, const auto& v) {
    WriteRow5(p, description, symbol, f.mm(), f.Len(4, 3, v[1]), f.Len(4, 3, v[2]));
  };
  Section(p, "ZAHNTEILUNGEN, ZAHNABMESSUNGEN");
  WriteRow4(p, "Normalteilung", "pn", f.mm(), f.Len(4, 3, s.pn));
  WriteRow4(p, "Grundkreisteilung", "pbt", f.mm(), f.Len(4, 3, s.pbt));
  WriteRow4(p, "Normaleingriffsteilung", "pen", f.mm(), f.Len(4, 3, s.pen));
  tooth("Normalzahndicke theor", "sn th.", s.snth);
  tooth("Normalzahndicke max.", "sn max", s.snmax);
  tooth("Normalzahndicke min.", "sn min", s.snmin);
  tooth("Zahnkopfdicke max", "san max", s.sanmax);
  tooth("Zahnkopfdicke min", "san min", s.sanmin);
  tooth("Normallückenweite", "en", s.en);
}

void Page3(ReportSession& p, const Fmt& f) {
  const model::SpecState& s = p.connection;
  const auto deviation = [&](const char* description, const char* symbol, const auto& v) {
    WriteRow5(p, description, symbol, f.mm(), f.Len(3, 3, v[1]), f.Len(3, 3, v[2]));
  };
  const std::string micro = base::MicroUnit(f.nf);
  Section(p, "VERZAHNUNGSDATEN, TOLERANZEN, FLANKENSPIEL");
  WriteRow5(p, "Verzahnungsqualität Toleranzfeld nach DIN 5480", "", "", "  " + s.tolcode[1],
            "  " + s.tolcode[2]);
  deviation("Oberes Zahndickenabmass Vollehr.", "Ase/Aei", s.Ase);
  deviation("Ob.Zahndickenabmass Einzelmess.", "AseE/AeiE", s.AseE);
  deviation("Unteres Zahndickenabmass", "Asi/Aee", s.Asi);
  WriteRow5(p, "Zahndickentoleranz", "T", micro, f.Micro(s.T[1]), f.Micro(s.T[2]));
  WriteRow5(p, "Toleranz bei Einzelmessung", "TE", micro, f.Micro(s.TE[1]), f.Micro(s.TE[2]));
  WriteRow4(p, "Min.theor.Flankenspiel", "jtmin", f.mm(), f.Len(3, 3, s.jtmin));
  WriteRow4(p, "Max.theor.Flankenspiel", "jtmax", f.mm(), f.Len(3, 3, s.jtmax));

  const auto measure = [&](const char* description, const char* symbol, const auto& v) {
    WriteRow5(p, description, symbol, f.mm(), f.Len(5, 3, v[1]), f.Len(5, 3, v[2]));
  };
  Section(p, "PRÜFMASSE");
  WriteRow5(p, "Meßzähnezahl", "k", "", base::IntBlankPad(s.k[1], 6), base::IntBlankPad(s.k[2], 6));
  WriteRow5(p, "Zahnweite theor.", "W", f.mm(), f.Len(5, 4, s.W[1]), f.Len(5, 4, s.W[2]));
  measure("Zahnweite min.", "Wmin", s.Wmin);
  measure("Zahnweite max. Einz.mess.", "WEmax", s.WEmax);
  measure("Zahnweite max. V.lehr.", "Wmax", s.Wmax);
  measure("Kugel-und Rollendurchmesser", "Dm", s.DM);
  measure("Diametr.Zweirollenmaß theor.", "MdR", s.MdR);
  measure("Diametr.Zweirollenmaß min.", "MdRmin", s.MdRmin);
  measure("Diametr.Zweirollenmaß max.E.mess.", "MdREmax", s.MdREmax);
  measure("Diametr.Zweirollenmaß max.V.lehr.", "MdRmax", s.MdRmax);
}

}  // namespace

void DimensionSheet(ReportSession& p) {
  const Fmt f{p.fmt()};
  for (void (*page)(ReportSession&, const Fmt&) : {Page1, Page2, Page3}) {
    PageHeader(p, 0, 1);
    page(p, f);
    PageEnd(p);
  }
}

}  // namespace kv40::report::detail
