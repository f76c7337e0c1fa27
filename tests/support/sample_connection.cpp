// The sample connection of the file tests.
#include "support/sample_connection.h"

namespace kv40::test {

void FillSampleConnection(model::SpecState& p, model::DocuData& d) {
  p.text[1] = "Welle für Getriebe Ölpumpe";
  p.text[2] = "Zweite Zeile";
  p.text[3] = "Dritte";
  p.zname = Pair<std::string>("Zahnwelle Größe 3", "Nabe ß");
  p.znr = Pair<std::string>("Z-100.01", "Z-100.02");
  p.zname2 = Pair<std::string>("zweiter Name W", "zweiter Name N");
  p.alpha = 30.5L, p.mn = 1.25L, p.b0 = 22, p.b = Pair<Extended>(24, 26);
  p.z = Pair<std::int32_t>(17, -17);
  p.tolfeld = Pair<Word>(9, 4), p.tolreihe = Pair<Word>(2, 8), p.tolAux = -4;
  p.matname = Pair<std::string>("42CrMo4", "C45E");
  p.matnr = Pair<std::string>("1.7225", "1.1191");
  p.plim = Pair<Extended>(812.5L, 433.25L), p.dB = 21.375L;
  p.DM = Pair<Extended>(2.5L, 2.25L), p.k = Pair<std::int32_t>(3, -4);
  p.wtyp = Pair<Word>(2, 3), p.wtab = 4, p.cB = 1.75L, p.connKind = 3;
  p.aux = Array1<Extended, 5>{{601, 5001, -2, 0.003L, 0.2L}};
  p.fH = Pair<Extended>(1.1L, 0.9L), p.fS = Pair<Extended>(1.3L, 1.9L);
  p.Re = Pair<std::int32_t>(900, 55);
  p.haP0Star = Pair<Extended>(0.55L, 0.45L), p.hfP0Star = Pair<Extended>(0.65L, 0.6L);
  p.rhoaP0Star = Pair<Extended>(0.16L, 0.2L), p.x = Pair<Extended>(0.3L, -0.3L);
  p.TN = 250, p.Tmax = 400, p.KA = 1.25L, p.Kphieq = 1.1L, p.Klambda = 1.2L, p.fW = 0.7L;
  p.fL = Pair<Extended>(1.5L, 1.6L), p.Kphimax = 1.3L;
  p.calcFlag = true, p.calcWhat = 3, p.P = 7.5L, p.n = 1450, p.pinTable = true;
  p.bez5482 = "17x14", p.d1 = 14.2L, p.d2 = 15.9L, p.d3 = 16.9L, p.d4 = 14.7L;
  p.z5482 = 26, p.mn5482 = 0.6L, p.xm = -0.125L, p.r1 = 0.2L, p.r2 = 0.25L, p.kmin = 0.15L;
  p.text5482 = "Reihe Ä", p.normRow = 12, p.abm = 2;

  d.changeCount = 2;
  d.changeList[0] = {"Bohrung geändert", "03.04.2024", "AB", "Zeile 1\nZeile 2"};
  d.changeList[1] = {"Toleranz", "05.06.2024", "CDÜ", "Maß | neu"};
  auto& info = d.drawingInfo;
  info = {"11.01.2024", "Müller",  "12.01.2024", "Weiß", "13.01.2024", "Ott",
          "14.01.2024", "Frei-Öl", "A-99",       "B-77", {},           0};
  info.drawingTextCount = 2;
  info.drawingTexts[0] = {10.5L, 20.25L, 3.5L, 0, "Härte 58 HRC"};
  info.drawingTexts[1] = {-5, 123.5L, 2.5L, 90, "Einsatzgehärtet"};
  d.documents[0] = {"xdg-open", "/home/u/zeichnung.pdf"};
  d.documents[4] = {"libreoffice", "prüfplan.ods"};
}

}  // namespace kv40::test
