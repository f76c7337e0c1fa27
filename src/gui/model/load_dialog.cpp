// The load dialog TForm_kv7last: power, speed and torques (one of P, n, TN derived from the
// other two while typing) and the load factors.
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/format.h"
#include "calc/input_aids.h"
#include "gui/model/input_dialog.h"
#include "gui/model/input_dialogs.h"

namespace kv40::model::gui {
namespace {

constexpr int kHelpLoad = 1000;
constexpr Extended kTmaxFactor = 3;  // proposal: Tmax = 3 TN
constexpr const char* kOne = "1.0";

class LoadDialog final : public InputDialog {
 public:
  LoadDialog(app::Program& p, QWidget* parent)
      : InputDialog(p, parent, "TForm_kv7last", QString(kProgramShortName) + " " + "Last") {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DerivedChoice());
    auto* g = new QGridLayout;
    AddLoadFields(g);
    AddFactorFields(g);
    layout->addLayout(g);
    for (const char* text :
         {"p eq,max = T eq,max / (rw * z) * cos alphaw / (L * hw) * kphiß * klambda",
          "plim = Re * fs * fH", "Teq = TN * KA", "S eq = plim * fw / peq ",
          "S max = plim * fL / pmax "}) {
      auto* label = new QLabel(text, this);
      if (text[0] == 'p' && text[1] == ' ') label->setObjectName("Label_formel1");
      if (text[0] == 'p' && text[1] == 'l') label->setObjectName("Label_formel2");
      layout->addWidget(label);
    }
    auto* row = new QHBoxLayout;
    auto* metric = ArrowButton("Button_metric", "Nm <--> lb-in", [this] { ToggleUnits(); });
    metric->setMaximumWidth(QWIDGETSIZE_MAX);
    row->addWidget(metric);
    row->addWidget(HelpImageButton("Button_helpka", "KA ?", 6120));
    row->addWidget(HelpImageButton("Button_helpfw", "fW ?", 6160));
    row->addWidget(HelpImageButton("Button_helpfl", "fL ?", 6170));
    row->addWidget(HelpImageButton("Button_helpkphi", "k phi ß ?", 6180));
    row->addStretch();
    layout->addLayout(row);
    layout->addLayout(ButtonRow(kHelpLoad, false));
  }

 private:
  QGroupBox* DerivedChoice() {
    auto* box = new QGroupBox(this);
    box->setObjectName("RadioGroup1");
    auto* inner = new QHBoxLayout(box);
    const char* items[] = {"P", "n", "TN"};
    for (int i = 0; i < 3; ++i) {
      derived_[static_cast<std::size_t>(i)] = new QRadioButton(items[i], box);
      inner->addWidget(derived_[static_cast<std::size_t>(i)]);
      connect(derived_[static_cast<std::size_t>(i)], &QRadioButton::toggled, this, [this](bool on) {
        if (on) Derive();
      });
    }
    return box;
  }

  void AddLoadFields(QGridLayout* g) {
    p_kw_ = AddField(g, 0, "Nennleistung", "Edit_p", Quantity::Real, 6105, "kW");
    n_ = AddField(g, 1, "Drehzahl", "Edit_n", Quantity::Real, 6115, "/min");
    tn_ = AddField(g, 2, "Nenndrehmoment", "Edit_tnenn", Quantity::Torque, 6100);
    tmax_ = AddField(g, 3, "Maximales Drehmoment Tmax", "Edit_tmax", Quantity::Torque, 6110);
    tn_->SetRange(calc::kTorqueRange);
    tmax_->SetRange(calc::kTorqueRange);
    for (ValueEdit* e : {p_kw_, n_, tn_})
      connect(e, &QLineEdit::textEdited, this, [this] { Derive(); });
    g->addWidget(
        ArrowButton("Button_tmax", "<", [this] { tmax_->SetValue(kTmaxFactor * tn_->Value()); }), 3,
        3);
  }

