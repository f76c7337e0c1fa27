// The plot-program option dialog: format, interface, scale, offsets, PostScript font.
#include "gui/config/plot_program_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/text.h"
#include "config/plot_command.h"
#include "gui/model/place_dialog.h"
#include "help/show_help.h"

namespace kv40::config::gui {
namespace {

constexpr int kPlotDialogHelp = 2055;
constexpr const char* kPsFonts[] = {"Times-Roman",
                                    "Times-Italic",
                                    "Times-Bold",
                                    "Times-BoldItalic",
                                    "Helvetica",
                                    "Helvetica-Oblique",
                                    "Helvetica-Bold",
                                    "Helvetica-BoldOblique",
                                    "Helvetica-Narrow",
                                    "Helvetica-Narrow-Oblique",
                                    "Helvetica-Narrow-Bold",
                                    "Helvetica-Narrow-BoldOblique",
                                    "Courier",
                                    "Courier-Oblique",
                                    "Courier-Bold",
                                    "Courier-BoldOblique",
                                    "Palatino-Roman",
                                    "Palatino-Italic",
                                    "Palatino-Bold",
                                    "Palatino-BoldItalic",
                                    "AvantGarde-Book",
                                    "AvantGarde-Demi",
                                    "AvantGarde-BookOblique",
                                    "AvantGarde-DemiOblique",
                                    "Bookman-Light",
                                    "Bookman-Demi",
                                    "Bookman-LightItalic",
                                    "Bookman-DemiItalic",
                                    "NewCenturySchlbk-Roman",
                                    "NewCenturySchlbk-Bold",
                                    "NewCenturySchlbk-Italic",
                                    "NewCenturySchlbk-BoldItalic",
                                    "ZapfChancery-MediumItalic",
                                    "Symbol",
                                    "andere Schriften"};

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

class TForm_confgravolt final : public QDialog {
 public:
  TForm_confgravolt(app::Program& p, QWidget* parent, const std::string& line)
      : QDialog(parent), p_(p), line_(line) {
    setObjectName("TForm_confgravolt");
    setWindowTitle("GRAVOLT");
    auto* grid = new QGridLayout(this);
    int row = 0;
    Edit_gravoltPath =
        AddEdit(grid, row++, "GRAVOLT Programmverzeichnis", "Edit_gravoltPath", 2080);
    grid->addWidget(Button("Button_gravoltpath", "...", [this] { Button_gravoltpathClick(); }),
                    row - 1, 2);
    Edit_outdir = AddEdit(grid, row++, "Ausgabeordner", "Edit_outdir", 2130);
    auto* dirButtons = new QHBoxLayout;
    dirButtons->addWidget(Button("Button_outDir", "Dir...", [this] { Button_outDirClick(); }));
    dirButtons->addWidget(
        Button("Button_tempdir", "<", [this] { Edit_outdir->setText(Q(p_.config.tempDir)); }));
    grid->addLayout(dirButtons, row - 1, 2);
    RadioGroup_outcode = Radios(grid, row++, "Ausgabeformat", "RadioGroup_outcode",
                                {"HP-GL Laserjet (HPL)", "Postscript (PS)", "HP-GL Plotter (PLT)",
                                 "HP-GL/2 (PL2)", "Aristo (ART)"},
                                2090);
    RadioGroup_d = Radios(grid, row++, "Ausgabeschnittstelle", "RadioGroup_d",
                          {"seriell", "parallel", "Datei"}, 2120);
    Edit_com = AddEdit(grid, row++, "COM", "Edit_com", 2120);
    Edit_lpt = AddEdit(grid, row++, "LPT", "Edit_lpt", 2120);
    Edit_scale = AddEdit(grid, row++, "Maßstab", "Edit_scale", 2140);
    grid->addWidget(new QLabel(": 1", this), row - 1, 2);
    CheckBox_scale = Check(grid, row++, "Maßstab anpassen ?", "CheckBox_scale", 2140);
    CheckBox_rotate = Check(grid, row++, "Plot um 90 Grad drehen ?", "CheckBox_rotate", 2145);
    Edit_xnull = AddEdit(grid, row++, "Nullpunktverschiebung in x-Richtung", "Edit_xnull", 2150);
    Edit_ynull = AddEdit(grid, row++, "Nullpunktverschiebung in y-Richtung", "Edit_ynull", 2150);
    Edit_textbreitenfaktor =
        AddEdit(grid, row++, "Textbreitenfaktor", "Edit_textbreitenfaktor", 2160);
    ComboBox_psfont = new QComboBox(this);
    ComboBox_psfont->setObjectName("ComboBox_psfont");
    for (const char* f : kPsFonts)
      ComboBox_psfont->addItem(f);
    ComboBox_psfont->setEditable(true);
    Hint({ComboBox_psfont}, 2280);
    grid->addWidget(new QLabel("Postscript-Zeichensatz", this), row, 0);
    grid->addWidget(ComboBox_psfont, row++, 1);
    grid->addWidget(new QLabel("Command Line:", this), row++, 0);
    Label_commandline = new QLabel(this);
    Label_commandline->setObjectName("Label_commandline");
    Label_commandline->setFont(QFont("Courier New"));
    Label_commandline->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(Label_commandline, row++, 0, 1, 3);
    AddButtons(grid, row);
    ShowInitialValues();
    Connect();
  }

