// The main window: menu from the command table, captions, title, recent files, edit dialogs.
#include "gui/app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QScreen>

#include "app/captions.h"
#include "app/command_table.h"
#include "app/commands.h"
#include "app/drawing_commands.h"
#include "app/file_commands.h"
#include "app/menu_help.h"
#include "app/tooth_commands.h"
#include "cad/production_layout.h"
#include "gui/app/animation_dialog.h"
#include "gui/app/program_icon.h"
#include "gui/app/qt_translations.h"
#include "gui/config/config_dialog.h"
#include "gui/config/plot_program_dialog.h"
#include "gui/config/print_dialog.h"
#include "gui/docu/docu_dialogs.h"
#include "gui/help/help_image_window.h"
#include "gui/model/input_dialogs.h"
#include "gui/model/qt_ui.h"
#include "gui/report/preview_window.h"
#include "gui/tables/table_browser.h"
#include "help/show_help.h"

namespace kv40::app {
namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

tables::gui::BrowserCaptions BrowserCaptions(const Program& p) {
  tables::gui::BrowserCaptions c;
  c.file = Caption(p, Cap::File);
  c.print = Caption(p, Cap::Print);
  c.exit = Caption(p, Cap::Exit);
  c.edit = Caption(p, Cap::Edit);
  c.view = Caption(p, Cap::View);
  c.help = Caption(p, Cap::Help);
  c.database = Caption(p, Cap::Database);
  return c;
}

}  // namespace

Thh::Thh(Program& p, model::QtUi& ui) : TFquengra(p), p_(p), ui_(ui) {
  setObjectName("Thh");
  setWindowIcon(ProgramIcon());
  ui_.SetParent(this);
  BuildMenus();
  // the spreadsheet export follows the first start of the spreadsheet
  SetItemEnabled(kOleExportName, false);
  if (QAction* import = actions_.value(kOleImportName)) {
    import->setToolTip(
        "Import Excel -> KV40 hat keine Funktion: Eingabedaten werden nicht aus einer "
        "Arbeitsmappe gelesen.");
  }
  ApplyCaptions();
  tableBrowser_ = new tables::gui::Tdbf4(p_, BrowserCaptions(p_), this);
  helpImages_ = std::make_unique<help::gui::TForm_hilfebild>(p_, this);
  p_.help.imageWindow = helpImages_.get();
  // the plot program chosen as CAD device: its option dialog edits the command line
  p_.drawing.plotDialog = [this](std::string& line) {
    return config::gui::RunPlotProgramDialog(p_, this, line);
  };
  RefreshMessageItem();  // the picture comes with the first show
  UpdateTitle();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().topLeft());
  }
}

Thh::~Thh() {
  if (p_.help.imageWindow == helpImages_.get()) p_.help.imageWindow = nullptr;
  p_.drawing.plotDialog = nullptr;
  ui_.SetParent(nullptr);
}

void Thh::FormShowStart() {
  p_.cancel = false;
  if (p_.config.language > 0) SetLanguage(p_, *this, p_.config.language);
  UpdateTitle();
  // A start with a file shows its data tables; else the configured drawing of the connection
  // the start-up calculated, or the logo.
  if (p_.startedWithFile && !p_.connection.log.fatal) {
    ShowProductionView(p_, static_cast<int>(cad::ProductionEntry::Tables));
  } else if (!ShowDefaultView(p_)) {
    ShowLogo();
  }
}

