// One tab page of the configuration dialog: its controls, each bound to a setting by a pair
// of copy steps (settings into the control, control into the settings).
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include <QString>
#include <QWidget>

#include "app/program.h"
#include "config/config_format.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace kv40::config::gui {

// A radio group: the group box (named like the group) and its buttons in item order.
struct RadioGroup {
  QGroupBox* box = nullptr;
  std::vector<QRadioButton*> items;
  int ItemIndex() const;  // -1 when none is checked
  void SetItemIndex(int i) const;
};

class ConfigPage : public QWidget {
 public:
  ConfigPage(app::Program& p, const ScreenInfo& screen, const char* name, QWidget* parent);

  void Show(const model::Config& c) const;
  void Take(model::Config& c) const;

 protected:
  using ShowFn = std::function<void(const model::Config&)>;
  using TakeFn = std::function<void(model::Config&)>;
  void Bind(ShowFn show, TakeFn take);

  // One row: label | edit | extra widgets. The edit gets the label as its hint too.
  QLineEdit* AddEdit(const QString& label, const char* name, int hint = 0);
  QLineEdit* AddRealEdit(const QString& label, const char* name, Extended model::Config::*field,
                         Extended zeroBecomes = 0);
  QLineEdit* AddIntEdit(const QString& label, const char* name, int model::Config::*field);
  QSpinBox* AddSpin(const QString& label, const char* name, int min, int max);
  QCheckBox* AddCheck(const QString& caption, const char* name, bool model::Config::*field);
  RadioGroup AddRadios(const QString& caption, const char* name,
                       std::initializer_list<const char*> items);
  // A small button at the end of the last row.
  QPushButton* AddRowButton(const char* name, const QString& caption, std::function<void()> fn);
  // A button on a row of its own.
  QPushButton* AddButton(const char* name, const QString& caption, std::function<void()> fn);
  void AddWidget(QWidget* w);  // a whole row
  void Finish();               // stretch below the rows

  QString Number(Extended v) const;
  Extended ParseText(const QLineEdit* edit) const;
  // A folder chosen with the folder dialog into the edit.
  void ChooseFolderInto(QLineEdit* edit, const QString& caption);
  // A program file chosen with the file dialog into the edit.
  void ChooseFileInto(QLineEdit* edit);

  app::Program& p_;
  ScreenInfo screen_;
  QGridLayout* grid_;
  int row_ = 0;

 private:
  std::vector<ShowFn> shows_;
  std::vector<TakeFn> takes_;
};

// The tab pages in their order.
ConfigPage* MakeDirectoriesPage(app::Program& p, const ScreenInfo& s, QWidget* parent);
ConfigPage* MakeGraphicsPage(app::Program& p, const ScreenInfo& s, QWidget* parent);
ConfigPage* MakeCadPage(app::Program& p, const ScreenInfo& s, QWidget* parent);
ConfigPage* MakeColoursPage(app::Program& p, const ScreenInfo& s, QWidget* parent);
ConfigPage* MakePrinterPage(app::Program& p, const ScreenInfo& s, QWidget* parent);
ConfigPage* MakePrintoutPage(app::Program& p, const ScreenInfo& s, QWidget* parent);
ConfigPage* MakeSettingsPage(app::Program& p, const ScreenInfo& s, QWidget* parent);
ConfigPage* MakeExternalPage(app::Program& p, const ScreenInfo& s, QWidget* parent);
ConfigPage* MakeDrawingPage(app::Program& p, const ScreenInfo& s, QWidget* parent);
ConfigPage* MakeMiscPage(app::Program& p, const ScreenInfo& s, QWidget* parent);

}  // namespace kv40::config::gui
