// The menus of the tooth-form pictures and their options list.
#include "cad/tooth_menu.h"

#include <string>
#include <vector>

#include "base/format.h"
#include "cad/tooth_pictures.h"
#include "model/dialogs.h"

namespace kv40::cad {
namespace {

bool Choose(model::Session& p, const std::string& title, const std::vector<std::string>& items,
            int& selection) {
  for (std::size_t i = 0; i < items.size(); ++i)
    p.itemLines[i] = items[i];
  return model::ChooseItem(p, title, static_cast<int>(items.size()), selection);
}

int OrDefault(int v, int fallback) {
  return v <= 0 ? fallback : v;
}

void AskAccuracy(model::Session& p) {
  model::ToothFormOptions& o = p.toothForm;
  bool trochoid = o.drawTrochoid;
  if (!model::AskYesNo(p, "Fussausrundung zeichnen ?", trochoid)) return;
  o.drawTrochoid = trochoid;
  std::int32_t v = OrDefault(o.filletSteps, 30);
  if (!model::AskInt(p, "Auflösung Fußausrundung", v, 2, 200)) return;
  o.filletSteps = v;
  v = OrDefault(o.nInvPoints, 20);
  if (!model::AskInt(p, "Anzahl der Punkte für die Evolvente", v, 1, model::kMaxInvolutePoints))
    return;
  o.nInvPoints = v;
  int kind = o.invPolyline ? 2 : 1;
  if (!Choose(p, "Zeichnungselement für Evolvente", {"Linie", "Polylinie"}, kind)) return;
  o.invPolyline = kind == 2;
  v = OrDefault(o.envelopesInternal, 200);
  if (!model::AskInt(p, "Anzahl Hüllkurven beim Darstellen von Hohlrädern", v, 1, 20000)) return;
  o.envelopesInternal = v;
  v = OrDefault(o.envelopesExternal, 30);
  if (!model::AskInt(p, "Anzahl Hüllkurven beim Darstellen von Stirnrädern", v, 1, 20000)) return;
  o.envelopesExternal = v;
}

// One generating profile shift of gear i: a tolerance limit, a mean, or a value entered.
bool AskShift(model::Session& p, const std::string& what, int i, Extended& xe) {
  const model::SpecState& s = p.connection;
  const base::NumberFormat& nf = p.fmt();
  auto v = [&](Extended x) { return base::FormatSig(nf, x) + ")"; };
  const std::vector<std::string> items = {
      "Mittleres Flankenspiel vorb. (xe = " + v((s.xemin[i] + s.xemax[i]) / 2),
      "Min.theor.Flankenspiel vorb. (xe= " + v(s.xemax[i]),
      "Max.theor.Flankenspiel vorb. (xe = " + v(s.xemin[i]),
      "Mittleres Flankenspiel fertig (xe = " + v((s.xeminM[i] + s.xemaxM[i]) / 2),
      "Min.theor.Flankenspiel fertig (xe= " + v(s.xemaxM[i]),
      "Max.theor.Flankenspiel fertig (xe = " + v(s.xeminM[i]),
      "xe ...",
  };
  const Extended values[] = {(s.xemin[i] + s.xemax[i]) / 2,   s.xemax[i],  s.xemin[i],
                             (s.xeminM[i] + s.xemaxM[i]) / 2, s.xemaxM[i], s.xeminM[i]};
  int choice = 1;
  const std::string n = std::to_string(i);
  if (!Choose(p, "Erzeug.prof.versch.f. " + what + " Rad " + n, items, choice)) return false;
  if (choice <= 6) {
    xe = values[choice - 1];
    return true;
  }
  Extended entered = xe;
  if (!model::AskReal(p, "Erzeug.prof.versch.f. " + what + " xe Rad " + n, entered, -3, 3)) {
    return false;
  }
  xe = entered;
  return true;
}

void AskShifts(model::Session& p) {
  model::SpecState& s = p.connection;
  for (int i = 1; i <= 2; ++i) {
    if (!AskShift(p, "Evolvente", i, s.xem[i])) return;
    if (!AskShift(p, "Hüllkurven", i, s.xemean[i])) return;
  }
}

void AskCentreDistance(model::Session& p) {
  model::SpecState& s = p.connection;
  const base::NumberFormat& nf = p.fmt();
  auto len = [&](Extended a) { return base::FormatLengthDec(nf, 3, a); };
  int choice = 1;
  if (!Choose(p, "Achsabstand für CAD-Darstellung",
              {"Nenn-Achsabstand  a = " + len(s.a), "größter Achsabstand  a = " + len(s.a + s.Aao),
               "kleinster Achsabstand  a = " + len(s.a + s.Aau), "Achsabstand eingeben"},
              choice)) {
    return;
  }
  const Extended values[] = {s.a, s.a + s.Aao, s.a + s.Aau};
  if (choice <= 3) {
    s.aCad = values[choice - 1];
    return;
  }
  Extended a = s.aCad;
  if (model::AskReal(p, "Achsabstand für CAD-Darstellung", a, s.a - s.mn, s.a + s.mn)) s.aCad = a;
}

void AskAuxiliaryLines(model::Session& p) {
  int choice = p.toothForm.drawDiameters == 2 ? 2 : 1;
  if (Choose(p, "Darstellung der Zeichnungen",
             {"nur Zahnform ohne Hilfslinien", "mit allen wichtigen Durchmessern"}, choice)) {
    p.toothForm.drawDiameters = static_cast<Word>(choice);
  }
}

}  // namespace

void ToothFormConfig(model::Session& p) {
  int choice = 1;
  while (true) {
    if (!Choose(p, "Konfiguration Zahnradgrafik",
                {"Genauigkeit Evolvente und Hüllkurven", "Erzeugungs-Profilverschiebungsfaktoren",
                 "Achsabstand", "Anzeige von Hilfslinien (dw,df,da usw.)", "zurück"},
                choice) ||
        choice == 5) {
      return;
    }
    switch (choice) {
      case 1:
        AskAccuracy(p);
        break;
      case 2:
        AskShifts(p);
        break;
      case 3:
        AskCentreDistance(p);
        break;
      default:
        AskAuxiliaryLines(p);
        break;
    }
    // a cancelled question ends that entry; the list comes again
    p.cancel = false;
  }
}

void ToothFormView(GraphicSession& p, CadDevice device, int view) {
  switch (view) {
    case 1:
    case 2:
      return ToothFormDrawing(p, device, view, kGearPicture);
    case 3:
      return ToothFormDrawing(p, device, 0, kPairPicture);
    case 4:
    case 5:
      return ToothFormDrawing(p, device, view - 3, kToolPicture);
    case 6:
      return ToothFormDrawing(p, device, 0, kMeshingPicture);
    default:
      return;
  }
}

void ToothFormMenu(GraphicSession& p, CadDevice device, int entry) {
  if (entry != 0) return ToothFormView(p, device, entry);
  int choice = 1;
  while (true) {
    if (!Choose(p, "Bitte wählen ..",
                {"Zeichnung Welle", "Zeichnung Nabe", "Zeichnung Welle+Nabe", "Werkzeug (Welle)",
                 "Werkzeug (Nabe)", "Zahneingriff", "Config", "zurück .."},
                choice) ||
        choice == 8) {
      return;
    }
    if (choice == 7) {
      ToothFormConfig(p);
    } else {
      ToothFormView(p, device, choice);
    }
    p.cancel = false;
  }
}

void ToothPictureChoice(GraphicSession& p, CadDevice device, int part) {
  int choice = 1;
  while (true) {
    if (!Choose(p, "Zahnformzeichnung",
                {"Zahn (Evolvente)", "Zahnlücke (Evolvente)", "Zahnlücke (Hüllkurve und Evolvente)",
                 "Zahnrad (aus Evolventen)", "Zahnrad (aus Hüllkurven und Evolventen)",
                 "Abwälzwerkzeug", "Bild vom Zahneingriff", "Planetengetriebe bzw. Radpaar",
                 "Config", "zurück .."},
                choice) ||
        choice == 10) {
      return;
    }
    if (choice == 9) {
      ToothFormConfig(p);
    } else {
      ToothFormDrawing(p, device, part, choice);
    }
    p.cancel = false;
  }
}

}  // namespace kv40::cad