void Thh::BuildMenus() {
  const auto table = CommandTable();
  QMenu* parents[3] = {nullptr, nullptr, nullptr};
  for (std::size_t i = 0; i < table.size(); ++i) {
    const MenuEntry& e = table[i];
    const QString name = e.name;
    if (IsMenu(table, i)) {
      QMenu* menu =
          e.level == 0 ? menuBar()->addMenu(QString()) : parents[e.level - 1]->addMenu(QString());
      menu->setObjectName(name);
      menu->setToolTipsVisible(true);
      menu->menuAction()->setObjectName(name);
      menu->setToolTipsVisible(true);  // why an item is disabled
      menus_.insert(name, menu);
      parents[e.level] = menu;
      continue;
    }
    QMenu* parent = parents[e.level - 1];
    QAction* a = IsSeparator(e) ? parent->addSeparator() : parent->addAction(QString());
    if (!name.isEmpty()) {
      a->setObjectName(name);
      actions_.insert(name, a);
    }
    if (IsSeparator(e)) continue;
    if (*e.shortcut != '\0') a->setShortcut(QKeySequence(QString(e.shortcut)));
    a->setEnabled(e.handler != nullptr);
    if (e.handler == nullptr) a->setToolTip(QString("noch nicht verfügbar (%1)").arg(e.waitsFor));
    // the item's help text as its hint, while the help level asks for hints
    if (const int n = MenuHelpNumber(e.name);
        e.handler != nullptr && n != 0 && p_.config.helpLevel != 0) {
      a->setToolTip(QString::fromStdString(help::HelpText(p_, n)));
    }
    connect(a, &QAction::triggered, this, [this, i] { RunCommand(i); });
  }
}

void Thh::RunCommand(std::size_t entry) {
  const MenuEntry& e = CommandTable()[entry];
  if (e.handler == nullptr) return;
  e.handler(p_, *this);
}

void Thh::ApplyCaptions() {
  UseQtTranslations(p_.config.language);
  for (const MenuEntry& e : CommandTable()) {
    if (IsSeparator(e)) continue;
    const QString text = Q(e.caption(p_));
    if (QMenu* m = menus_.value(e.name)) {
      m->setTitle(text);
    } else if (QAction* a = actions_.value(e.name)) {
      a->setText(text);
    }
  }
}

void Thh::RefreshMessageItem() {
  if (QAction* a = actions_.value(kErrorItemName)) {
    a->setText(Q(ErrorItemCaption(p_)));
    a->setEnabled(p_.connection.log.messageCount > 0);
  }
}

void Thh::Refresh() {
  RefreshMessageItem();
  if (!ShowDefaultView(p_)) ShowLogo();
}

void Thh::UpdateTitle() {
  setWindowTitle(Q(WindowTitle(p_)));
  if (QAction* sep = actions_.value(kRecentSeparatorName)) {
    sep->setVisible(!p_.recentFiles[0].empty());
  }
  for (int i = 1; i <= 4; ++i) {
    QAction* a = actions_.value(kRecentItemNames[i - 1]);
    const std::string& path = p_.recentFiles[static_cast<std::size_t>(i - 1)];
    if (a == nullptr) continue;
    a->setVisible(!path.empty());
    a->setText(Q(RecentItemCaption(i, path)));
  }
}

void Thh::RunDialog(InputDialog dialog) {
  switch (dialog) {
    case InputDialog::Text:
      model::gui::EditText(p_, this);
      break;
    case InputDialog::Dimensions:
      model::gui::EditDimensions(p_, this);
      break;
    case InputDialog::Tolerances:
      model::gui::EditTolerances(p_, this);
      break;
    case InputDialog::Measurement:
      model::gui::EditMeasurement(p_, this);
      break;
    case InputDialog::Material:
      model::gui::EditMaterial(p_, this);
      break;
    case InputDialog::Load:
      model::gui::EditLoad(p_, this);
      break;
    case InputDialog::ToothProfileShaft:
    case InputDialog::ToothProfileHub:
      model::gui::EditToothProfileOptions(p_, dialog == InputDialog::ToothProfileShaft ? 1 : 2,
                                          this);
      break;
  }
}

void Thh::ClearGraphic() {
  Clear();
}

void Thh::ShowLogo() {
  DrawLogo();
}

