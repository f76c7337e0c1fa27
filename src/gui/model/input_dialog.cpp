// Number fields, button row and modal run shared by the input dialogs.
#include "gui/model/input_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "base/format.h"
#include "gui/model/place_dialog.h"
#include "help/show_help.h"
#include "model/dialogs.h"

namespace kv40::model::gui {
namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

std::string Format(const base::NumberFormat& nf, Quantity q, Extended v) {
  switch (q) {
    case Quantity::Real:
    case Quantity::Angle:
      return base::FormatSig(nf, v);
    case Quantity::RealLong:
      return base::FormatSigLong(nf, v);
    case Quantity::Integer:
      return base::IntToText(static_cast<std::int64_t>(v));
    case Quantity::Length:
      return base::FormatLengthSig(nf, v);
    case Quantity::LengthLong:
      return base::FormatLengthSigLong(nf, v);
    case Quantity::Stress:
      return base::FormatStressSig(nf, v);
    case Quantity::Torque:
      return base::FormatTorqueSig(nf, v);
  }
  return {};
}

// The stored value of a typed text (display unit to stored unit); empty when not a number.
std::optional<Extended> Parse(const base::NumberFormat& nf, Quantity q, const std::string& text) {
  if (q == Quantity::Integer) {
    const auto n = base::TryParseInt(text);
    return n ? std::optional<Extended>(static_cast<Extended>(*n)) : std::nullopt;
  }
  if (!base::TryParseNumber(text)) return std::nullopt;
  switch (q) {
    case Quantity::Length:
    case Quantity::LengthLong:
      return base::ParseLength(nf, text);
    case Quantity::Stress:
      return base::ParseStress(nf, text);
    case Quantity::Torque:
      return base::ParseTorque(nf, text);
    default:
      return base::ParseNumber(text);
  }
}

}  // namespace

ValueEdit::ValueEdit(const base::NumberFormat& nf, Quantity q, const char* name, QWidget* parent)
    : QLineEdit(parent), nf_(nf), quantity_(q) {
  setObjectName(name);
}

void ValueEdit::SetValue(Extended value) {
  shown_ = value;
  shownText_ = Q(Format(nf_, quantity_, value));
  setText(shownText_);
}

Extended ValueEdit::Value() const {
  return TryValue().value_or(0);
}

std::optional<Extended> ValueEdit::TryValue() const {
  if (text() == shownText_) return shown_;
  return Parse(nf_, quantity_, text().trimmed().toStdString());
}

QString ValueEdit::Refusal() const {
  const QString name = label_.isEmpty() ? objectName() : label_;
  const std::optional<Extended> v = TryValue();
  if (!v) return name + ": " + "Ungültige Eingabe \"" + text() + "\" !";
  if (range_ && !calc::InRange(*range_, *v) && !(zeroAccepted_ && *v == 0)) {
    return name + ": " + "Gültiger Wertebereich: " + (zeroAccepted_ ? "0 oder " : "") +
           Q(Format(nf_, quantity_, range_->lower)) + " .. " +
           Q(Format(nf_, quantity_, range_->upper)) + " !";
  }
  return {};
}

QString UnitText(const base::NumberFormat& nf, Quantity q) {
  switch (q) {
    case Quantity::Length:
    case Quantity::LengthLong:
      return Q(base::LengthUnit(nf));
    case Quantity::Stress:
      return Q(base::StressUnit(nf));
    case Quantity::Torque:
      return Q(base::TorqueUnit(nf));
    case Quantity::Angle:
      return Q(base::AngleUnit(nf));
    default:
      return {};
  }
}

InputDialog::InputDialog(app::Program& p, QWidget* parent, const char* objectName,
                         const QString& caption)
    : QDialog(parent), p_(p), nf_(p.config.fmt), work_(p.connection) {
  setObjectName(objectName);
  setWindowTitle(caption);
}

void InputDialog::Run() {
  ShowValues(p_.connection);
  PlaceDialog(this, p_);
  if (exec() == QDialog::Accepted) {
    p_.cancel = false;
    TakeValues(p_.connection);
    Accepted();
  } else {
    p_.cancel = true;
  }
}