  void AddFactorFields(QGridLayout* g) {
    ka_ = AddField(g, 4, "Anwendungsfaktor KA", "Edit_ka", Quantity::Real, 6120);
    klambda_ =
        AddField(g, 5, "Lastverteilungsfaktor K lambda", "Edit_klambda", Quantity::Real, 6130);
    ka_->SetRange(calc::kApplicationFactorRange);
    fw_ = AddField(g, 6, "Lastrichtungswechselfaktor fW", "Edit_fw", Quantity::Real, 6160);
    g->addWidget(new QLabel("Lastspitzenhäufigkeitsfaktor fL", this), 7, 0);
    fl1_ = AddField(g, 8, "Welle", "Edit_fl1", Quantity::Real, 6170);
    fl2_ = AddField(g, 9, "Nabe", "Edit_fl2", Quantity::Real, 6170);
    fl1_->SetLabel("Lastspitzenhäufigkeitsfaktor fL Welle");
    fl2_->SetLabel("Lastspitzenhäufigkeitsfaktor fL Nabe");
    g->addWidget(ArrowButton("Button_ka", "<", [this] { ka_->setText(kOne); }), 4, 3);
    g->addWidget(ArrowButton("Button_klambda", "<", [this] { ProposeKlambda(); }), 5, 3);
    g->addWidget(ArrowButton("Button_fw", "<", [this] { fw_->setText(kOne); }), 6, 3);
    g->addWidget(ArrowButton("Button_fl", "<",
                             [this] {
                               fl1_->setText(kOne);
                               fl2_->setText(kOne);
                             }),
                 8, 3, 2, 1);
  }

  void ProposeKlambda() {
    const auto k = calc::ProposeKlambda(p_.connection);
    klambda_->setText(k ? QString::fromStdString(base::FormatFixed(nf_, 1, 2, *k)) : kOne);
  }

  calc::LoadDerived Derived() const {
    if (derived_[1]->isChecked()) return calc::LoadDerived::n;
    if (derived_[2]->isChecked()) return calc::LoadDerived::TN;
    return calc::LoadDerived::P;
  }

  // The derived field is closed to typing and follows the other two.
  void Derive() {
    const calc::LoadDerived what = Derived();
    p_kw_->setEnabled(what != calc::LoadDerived::P);
    n_->setEnabled(what != calc::LoadDerived::n);
    tn_->setEnabled(what != calc::LoadDerived::TN);
    const auto v = calc::DeriveLoad(what, p_kw_->Value(), n_->Value(), tn_->Value());
    if (!v) return;
    if (what == calc::LoadDerived::P) p_kw_->SetValue(*v);
    if (what == calc::LoadDerived::n) n_->SetValue(*v);
    if (what == calc::LoadDerived::TN) tn_->SetValue(*v);
  }

  void ShowValues(const SpecState& s) override {
    p_kw_->SetValue(s.P);
    n_->SetValue(s.n);
    tn_->SetValue(s.TN);
    tmax_->SetValue(s.Tmax);
    ka_->SetValue(s.KA);
    klambda_->SetValue(s.Klambda);
    fw_->SetValue(s.fW);
    fl1_->SetValue(s.fL[1]);
    fl2_->SetValue(s.fL[2]);
    const auto what = static_cast<std::size_t>(calc::LoadDerivedFrom(s.calcWhat)) - 1;
    if (derived_[what]->isChecked()) {
      Derive();
    } else {
      derived_[what]->setChecked(true);  // derives through the toggle
    }
    ShowUnits();
  }

  void TakeValues(SpecState& s) override {
    s.calcWhat = static_cast<std::int32_t>(Derived());
    s.P = p_kw_->Value();
    s.n = n_->Value();
    s.TN = tn_->Value();
    s.Tmax = tmax_->Value();
    s.KA = ka_->Value();
    s.Klambda = klambda_->Value();
    s.fW = fw_->Value();
    s.fL[1] = fl1_->Value();
    s.fL[2] = fl2_->Value();
  }

  std::array<QRadioButton*, 3> derived_{};
  ValueEdit *p_kw_, *n_, *tn_, *tmax_, *ka_, *klambda_, *fw_, *fl1_, *fl2_;
};

}  // namespace

void EditLoad(app::Program& p, QWidget* parent) {
  LoadDialog dialog(p, parent);
  dialog.Run();
}

}  // namespace kv40::model::gui
