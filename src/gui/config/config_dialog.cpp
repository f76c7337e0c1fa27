// Tconfig: the ten pages, and OK, "&Speichern", "Import.." and help.
#include "gui/config/config_dialog.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <filesystem>
#include <vector>

#include "config/config_file.h"
#include "config/folders.h"
#include "gui/config/config_page.h"
#include "gui/model/place_dialog.h"
#include "help/show_help.h"
#include "model/dialogs.h"

namespace kv40::config::gui {
namespace {

constexpr int kConfigHelp = 1600;

class Tconfig final : public QDialog {
 public:
  Tconfig(app::Program& p, QWidget* parent, const ScreenInfo& screen)
      : QDialog(parent), p_(p), screen_(screen) {
    setObjectName("Tconfig");
    setWindowTitle("Einstellungen");
    auto* layout = new QVBoxLayout(this);
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName("PageControl_config");
    const struct {
      ConfigPage* (*make)(app::Program&, const ScreenInfo&, QWidget*);
      const char* caption;
    } pages[] = {
        {MakeDirectoriesPage, "Verzeichnisse"},
        {MakeGraphicsPage, "Grafik"},
        {MakeCadPage, "CAD"},
        {MakeColoursPage, "Farben"},
        {MakePrinterPage, "Drucker"},
        {MakePrintoutPage, "Ausdruck"},
        {MakeSettingsPage, "Einstellungen"},
        {MakeExternalPage, "Extern"},
        {MakeDrawingPage, "Zeichnung"},
        {MakeMiscPage, "Sonstiges"},
    };
    for (const auto& page : pages) {
      ConfigPage* w = page.make(p_, screen_, tabs);
      tabs->addTab(w, QString::fromUtf8(page.caption));
      pages_.push_back(w);
    }
    layout->addWidget(tabs);
    AddButtons(layout);
    ShowValues(p_.config);
  }

  void ShowValues(const model::Config& c) {
    for (ConfigPage* page : pages_)
      page->Show(c);
  }

  // The controls over the current settings (what the pages do not show stays).
  model::Config TakeValues() const {
    model::Config c = p_.config;
    for (ConfigPage* page : pages_)
      page->Take(c);
    return c;
  }

  // The folders are checked as at start-up; a bad one is reported and nothing is stored.
  bool Store() {
    model::Config c = TakeValues();
    const auto faults = CompleteAndCheckFolders(c, StartFolder(p_));
    for (const FolderFault& f : faults)
      model::ShowError(p_, f.message);
    if (!faults.empty()) return false;
    p_.config = std::move(c);
    ShowValues(p_.config);
    return true;
  }

  void Button_okClick() {
    if (!Store()) return;
    p_.cancel = false;
    accept();
  }

  void Button_saveClick() {
    if (!Store()) return;
    const bool cancelBefore = p_.cancel;
    WriteConfig(p_);
    p_.cancel = cancelBefore;
  }

  // Reads another file into a configuration of its own: the program's folder, name and
  // settings stay as they are until OK or "&Speichern" stores the controls.
  void Button_importClick() {
    const auto file = p_.GetUi().OpenFile("*.cfg|*.cfg", p_.configDir);
    if (!file) return;
    const auto imported = ReadConfigFile(*file, StartFolder(p_), screen_);
    if (!imported) {
      model::ShowError(p_, "Datei " + *file + " kann nicht gelesen werden");
      return;
    }
    ShowValues(*imported);
  }

 private:
  void AddButtons(QVBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    const auto add = [&](const char* name, const QString& caption, auto fn) {
      QPushButton* b = model::gui::NamedButton(this, name, caption);
      connect(b, &QPushButton::clicked, this, fn);
      row->addWidget(b);
      return b;
    };
    add("Button_ok", "OK", [this] { Button_okClick(); })->setDefault(true);
    add("Button_cancel", "Abbrechen", [this] { reject(); });
    add("Button_save", "&Speichern", [this] { Button_saveClick(); });
    add("Button_import", "Import..", [this] { Button_importClick(); });
    add("Button_help", "&Hilfe", [this] { help::ShowHelp(p_, kConfigHelp, help::HelpMode::Text); });
    row->addStretch();
    layout->addLayout(row);
  }

  app::Program& p_;
  ScreenInfo screen_;
  std::vector<ConfigPage*> pages_;
};

}  // namespace

bool ShowConfigDialog(app::Program& p, QWidget* parent, const ScreenInfo& screen) {
  Tconfig d(p, parent, screen);
  model::gui::PlaceDialog(&d, p);
  if (d.exec() != QDialog::Accepted) {
    p.cancel = true;
    return false;
  }
  p.cancel = false;
  return true;
}

}  // namespace kv40::config::gui
