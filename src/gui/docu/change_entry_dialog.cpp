// The change-entry dialog TForm_EinAend.
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/utf8.h"
#include "gui/docu/docu_dialogs.h"
#include "gui/model/input_dialog.h"
#include "gui/model/place_dialog.h"

namespace kv40::docu::gui {
namespace {

using model::gui::NamedButton;

constexpr int kChangeEntryHelp = 3000;

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

class TForm_EinAend final : public QDialog {
 public:
  TForm_EinAend(app::Program& p, const ChangeEntryForm& shown, QWidget* parent)
      : QDialog(parent), p_(p), form_(shown) {
    setObjectName("TForm_EinAend");
    setWindowTitle(QString("Änderung") + " " + QString::number(shown.index));
    auto* grid = new QGridLayout;
    text_ = Edit(grid, 0, "Änderungste&xt", "Edit_changeText", model::kChangeTextLen);
    date_ = Edit(grid, 1, "&Datum", "Edit_changeDate", model::kChangeDateLen);
    auto* today = NamedButton(this, "Button_today", "<" + Q(shown.today));
    today->setAutoDefault(false);
    connect(today, &QPushButton::clicked, this, [this] { date_->setText(Q(form_.today)); });
    grid->addWidget(today, 1, 2);
    editor_ = Edit(grid, 2, "&Bearbeiter", "Edit_editor", model::kEditorLen);
    auto* label = new QLabel("Beschrei&bung", this);
    description_ = new QPlainTextEdit(this);
    description_->setObjectName("Memo_description");
    description_->setTabChangesFocus(true);
    label->setBuddy(description_);
    connect(description_, &QPlainTextEdit::textChanged, this, [this] { LimitDescription(); });
    grid->addWidget(label, 3, 0, Qt::AlignTop);
    grid->addWidget(description_, 3, 1, 1, 2);

    auto* buttons = model::gui::FormButtonRow(this, p_, kChangeEntryHelp, "&Hilfe");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    // the fields first, the "<" button after them
    setTabOrder(text_, date_);
    setTabOrder(date_, editor_);
    setTabOrder(editor_, description_);
    setTabOrder(description_, today);
    setTabOrder(today, findChild<QPushButton*>("Button_ok"));

    text_->setText(Q(shown.changeText));
    date_->setText(Q(shown.changeDate));
    editor_->setText(Q(shown.editor));
    description_->setPlainText(Q(shown.description));
  }

  ChangeEntryForm Taken() const {
    ChangeEntryForm f = form_;
    f.changeText = text_->text().toStdString();
    f.changeDate = date_->text().toStdString();
    f.editor = editor_->text().toStdString();
    f.description = description_->toPlainText().toStdString();
    return f;
  }

 private:
  QLineEdit* Edit(QGridLayout* grid, int row, const char* label, const char* name, int length) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setMaxLength(length);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(length + 2, 'M')));
    auto* text = new QLabel(label, this);
    text->setBuddy(edit);
    grid->addWidget(text, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
  }

  // The description holds 255 characters at most; what is typed beyond is not taken.
  void LimitDescription() {
    const std::string text = description_->toPlainText().toStdString();
    if (base::CharCount(text) <= static_cast<std::size_t>(model::kDescriptionLen)) return;
    const QSignalBlocker block(description_);
    description_->setPlainText(Q(base::CutChars(text, model::kDescriptionLen)));
    description_->moveCursor(QTextCursor::End);
  }

  app::Program& p_;
  ChangeEntryForm form_;
  QLineEdit* text_ = nullptr;
  QLineEdit* date_ = nullptr;
  QLineEdit* editor_ = nullptr;
  QPlainTextEdit* description_ = nullptr;
};

}  // namespace

std::optional<ChangeEntryForm> RunChangeEntryDialog(app::Program& p, const ChangeEntryForm& shown,
                                                    QWidget* parent) {
  TForm_EinAend dialog(p, shown, parent);
  model::gui::PlaceDialog(&dialog, p);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Taken();
}

}  // namespace kv40::docu::gui
