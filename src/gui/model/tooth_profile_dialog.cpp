// The tooth-profile options TForm_kv7config of the CAD tooth form of one part: involute
// points, polyline, generating profile shift, diameters and root trochoid.
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/model/input_dialog.h"
#include "gui/model/input_dialogs.h"

namespace kv40::model::gui {
namespace {

constexpr int kHelpToothProfile = 1000;

class ToothProfileDialog final : public InputDialog {
 public:
  ToothProfileDialog(app::Program& p, int part, QWidget* parent)
      : InputDialog(p, parent, "TForm_kv7config",
                    QString(kProgramShortName) + " CAD " + (part == 1 ? "Welle" : "Nabe")),
        part_(part) {
    auto* layout = new QVBoxLayout(this);
    auto* g = new QGridLayout;
    points_ = new QSpinBox(this);
    points_->setObjectName("edit_anzevolvpoints");
    points_->setRange(1, kMaxInvolutePoints);
    auto* pointsLabel = new QLabel("Anzahl der Punkte für die Evolvente", this);
    pointsLabel->setBuddy(points_);
    SetHint({pointsLabel, points_}, 8300);
    g->addWidget(pointsLabel, 0, 0);
    g->addWidget(points_, 0, 1);
    polyline_ = Check(g, 1, "Evolvente als Polylinie ?", "CheckBox_polyline");
    SetHint({polyline_}, 8310);
    xe_ = AddField(g, 2, "Erzeug.Prof.versch.faktor xe", "Edit_xe", Quantity::RealLong, 8330);
    auto* arrows = new QHBoxLayout;
    const auto& s = p.connection;
    arrows->addWidget(ArrowButton("Button_xem", "<", [this, &s] { xe_->SetValue(s.xem[part_]); }));
    arrows->addWidget(
        ArrowButton("Button_xemax", "< max", [this, &s] { xe_->SetValue(s.xemaxM[part_]); }));
    arrows->addWidget(
        ArrowButton("Button_xemin", "< min", [this, &s] { xe_->SetValue(s.xeminM[part_]); }));
    g->addLayout(arrows, 2, 3);
    diameters_ = Check(g, 3, "Durchmesser einzeichnen ?", "CheckBox_durchmesser_anzeigen");
    trochoid_ = Check(g, 4, "Tooth Root Trochoide", "CheckBox_fussausrundung_zeichnen");
    layout->addLayout(g);
    layout->addLayout(ButtonRow(kHelpToothProfile, false));
  }

 private:
  QCheckBox* Check(QGridLayout* g, int row, const char* text, const char* name) {
    auto* box = new QCheckBox(text, this);
    box->setObjectName(name);
    g->addWidget(box, row, 0, 1, 2);
    return box;
  }

  void ShowValues(const SpecState& s) override {
    const auto& o = p_.toothForm;
    points_->setValue(o.nInvPoints == 0 ? 20 : o.nInvPoints);
    polyline_->setChecked(o.invPolyline);
    diameters_->setChecked(o.drawDiameters == 2);
    trochoid_->setChecked(o.drawTrochoid);
    xe_->SetValue(s.xem[part_]);
  }

  void TakeValues(SpecState& s) override {
    s.xem[part_] = xe_->Value();
    s.xemean[part_] = s.xem[part_];
  }

  // The drawing options are no part of the state.
  void Accepted() override {
    auto& o = p_.toothForm;
    o.nInvPoints = points_->value();
    o.invPolyline = polyline_->isChecked();
    o.drawDiameters = diameters_->isChecked() ? 2 : 1;
    o.drawTrochoid = trochoid_->isChecked();
  }

  int part_;
  QSpinBox* points_ = nullptr;
  QCheckBox *polyline_ = nullptr, *diameters_ = nullptr, *trochoid_ = nullptr;
  ValueEdit* xe_ = nullptr;
};

}  // namespace

void EditToothProfileOptions(app::Program& p, int part, QWidget* parent) {
  KV40_CHECK(part == 1 || part == 2);
  ToothProfileDialog dialog(p, part, parent);
  dialog.Run();
}

}  // namespace kv40::model::gui
