// The dimension dialog TForm_kv40geo: the DIN 5482 block, pressure angle and face widths,
// typed in or (with the dimension table) taken from a row of DIN 5482.
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "calc/driver.h"
#include "calc/input_aids.h"
#include "gui/model/input_dialog.h"
#include "gui/model/input_dialogs.h"
#include "tables/lookups.h"

namespace kv40::model::gui {
namespace {

constexpr int kHelpDimensions = 5030;

class DimensionDialog final : public InputDialog {
 public:
  DimensionDialog(app::Program& p, QWidget* parent)
      : InputDialog(p, parent, "TForm_kv40geo",
                    QString(kProgramShortName) + " - " + "Abmessungen") {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    AddBlockFields(grid);
    AddWidthFields(grid);
    layout->addLayout(grid);
    layout->addLayout(SourceRow());
    layout->addLayout(ButtonRow(kHelpDimensions, true));
  }

 private:
  void AddBlockFields(QGridLayout* g) {
    d1_ = AddField(g, 0, "Fußkreisdurchmesser Nabe d1", "Edit_d1", Quantity::Length, 5150);
    d1_->setStyleSheet("QLineEdit { background-color: #ff0000; }");
    d2_ = AddField(g, 1, "Kopfkreisdurchmesser Nabe d2", "Edit_d2", Quantity::Length, 5155);
    d3_ = AddField(g, 2, "Kopfkreisdurchmesser Welle d3", "Edit_d3", Quantity::Length, 5160);
    d4_ = AddField(g, 3, "Fußkreisdurchmesser Welle d4", "Edit_d4", Quantity::Length, 5165);
    z_ = AddField(g, 4, "Zähnezahl z", "Edit_z", Quantity::Integer, 5110);
    mn_ = AddField(g, 5, "Normalmodul mn", "Edit_mn", Quantity::Length, 5090);
    xm_ = AddField(g, 6, "Profilverschiebung x*m", "Edit_x_m", Quantity::Length, 5170);
    r1_ = AddField(g, 7, "Fußausrundungsradius Nabe r1 max", "Edit_r1", Quantity::Length, 5175);
    r2_ = AddField(g, 8, "Fußausrundungsradius Welle r2 max", "Edit_r2", Quantity::Length, 5180);
    k_ = AddField(g, 9, "Kopfkantenbruch Nabe k min", "Edit_k", Quantity::Length, 5185);
    alpha_ = AddField(g, 10, "Eingriffswinkel alpha", "Edit_alpha", Quantity::Angle, 5080);
    buttonD3_ = ArrowButton("Button_d3", "<",
                            [this] { d3_->SetValue(calc::ProposeTipDiameter(d1_->Value())); });
    buttonD4_ = ArrowButton("Button_d4", "<",
                            [this] { d4_->SetValue(calc::ProposeRootDiameter(d2_->Value())); });
    buttonZ_ = ArrowButton("Button_z", "<", [this] {
      const auto z =
          calc::ProposeToothCount(p_.connection, d1_->Value(), d2_->Value(), mn_->Value());
      if (z) z_->SetValue(*z);
    });
    for (ValueEdit* d : {d1_, d2_, d3_, d4_})
      d->SetRange(calc::kDiameterRange);
    z_->SetRange(calc::kToothCountRange);
    mn_->SetRange(calc::kModuleRange);
    alpha_->SetRange(calc::kPressureAngleRange);
    g->addWidget(buttonD3_, 2, 3);
    g->addWidget(buttonD4_, 3, 3);
    g->addWidget(buttonZ_, 4, 3);
  }

  void AddWidthFields(QGridLayout* g) {
    b1_ = AddField(g, 11, "Zahnbreite Welle b1", "Edit_b1", Quantity::Length, 5120);
    b2_ = AddField(g, 12, "Zahnbreite Nabe b2", "Edit_b2", Quantity::Length, 5120);
    b0_ = AddField(g, 13, "tragende Zahnbreite b0", "Edit_b12", Quantity::Length, 5120);
    for (ValueEdit* b : {b1_, b2_, b0_})
      b->SetRange(calc::kWidthRange, true);
    g->addWidget(ArrowButton("Button_b1", "<",
                             [this] { b1_->SetValue(calc::ProposeFaceWidth(d1_->Value())); }),
                 11, 3);
    g->addWidget(ArrowButton("Button_b2", "<", [this] { b2_->SetValue(b1_->Value()); }), 12, 3);
    g->addWidget(ArrowButton("Button_b12", "<",
                             [this] { b0_->SetValue(std::min(b1_->Value(), b2_->Value())); }),
                 13, 3);
    // one button beside all three widths: b1 from d1, b2 and b0 the same
    auto* all = ArrowButton("Button_b123", "<", [this] {
      const Extended b = calc::ProposeFaceWidth(d1_->Value());
      b1_->SetValue(b);
      b2_->SetValue(b);
      b0_->SetValue(b);
    });
    all->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    g->addWidget(all, 11, 4, 3, 1);
  }

