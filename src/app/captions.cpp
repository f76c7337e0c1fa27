// Caption texts of both vocabularies in every caption language.
#include "app/captions.h"

#include <array>

#include "base/check.h"

namespace kv40::app {
namespace {

struct Row {
  Cap cap;
  // German, English, French, Italian, Swedish, Portuguese, Romanian, Korean, Spanish;
  // empty where the vocabulary has no text for a language
  std::array<const char*, kLanguageCount> text;
};

// Korean texts carry the access key as "(&x)" behind the word.
constexpr Row kRows[] = {
    {Cap::Menu, {"Menü", "Menu", "Menu", "Menu", "Meny", "Menu", "Meniu", "메뉴", "Menú"}},
    {Cap::File,
     {"&Datei", "&File", "&Fichier", "&File", "&Arkiv", "&Arquivo", "&Fisier", "파일(&F)",
      "&Archivo"}},
    {Cap::New,
     {"&Neu...", "&New...", "&Nouveau...", "&Nuovo...", "&Nytt...", "&Novo...", "&Fisier nou...",
      "새로만들기(&N)", "&Nuevo..."}},
    {Cap::Open,
     {"Ö&ffnen...", "&Open...", "&Ouvrir...", "&Apri...", "&Öppna...", "&Abrir...", "&Deschide...",
      "열기(&O)", "&Abrir..."}},
    {Cap::Save,
     {"&Speichern...", "&Save...", "&Enregistrer", "&Salva", "&Spara", "&Salvar", "&Salveaza",
      "저장(&S)...", "&Guardar"}},
    {Cap::SaveAs,
     {"Speichern &Unter...", "Save &As...", "En&registrer sous...", "Sal&va con nome...",
      "Spara s&om...", "Salvar &como...", "Salveaza &ca...", "다른이름으로 저장(&A)",
      "Guardar &Como..."}},
    {Cap::Settings,
     {"E&instellungen", "Se&ttings", "&Configuration...", "&Config...", "&Inställningar...",
      "&Config...", "Se&tari", "환경설정(&t)", "&Configuración..."}},
    {Cap::Exit,
     {"&Beenden", "E&xit", "&Quitter", "&Esci", "&Avsluta", "S&aida", "Ie&sire", "끝내기(&x)",
      "&Salir"}},
    {Cap::Print,
     {"&Drucken...", "&Print...", "I&mprimer...", "Stam&pa...", "Skri&v ut...", "&Imprimir...",
      "&Imprimare...", "프린트(&P)", "&Imprimir"}},
    {Cap::PrinterSetup,
     {"Druckereinstellung", "Printer Setup", "Configuration Imprimer", "Config Stampa",
      "Printer Setup", "Configurar impressora", "Setari Imprimanta", "프린터설정",
      "Configuración Imprimante"}},
    {Cap::Edit,
     {"&Bearbeiten", "&Edit", "&Edition", "&Modifica", "&Redigera", "&Editar", "&Editare",
      "편집(&E)", "&Editar"}},
    {Cap::Text,
     {"Te&xt", "Te&xt", "&Texte", "&Testo", "&Text", "&Texto", "Te&xt", "텍스트(&x)", "&Texto"}},
    {Cap::Quick,
     {"&Quick", "&Quick", "&Rapide", "&Veloce", "&Snabb", "&Rapido", "&Vizualizare Rapida",
      "Quick(&Q)", "&Rápido"}},
    {Cap::Material,
     {"&Werkstoff", "&Material", "&Matériau", "M&ateriale", "&Material", "&Material", "&Material",
      "소재선정(&M)", "&Material"}},
    {Cap::View,
     {"&Ansicht", "&View", "&Présentation", "&Prospetti", "&Visa", "&Vista", "&Examinare",
      "보기(&V)", "&Presentar"}},
    {Cap::Excerpt,
     {"&Auszug", "&Excerpt Printout", "&Extrait", "&Estratto", "&Utdrag", "&Extrato", "&Extras",
      "발췌보기(&E)", "&Extracto"}},
    {Cap::Database,
     {"Datenban&k", "&Database", "&BDD", "&Database", "&Databas", "&BDD", "&Baza de date",
      "데이터베이스(&D)", "&Banco Datos"}},
    {Cap::Cad, {"&CAD", "&CAD", "&CAD", "&CAD", "&CAD", "&CAD", "&CAD", "&CAD", "&CAD"}},
    {Cap::ProductionDrawing,
     {"&Fertigungszeichnung", "&Production drawing", "D&essin fabrication", "Disegn&o tabella",
      "&Arbetsritning", "&Plano de trabalho", "&Desen de productie", "산품도(&P)",
      "Dibujo para &Fabricación"}},
    {Cap::Drawing,
     {"&Zeichnung", "&Drawing", "De&ssin", "&Disegno", "&Ritning", "&Desenho", "&Desen",
      "도면설정(&D)", "&Dibujo"}},
    {Cap::Document,
     {"D&okument", "D&ocument", "D&ocumentation", "D&ocumento", "D&okument", "&Documento",
      "D&ocument", "문서(&o)", "D&ocument"}},
    {Cap::DrawingData,
     {"&Zeichnungsdaten", "&Drawing data", "&Info Dessin", "&Info Disegno", "Ritnings&information",
      "Informacao &do desenho", "&Informatii despre desen", "도면데이터(&D)", "&Drawing data"}},
    {Cap::ChangesInfo,
     {"Änderungen - &Info", "Modifications - &Info", "&Voir changement", "&mostra modifiche",
      "Visa &ändringar", "M&ostrar mudancas", "Modificari - &Informatii", "수정-정보(&I)",
      "Modifications - &Info"}},
    {Cap::ChangesPrint,
     {"Änderungen - &Ausdruck", "Modifications - &Printout", "&Impr. changement",
      "s&tampa modifiche", "&Skriv ut ändringar", "&Impressao de mudancas",
      "Modificari - &La imprimanta", "수정-프린트출력(&P)", "Modifications - &Print"}},
    {Cap::NewChange,
     {"&Neue Änderung", "Modification - &New", "&Nouveau changement", "&nouvo esp.modifica",
      "&Ny ändring", "&Nova mudanca", "Modificari - &Nou", "수정-새로 만들기(&N)", "&New"}},
    {Cap::EditLastChange,
     {"Letzte Änderung &bearbeiten", "&Edit previous modification", "&Change changement...",
      "&variaz. esp.modifica", "&Modifiera ändringar", "&Alterar mudancas...",
      "&Editeaza modif. prec.", "이전의 수정편집(&E)", "&Edit previous modification"}},
    {Cap::DeleteLastChange,
     {"Letzte Änderung &löschen", "&Delete previous modification", "&Annuler changement",
      "&annul. esp.modifica", "&Radera ändring", "&Deletar mudanca", "&Sterge modif. prec.",
      "이전의 수정삭제(&D)", "&Delete previous modification"}},
    {Cap::DocumentSetup,
     {"Dokument &Setup", "Document &Setup", "Document &Setup", "&Setup Documento",
      "&Dokumentinställning", "Configurar &Documento", "Document &Setari", "문서설정(&S)",
      "Document &Setup"}},
    {Cap::Help,
     {"&Hilfe", "&Help", "&Aide", "&Help", "&Hjälp", "Aj&uda", "&Ajutor", "도움말(&H)", "&Ayuda"}},
    {Cap::HelpImage,
     {"&Hilfebild", "&Auxiliary images", "&Aide-Image", "&Grafico Ausiliario", "&Extra grafik",
      "&Grafico auxiliar", "&Imagini auxiliare", "도움이미지(&A)", "D&ibujo Ayuda"}},
    {Cap::ErrorMessages,
     {"&Fehlermeldungen", "&Error messages", "&Message d'erreurs", "&Messaggi di Errore",
      "&Felmeddelanden", "&Mensagens de erro", "&mesaje de eroare", "에러메시지(&E)",
      "Mensajes de &Error"}},
    {Cap::Demo,
     {"&Demo", "&Demo", "&Demo", "&Demo", "&Demo", "&Demo", "&Versiune Demonstrativa", "데모(&D)",
      "&Demostración"}},
    {Cap::Homepage,
     {"&QUENTAR Homepage", "&QUENTAR Homepage", "&QUENTAR Homepage", "&QUENTAR Homepage",
      "&QUENTAR Homepage", "&QUENTAR Homepage", "&Pagina de prezentare QUENTAR",
      "QUENTAR 홈페이지(&H)", "&QUENTAR Homepage"}},
    {Cap::EMail,
     {"&E-Mail an QUENTAR", "&E-Mail to QUENTAR", "&E-Mail to QUENTAR", "&E-Mail to QUENTAR",
      "&E-Mail to QUENTAR", "&E-Mail to QUENTAR", "&E-Mail catre QUENTAR", "QUENTAR 이메일(&E)",
      "&E-Mail to QUENTAR"}},
    {Cap::Printout,
     {"&Ausdruck", "&Printout", "&Printout", "&Stampiamo", "&Utdrag", "&Printout", "&Imprimare",
      "프린트출력(&P)", "&Printout"}},
    {Cap::Language,
     {"&Sprache", "&Language", "&Language", "&Lingua", "&Språk", "&Language", "&Limba", "언어(&L)",
      "&Language"}},
    {Cap::Dimensions,
     {"&Abmessungen", "&Dimensions", "&Dimensions", "&Dimensions", "&Geometri", "&Dimensions",
      "&Dimensiuni", "치수(&D)", "&Dimensions"}},
    {Cap::Table,
     {"&Tabelle", "&Table", "&Table", "&Table", "&Table", "&Table", "&Tabele", "테이블(&b)",
      "&Table"}},
    // term vocabulary: German, English, Romanian and Korean only
    {Cap::ReferenceProfile,
     {"&Bezugsprofil", "C&utting Tool", "", "", "", "", "Scula aschietoare", "절삭공구(&u)", ""}},
    {Cap::Strength, {"&Festigkeit", "S&trength", "", "", "", "", "Rezistenta", "강도(&t)", ""}},
    {Cap::Load, {"&Last", "&Load", "", "", "", "", "&Incarca", "하중(&L)", ""}},
    {Cap::Measure, {"&Messen", "Me&asurement", "", "", "", "", "M&asuratori", "측정(&a)", ""}},
    {Cap::Hub, {"&Nabe", "&Hub", "", "", "", "", "&Bucsa", "허브(&H)", ""}},
    {Cap::Quality, {"&Qualität", "&Quality", "", "", "", "", "&Calitate", "품질(&Q)", ""}},
    {Cap::Toothing, {"&Verzahnung", "&Toothing", "", "", "", "", "&Dintare", "Toothing(&T)", ""}},
    {Cap::Shaft, {"&Welle", "Sh&aft", "", "", "", "", "Arbore", "축(&a)", ""}},
    {Cap::MaterialType,
     {"Werkstoff&typ", "Material &type", "", "", "", "", "Tipuri de materiale", "소재타입(&t)",
      ""}},
    {Cap::ToothContact,
     {"Zahn&eingriff", "Tooth &contact", "", "", "", "", "&Contact al dintelui", "이접촉(&c)", ""}},
    {Cap::ToothForm,
     {"Zahn&form", "&Tooth Profile", "", "", "", "", "&Forma dintelui", "이형상(&T)", ""}},
};
static_assert(std::size(kRows) == kCapCount);

constexpr const char* kNames[] = {
    "capMenu",
    "capFile",
    "capNew",
    "capOpen",
    "capSave",
    "capSaveAs",
    "capSettings",
    "capExit",
    "capPrint",
    "capPrinterSetup",
    "capEdit",
    "capText",
    "capQuick",
    "capMaterial",
    "capView",
    "capExcerpt",
    "capDatabase",
    "capCad",
    "capProductionDrawing",
    "capDrawing",
    "capDocument",
    "capDrawingData",
    "capChangesInfo",
    "capChangesPrint",
    "capNewChange",
    "capEditLastChange",
    "capDeleteLastChange",
    "capDocumentSetup",
    "capHelp",
    "capHelpImage",
    "capErrorMessages",
    "capDemo",
    "capHomepage",
    "capEMail",
    "capPrintout",
    "capLanguage",
    "capDimensions",
    "capTable",
    "capReferenceProfile",
    "capStrength",
    "capLoad",
    "capMeasure",
    "capHub",
    "capQuality",
    "capToothing",
    "capShaft",
    "capMaterialType",
    "capToothContact",
    "capToothForm",
};
static_assert(std::size(kNames) == kCapCount);

const Row& RowOf(Cap c) {
  const Row& row = kRows[static_cast<int>(c)];
  KV40_CHECK(row.cap == c);
  return row;
}

bool TermLanguage(int i) {
  return i == kGerman || i == kEnglish || i == kRomanian || i == kKorean;
}

}  // namespace

bool IsTermCaption(Cap c) {
  return static_cast<int>(c) >= static_cast<int>(Cap::ReferenceProfile);
}

const char* CapName(Cap c) {
  return kNames[static_cast<int>(c)];
}

void LoadMenuCaptions(Program& p, int i) {
  if (i >= 1 && i <= kLanguageCount) p.captions.menu = i;
}

void LoadTermCaptions(Program& p, int i) {
  if (TermLanguage(i)) p.captions.term = i;
}

std::string CaptionIn(Cap c, int i) {
  if (i < 1 || i > kLanguageCount) return {};
  return RowOf(c).text[static_cast<std::size_t>(i - 1)];
}

std::string Caption(const Program& p, Cap c) {
  return CaptionIn(c, IsTermCaption(c) ? p.captions.term : p.captions.menu);
}

}  // namespace kv40::app
