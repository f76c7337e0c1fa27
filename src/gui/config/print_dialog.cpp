// Print dialog: scale, origin, border, shading and orientation for printing the drawing.
#include "gui/config/print_dialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/format.h"
#include "base/text.h"
#include "base/utf8.h"
#include "gui/cad/graphic_window.h"
#include "gui/config/printer_info.h"
#include "gui/model/place_dialog.h"
#include "help/show_help.h"
#include "model/dialogs.h"

namespace kv40::config::gui {
namespace {

constexpr int kPrintDialogHelp = 1030;
constexpr int kPrinterLabelWidth = 40;

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// The printer as the dialog names it: a queue, or the PDF file it writes.
QString PrinterName(const QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat) return "PDF " + printer.outputFileName();
  return printer.printerName();
}

class TForm_printconf final : public QDialog {
 public:
  TForm_printconf(app::Program& p, QPrinter& printer, QWidget* parent)
      : QDialog(parent), p_(p), printer_(printer) {
    setObjectName("TForm_printconf");
    setWindowTitle("Ausdruck");
    auto* grid = new QGridLayout(this);
    Edit_scalex = AddEdit(grid, 0, "Maßstab x", "Edit_scalex");
    Edit_scaley = AddEdit(grid, 1, "Maßstab y", "Edit_scaley");
    Edit_xorigin = AddEdit(grid, 2, "Ursprung x", "Edit_xorigin");
    Edit_yorigin = AddEdit(grid, 3, "Ursprung y", "Edit_yorigin");
    CheckBox_umrandung = AddCheck(grid, 4, "Umrandung", "CheckBox_umrandung");
    CheckBox_anpassen = AddCheck(grid, 5, "anpassen", "CheckBox_anpassen");
    RadioGroup_printmono = AddRadios(grid, 0, "Schattierung", "RadioGroup_printmono",
                                     {"RadioButton_monochrom", "Monochrom"},
                                     {"RadioButton_color", "Color / Graustufen"});
    RadioGroup_hochquer = AddRadios(grid, 2, "Ausdruck", "RadioGroup_hochquer",
                                    {"RadioButton_hochformat", "Hochformat"},
                                    {"RadioButton_querformat", "Querformat"});
    Label_printer = new QLabel(this);
    Label_printer->setObjectName("Label_printer");
    grid->addWidget(Label_printer, 6, 0, 1, 3);
    AddButtons(grid);
    FormShow();
  }

  void Button_okClick() {
    p_.cancel = false;
    cad::GraphicState& g = p_.graphic;
    g.PrintScaleX = base::ParseNumber(Edit_scalex->text().toStdString());
    g.PrintScaleY = base::ParseNumber(Edit_scaley->text().toStdString());
    g.PrintOriginX = static_cast<int>(base::ParseInt(Edit_xorigin->text().toStdString()));
    g.PrintOriginY = static_cast<int>(base::ParseInt(Edit_yorigin->text().toStdString()));
    g.PrintBorder = CheckBox_umrandung->isChecked();
    g.PrintColorMode = RadioGroup_printmono.second->isChecked() ? 2 : 1;
    printer_.setPageOrientation(RadioGroup_hochquer.second->isChecked() ? QPageLayout::Landscape
                                                                        : QPageLayout::Portrait);
    accept();
  }
  bool fit() const { return CheckBox_anpassen->isChecked(); }

 private:
  using Radios = std::pair<QRadioButton*, QRadioButton*>;