  const std::string& line() const { return line_; }

  void Button_okClick() {
    p_.cancel = false;
    accept();
  }

 private:
  void ShowInitialValues() {
    const PlotOptions o;
    Edit_gravoltPath->setText(Q(o.programPath));
    Edit_outdir->setText(Q(p_.config.tempDir));
    RadioGroup_outcode[0]->setChecked(true);
    RadioGroup_d[static_cast<int>(PlotPort::Parallel)]->setChecked(true);
    Edit_com->setText(Q(o.com));
    Edit_lpt->setText(Q(o.lpt));
    Edit_scale->setText(Q(o.scale));
    Edit_xnull->setText(Q(o.xOffset));
    Edit_ynull->setText(Q(o.yOffset));
    Edit_textbreitenfaktor->setText(Q(o.textWidth));
    ComboBox_psfont->setCurrentIndex(-1);
    ComboBox_psfont->setEditText(QString());
    UpdateEnabled();
    Label_commandline->setText(Q(line_));
  }

  // Every change of a control composes the whole line again.
  void Connect() {
    for (QLineEdit* e : {Edit_gravoltPath, Edit_outdir, Edit_com, Edit_lpt, Edit_scale, Edit_xnull,
                         Edit_ynull, Edit_textbreitenfaktor}) {
      connect(e, &QLineEdit::textChanged, this, [this] {
        if (!loading_) Compose();
      });
    }
    for (const auto* group : {&RadioGroup_outcode, &RadioGroup_d}) {
      for (QRadioButton* b : *group)
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
          if (on) Compose();
        });
    }
    connect(CheckBox_scale, &QCheckBox::toggled, this, [this](bool on) {
      if (on) Edit_scale->setText("0");
      Edit_scale->setEnabled(!on);
      Compose();
    });
    connect(CheckBox_rotate, &QCheckBox::toggled, this, [this] { Compose(); });
    connect(ComboBox_psfont, &QComboBox::currentTextChanged, this, [this] { Compose(); });
    loading_ = false;
  }

  static int Checked(const std::vector<QRadioButton*>& group) {
    for (std::size_t i = 0; i < group.size(); ++i) {
      if (group[i]->isChecked()) return static_cast<int>(i);
    }
    return 0;
  }

  void UpdateEnabled() {
    const int format = Checked(RadioGroup_outcode);
    const int port = Checked(RadioGroup_d);
    ComboBox_psfont->setEnabled(format == kPostScriptFormat);
    Edit_com->setEnabled(port == static_cast<int>(PlotPort::Serial));
    Edit_lpt->setEnabled(port == static_cast<int>(PlotPort::Parallel));
    Edit_outdir->setEnabled(port == static_cast<int>(PlotPort::File));
  }

  void Compose() {
    if (loading_) return;
    UpdateEnabled();
    PlotOptions o;
    o.programPath = Edit_gravoltPath->text().toStdString();
    o.outputDir = Edit_outdir->text().toStdString();
    o.format = Checked(RadioGroup_outcode);
    o.port = static_cast<PlotPort>(Checked(RadioGroup_d));
    o.com = Edit_com->text().toStdString();
    o.lpt = Edit_lpt->text().toStdString();
    o.scale = Edit_scale->text().toStdString();
    o.fitScale = CheckBox_scale->isChecked();
    o.rotate = CheckBox_rotate->isChecked();
    o.xOffset = Edit_xnull->text().toStdString();
    o.yOffset = Edit_ynull->text().toStdString();
    o.textWidth = Edit_textbreitenfaktor->text().toStdString();
    o.psFont = ComboBox_psfont->currentText().toStdString();
    line_ = ComposePlotCommand(o);
    Label_commandline->setText(Q(line_));
  }

