// The text dialog TForm_kveingabetext: drawing names and numbers of shaft and hub, two
// comment lines.
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "base/utf8.h"
#include "gui/model/input_dialog.h"
#include "gui/model/input_dialogs.h"

namespace kv40::model::gui {
namespace {

class TextDialog final : public InputDialog {
 public:
  TextDialog(app::Program& p, QWidget* parent)
      : InputDialog(p, parent, "TForm_kveingabetext", kProgramTitle) {
    auto* layout = new QVBoxLayout(this);
    for (int part = 1; part <= 2; ++part) {
      auto* box = new QGroupBox(part == 1 ? " Innenteil (IT) " : " Außenteil (AT) ", this);
      auto* grid = new QGridLayout(box);
      const std::string n = std::to_string(part);
      AddText(grid, 0, "Zeichnungsname", "Edit_zeichname" + n, &SpecState::zname, part, kZnameLen);
      AddText(grid, 1, "Zeichnungsnummer", "Edit_zeichnr" + n, &SpecState::znr, part, kZnrLen);
      AddText(grid, 2, "2.Zeichnungsname", "Edit_zeichname2" + n, &SpecState::zname2, part,
              kZname2Len);
      layout->addWidget(box);
    }
    auto* grid = new QGridLayout;
    for (int i = 1; i <= 2; ++i) {
      auto* label = new QLabel(QString("Text %1").arg(i), this);
      auto* edit = new QLineEdit(this);
      edit->setObjectName(QString("Edit_info%1").arg(i));
      edit->setMaxLength(kTextLen);
      edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(kTextLen, 'x')));
      label->setBuddy(edit);
      grid->addWidget(label, i - 1, 0);
      grid->addWidget(edit, i - 1, 1);
      info_[static_cast<std::size_t>(i - 1)] = edit;
    }
    layout->addLayout(grid);
    layout->addLayout(ButtonRow(0, false));
  }

 private:
  struct Entry {
    QLineEdit* edit;
    PartPair<std::string> SpecState::*field;
    int part;
    int maxLength;
  };

  void AddText(QGridLayout* grid, int row, const char* label, const std::string& name,
               PartPair<std::string> SpecState::*field, int part, int maxLength) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromStdString(name));
    edit->setMaxLength(maxLength);
    auto* text = new QLabel(label, this);
    text->setBuddy(edit);
    grid->addWidget(text, row, 0);
    grid->addWidget(edit, row, 1);
    entries_.push_back({edit, field, part, maxLength});
  }

  void ShowValues(const SpecState& s) override {
    for (const auto& e : entries_)
      e.edit->setText(QString::fromStdString((s.*e.field)[e.part]));
    for (int i = 1; i <= 2; ++i)
      info_[static_cast<std::size_t>(i - 1)]->setText(QString::fromStdString(s.text[i]));
  }

  void TakeValues(SpecState& s) override {
    for (const auto& e : entries_) {
      const std::string text = e.edit->text().toStdString();
      (s.*e.field)[e.part] = base::CutChars(text, static_cast<std::size_t>(e.maxLength));
    }
    for (int i = 1; i <= 2; ++i) {
      const std::string text = info_[static_cast<std::size_t>(i - 1)]->text().toStdString();
      s.text[i] = base::CutChars(text, kTextLen);
    }
  }

  std::vector<Entry> entries_;
  std::array<QLineEdit*, 2> info_{};
};

}  // namespace

void EditText(app::Program& p, QWidget* parent) {
  TextDialog dialog(p, parent);
  dialog.Run();
}

}  // namespace kv40::model::gui