  QLineEdit* AddEdit(QGridLayout* grid, int row, const char* caption, const char* name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    auto* label = new QLabel(caption, this);
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
  }
  QCheckBox* AddCheck(QGridLayout* grid, int row, const char* caption, const char* name) {
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(name);
    grid->addWidget(box, row, 1);
    return box;
  }
  using Item = std::pair<const char*, const char*>;  // object name, caption
  Radios AddRadios(QGridLayout* grid, int row, const char* caption, const char* name, Item first,
                   Item second) {
    auto* box = new QGroupBox(caption, this);
    box->setObjectName(name);
    auto* layout = new QVBoxLayout(box);
    Radios r{new QRadioButton(first.second, box), new QRadioButton(second.second, box)};
    r.first->setObjectName(first.first);
    r.second->setObjectName(second.first);
    layout->addWidget(r.first);
    layout->addWidget(r.second);
    grid->addWidget(box, row, 2, 2, 1);
    return r;
  }
  void AddButtons(QGridLayout* grid) {
    auto* row = new QHBoxLayout;
    auto add = [&](const char* name, const char* caption) {
      QPushButton* b = model::gui::NamedButton(this, name, caption);
      row->addWidget(b);
      return b;
    };
    QPushButton* ok = add("Button_ok", "OK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TForm_printconf::Button_okClick);
    connect(add("Button_cancel", "Abbrechen"), &QPushButton::clicked, this, &QDialog::reject);
    connect(add("Button_printer", "Drucker..."), &QPushButton::clicked, this,
            &TForm_printconf::Button_printerClick);
    // picking and storing print settings in printout.dbf is not wired to this dialog yet
    add("Button_db", "Datenbank")->setEnabled(false);
    add("Button_append", "Ü&bernehmen Datenbank")->setEnabled(false);
    connect(add("Button_help", "&Hilfe"), &QPushButton::clicked, this,
            [this] { help::ShowHelp(p_, kPrintDialogHelp, help::HelpMode::Text); });
    grid->addLayout(row, 7, 0, 1, 3);
  }

  // The print settings of the configuration, not those of an earlier OK.
  void FormShow() {
    cad::GraphicState& g = p_.graphic;
    g.ApplyPrintConfig(p_.config);
    printer_.setPageOrientation(p_.config.printOrientation == 1 ? QPageLayout::Portrait
                                                                : QPageLayout::Landscape);
    Edit_scalex->setText(Q(base::FormatSig(p_.fmt(), g.PrintScaleX)));
    Edit_scaley->setText(Q(base::FormatSig(p_.fmt(), g.PrintScaleY)));
    Edit_xorigin->setText(QString::number(g.PrintOriginX));
    Edit_yorigin->setText(QString::number(g.PrintOriginY));
    CheckBox_umrandung->setChecked(g.PrintBorder);
    (g.PrintColorMode == 2 ? RadioGroup_printmono.second : RadioGroup_printmono.first)
        ->setChecked(true);
    ShowPrinter();
  }
  void ShowPrinter() {
    const std::string name = PrinterName(printer_).toStdString();
    Label_printer->setText(
        Q(base::PadLeft(base::CutChars(name, kPrinterLabelWidth), kPrinterLabelWidth)));
    const bool landscape = printer_.pageLayout().orientation() == QPageLayout::Landscape;
    (landscape ? RadioGroup_hochquer.second : RadioGroup_hochquer.first)->setChecked(true);
  }
  void Button_printerClick() {
    QPrintDialog dlg(&printer_, this);
    dlg.setObjectName("PrintDialog");
    if (dlg.exec() == QDialog::Accepted) ShowPrinter();
  }

  app::Program& p_;
  QPrinter& printer_;
  QLineEdit* Edit_scalex;
  QLineEdit* Edit_scaley;
  QLineEdit* Edit_xorigin;
  QLineEdit* Edit_yorigin;
  QCheckBox* CheckBox_umrandung;
  QCheckBox* CheckBox_anpassen;
  Radios RadioGroup_printmono;
  Radios RadioGroup_hochquer;
  QLabel* Label_printer = nullptr;
};

// No printer queue or PDF file chosen yet: the platform dialog, which also offers a PDF file.
bool EnsurePrinter(QPrinter& printer, QWidget* parent) {
  const bool ready = printer.outputFormat() == QPrinter::PdfFormat
                         ? !printer.outputFileName().isEmpty()
                         : printer.isValid() && !printer.printerName().isEmpty();
  if (ready) return true;
  QPrintDialog dlg(&printer, parent);
  dlg.setObjectName("PrintDialog");
  return dlg.exec() == QDialog::Accepted;
}

}  // namespace

void ShowPrintDialog(app::Program& p, cad::TFquengra& window, QPrinter& printer,
                     bool printerSetup) {
  TForm_printconf dlg(p, printer, &window);
  model::gui::PlaceDialog(&dlg, p);
  if (dlg.exec() != QDialog::Accepted) {
    p.cancel = true;
    return;
  }
  if (!EnsurePrinter(printer, &window)) {
    p.cancel = true;
    return;
  }
  if (printerSetup) {
    QPainter job;  // an empty job tells whether the printer can be started
    if (!job.begin(&printer)) {
      model::ShowError(p, "Drucker kann nicht gestartet werden");
      p.cancel = true;
      return;
    }
    job.end();
    ShowPrinterInfo(p, printer, &window);
    return;
  }
  if (!window.PrintWindow(printer, dlg.fit())) {
    model::ShowError(p, "Drucker kann nicht gestartet werden");
    p.cancel = true;
  }
}

}  // namespace kv40::config::gui