void InputDialog::accept() {
  for (ValueEdit* edit : findChildren<ValueEdit*>()) {
    if (!edit->isEnabled()) continue;  // shows what the dialog fills in itself
    const QString refusal = edit->Refusal();
    if (refusal.isEmpty()) continue;
    p_.GetUi().Beep();
    model::ShowError(p_, refusal.toStdString());
    edit->RestoreShown();
    edit->setFocus();
    edit->selectAll();
    return;
  }
  QDialog::accept();
}

QHBoxLayout* InputDialog::ButtonRow(int helpNumber, bool withImage) {
  auto* row = new QHBoxLayout;
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("Button_ok");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* cancel = new QPushButton("Abbrechen", this);
  cancel->setObjectName("Button_cancel");
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  row->addWidget(ok);
  row->addWidget(cancel);
  if (helpNumber > 0) {
    auto* help = new QPushButton("&Hilfe", this);
    help->setObjectName("Button_help");
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this,
            [this, helpNumber] { DialogHelp(p_, helpNumber, false); });
    row->addWidget(help);
    if (withImage) row->addWidget(HelpImageButton("Button_helpImage", "Hilfe&bild", helpNumber));
  }
  row->addStretch();
  return row;
}

QPushButton* InputDialog::ArrowButton(const char* name, const QString& caption,
                                      std::function<void()> action) {
  QPushButton* button = NamedButton(this, name, caption);
  button->setMaximumWidth(button->fontMetrics().horizontalAdvance(caption) + 24);
  connect(button, &QPushButton::clicked, this, std::move(action));
  return button;
}

QPushButton* InputDialog::HelpImageButton(const char* name, const QString& caption, int n) {
  return ArrowButton(name, caption, [this, n] { DialogHelp(p_, n, true); });
}

ValueEdit* InputDialog::AddField(QGridLayout* grid, int row, const QString& label, const char* name,
                                 Quantity q, int hint, const QString& fixedUnit) {
  auto* edit = new ValueEdit(nf_, q, name, this);
  edit->SetLabel(QString(label).remove('&').trimmed());
  auto* text = new QLabel(label, this);
  text->setBuddy(edit);
  auto* unit = new QLabel(fixedUnit.isEmpty() ? UnitText(nf_, q) : fixedUnit, this);
  grid->addWidget(text, row, 0);
  grid->addWidget(edit, row, 1);
  grid->addWidget(unit, row, 2);
  if (fixedUnit.isEmpty()) units_.emplace_back(unit, edit);
  SetHint({text, edit}, hint);
  return edit;
}

void InputDialog::SetHint(std::initializer_list<QWidget*> widgets, int n) {
  if (n == 0 || p_.config.helpLevel == 0) return;
  const QString hint = QString::fromStdString(help::HelpText(p_, n));
  for (QWidget* w : widgets)
    w->setToolTip(hint);
}

void InputDialog::ToggleUnits() {
  TakeValues(work_);
  p_.config.fmt.inchUnits = p_.config.fmt.inchUnits == 1 ? 0 : 1;
  ShowValues(work_);
}

void InputDialog::ShowUnits() {
  for (auto& [label, edit] : units_)
    label->setText(UnitText(nf_, edit->quantity()));
}

void DialogHelp(app::Program& p, int n, bool image) {
  help::ShowHelp(p, n, image ? help::HelpMode::Image : help::HelpMode::Text);
}

QHBoxLayout* FormButtonRow(QDialog* dialog, app::Program& p, int helpNumber,
                           const QString& helpCaption) {
  auto* row = new QHBoxLayout;
  auto* ok = NamedButton(dialog, "Button_ok", "OK");
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  auto* cancel = NamedButton(dialog, "Button_cancel", "Abbrechen");
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  auto* help = NamedButton(dialog, "Button_help", helpCaption);
  QObject::connect(help, &QPushButton::clicked, dialog,
                   [&p, helpNumber] { DialogHelp(p, helpNumber, false); });
  row->addWidget(ok);
  row->addWidget(cancel);
  row->addWidget(help);
  row->addStretch();
  return row;
}

}  // namespace kv40::model::gui
