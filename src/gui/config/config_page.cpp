// The building blocks of the configuration dialog's pages.
#include "gui/config/config_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/format.h"
#include "gui/model/place_dialog.h"
#include "help/show_help.h"

namespace kv40::config::gui {

int RadioGroup::ItemIndex() const {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i]->isChecked()) return static_cast<int>(i);
  }
  return -1;
}

void RadioGroup::SetItemIndex(int i) const {
  if (i < 0 || i >= static_cast<int>(items.size())) i = 0;
  items[static_cast<std::size_t>(i)]->setChecked(true);
}

ConfigPage::ConfigPage(app::Program& p, const ScreenInfo& screen, const char* name, QWidget* parent)
    : QWidget(parent), p_(p), screen_(screen), grid_(new QGridLayout(this)) {
  setObjectName(name);
}

void ConfigPage::Show(const model::Config& c) const {
  for (const auto& show : shows_)
    show(c);
}

void ConfigPage::Take(model::Config& c) const {
  for (const auto& take : takes_)
    take(c);
}

void ConfigPage::Bind(ShowFn show, TakeFn take) {
  shows_.push_back(std::move(show));
  takes_.push_back(std::move(take));
}

QLineEdit* ConfigPage::AddEdit(const QString& label, const char* name, int hint) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(name);
  auto* text = new QLabel(label, this);
  text->setBuddy(edit);
  grid_->addWidget(text, row_, 0);
  grid_->addWidget(edit, row_, 1);
  if (hint != 0 && p_.config.helpLevel != 0) {
    const QString tip = QString::fromStdString(help::HelpText(p_, hint));
    edit->setToolTip(tip);
    text->setToolTip(tip);
  }
  ++row_;
  return edit;
}

QLineEdit* ConfigPage::AddRealEdit(const QString& label, const char* name,
                                   Extended model::Config::*field, Extended zeroBecomes) {
  QLineEdit* edit = AddEdit(label, name);
  Bind([this, edit, field](const model::Config& c) { edit->setText(Number(c.*field)); },
       [this, edit, field, zeroBecomes](model::Config& c) {
         const Extended v = ParseText(edit);
         c.*field = v == 0 && zeroBecomes != 0 ? zeroBecomes : v;
       });
  return edit;
}

QLineEdit* ConfigPage::AddIntEdit(const QString& label, const char* name,
                                  int model::Config::*field) {
  QLineEdit* edit = AddEdit(label, name);
  Bind([edit, field](const model::Config& c) { edit->setText(QString::number(c.*field)); },
       [edit, field](model::Config& c) {
         c.*field = static_cast<int>(base::ParseInt(edit->text().trimmed().toStdString()));
       });
  return edit;
}

QSpinBox* ConfigPage::AddSpin(const QString& label, const char* name, int min, int max) {
  auto* spin = new QSpinBox(this);
  spin->setObjectName(name);
  spin->setRange(min, max);
  auto* text = new QLabel(label, this);
  text->setBuddy(spin);
  grid_->addWidget(text, row_, 0);
  grid_->addWidget(spin, row_, 1);
  ++row_;
  return spin;
}

QCheckBox* ConfigPage::AddCheck(const QString& caption, const char* name,
                                bool model::Config::*field) {
  auto* box = new QCheckBox(caption, this);
  box->setObjectName(name);
  grid_->addWidget(box, row_++, 0, 1, 2);
  if (field != nullptr) {
    Bind([box, field](const model::Config& c) { box->setChecked(c.*field); },
         [box, field](model::Config& c) { c.*field = box->isChecked(); });
  }
  return box;
}

RadioGroup ConfigPage::AddRadios(const QString& caption, const char* name,
                                 std::initializer_list<const char*> items) {
  RadioGroup g;
  g.box = new QGroupBox(caption, this);
  g.box->setObjectName(name);
  auto* layout = new QVBoxLayout(g.box);
  int i = 0;
  for (const char* item : items) {
    auto* b = new QRadioButton(QString::fromUtf8(item), g.box);
    b->setObjectName(QString(name) + "_" + QString::number(i++));
    layout->addWidget(b);
    g.items.push_back(b);
  }
  grid_->addWidget(g.box, row_++, 0, 1, 3);
  return g;
}

QPushButton* ConfigPage::AddRowButton(const char* name, const QString& caption,
                                      std::function<void()> fn) {
  QPushButton* b = model::gui::NamedButton(this, name, caption);
  b->setMaximumWidth(b->fontMetrics().horizontalAdvance(caption) + 24);
  connect(b, &QPushButton::clicked, this, std::move(fn));
  int column = 2;
  while (grid_->itemAtPosition(row_ - 1, column) != nullptr)
    ++column;
  grid_->addWidget(b, row_ - 1, column);
  return b;
}

QPushButton* ConfigPage::AddButton(const char* name, const QString& caption,
                                   std::function<void()> fn) {
  QPushButton* b = model::gui::NamedButton(this, name, caption);
  connect(b, &QPushButton::clicked, this, std::move(fn));
  grid_->addWidget(b, row_++, 0);
  return b;
}

void ConfigPage::AddWidget(QWidget* w) {
  grid_->addWidget(w, row_++, 0, 1, 4);
}

void ConfigPage::Finish() {
  grid_->setRowStretch(row_, 1);
  grid_->setColumnStretch(1, 1);
}

// Settings are shown with their full digits whatever the decimals of the reports are; only the
// decimal separator follows the configuration.
QString ConfigPage::Number(Extended v) const {
  base::NumberFormat nf;
  nf.decimalSeparator = p_.config.fmt.decimalSeparator;
  return QString::fromStdString(base::FormatSig(nf, v));
}

Extended ConfigPage::ParseText(const QLineEdit* edit) const {
  return base::ParseNumber(edit->text().trimmed().toStdString());
}

void ConfigPage::ChooseFolderInto(QLineEdit* edit, const QString& caption) {
  const auto folder = p_.GetUi().ChooseFolder(caption.toStdString(), edit->text().toStdString());
  if (folder) edit->setText(QString::fromStdString(*folder));
}

void ConfigPage::ChooseFileInto(QLineEdit* edit) {
  const auto file = p_.GetUi().OpenFile("*", edit->text().toStdString());
  if (file) edit->setText(QString::fromStdString(*file));
}

}  // namespace kv40::config::gui
