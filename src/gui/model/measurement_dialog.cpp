// The measurement dialog TForm_messen: ball or pin diameters and teeth spanned of shaft and
// hub, with proposals from the last calculation.
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/format.h"
#include "calc/input_aids.h"
#include "calc/measure.h"
#include "gui/model/input_dialog.h"
#include "gui/model/input_dialogs.h"

namespace kv40::model::gui {
namespace {

constexpr int kHelpMeasurement = 9020;

class MeasurementDialog final : public InputDialog {
 public:
  MeasurementDialog(app::Program& p, QWidget* parent)
      : InputDialog(p, parent, "TForm_messen",
                    QString(kProgramShortName) + "  " + "Messzaehnezahl" + ", " +
                        "Kugel-und Rollendurchmesser") {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("External", this), 0, 1);
    grid->addWidget(new QLabel("Internal Spline", this), 0, 2);
    grid->addWidget(new QLabel("Kugel-und Rollendurchmesser DM", this), 1, 0);
    grid->addWidget(new QLabel("Messzaehnezahl k", this), 2, 0);
    for (int i = 1; i <= 2; ++i) {
      dm_[i] = new ValueEdit(nf_, Quantity::Length, i == 1 ? "Edit_dm1" : "Edit_dm2", this);
      k_[i] = new ValueEdit(nf_, Quantity::Real, i == 1 ? "Edit_k1" : "Edit_k2", this);
      const QString part = i == 1 ? " Welle" : " Nabe";
      dm_[i]->SetLabel("Kugel-und Rollendurchmesser DM" + part);
      k_[i]->SetLabel("Messzaehnezahl k" + part);
      grid->addWidget(dm_[i], 1, i);
      grid->addWidget(k_[i], 2, i);
    }
    unit_ = new QPushButton(this);
    unit_->setObjectName("Button_mm");
    unit_->setAutoDefault(false);
    connect(unit_, &QPushButton::clicked, this, [this] { ToggleUnits(); });
    grid->addWidget(unit_, 1, 3);
    grid->addWidget(ArrowButton("Button_dm", "<", [this] { ProposeBalls(); }), 1, 4);
    grid->addWidget(ArrowButton("Button_k", "<", [this] { ProposeTeeth(); }), 2, 4);
    layout->addLayout(grid);
    pinTable_ = new QCheckBox("Tabelle Welle : Rollenmaß statt Zahnweite anzeigen", this);
    pinTable_->setObjectName("CheckBox_kv7");
    layout->addWidget(pinTable_);
    layout->addLayout(ButtonRow(kHelpMeasurement, true));
  }

 private:
  // Proposals from the last calculation, with the minimum generating profile shift.
  void ProposeTeeth() {
    const PartPair<int> k = calc::ProposeMeasuringTeeth(p_.connection);
    for (int i = 1; i <= 2; ++i)
      k_[i]->SetValue(k[i]);
  }

  void ProposeBalls() {
    const PartPair<Extended> dm = calc::ProposeBallDiameters(p_.connection, p_.fmt());
    for (int i = 1; i <= 2; ++i) {
      if (dm[i] != calc::kNoProposal) dm_[i]->SetValue(dm[i]);
    }
  }

  void ShowValues(const SpecState& s) override {
    for (int i = 1; i <= 2; ++i) {
      dm_[i]->SetValue(s.DM[i]);
      k_[i]->SetValue(s.k[i]);
    }
    pinTable_->setChecked(s.pinTable);
    unit_->setText(QString::fromStdString(base::LengthUnit(nf_)));
  }

  void TakeValues(SpecState& s) override {
    for (int i = 1; i <= 2; ++i) {
      s.DM[i] = dm_[i]->Value();
      s.k[i] = calc::RoundToInt32(k_[i]->Value());
    }
    s.pinTable = pinTable_->isChecked();
  }

  PartPair<ValueEdit*> dm_{}, k_{};
  QCheckBox* pinTable_ = nullptr;
  QPushButton* unit_ = nullptr;
};

}  // namespace

void EditMeasurement(app::Program& p, QWidget* parent) {
  MeasurementDialog dialog(p, parent);
  dialog.Run();
}

}  // namespace kv40::model::gui
