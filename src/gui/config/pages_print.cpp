// The pages "Drucker", "Ausdruck" and "Einstellungen" of the configuration dialog.
#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

#include "base/format.h"
#include "gui/config/config_page.h"
#include "gui/config/font_style.h"
#include "report/writer.h"

namespace kv40::config::gui {
namespace {

// A radio group bound to a setting stored as item index + offset; bind files the pair of copy
// steps (for settings inside the number format it reaches into it).
template <class S, class T, class Binder>
void BindRadios(const RadioGroup& g, T S::*field, int offset, Binder bind) {
  bind(
      [g, field, offset](const S& c) { g.SetItemIndex(static_cast<int>(c.*field) - offset); },
      [g, field, offset](S& c) { c.*field = static_cast<T>(std::max(0, g.ItemIndex()) + offset); });
}

}  // namespace

ConfigPage* MakePrinterPage(app::Program& p, const ScreenInfo& s, QWidget* parent) {
  struct Page final : ConfigPage {
    Page(app::Program& p, const ScreenInfo& s, QWidget* parent)
        : ConfigPage(p, s, "Tab_drucker", parent) {
      QLineEdit* x = AddRealEdit("Maßstab x", "Edit_printscale", &model::Config::printScaleX, 1.0L);
      AddRowButton("Button_printscale", "<", [x] { x->setText("1.0"); });
      QLineEdit* y = AddRealEdit("Maßstab y", "Edit_printscaley", &model::Config::printScaleY, 0);
      AddRowButton("Button_printscaley", "<", [x, y] { y->setText(x->text()); });
      QLineEdit* ox = AddIntEdit("Ursprung x", "Edit_printxorigin", &model::Config::printOriginX);
      AddRowButton("Button_printxorigin", "<", [ox] { ox->setText("0"); });
      QLineEdit* oy = AddIntEdit("Ursprung y", "Edit_printyorigin", &model::Config::printOriginY);
      AddRowButton("Button_printyorigin", "<", [oy] { oy->setText("0"); });
      const auto bind = [this](auto a, auto b) { Bind(std::move(a), std::move(b)); };
      BindRadios(AddRadios("Schattierung", "RadioGroup_printmono", {"monochrom", "color"}),
                 &model::Config::printColorMode, 1, bind);
      BindRadios(AddRadios("Ausdruck", "RadioGroup_orientation", {"portrait", "landscape"}),
                 &model::Config::printOrientation, 1, bind);
      AddCheck("Druckdialog für Grafik", "CheckBox_printerDialogbox",
               &model::Config::graphicPrintDialog);
      BindRadios(
          AddRadios("Druckerschnittstelle", "RadioGroup_lpt", {"LPT1", "LPT2", "LPT3", "LPT4"}),
          &model::Config::printerPort, 1, bind);
      Finish();
    }
  };
  return new Page(p, s, parent);
}

ConfigPage* MakePrintoutPage(app::Program& p, const ScreenInfo& s, QWidget* parent) {
  struct Page final : ConfigPage {
    Page(app::Program& p, const ScreenInfo& s, QWidget* parent)
        : ConfigPage(p, s, "Tab_textdruck", parent) {
      const auto bind = [this](auto a, auto b) { Bind(std::move(a), std::move(b)); };
      BindRadios(
          AddRadios("Trennlinien", "RadioGroup_trenn", {"***", "---", "blanks", "compressed"}),
          &model::Config::frameMode, 1, bind);
      QSpinBox* lines = AddSpin("Zeilen pro Seite", "SpinEdit_linesperpage", 5, 999);
      QSpinBox* space = AddSpin("Leerzeilen vor dem Kopf", "SpinEdit_spacelines", 0, 30);
      Bind(
          [lines, space](const model::Config& c) {
            lines->setValue(c.linesPerPage);
            space->setValue(c.headerSpaceLines);
          },
          [lines, space](model::Config& c) {
            c.linesPerPage = lines->value();
            c.headerSpaceLines = space->value();
          });
      BindRadios(AddRadios("Datum", "RadioGroup_date",
                           {"DD.MM.YYYY", "MM/DD/YYYY", "YYYY/MM/DD", "DD/MM/YYY"}),
                 &base::NumberFormat::dateCode, 1, [this](auto show, auto take) {
                   Bind([show](const model::Config& c) { show(c.fmt); },
                        [take](model::Config& c) { take(c.fmt); });
                 });
      AddDevice();
      AddTextWindow();
      BindRadios(AddRadios("Kopf", "RadioGroup_ff", {"Ausdruck mit Kopf", "Nur 1.Seite mit Kopf"}),
                 &model::Config::headerMode, 1, bind);
      AddFont();
      BindRadios(AddRadios("Einheiten", "RadioGroup_unit", {"Metric", "English"}),
                 &base::NumberFormat::inchUnits, 0, [this](auto show, auto take) {
                   Bind([show](const model::Config& c) { show(c.fmt); },
                        [take](model::Config& c) { take(c.fmt); });
                 });
      BindRadios(AddRadios("Winkel", "RadioGroup_ausgrad", {"15.1234°", "15° 7' 26\""}),
                 &model::Config::angleDisplay, 1, bind);
      Finish();
    }

    void AddDevice() {
      auto* combo = new QComboBox(this);
      combo->setObjectName("ComboBox_ausdruckdefault");
      report::FillDeviceList(p_);
      for (int i = 1; i <= 7; ++i)
        combo->addItem(QString::fromStdString(p_.itemLines[static_cast<std::size_t>(i)]));
      auto* label = new QLabel("Ausgabe", this);
      grid_->addWidget(label, row_, 0);
      grid_->addWidget(combo, row_++, 1);
      QCheckBox* ask = AddCheck("Ausgabe jedesmal wählen", "CheckBox_ausdruckshowdialog",
                                &model::Config::askTextDevice);
      (void)ask;
      Bind(
          [combo](const model::Config& c) {
            combo->setCurrentIndex(c.textDevice >= 1 && c.textDevice <= 7 ? c.textDevice - 1 : -1);
          },
          [combo](model::Config& c) {
            // the device whose text the box shows; one the box does not list stays
            if (combo->currentIndex() >= 0)
              c.textDevice = static_cast<Word>(combo->currentIndex() + 1);
          });
    }

    void AddTextWindow() {
      QLineEdit* left = AddEdit("Textfenster links", "Edit_left");
      QLineEdit* top = AddEdit("Textfenster oben", "Edit_top");
      QLineEdit* width = AddEdit("Textfenster Breite", "Edit_width");
      QLineEdit* height = AddEdit("Textfenster Höhe", "Edit_height");
      AddRowButton("Button_Textwindow", "<", [this, left, top, width, height] {
        left->setText("10");
        top->setText("40");
        model::Config now;
        Take(now);
        int w = 70 * now.printFontSize;
        if (now.resX <= 640) w = 620;
        if (w == 0) w = 700;
        width->setText(QString::number(w));
        height->setText(QString::number(now.resY - 20));
      });
      const auto toInt = [](const QLineEdit* e) {
        return static_cast<int>(base::ParseInt(e->text().trimmed().toStdString()));
      };
      Bind(
          [=](const model::Config& c) {
            left->setText(QString::number(c.textWindow.left));
            top->setText(QString::number(c.textWindow.top));
            width->setText(QString::number(c.textWindow.width));
            height->setText(QString::number(c.textWindow.height));
          },
          [=](model::Config& c) {
            c.textWindow = {toInt(left), toInt(top), toInt(width), toInt(height)};
          });
    }

    void AddFont() {
      auto* name = new QLabel(this);
      name->setObjectName("Label_courier");
      auto* size = new QLabel(this);
      size->setObjectName("Label_couriersize");
      auto* style = new QLabel(this);
      style->setObjectName("Label_courierstyle");
      QPushButton* b = AddButton("Button_textfont", "Font..", [this, name, size, style] {
        bool ok = false;
        QFont f(name->text(), size->text().toInt());
        ApplyFontStyle(f, style->property("style").toInt());
        const QFont chosen = QFontDialog::getFont(&ok, f, this, "Schrift des Ausdrucks");
        if (!ok) return;
        name->setText(chosen.family());
        size->setText(QString::number(chosen.pointSize() > 0 ? chosen.pointSize() : 10));
        ShowFontStyle(style, FontStyleOf(chosen));
      });
      (void)b;
      grid_->addWidget(name, row_ - 1, 1);
      grid_->addWidget(size, row_ - 1, 2);
      grid_->addWidget(style, row_ - 1, 3);
      Bind(
          [name, size, style](const model::Config& c) {
            name->setText(QString::fromStdString(c.printFontName));
            size->setText(QString::number(c.printFontSize));
            ShowFontStyle(style, c.printFontStyle);
          },
          [name, size, style](model::Config& c) {
            c.printFontName = name->text().toStdString();
            const int points = size->text().toInt();
            c.printFontSize = static_cast<Word>(points > 0 ? points : 10);
            c.printFontStyle = static_cast<Word>(style->property("style").toInt());
          });
    }
  };
  return new Page(p, s, parent);
}

ConfigPage* MakeSettingsPage(app::Program& p, const ScreenInfo& s, QWidget* parent) {
  struct Page final : ConfigPage {
    Page(app::Program& p, const ScreenInfo& s, QWidget* parent)
        : ConfigPage(p, s, "Tab_einstellungen", parent) {
      const auto onFormat = [this](auto show, auto take) {
        Bind([show](const model::Config& c) { show(c.fmt); },
             [take](model::Config& c) { take(c.fmt); });
      };
      BindRadios(AddRadios("Dezimalzeichen", "RadioGroup_punktkomma", {"x.xx", "x,xx"}),
                 &base::NumberFormat::decimalSeparator, 1, onFormat);
      BindRadios(AddRadios("Export", "RadioGroup_ExcelDot", {"English x.xx", "German x,xx"}),
                 &base::NumberFormat::exportSeparator, 1, onFormat);
      QSpinBox* decimals = AddSpin("Dezimalstellen", "SpinEdit_dezimalstellen", 1, 9);
      Bind([decimals](const model::Config& c) { decimals->setValue(c.fmt.decimalsOffset); },
           [decimals](model::Config& c) { c.fmt.decimalsOffset = decimals->value(); });
      const auto bind = [this](auto a, auto b) { Bind(std::move(a), std::move(b)); };
      BindRadios(AddRadios("Hilfegrad", "RadioGroup_hilfegrad", {"0", "1", "2"}),
                 &model::Config::helpLevel, 0, bind);
      AddCheck("Archivmodus", "CheckBox_archivmode", &model::Config::archiveMode);
      BindRadios(AddRadios("Sonderzeichen", "RadioGroup_chars", {"²  µ  °", "2 u  deg"}),
                 &base::NumberFormat::asciiMode, 0, onFormat);
      BindRadios(
          AddRadios("Ergebnisgrafik", "RadioGroup_ergebnisgrafik",
                    {"egal", "Quick 1", "Quick 2", "Fertigungszeichnung", "Diagramm", "Zeichnung"}),
          &model::Config::mainDrawingKind, 0, bind);
      Finish();
    }
  };
  return new Page(p, s, parent);
}

}  // namespace kv40::config::gui
