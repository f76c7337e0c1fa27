// The material dialog TForm_kvwst: material number, name, yield strength and factors of shaft
// and hub, with the allowable surface pressure shown while typing.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/format.h"
#include "base/utf8.h"
#include "calc/input_aids.h"
#include "gui/model/input_dialog.h"
#include "gui/model/input_dialogs.h"
#include "tables/lookups.h"

namespace kv40::model::gui {
namespace {

constexpr int kHelpMaterial = 5040;

struct PartControls {
  QLineEdit* ident = nullptr;
  QLineEdit* name = nullptr;
  ValueEdit* re = nullptr;
  ValueEdit* fs = nullptr;
  ValueEdit* fh = nullptr;
  QLabel* plim = nullptr;
  QPushButton* lookup = nullptr;
};

class MaterialDialog final : public InputDialog {
 public:
  MaterialDialog(app::Program& p, QWidget* parent)
      : InputDialog(p, parent, "TForm_kvwst", QString(kProgramShortName) + "  " + "Werkstoff") {
    auto* layout = new QVBoxLayout(this);
    for (int i = 1; i <= 2; ++i) {
      auto* box = new QGroupBox(i == 1 ? " Innenteil (Welle) " : " Außenteil (Nabe) ", this);
      AddPart(new QGridLayout(box), i);
      layout->addWidget(box);
    }
    auto* metric = ArrowButton("Button_metric", "Mpa <--> psi", [this] { ToggleUnits(); });
    metric->setMaximumWidth(QWIDGETSIZE_MAX);
    auto* row = new QHBoxLayout;
    row->addWidget(metric);
    row->addStretch();
    layout->addLayout(row);
    layout->addLayout(ButtonRow(kHelpMaterial, true));
  }

 private:
  void AddPart(QGridLayout* g, int i) {
    auto& c = parts_[i];
    const bool shaft = i == 1;
    c.ident = Text(g, 0, "Werkstoffnummer", shaft ? "Edit_ident1" : "Edit_ident2", kMatnrLen, 5340);
    c.name = Text(g, 1, "Werkstoffname", shaft ? "Edit_Name1" : "Edit_name2", kMatnameLen, 5300);
    c.re = AddField(g, 2, "Streckgrenze (Zugfest.Rm bei spröden WS)  Re",
                    shaft ? "Edit_Re1" : "Edit_re2", Quantity::Stress, 5310);
    c.re->SetRange(calc::kYieldRange);
    const QString part = shaft ? " Welle" : " Nabe";
    c.re->SetLabel("Streckgrenze Re" + part);
    c.fs = AddField(g, 3, "Stützfaktor fS", shaft ? "Edit_fs1" : "Edit_fs2", Quantity::Real, 5400);
    c.fh = AddField(g, 4, "Härteeinflußfaktor fH", shaft ? "Edit_fh1" : "Edit_fh2", Quantity::Real,
                    5410);
    c.fs->SetLabel("Stützfaktor fS" + part);
    c.fh->SetLabel("Härteeinflußfaktor fH" + part);
    c.plim = new QLabel(this);
    c.plim->setObjectName(shaft ? "Label1" : "Label2");
    g->addWidget(c.plim, 5, 0, 1, 3);
    c.lookup = new QPushButton(this);
    c.lookup->setObjectName(shaft ? "Button1" : "Button2");
    connect(c.lookup, &QPushButton::clicked, this, [this, i] { LookUpMaterial(i); });
    g->addWidget(c.lookup, 0, 3);
    for (ValueEdit* e : {c.re, c.fs, c.fh})
      connect(e, &QLineEdit::textChanged, this, [this, i] { ShowPlim(i); });
  }

  // A material of the material table with the factors of its group, into the state at once
  // (for the shaft the number typed is where the table opens). Only this part's fields show
  // it: what was typed for the other part and not yet confirmed stays.
  void LookUpMaterial(int i) {
    if (i == 1)
      p_.connection.matnr[1] = base::CutChars(parts_[1].ident->text().toStdString(), kMatnrLen);
    p_.cancel = false;
    tables::PickMaterial(p_, tables::kPickRecord, i);
    if (!p_.cancel) {
      p_.modified = true;
      ShowPart(p_.connection, i);
      ShowUnits();
    }
    p_.cancel = false;
  }

  QLineEdit* Text(QGridLayout* g, int row, const char* label, const char* name, int maxLength,
                  int hint) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    auto* text = new QLabel(label, this);
    text->setBuddy(edit);
    g->addWidget(text, row, 0);
    g->addWidget(edit, row, 1);
    SetHint({text, edit}, hint);
    return edit;
  }

  // plim of part i from what the fields hold now.
  void ShowPlim(int i) {
    const auto& c = parts_[i];
    const Extended plim =
        calc::Plim(calc::RoundToInt32(c.re->Value()), c.fs->Value(), c.fh->Value());
    c.plim->setText(QString::fromStdString(
        "plim = Re * fs * fH = " + base::FormatStressSig(nf_, plim) + " " + base::StressUnit(nf_)));
  }

  void ShowPart(const SpecState& s, int i) {
    auto& c = parts_[i];
    c.ident->setText(QString::fromStdString(s.matnr[i]));
    c.name->setText(QString::fromStdString(s.matname[i]));
    c.re->SetValue(s.Re[i]);
    c.fs->SetValue(s.fS[i]);
    c.fh->SetValue(s.fH[i]);
    c.lookup->setText(QString::fromStdString(
        s.matnr[i].empty() ? "Werkstoffdatenbank..." : s.matnr[i] + "  Werkstoffdatenbank"));
    ShowPlim(i);
  }

  void ShowValues(const SpecState& s) override {
    for (int i = 1; i <= 2; ++i)
      ShowPart(s, i);
    ShowUnits();
  }

  void TakeValues(SpecState& s) override {
    for (int i = 1; i <= 2; ++i) {
      const auto& c = parts_[i];
      s.matnr[i] = base::CutChars(c.ident->text().toStdString(), kMatnrLen);
      s.matname[i] = base::CutChars(c.name->text().toStdString(), kMatnameLen);
      s.Re[i] = calc::RoundToInt32(c.re->Value());
      s.fS[i] = c.fs->Value();
      s.fH[i] = c.fh->Value();
    }
  }

  PartPair<PartControls> parts_;
};

}  // namespace

void EditMaterial(app::Program& p, QWidget* parent) {
  MaterialDialog dialog(p, parent);
  dialog.Run();
}

}  // namespace kv40::model::gui