  void Button_gravoltpathClick() {
    const std::string folder = QFileInfo(Edit_gravoltPath->text()).path().toStdString();
    const auto file = p_.GetUi().OpenFile("GRAVOLT|gravolt*|Alle Dateien|*", folder);
    if (file) Edit_gravoltPath->setText(Q(*file));
  }

  void Button_outDirClick() {
    const auto folder = p_.GetUi().ChooseFolder("Ausgabeordner", Edit_outdir->text().toStdString());
    if (folder) Edit_outdir->setText(Q(*folder));
  }

  void Hint(std::initializer_list<QWidget*> widgets, int n) {
    if (p_.config.helpLevel == 0) return;
    const QString tip = Q(help::HelpText(p_, n));
    for (QWidget* w : widgets)
      w->setToolTip(tip);
  }

  QLineEdit* AddEdit(QGridLayout* grid, int row, const char* label, const char* name, int hint) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    auto* text = new QLabel(QString::fromUtf8(label), this);
    text->setBuddy(edit);
    grid->addWidget(text, row, 0);
    grid->addWidget(edit, row, 1);
    Hint({edit, text}, hint);
    return edit;
  }

  QCheckBox* Check(QGridLayout* grid, int row, const char* caption, const char* name, int hint) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), this);
    box->setObjectName(name);
    grid->addWidget(box, row, 1);
    Hint({box}, hint);
    return box;
  }

  std::vector<QRadioButton*> Radios(QGridLayout* grid, int row, const char* caption,
                                    const char* name, std::initializer_list<const char*> items,
                                    int hint) {
    auto* box = new QGroupBox(QString::fromUtf8(caption), this);
    box->setObjectName(name);
    auto* layout = new QHBoxLayout(box);
    std::vector<QRadioButton*> buttons;
    for (const char* item : items) {
      auto* b = new QRadioButton(item, box);
      b->setObjectName(QString(name) + "_" + QString::number(buttons.size()));
      layout->addWidget(b);
      buttons.push_back(b);
    }
    grid->addWidget(box, row, 0, 1, 3);
    Hint({box}, hint);
    return buttons;
  }

  QPushButton* Button(const char* name, const QString& caption, std::function<void()> fn) {
    QPushButton* b = model::gui::NamedButton(this, name, caption);
    connect(b, &QPushButton::clicked, this, std::move(fn));
    return b;
  }

  void AddButtons(QGridLayout* grid, int row) {
    auto* buttons = new QHBoxLayout;
    QPushButton* ok = Button("Button_ok", "OK", [this] { Button_okClick(); });
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(Button("Button_cancel", "Abbrechen", [this] { reject(); }));
    buttons->addWidget(Button("Button_help", "&Hilfe", [this] {
      help::ShowHelp(p_, kPlotDialogHelp, help::HelpMode::Text);
    }));
    buttons->addStretch();
    grid->addLayout(buttons, row, 0, 1, 3);
  }

  app::Program& p_;
  std::string line_;
  bool loading_ = true;
  QLineEdit* Edit_gravoltPath = nullptr;
  QLineEdit* Edit_outdir = nullptr;
  std::vector<QRadioButton*> RadioGroup_outcode;
  std::vector<QRadioButton*> RadioGroup_d;
  QLineEdit* Edit_com = nullptr;
  QLineEdit* Edit_lpt = nullptr;
  QLineEdit* Edit_scale = nullptr;
  QCheckBox* CheckBox_scale = nullptr;
  QCheckBox* CheckBox_rotate = nullptr;
  QLineEdit* Edit_xnull = nullptr;
  QLineEdit* Edit_ynull = nullptr;
  QLineEdit* Edit_textbreitenfaktor = nullptr;
  QComboBox* ComboBox_psfont = nullptr;
  QLabel* Label_commandline = nullptr;
};

}  // namespace

bool RunPlotProgramDialog(app::Program& p, QWidget* parent, std::string& commandLine) {
  TForm_confgravolt d(p, parent, commandLine);
  model::gui::PlaceDialog(&d, p);
  if (d.exec() != QDialog::Accepted) {
    p.cancel = true;
    return false;
  }
  p.cancel = false;
  commandLine = d.line();
  return true;
}

}  // namespace kv40::config::gui
