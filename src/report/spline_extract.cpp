// The extract (the connection's main data on one page) and the formula sheet (the strength
// formulas of Niemann with the numbers put in).
#include <algorithm>
#include <cmath>

#include "base/format.h"
#include "model/config.h"
#include "report/spline_report.h"
#include "report/spline_report_parts.h"
#include "report/writer.h"

namespace kv40::report {
namespace {

constexpr const char* kExtractName = "Zahnwellenverbindung nach DIN 5480";

// Both the extract and the formula sheet: the common start with their title.
bool Begin(ReportSession& p) {
  if (!detail::OpenSplineReport(p)) return false;
  detail::SetSplineHeader(p, detail::ReportTitle(kExtractName));
  return true;
}

void ExtractLines(ReportSession& p) {
  const model::SpecState& s = p.connection;
  const base::NumberFormat& nf = p.fmt();
  const auto len = [&](Extended v) { return base::FormatLengthSig(nf, v); };
  const std::string mu = base::MicroUnit(nf);
  // deviations and tolerances in µm (µin)
  const auto fine = [&](Extended v) {
    return base::FormatLengthDecFine(nf, 0, v * detail::MicroFactor(nf)) + mu;
  };
  WriteLine(p, "");
  WriteLine(p, "mn = " + len(s.mn) + "      z = " + base::IntToText(s.z[1]));
  WriteLine(
      p, "x1 = " + base::FormatSig(nf, s.x[1]) + "   b = " + len(s.b0) + "    d = " + len(s.d[1]));
  WriteLine(p, "");
  WriteLine(p, "Welle: df = " + len(s.df[1]) + "     da = " + len(s.da[1]));
  WriteLine(p, "Nabe : df = " + len(-s.df[2]) + "     da = " + len(-s.da[2]));
  WriteLine(p, "");
  WriteLine(p, "AseW = " + fine(s.Ase[1]) + "    AeiN = " + fine(-s.Ase[2]));
  WriteLine(p, "AsiW = " + fine(s.Asi[1]) + "    AeeN = " + fine(-s.Asi[2]));
  WriteLine(p, "TW  = " + fine(s.T[1]) + "   TN  = " + fine(s.T[2]));
  WriteLine(p, "TEW = " + fine(s.TE[1]) + "   TEN = " + fine(s.TE[2]));
  const std::string mm = base::LengthUnit(nf);
  WriteLine(p, "jtmin = " + len(s.jtmin) + mm + "    jtmax = " + len(s.jtmax) + mm);
}

// The formula lines in their order; an empty line follows each but the last, and the two
// lines of the pressure formulas stay together.
std::vector<std::string> FormulaLines(const ReportSession& p) {
  const model::SpecState& s = p.connection;
  const base::NumberFormat& nf = p.fmt();
  const auto sig = [&](Extended v) { return base::FormatSig(nf, v); };
  const auto len = [&](Extended v) { return base::FormatLengthSig(nf, v); };
  const auto mpa = [&](Extended v) { return base::FormatStressSig(nf, v); };
  const auto nm = [&](Extended v) { return base::FormatTorqueSig(nf, v); };
  const std::string mmUnit = " " + base::LengthUnit(nf);
  const std::string mpaUnit = " " + base::StressUnit(nf);
  const int tolMax = std::max<int>(s.tolreihe[1], s.tolreihe[2]) + 3;
  const Extended alphaRad = s.alpha * model::kDegToRad;
  std::vector<std::string> lines{
      "Teq = KA * TN = " + sig(s.KA) + " * " + nm(s.TN) + " = " + nm(s.Teq) + " " +
          base::TorqueUnit(nf),
      "hw = 0.5 * (da1 + da2) = 0.5 * (" + len(s.da[1]) + " + " + len(s.da[2]) +
          ") = " + len(s.hw) + mmUnit,
      "rw = 0.5 * m * z * cos(alpha) = 0.5 * " + len(s.mn) + " * " + base::IntToText(s.z[1]) +
          " * " + sig(std::cos(alphaRad)) + " = " + len(s.rw) + mmUnit,
      "rm = (da1 - da2)/4 = (" + len(s.da[1]) + " - " + len(s.da[2]) + ")/4 = " + len(s.rm) +
          mmUnit,
      "alpha w = acos(rw/rm) = acos(" + len(s.rw) + "/" + len(s.rm) +
          ") = " + sig(s.alphaw / model::kDegToRad) + base::AngleUnit(nf),
      "tol max = " + base::IntToText(tolMax) + "    K phiß,eq = " + sig(s.Kphieq) +
          "    K phiß,max = " + sig(s.Kphimax),
      "peq = Teq/(rw * z) * cos(alphaw)/(b0 * hw) * kphiß,eq * klambda\n    = " + mpa(s.peq) +
          mpaUnit,
      "pmax = Tmax/(rw * z) * cos(alphaw)/(b0 * hw) * kphißmax * klambda\n     = " + mpa(s.pmax) +
          mpaUnit,
  };
  for (int i = 1; i <= 2; ++i) {
    const std::string n = base::IntToText(i);
    lines.push_back("plim" + n + " = Re" + n + " * fH" + n + " * fs" + n + " = " + mpa(s.Re[i]) +
                    " * " + sig(s.fH[i]) + " * " + sig(s.fS[i]) + " = " + mpa(s.plim[i]) + mpaUnit);
  }
  for (int i = 1; i <= 2; ++i) {
    const std::string n = base::IntToText(i);
    lines.push_back("Seq" + n + " = plim" + n + " * fw / peq = " + mpa(s.plim[i]) + " * " +
                    sig(s.fW) + " / " + mpa(s.peq) + " = " + sig(s.Seq[i]));
  }
  for (int i = 1; i <= 2; ++i) {
    const std::string n = base::IntToText(i);
    lines.push_back("Smax" + n + " = plim" + n + " * fL" + n + " / pmax = " + mpa(s.plim[i]) +
                    " * " + sig(s.fL[i]) + " / " + mpa(s.pmax) + " = " + sig(s.Smax[i]));
  }
  return lines;
}

}  // namespace

void PrintExtract(ReportSession& p) {
  if (!Begin(p)) return;
  PageHeader(p, 0, 0);
  ExtractLines(p);
  PageEnd(p);
  CloseReport(p);
}

void PrintFormulaSheet(ReportSession& p) {
  if (!Begin(p)) return;
  PageHeader(p, 1, 0);
  WriteLine(p, "");
  WriteLine(p, "FESTIGKEIT NACH NIEMANN (2005)");
  WriteLine(p, "");
  const std::vector<std::string> lines = FormulaLines(p);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& entry = lines[i];
    const std::size_t split = entry.find('\n');
    WriteLine(p, entry.substr(0, split));
    if (split != std::string::npos) WriteLine(p, entry.substr(split + 1));
    if (i + 1 < lines.size()) WriteLine(p, "");
  }
  PageEnd(p);
  CloseReport(p);
}

}  // namespace kv40::report
