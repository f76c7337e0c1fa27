// The menu of the main window and the handlers of its commands.
#include "app/command_table.h"

#include "app/captions.h"
#include "app/commands.h"
#include "app/demo.h"
#include "app/drawing_commands.h"
#include "app/file_commands.h"
#include "app/file_table_command.h"
#include "app/help_commands.h"
#include "app/history.h"
#include "app/tooth_commands.h"
#include "docu/change_list.h"
#include "docu/documents.h"
#include "help/image_manager.h"
#include "report/message_help.h"
#include "report/spline_report.h"
#include "report/spreadsheet.h"
#include "tables/lookups.h"

namespace kv40::app {
namespace {

// ---- captions ----
template <Cap c>
std::string One(const Program& p) {
  return Caption(p, c);
}
template <Cap a, Cap b>
std::string Plus(const Program& p) {
  return Caption(p, a) + " + " + Caption(p, b);
}
template <Cap c>
std::string Dots(const Program& p) {
  return Caption(p, c) + "...";
}
template <int i>
std::string Recent(const Program& p) {
  return RecentItemCaption(i, p.recentFiles[i - 1]);
}
std::string OpenTable(const Program& p) {
  return Caption(p, Cap::Open) + " (" + Caption(p, Cap::Table) + ")";
}
std::string NiemannDetail(const Program& p) {
  return "Detail " + Caption(p, Cap::Strength) + " Niemann";
}
template <const char* suffix>
std::string DrawingWith(const Program& p) {
  return Caption(p, Cap::Drawing) + suffix;
}
constexpr char kOne[] = " &1";
constexpr char kTwo[] = " &2";
constexpr char kOneAndTwo[] = " 1 &+ 2";
std::string ToothProfileShaft(const Program& p) {
  return Caption(p, Cap::ToothForm) + " " + Caption(p, Cap::Shaft) + " - External Spline";
}
std::string ToothProfileHub(const Program& p) {
  return Caption(p, Cap::ToothForm) + " " + Caption(p, Cap::Hub) + " - Internal Spline";
}
template <int i>
std::string DocumentN(const Program& p) {
  return Caption(p, Cap::Document) + " &" + std::to_string(i);
}
std::string LanguageMenu(const Program& p) {
  return Caption(p, Cap::Menu) + " " + Caption(p, Cap::Language);
}
// Items whose caption is the same in every language.
template <const char* text>
std::string Fixed(const Program&) {
  return text;
}
constexpr char kDin5482[] = "DIN 5482";
constexpr char kOle[] = "&OLE";
constexpr char kStartExcel[] = "Start Excel";
constexpr char kExportExcel[] = "Export KV40 -> Excel";
constexpr char kImportExcel[] = "Import Excel -> KV40";
constexpr char kPrintoutExcel[] = "Printout -> Excel";
constexpr char kHistory[] = "&History";
constexpr char kDeutsch[] = "&Deutsch";
constexpr char kEnglishItem[] = "&English";
constexpr char kRoman[] = "&Roman";
constexpr char kKorea[] = "&Korea";
constexpr char kAbout[] = "&KV40";

// ---- handlers ----
void New(Program& p, Shell& s) {
  FileNew(p, s);
}
void Open(Program& p, Shell& s) {
  FileOpen(p);
  if (p.cancel) return;
  s.Refresh();
  s.UpdateTitle();
}
void Save(Program& p, Shell& s) {
  FileSave(p);
  if (!p.cancel) s.UpdateTitle();
}
void SaveAs(Program& p, Shell& s) {
  FileSaveAs(p);
  s.UpdateTitle();
}
template <int i>
void OpenRecent(Program& p, Shell& s) {
  OpenRecentFile(p, s, i);
}
void Print(Program& p, Shell& s) {
  p.cancel = false;
  s.PrintDrawing(false);
}
void PrinterSetup(Program& p, Shell& s) {
  p.cancel = false;
  s.PrintDrawing(true);
}
void Exit(Program&, Shell& s) {
  s.CloseWindow();
}
void Quick(Program& p, Shell& s) {
  p.cancel = false;
  QuickInput(p, s);
  if (p.cancel) return;
  s.Refresh();
  p.modified = true;
}
void Text(Program& p, Shell& s) {
  EditText(p, s);
}
template <InputDialog d>
void Edit(Program& p, Shell& s) {
  EditStep(p, s, d);
}
void Material(Program& p, Shell& s) {
  EditMaterial(p, s);
}
void MessageList(Program& p, Shell&) {
  p.cancel = false;
  report::ShowMessageList(p);
}
template <int i>
void Language(Program& p, Shell& s) {
  SetLanguage(p, s, i);
}
// Help → Homepage: there is no web page; the user manual opens in the browser.
void Homepage(Program& p, Shell&) {
  p.cancel = false;
  ShowManual(p);
}
void Mail(Program& p, Shell&) {
  p.cancel = false;
  WriteMail(p);
}
void Settings(Program& p, Shell& s) {
  p.cancel = false;
  s.ShowSettings();
}
void HelpImages(Program& p, Shell&) {
  help::ManageHelpImages(p);
  p.cancel = false;
}
// The Database menu: the tables in the browser, for editing.
void Din5482Table(Program& p, Shell&) {
  p.cancel = false;
  tables::ShowDin5482Table(p);
}
void MaterialTable(Program& p, Shell&) {
  p.cancel = false;
  tables::ShowMaterialTable(p, tables::kEditTable);
}
void MaterialTypes(Program& p, Shell&) {
  p.cancel = false;
  tables::ShowMaterialTypes(p, tables::kEditTable);
}
// View → Ausdruck: the spline reports on the configured device.
template <int what>
void Sheets(Program& p, Shell&) {
  p.cancel = false;
  report::PrintSheets(p, what);
}
void Extract(Program& p, Shell&) {
  p.cancel = false;
  report::PrintExtract(p);
}
void FormulaSheet(Program& p, Shell&) {
  p.cancel = false;
  report::PrintFormulaSheet(p);
}
void MessageReport(Program& p, Shell&) {
  p.cancel = false;
  report::ShowMessageReport(p);
}
// View: production drawing entries on the screen; CAD: on the device chosen for them.
template <int entry>
void ProductionView(Program& p, Shell&) {
  ShowProductionView(p, entry);
}
void CadProductionDrawing(Program& p, Shell&) {
  CadProductionMenu(p);
}
template <int entry>
void CadDrawing(Program& p, Shell&) {
  CadProductionEntry(p, entry);
}
// The tooth forms: views on the screen, CAD output on a chosen device.
template <int view>
void ToothView(Program& p, Shell&) {
  ViewToothForm(p, view);
}
void ToothFormCad(Program& p, Shell&) {
  CadToothForm(p);
}
template <int part>
void ToothProfileCad(Program& p, Shell& s) {
  CadToothProfile(p, s, part);
}
void About(Program&, Shell& s) {
  s.ShowLogo();
  s.ShowAbout();
}
void Demo(Program& p, Shell& s) {
  RunDemo(p, s);
}
void History(Program& p, Shell&) {
  p.cancel = false;
  ShowHistory(p);
}
void OpenTableCommand(Program& p, Shell& s) {
  FileOpenTable(p, s);
}
// The Dokument menu. A change that was made shows in the drawings of the window.
template <docu::ChangeCommand c>
void Changes(Program& p, Shell& s) {
  p.cancel = false;
  const bool wasModified = p.modified;
  p.modified = false;
  docu::ChangeListCommand(p, s, c);
  const bool changed = p.modified;
  p.modified = wasModified || changed;
  if (changed) s.Refresh();
}
template <int i>
void Document(Program& p, Shell&) {
  p.cancel = false;
  docu::StartDocument(p, i);
}
void DocumentSetup(Program& p, Shell& s) {
  p.cancel = false;
  docu::ShowDocumentSetup(p, s);
  if (!p.cancel) p.modified = true;
}
// The OLE menu: workbooks for the spreadsheet program. Export waits for the first start.
void StartExcel(Program& p, Shell& s) {
  p.cancel = false;
  if (report::StartSpreadsheet(p)) s.SetItemEnabled(kOleExportName, true);
}
void ExportExcel(Program& p, Shell& s) {
  p.cancel = false;
  report::ExportInputToSpreadsheet(p);
  s.UpdateTitle();
}
void PrintoutExcel(Program& p, Shell&) {
  p.cancel = false;
  report::PrintoutToSpreadsheet(p);
}

// What commands without a handler wait for.
constexpr const char* kNoImport = "no import from workbooks";

constexpr MenuEntry kTable[] = {
    // ---- File ----
    {0, "mi_file", One<Cap::File>, "", nullptr, ""},
    {1, "mi_fileNew", One<Cap::New>, "Ctrl+N", New, ""},
    {1, "mi_fileOpen", One<Cap::Open>, "Ctrl+O", Open, ""},
    {1, "mi_fileOpenTable", OpenTable, "", OpenTableCommand, ""},
    {1, "mi_FileSave", One<Cap::Save>, "Ctrl+S", Save, ""},
    {1, "mi_FileSaveAs", One<Cap::SaveAs>, "", SaveAs, ""},
    {1, "", nullptr, "", nullptr, ""},
    {1, "mi_fileprint", One<Cap::Print>, "Ctrl+P", Print, ""},
    {1, "mi_fileprintersetup", One<Cap::PrinterSetup>, "", PrinterSetup, ""},
    {1, "mi_fileConfig", One<Cap::Settings>, "", Settings, ""},
    {1, "", nullptr, "", nullptr, ""},
    {1, "mi_file1", Recent<1>, "Shift+F1", OpenRecent<1>, ""},
    {1, "mi_file2", Recent<2>, "Shift+F2", OpenRecent<2>, ""},
    {1, "mi_file3", Recent<3>, "Shift+F3", OpenRecent<3>, ""},
    {1, "mi_file4", Recent<4>, "Shift+F4", OpenRecent<4>, ""},
    {1, kRecentSeparatorName, nullptr, "", nullptr, ""},
    {1, "mi_fileexit", One<Cap::Exit>, "", Exit, ""},
    // ---- Edit ----
    {0, "mi_Edit", One<Cap::Edit>, "", nullptr, ""},
    {1, "mi_editquick", One<Cap::Quick>, "", Quick, ""},
    {1, "mi_EditText", One<Cap::Text>, "", Text, ""},
    {1, "mi_editabmessungen", One<Cap::Dimensions>, "", Edit<InputDialog::Dimensions>, ""},
    {1, "mi_editqualitaet", One<Cap::Quality>, "", Edit<InputDialog::Tolerances>, ""},
    {1, "mi_editMessen", One<Cap::Measure>, "", Edit<InputDialog::Measurement>, ""},
    {1, "mi_EditMaterial", One<Cap::Material>, "", Material, ""},
    {1, "mi_editLast", One<Cap::Load>, "", Edit<InputDialog::Load>, ""},
    // ---- View ----
    {0, "mi_View", One<Cap::View>, "", nullptr, ""},
    {1, "mi_viewausdruck", One<Cap::Printout>, "", nullptr, ""},
    {2, "mi_viewausdruckAbmessungen", One<Cap::Dimensions>, "", Sheets<1>, ""},
    {2, "mi_viewausdruckFestigkeit", One<Cap::Strength>, "", Sheets<2>, ""},
    {2, "mi_viewausdruckAbmessungenFestigkeit", Plus<Cap::Dimensions, Cap::Strength>, "", Sheets<3>,
     ""},
    {2, "mi_viewausdruckformelniemann", NiemannDetail, "", FormulaSheet, ""},
    {2, "mi_viewausdruckauszug", One<Cap::Excerpt>, "", Extract, ""},
    {1, "mi_ViewQuick", One<Cap::Quick>, "", ProductionView<9>, ""},
    {1, "mi_viewtabelle", One<Cap::Table>, "", nullptr, ""},
    {2, "mi_viewtabellewellenabe", Plus<Cap::Shaft, Cap::Hub>, "", ProductionView<7>, ""},
    {2, "mi_viewtabellewelle", One<Cap::Shaft>, "", ProductionView<3>, ""},
    {2, "mi_viewtabellenabe", One<Cap::Hub>, "", ProductionView<4>, ""},
    {1, "mi_viewzeichnung", One<Cap::Drawing>, "", nullptr, ""},
    {2, "mi_viewzeichnungwelle", One<Cap::Shaft>, "", ProductionView<1>, ""},
    {2, "mi_viewzeichnungnabe", One<Cap::Hub>, "", ProductionView<2>, ""},
    {1, "mi_viewfertigungszeichnung", One<Cap::ProductionDrawing>, "", nullptr, ""},
    {2, "mi_viewfertigungszeichnungwellenabe", Plus<Cap::Shaft, Cap::Hub>, "", ProductionView<8>,
     ""},
    {2, "mi_viewfertigungszeichnungwelle", One<Cap::Shaft>, "", ProductionView<5>, ""},
    {2, "mi_viewfertigungszeichnungnabe", One<Cap::Hub>, "", ProductionView<6>, ""},
    {1, "mi_viewverzahnung", One<Cap::Toothing>, "", nullptr, ""},
    {2, "mi_viewverzahnungwellenabe", Plus<Cap::Shaft, Cap::Hub>, "", ToothView<3>, ""},
    {2, "mi_viewverzahnungwelle", One<Cap::Shaft>, "", ToothView<1>, ""},
    {2, "mi_viewverzahnungnabe", One<Cap::Hub>, "", ToothView<2>, ""},
    {1, "mi_viewbezugsprofil", One<Cap::ReferenceProfile>, "", nullptr, ""},
    {2, "mi_viewbezugsprofilwelle", One<Cap::Shaft>, "", ToothView<4>, ""},
    {2, "mi_viewbezugsprofilnabe", One<Cap::Hub>, "", ToothView<5>, ""},
    {1, "mi_viewzahneingriff", One<Cap::ToothContact>, "", ToothView<6>, ""},
    {1, "", nullptr, "", nullptr, ""},
    {1, kErrorItemName, ErrorItemCaption, "", MessageReport, ""},
    // ---- CAD ----
    {0, "mi_CAD", One<Cap::Cad>, "", nullptr, ""},
    {1, "mi_cadfertigungszeichnung", Dots<Cap::ProductionDrawing>, "", CadProductionDrawing, ""},
    {1, "mi_cadzahnform", Dots<Cap::ToothForm>, "", ToothFormCad, ""},
    {1, "mi_cadzeichnung1", DrawingWith<kOne>, "", CadDrawing<5>, ""},
    {1, "mi_cadzeichnung2", DrawingWith<kTwo>, "", CadDrawing<6>, ""},
    {1, "mi_cadzeichnung12", DrawingWith<kOneAndTwo>, "", CadDrawing<8>, ""},
    {1, "mi_cadZahnprofilWelle", ToothProfileShaft, "", ToothProfileCad<1>, ""},
    {1, "mi_cadZahnprofilNabe", ToothProfileHub, "", ToothProfileCad<2>, ""},
    // ---- Database ----
    {0, "mi_database", One<Cap::Database>, "", nullptr, ""},
    {1, "mi_db5482", Fixed<kDin5482>, "", Din5482Table, ""},
    {1, "mi_dbfmaterial", One<Cap::Material>, "", MaterialTable, ""},
    {1, "mi_dbwstyp", One<Cap::MaterialType>, "", MaterialTypes, ""},
    // ---- Documentation ----
    {0, "mi_documentation", One<Cap::Document>, "", nullptr, ""},
    {1, "mi_docdrawinginfo", One<Cap::DrawingData>, "", Changes<docu::ChangeCommand::DrawingInfo>,
     ""},
    {1, "", nullptr, "", nullptr, ""},
    {1, "mi_docuShowChanges1", One<Cap::ChangesInfo>, "", Changes<docu::ChangeCommand::Show>, ""},
    {1, "mi_docuPrintChanges", One<Cap::ChangesPrint>, "", Changes<docu::ChangeCommand::Print>, ""},
    {1, "mi_docuNewChange", One<Cap::NewChange>, "", Changes<docu::ChangeCommand::New>, ""},
    {1, "mi_docuModifyChanges", One<Cap::EditLastChange>, "",
     Changes<docu::ChangeCommand::EditLast>, ""},
    {1, "mi_docudeleteChange", One<Cap::DeleteLastChange>, "",
     Changes<docu::ChangeCommand::DeleteLast>, ""},
    {1, "", nullptr, "", nullptr, ""},
    {1, "mi_Document1", DocumentN<1>, "", Document<1>, ""},
    {1, "mi_Document2", DocumentN<2>, "", Document<2>, ""},
    {1, "mi_Document3", DocumentN<3>, "", Document<3>, ""},
    {1, "mi_Document4", DocumentN<4>, "", Document<4>, ""},
    {1, "mi_Document5", DocumentN<5>, "", Document<5>, ""},
    {1, "mi_DocumentSetup", One<Cap::DocumentSetup>, "", DocumentSetup, ""},
    // ---- OLE ----
    {0, "mi_Ole", Fixed<kOle>, "", nullptr, ""},
    {1, "mi_OleStartExcel", Fixed<kStartExcel>, "", StartExcel, ""},
    {1, kOleExportName, Fixed<kExportExcel>, "", ExportExcel, ""},
    {1, kOleImportName, Fixed<kImportExcel>, "", nullptr, kNoImport},
    {1, "mi_OlePrintoutExcel", Fixed<kPrintoutExcel>, "", PrintoutExcel, ""},
    // ---- Help ----
    {0, "mi_Help", One<Cap::Help>, "", nullptr, ""},
    {1, "mi_HelpHilfebild", One<Cap::HelpImage>, "", HelpImages, ""},
    {1, "mi_helpErrorMessages", One<Cap::ErrorMessages>, "", MessageList, ""},
    {1, "mi_helpDemo", One<Cap::Demo>, "", Demo, ""},
    {1, "mi_helplanguage", LanguageMenu, "", nullptr, ""},
    {2, "mi_helplanguageDeutsch", Fixed<kDeutsch>, "", Language<kGerman>, ""},
    {2, "mi_helplanguageEnglish", Fixed<kEnglishItem>, "", Language<kEnglish>, ""},
    {2, "mi_helplanguageRoman", Fixed<kRoman>, "", Language<kRomanian>, ""},
    {2, "mi_helplanguageKorea", Fixed<kKorea>, "", Language<kKorean>, ""},
    {1, "", nullptr, "", nullptr, ""},
    {1, "mi_helpwww", One<Cap::Homepage>, "", Homepage, ""},
    {1, "mi_helpemail", One<Cap::EMail>, "", Mail, ""},
    {1, "", nullptr, "", nullptr, ""},
    {1, "mi_helpHistory", Fixed<kHistory>, "", History, ""},
    {1, "mi_HelpAbout", Fixed<kAbout>, "", About, ""},
};

}  // namespace

std::span<const MenuEntry> CommandTable() {
  return kTable;
}

bool IsMenu(std::span<const MenuEntry> table, std::size_t i) {
  return i + 1 < table.size() && table[i + 1].level > table[i].level;
}

}  // namespace kv40::app
