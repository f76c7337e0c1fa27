// Building blocks shared by the input dialogs: number fields that keep full precision while
// their text is untouched, the OK/Abbrechen/help button row and the modal run.
#pragma once

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include <QDialog>
#include <QLineEdit>

#include "app/program.h"
#include "calc/input_ranges.h"

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;

namespace kv40::model::gui {

// How a number field shows and reads its value.
enum class Quantity {
  Real,        // FormatSig / ParseNumber
  RealLong,    // FormatSigLong / ParseNumber
  Integer,     // decimal / ParseInt
  Angle,       // degrees, FormatSig / ParseNumber
  Length,      // mm, shown in the display unit
  LengthLong,  // mm, with more digits
  Stress,      // N/mm^2, shown in the display unit
  Torque,      // N m, shown in the display unit
};

// A number entry. Value() gives back exactly what SetValue() showed while the text is
// unchanged (the text is rounded, the value is not); an edited text is parsed in the
// current display unit. TryValue() is empty for a text that is not a number, for which
// Value() gives 0 (the dialog's own helpers compute with it while the user types).
class ValueEdit final : public QLineEdit {
  Q_OBJECT

 public:
  ValueEdit(const base::NumberFormat& nf, Quantity q, const char* name, QWidget* parent);
  void SetValue(Extended value);
  Extended Value() const;
  std::optional<Extended> TryValue() const;
  Quantity quantity() const { return quantity_; }

  // The field's name in messages (its label).
  void SetLabel(const QString& label) { label_ = label; }
  const QString& label() const { return label_; }
  // The values OK accepts (stored units); without one any number is accepted. With
  // zeroMeansDefault, 0 is accepted too (the calculation puts its default in).
  void SetRange(const calc::InputRange& range, bool zeroMeansDefault = false) {
    range_ = range;
    zeroAccepted_ = zeroMeansDefault;
  }
  // Empty when the text is a number within the range; else the message that refuses it.
  QString Refusal() const;
  // Shows the value of the last SetValue again.
  void RestoreShown() { setText(shownText_); }

 private:
  const base::NumberFormat& nf_;
  Quantity quantity_;
  Extended shown_ = 0;
  QString shownText_;
  QString label_;
  std::optional<calc::InputRange> range_;
  bool zeroAccepted_ = false;
};

// The unit label of a quantity in the current display unit ("mm", "in", "MPa", ...).
QString UnitText(const base::NumberFormat& nf, Quantity q);

class InputDialog : public QDialog {
  Q_OBJECT

 public:
  // Runs the dialog modally: ShowValues first; OK clears p.cancel and takes the values into
  // p.connection, Abbrechen and Esc set p.cancel.
  void Run();
  // OK: every enabled number field must hold a number within its range; the first that does
  // not is named in an error, shows its previous value again and keeps the dialog open.
  void accept() override;

 protected:
  InputDialog(app::Program& p, QWidget* parent, const char* objectName, const QString& caption);
  virtual void ShowValues(const SpecState& s) = 0;
  virtual void TakeValues(SpecState& s) = 0;
  // Called after OK has taken the values (for what is not part of the state).
  virtual void Accepted() {}

  // "OK", "Abbrechen" and, with a help number, "&Hilfe" (and "Hilfe&bild").
  QHBoxLayout* ButtonRow(int helpNumber, bool withImage);
  // A "<" button with its object name that runs action.
  QPushButton* ArrowButton(const char* name, const QString& caption, std::function<void()> action);
  // A button that shows help image n.
  QPushButton* HelpImageButton(const char* name, const QString& caption, int n);
  // label | edit | unit label in one grid row; the unit follows mm/inch unless fixedUnit
  // is given.
  ValueEdit* AddField(QGridLayout* grid, int row, const QString& label, const char* name,
                      Quantity q, int hint = 0, const QString& fixedUnit = {});
  // With the help level on, the widgets show help text n as their hint.
  void SetHint(std::initializer_list<QWidget*> widgets, int n);
  // Takes the controls into a working copy, flips mm/inch and shows the copy again: the
  // stored state is untouched until OK.
  void ToggleUnits();
  // Rewrites the unit labels of the fields added with AddField.
  void ShowUnits();

  app::Program& p_;
  const base::NumberFormat& nf_;
  SpecState work_;  // the state as the controls show it during in-dialog actions

 private:
  std::vector<std::pair<QLabel*, ValueEdit*>> units_;
};

// Opens help text n (mode text) or image n (mode image) of a dialog.
void DialogHelp(app::Program& p, int n, bool image);

// The button row of a form: "OK" (the default button) accepts, "Abbrechen" rejects, the help
// button (helpCaption) opens help text helpNumber. Enter in a field presses only OK.
QHBoxLayout* FormButtonRow(QDialog* dialog, app::Program& p, int helpNumber,
                           const QString& helpCaption);

}  // namespace kv40::model::gui