  QHBoxLayout* SourceRow() {
    auto* box = new QGroupBox(this);
    box->setObjectName("RadioGroup_abm");
    auto* inner = new QVBoxLayout(box);
    fromTable_ = new QRadioButton("Database DIN 5482", box);
    selfDefined_ = new QRadioButton("self-defined", box);
    inner->addWidget(fromTable_);
    inner->addWidget(selfDefined_);
    connect(fromTable_, &QRadioButton::toggled, this, [this] { ShowSource(); });
    database_ = new QPushButton("Datenbank...", this);
    database_->setObjectName("Button_db");
    connect(database_, &QPushButton::clicked, this, [this] { Button_dbClick(); });
    auto* metric = ArrowButton("Button_metric", "mm <--> inch", [this] { ToggleUnits(); });
    metric->setMaximumWidth(QWIDGETSIZE_MAX);
    auto* row = new QHBoxLayout;
    row->addWidget(box);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(database_);
    buttons->addWidget(metric);
    row->addLayout(buttons);
    return row;
  }

  // With the table as the source only the table button and the face widths are open.
  void ShowSource() {
    const bool typed = selfDefined_->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{d1_, d2_, d3_, d4_, z_, mn_, xm_, r1_, r2_,
                                                      k_, alpha_, buttonZ_, buttonD3_, buttonD4_})
      w->setEnabled(typed);
    database_->setEnabled(!typed);
  }

  // A row of the DIN 5482 table goes into the state at once and is calculated, so that the
  // dialog shows what follows from it; Abbrechen afterwards keeps it.
  void Button_dbClick() {
    TakeValues(p_.connection);
    p_.connection.normRow = 1;
    p_.cancel = false;
    const int row = tables::PickDin5482(p_, tables::kPickRecord);
    if (!p_.cancel && row > 0) {
      calc::RecalcDimensions(p_.connection, p_.fmt(), p_.cancel, row);
      p_.modified = true;
      ShowValues(p_.connection);
    }
    p_.cancel = false;
  }

  void ShowValues(const SpecState& s) override {
    d1_->SetValue(s.d1);
    d2_->SetValue(s.d2);
    d3_->SetValue(s.d3);
    d4_->SetValue(s.d4);
    z_->SetValue(s.z5482);
    mn_->SetValue(s.mn5482);
    xm_->SetValue(s.xm);
    r1_->SetValue(s.r1);
    r2_->SetValue(s.r2);
    k_->SetValue(s.kmin);
    alpha_->SetValue(s.alpha);
    b1_->SetValue(s.b[1]);
    b2_->SetValue(s.b[2]);
    b0_->SetValue(s.b0);
    (s.abm == 2 ? selfDefined_ : fromTable_)->setChecked(true);
    ShowSource();
    ShowUnits();
  }

  void TakeValues(SpecState& s) override {
    s.d1 = d1_->Value();
    s.d2 = d2_->Value();
    s.d3 = d3_->Value();
    s.d4 = d4_->Value();
    s.z5482 = static_cast<std::int32_t>(z_->Value());
    s.mn5482 = mn_->Value();
    s.xm = xm_->Value();
    s.r1 = r1_->Value();
    s.r2 = r2_->Value();
    s.kmin = k_->Value();
    s.alpha = alpha_->Value();
    s.b[1] = b1_->Value();
    s.b[2] = b2_->Value();
    s.b0 = b0_->Value();
    s.abm = selfDefined_->isChecked() ? 2 : 1;
  }

  ValueEdit *d1_, *d2_, *d3_, *d4_, *z_, *mn_, *xm_, *r1_, *r2_, *k_, *alpha_;
  ValueEdit *b1_, *b2_, *b0_;
  QPushButton *buttonZ_, *buttonD3_, *buttonD4_, *database_;
  QRadioButton *fromTable_, *selfDefined_;
};

}  // namespace

void EditDimensions(app::Program& p, QWidget* parent) {
  DimensionDialog dialog(p, parent);
  dialog.Run();
}

}  // namespace kv40::model::gui
