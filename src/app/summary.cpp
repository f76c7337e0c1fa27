// The overview: designation, dimension block, tolerances, inspection dimensions, messages.
#include "app/summary.h"

#include "report/format.h"
#include "report/text.h"

namespace kv40::app {
namespace {

std::string Row(const std::string& label, const std::string& shaft, const std::string& hub) {
  return report::PadRight(label, 34) + report::PadLeft(shaft, 14) + report::PadLeft(hub, 14);
}

}  // namespace

std::vector<std::string> SummaryLines(const model::Program& p) {
  const auto& s = p.spec;
  const auto& nf = p.fmt();
  auto num = [&](Extended v) { return report::FormatFixed(nf, 1, 4, v); };
  std::vector<std::string> out;
  out.push_back(std::string(model::kProgramTitle) + "   V" + model::kProgramVersion);
  out.push_back("Datei: " + (p.currentFile.empty() ? std::string("(neu)") : p.currentFile));
  out.push_back("");
  out.push_back(s.bez[1].empty() ? std::string("Welle") : s.bez[1]);
  out.push_back(s.bez[2].empty() ? std::string("Nabe") : s.bez[2]);
  out.push_back("");
  out.push_back(Row("", "Welle", "Nabe"));
  out.push_back(Row("Zähnezahl z", report::IntToText(s.z[1]), report::IntToText(s.z[2])));
  out.push_back(Row("Normalmodul mn", num(s.mn), num(s.mn)));
  out.push_back(Row("Profilverschiebungsfaktor x", num(s.x[1]), num(s.x[2])));
  out.push_back(Row("Kopfkreisdurchmesser da", num(s.da[1]), num(-s.da[2])));
  out.push_back(Row("Fußkreisdurchmesser df", num(s.df[1]), num(-s.df[2])));
  out.push_back(Row("Toleranz", s.tolcode[1], s.tolcode[2]));
  out.push_back(Row("Zahnweite theor. W", num(s.W[1]), num(s.W[2])));
  out.push_back(Row("Messzähnezahl k", report::IntToText(s.k[1]), report::IntToText(s.k[2])));
  out.push_back(Row("Kugel-/Rollendurchmesser DM", num(s.DM[1]), num(s.DM[2])));
  out.push_back(Row("Diametr.Zweirollenmaß theor.", num(s.MdR[1]), num(s.MdR[2])));
  out.push_back("");
  if (s.log.messageCount == 0) {
    out.push_back("Berechnung erfolgreich ohne Fehlermeldungen");
  } else {
    out.push_back("Meldungen:");
    for (int i = 1; i <= s.log.messageCount; ++i)
      out.push_back("  " + s.log.Message(i));
  }
  return out;
}

}  // namespace kv40::app
