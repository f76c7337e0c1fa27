// The pages "Extern", "Zeichnung" and "Sonstiges" of the configuration dialog.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "gui/config/config_page.h"
#include "gui/config/plot_program_dialog.h"
#include "model/dialogs.h"

namespace kv40::config::gui {
namespace {

constexpr int kCommandLineLength = 80;

}  // namespace

ConfigPage* MakeExternalPage(app::Program& p, const ScreenInfo& s, QWidget* parent) {
  struct Page final : ConfigPage {
    Page(app::Program& p, const ScreenInfo& s, QWidget* parent)
        : ConfigPage(p, s, "Tab_extern", parent) {
      AddProgram("HTML Browser", "Edit_externhtml", "Button_externhtml",
                 &model::Config::htmlBrowser);
      AddProgram("Textprogramm", "Edit_externtxt", "Button_externtxt", &model::Config::textProgram);
      AddPlotLines();
      Finish();
    }

    void AddProgram(const char* label, const char* edit, const char* button,
                    std::string model::Config::*field) {
      QLineEdit* e = AddEdit(label, edit);
      AddRowButton(button, "...", [this, e] { ChooseFileInto(e); });
      Bind([e, field](const model::Config& c) { e->setText(QString::fromStdString(c.*field)); },
           [e, field](model::Config& c) { c.*field = e->text().trimmed().toStdString(); });
    }

    void AddPlotLines() {
      auto* label = new QLabel("GRAVOLT Kommandozeilen", this);
      AddWidget(label);
      list_ = new QListWidget(this);
      list_->setObjectName("ListBox_gravolt");
      for (int i = 0; i < model::kMaxPlotCommands; ++i)
        list_->addItem(QString());
      list_->setMinimumHeight(110);
      AddWidget(list_);
      connect(list_, &QListWidget::itemDoubleClicked, this, [this] { Button_confgravoltClick(); });
      AddButton("Button_confgravolt", "Config", [this] { Button_confgravoltClick(); });
      AddRowButton("Button_editgravoltcommandline", "Edit",
                   [this] { Button_editgravoltcommandlineClick(); });
      Bind(
          [this](const model::Config& c) {
            for (int i = 0; i < model::kMaxPlotCommands; ++i) {
              const bool used = i < c.plotCommandCount;
              list_->item(i)->setText(
                  used ? QString::fromStdString(c.plotCommands[static_cast<std::size_t>(i)])
                       : QString());
            }
          },
          [this](model::Config& c) {
            // the lines up to the last one that is filled in
            int count = 1;
            for (int i = 0; i < model::kMaxPlotCommands; ++i) {
              const std::string line = list_->item(i)->text().toStdString();
              if (!line.empty()) count = i + 1;
            }
            for (int i = 0; i < model::kMaxPlotCommands; ++i) {
              const std::string line = list_->item(i)->text().toStdString();
              if (i < count) c.plotCommands[static_cast<std::size_t>(i)] = line;
            }
            c.plotCommandCount = count;
          });
    }

    // With no line selected the first is; after OK the line is the dialog's command line.
    void Button_confgravoltClick() {
      if (list_->currentRow() < 0) list_->setCurrentRow(0);
      QListWidgetItem* item = list_->currentItem();
      std::string line = item->text().toStdString();
      if (RunPlotProgramDialog(p_, this, line)) item->setText(QString::fromStdString(line));
    }

    void Button_editgravoltcommandlineClick() {
      QListWidgetItem* item = list_->currentItem();
      if (list_->currentRow() < 0 || item == nullptr) return;
      std::string line = item->text().toStdString();
      const bool cancelBefore = p_.cancel;
      if (model::AskText(p_, "GRAVOLT Command Line", kCommandLineLength, line)) {
        item->setText(QString::fromStdString(line));
      }
      p_.cancel = cancelBefore;
    }

    QListWidget* list_ = nullptr;
  };
  return new Page(p, s, parent);
}

ConfigPage* MakeDrawingPage(app::Program& p, const ScreenInfo& s, QWidget* parent) {
  struct Page final : ConfigPage {
    Page(app::Program& p, const ScreenInfo& s, QWidget* parent)
        : ConfigPage(p, s, "Tab_zeichnung", parent) {
      const struct {
        const char* caption;
        const char* name;
      } boxes[] = {
          {"Programmtitel im Schriftfeld", "CheckBox_zeichquentartitel"},
          {"Dateiname im Schriftfeld", "CheckBox_zeichfilename"},
          {"Datum im Schriftfeld", "CheckBox_zeichdatum"},
          {"$logo_1.dx$ ?", "CheckBox_zeichlogo"},
      };
      for (std::size_t i = 0; i < 4; ++i) {
        QCheckBox* box = AddCheck(QString::fromUtf8(boxes[i].caption), boxes[i].name, nullptr);
        // the file keeps "suppressed": a ticked box stores FALSE
        Bind([box, i](const model::Config& c) { box->setChecked(!c.titleBlockFlags[i]); },
             [box, i](model::Config& c) { c.titleBlockFlags[i] = !box->isChecked(); });
      }
      Finish();
    }
  };
  return new Page(p, s, parent);
}

ConfigPage* MakeMiscPage(app::Program& p, const ScreenInfo& s, QWidget* parent) {
  struct Page final : ConfigPage {
    Page(app::Program& p, const ScreenInfo& s, QWidget* parent)
        : ConfigPage(p, s, "Tab_sonstiges", parent) {
      QLineEdit* editor = AddEdit("Tabelleneditor", "Edit_externdb");
      AddRowButton("Button_externdb", "...", [this, editor] { ChooseFileInto(editor); });
      Bind([editor](
               const model::Config& c) { editor->setText(QString::fromStdString(c.tableEditor)); },
           [editor](model::Config& c) { c.tableEditor = editor->text().trimmed().toStdString(); });
      AddRealEdit("Grafik-Korrekturfaktor horizontal", "Edit_korrektur",
                  &model::Config::aspectCorrection, 1.0L);
      auto* language = new QComboBox(this);
      language->setObjectName("ComboBox_language");
      const char* names[] = {
          "(keine Umschaltung)", "Deutsch", "English", "Français", "Italiano", "Svenska",
          "Português",           "Română",  "한국어",  "Español"};
      for (const char* n : names)
        language->addItem(QString::fromUtf8(n));
      grid_->addWidget(new QLabel("Menüsprache", this), row_, 0);
      grid_->addWidget(language, row_++, 1);
      Bind(
          [language](const model::Config& c) {
            language->setCurrentIndex(c.language >= 0 && c.language <= 9 ? c.language : 0);
          },
          [language](model::Config& c) {
            // a value outside the list stays as it is
            if (c.language >= 0 && c.language <= 9) c.language = language->currentIndex();
          });
      Finish();
    }
  };
  return new Page(p, s, parent);
}

}  // namespace kv40::config::gui
