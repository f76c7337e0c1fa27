// The tolerance dialog TForm_kv7qual: tolerance fields and series of shaft and hub, with the
// deviations and backlash recalculated while the user chooses.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "base/format.h"
#include "calc/input_aids.h"
#include "gui/model/input_dialog.h"
#include "gui/model/input_dialogs.h"

namespace kv40::model::gui {
namespace {

constexpr int kHelpTolerances = 1000;
constexpr const char* kShaftFields = "abcdefghikmnprstuv";
constexpr const char* kHubFields = "FGHJKM";
constexpr int kFirstSeries = 4;
constexpr int kLastSeries = 12;

class ToleranceDialog final : public InputDialog {
 public:
  ToleranceDialog(app::Program& p, QWidget* parent)
      : InputDialog(p, parent, "TForm_kv7qual",
                    QString(kProgramShortName) + " " + "Verzahnungsqualität") {
    auto* layout = new QVBoxLayout(this);
    auto* parts = new QHBoxLayout;
    for (int i = 1; i <= 2; ++i) {
      auto* box = new QGroupBox(i == 1 ? " Welle " : " Nabe ", this);
      auto* grid = new QGridLayout(box);
      field_[i] = Combo(grid, 0, "Toleranzfeld", i == 1 ? kShaftFields : kHubFields,
                        QString("ComboBox_tolfeld%1").arg(i));
      series_[i] = Combo(grid, 1, "Toleranzreihe", nullptr, QString("ComboBox_tolreihe%1").arg(i));
      ase_[i] = Result(grid, 2, QString("Label_asne%1").arg(i));
      asi_[i] = Result(grid, 3, QString("Label_asni%1").arg(i));
      parts->addWidget(box);
    }
    layout->addLayout(parts);
    auto* backlash = new QGridLayout;
    jtmin_ = Result(backlash, 0, "Label_jtmin");
    jtmax_ = Result(backlash, 1, "Label_jtmax");
    layout->addLayout(backlash);
    layout->addLayout(ButtonRow(kHelpTolerances, false));
  }

 private:
  QComboBox* Combo(QGridLayout* grid, int row, const char* label, const char* letters,
                   const QString& name) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(name);
    if (letters != nullptr) {
      for (const char* c = letters; *c != '\0'; ++c)
        combo->addItem(QString(QChar(*c)));
    } else {
      for (int s = kFirstSeries; s <= kLastSeries; ++s)
        combo->addItem(QString::number(s));
    }
    auto* text = new QLabel(label, this);
    text->setBuddy(combo);
    grid->addWidget(text, row, 0);
    grid->addWidget(combo, row, 1);
    SetHint({text, combo}, letters != nullptr ? 5200 : 5210);
    connect(combo, &QComboBox::activated, this, [this] { Recalculate(); });
    return combo;
  }

  QLabel* Result(QGridLayout* grid, int row, const QString& name) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    grid->addWidget(label, row, 0, 1, 2);
    return label;
  }

  static void Select(QComboBox* combo, Word index) {
    combo->setCurrentIndex(index >= 1 && index <= combo->count() ? index - 1 : -1);
  }

  static Word Selected(const QComboBox* combo, Word old) {
    return combo->currentIndex() >= 0 ? static_cast<Word>(combo->currentIndex() + 1) : old;
  }

  // The four selections go into the state at once and the calculation runs, so that the
  // deviations shown belong to them; a later Abbrechen keeps them.
  void Recalculate() {
    PartPair<Word> field;
    PartPair<Word> series;
    for (int i = 1; i <= 2; ++i) {
      field[i] = Selected(field_[i], p_.connection.tolfeld[i]);
      series[i] = Selected(series_[i], p_.connection.tolreihe[i]);
    }
    calc::ApplyTolerances(p_.connection, p_.fmt(), p_.cancel, field, series);
    ShowResults();
  }

  QString Length(const char* name, Extended mm) const {
    return QString::fromStdString(name + base::FormatLengthSig(nf_, mm) + " " +
                                  base::LengthUnit(nf_));
  }

  void ShowResults() {
    const auto& s = p_.connection;
    ase_[1]->setText(Length("Ase1 = ", s.Ase[1]));
    asi_[1]->setText(Length("Asi1 = ", s.Asi[1]));
    ase_[2]->setText(Length("Ase2 = ", s.Ase[2]));
    asi_[2]->setText(Length("Asi2 = ", s.Asi[2]));
    jtmin_->setText(Length("jt min = ", s.jtmin));
    jtmax_->setText(Length("jt max = ", s.jtmax));
  }

  void ShowValues(const SpecState& s) override {
    for (int i = 1; i <= 2; ++i) {
      Select(field_[i], s.tolfeld[i]);
      Select(series_[i], s.tolreihe[i]);
    }
    Recalculate();
  }

  void TakeValues(SpecState& s) override {
    for (int i = 1; i <= 2; ++i) {
      s.tolfeld[i] = Selected(field_[i], s.tolfeld[i]);
      s.tolreihe[i] = Selected(series_[i], s.tolreihe[i]);
    }
  }

  PartPair<QComboBox*> field_{}, series_{};
  PartPair<QLabel*> ase_{}, asi_{};
  QLabel *jtmin_ = nullptr, *jtmax_ = nullptr;
};

}  // namespace

void EditTolerances(app::Program& p, QWidget* parent) {
  ToleranceDialog dialog(p, parent);
  dialog.Run();
}

}  // namespace kv40::model::gui