void Thh::ShowAbout() {
  QMessageBox box(
      QMessageBox::NoIcon, model::kProgramShortName,
      QString("%1\n\nVersion %2 für Linux").arg(model::kProgramTitle, model::kProgramVersion),
      QMessageBox::Ok, this);
  box.setObjectName("AboutBox");
  box.setIconPixmap(ProgramIcon().pixmap(64, 64));
  box.exec();
}

QPrinter& Thh::Printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

void Thh::PrintDrawing(bool printerSetup) {
  config::gui::ShowPrintDialog(p_, *this, Printer(), printerSetup);
}

void Thh::ShowSettings() {
  config::ScreenInfo screen;
  if (const QScreen* s = QGuiApplication::primaryScreen()) {
    screen.width = s->size().width();
    screen.height = s->size().height();
    screen.dpiY = static_cast<int>(s->logicalDotsPerInchY());
  }
  screen.windowHeight = frameGeometry().height();
  screen.clientHeight = ClientArea()->height();
  const int language = p_.config.language;
  const auto resolution = std::pair(p_.config.resX, p_.config.resY);
  if (!config::gui::ShowConfigDialog(p_, this, screen)) return;
  ApplySettings();  // colours, text style, resolution: at once, no restart
  if (resolution != std::pair(p_.config.resX, p_.config.resY)) FitClientArea();
  if (p_.config.language != language && p_.config.language > 0) {
    SetLanguage(p_, *this, p_.config.language);
  }
  p_.cancel = false;
}

void Thh::CloseWindow() {
  close();
}

void Thh::SetItemEnabled(const std::string& name, bool enabled) {
  if (QAction* a = actions_.value(Q(name))) a->setEnabled(enabled);
}

std::optional<docu::ChangeEntryForm> Thh::EditChangeEntryForm(const docu::ChangeEntryForm& shown) {
  return docu::gui::RunChangeEntryDialog(p_, shown, this);
}

std::optional<docu::DrawingInfoForm> Thh::EditDrawingInfoForm(const docu::DrawingInfoForm& shown) {
  return docu::gui::RunDrawingInfoDialog(p_, shown, this);
}

std::optional<docu::DocumentsForm> Thh::EditDocumentsForm(const docu::DocumentsForm& shown) {
  return docu::gui::RunDocumentSetupDialog(p_, shown, this);
}

void Thh::BeginScan(int total) {
  scan_ = std::make_unique<report::gui::ScanProgress>(total, this);
}

bool Thh::ScanStep(int done, const std::string& name) {
  return scan_ == nullptr || scan_->Step(done, name);
}

void Thh::EndScan() {
  scan_.reset();
}

std::optional<std::size_t> Thh::ShowPreview(report::PreviewGrid& grid, const std::string& caption) {
  return report::gui::RunPreview(p_, grid, caption, this);
}

AnimationDialog* Thh::animation() const {
  return animation_.data();
}

// The dialog comes with the first step and lives until the presentation ends.
AnimationDialog* Thh::StartAnimation() {
  if (animation_ == nullptr) {
    animation_ = new AnimationDialog(this);
    // no command may change the connection while the presentation has the sample loaded
    menuBar()->setEnabled(false);
  }
  return animation_.data();
}

bool Thh::DemoStep(const std::string& caption, int i, int n, int pauseMs) {
  return StartAnimation()->Step(Q(caption), i, n, pauseMs);
}

void Thh::DemoCaption(const std::string& caption, int i, int n) {
  StartAnimation()->ShowStep(Q(caption), i, n);
}

bool Thh::DemoPause(int ms) {
  return StartAnimation()->Pause(ms);
}

void Thh::DemoTable(const report::PreviewGrid& grid, const std::string& caption) {
  delete demoTable_.data();
  demoTable_ = report::gui::OpenPreviewWindow(p_, grid, caption, this);
}

void Thh::EndDemo() {
  delete animation_.data();
  delete demoTable_.data();
  menuBar()->setEnabled(true);
}

void Thh::closeEvent(QCloseEvent* event) {
  if (CloseQuery(p_)) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace kv40::app
