// Qt dialogs behind the Ui seam: choice lists, entries, boxes, text screen, file choosers.
#include "model/gui/qt_ui.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/program.h"

namespace kv40::model {
namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}
std::string S(const QString& s) {
  return s.toStdString();
}

QDialogButtonBox* OkCancel(QDialog* dlg) {
  auto* box = new QDialogButtonBox(dlg);
  box->addButton("OK", QDialogButtonBox::AcceptRole)->setObjectName("Button_ok");
  box->addButton("Abbrechen", QDialogButtonBox::RejectRole)->setObjectName("Button_cancel");
  QObject::connect(box, &QDialogButtonBox::accepted, dlg, &QDialog::accept);
  QObject::connect(box, &QDialogButtonBox::rejected, dlg, &QDialog::reject);
  return box;
}

}  // namespace

std::optional<int> QtUi::Choose(const std::string& prompt, const std::vector<std::string>& items,
                                int preselect, int /*helpContext*/) {
  QDialog dlg(parent_);
  dlg.setWindowTitle("Auswahl");
  auto* layout = new QVBoxLayout(&dlg);
  layout->addWidget(new QLabel(Q(prompt), &dlg));
  QListWidget* list = nullptr;
  QButtonGroup group(&dlg);
  if (items.size() > 7) {
    list = new QListWidget(&dlg);
    for (const auto& item : items)
      list->addItem(Q(item));
    list->setCurrentRow(preselect - 1);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dlg, &QDialog::accept);
    layout->addWidget(list);
  } else {
    for (std::size_t i = 0; i < items.size(); ++i) {
      auto* radio = new QRadioButton(Q(items[i]), &dlg);
      group.addButton(radio, static_cast<int>(i) + 1);
      radio->setChecked(static_cast<int>(i) + 1 == preselect);
      layout->addWidget(radio);
    }
  }
  layout->addWidget(OkCancel(&dlg));
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  if (list != nullptr) return list->currentRow() + 1;
  return group.checkedId() > 0 ? group.checkedId() : preselect;
}

std::optional<bool> QtUi::YesNo(const std::string& prompt, bool preset, int /*helpContext*/) {
  QDialog dlg(parent_);
  dlg.setWindowTitle("Eingabe");
  auto* layout = new QVBoxLayout(&dlg);
  layout->addWidget(new QLabel(Q(prompt), &dlg));
  auto* yes = new QRadioButton("&Ja", &dlg);
  auto* no = new QRadioButton("&Nein", &dlg);
  (preset ? yes : no)->setChecked(true);
  layout->addWidget(yes);
  layout->addWidget(no);
  layout->addWidget(OkCancel(&dlg));
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  return yes->isChecked();
}

std::optional<std::string> QtUi::EnterText(const std::string& prompt, int maxLength,
                                           const std::string& preset, int /*helpContext*/) {
  QDialog dlg(parent_);
  dlg.setWindowTitle("Eingabe");
  dlg.setSizeGripEnabled(true);
  auto* layout = new QVBoxLayout(&dlg);
  auto* label = new QLabel(Q(prompt), &dlg);
  label->setWordWrap(true);
  layout->addWidget(label);
  auto* edit = new QLineEdit(Q(preset), &dlg);
  edit->setObjectName("Edit_text");
  if (maxLength > 0) edit->setMaxLength(maxLength);
  layout->addWidget(edit);
  layout->addWidget(OkCancel(&dlg));
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  return S(edit->text());
}

Answer QtUi::YesNoCancel(const std::string& caption, const std::string& text) {
  const auto b = QMessageBox::question(parent_, Q(caption), Q(text),
                                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                       QMessageBox::Yes);
  if (b == QMessageBox::Yes) return Answer::Yes;
  if (b == QMessageBox::No) return Answer::No;
  return Answer::Cancel;
}

void QtUi::MessageBox(BoxKind kind, const std::string& caption, const std::string& text) {
  if (kind == BoxKind::Error) {
    QMessageBox::critical(parent_, Q(caption), Q(text));
  } else {
    QMessageBox::information(parent_, Q(caption), Q(text));
  }
}

void QtUi::TextScreen(const std::string& caption, const std::vector<std::string>& lines) {
  QDialog dlg(parent_);
  dlg.setWindowTitle(Q(caption));
  auto* layout = new QVBoxLayout(&dlg);
  auto* memo = new QPlainTextEdit(&dlg);
  memo->setReadOnly(true);
  memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  QString text;
  for (const auto& line : lines)
    text += Q(line) + '\n';
  memo->setPlainText(text);
  const QFontMetrics fm(memo->font());
  memo->setMinimumSize(fm.horizontalAdvance(QString(66, 'x')), fm.lineSpacing() * 23);
  layout->addWidget(memo);
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok, &dlg);
  QObject::connect(box, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
  layout->addWidget(box);
  dlg.exec();
}

std::optional<std::string> QtUi::OpenFile(const std::string& filter, const std::string& startDir) {
  const QString f = QFileDialog::getOpenFileName(parent_, QString(), Q(startDir), Q(filter));
  if (f.isEmpty()) return std::nullopt;
  return S(f);
}

std::optional<std::string> QtUi::SaveFile(const std::string& filter, const std::string& startDir) {
  const QString f = QFileDialog::getSaveFileName(parent_, QString(), Q(startDir), Q(filter),
                                                 nullptr, QFileDialog::DontConfirmOverwrite);
  if (f.isEmpty()) return std::nullopt;
  return S(f);
}

std::optional<std::string> QtUi::ChooseFolder(const std::string& caption,
                                              const std::string& startDir) {
  const QString d = QFileDialog::getExistingDirectory(parent_, Q(caption), Q(startDir));
  if (d.isEmpty()) return std::nullopt;
  return S(d);
}

MessageHelpEdit QtUi::MessageHelp(const std::string& message, const std::string& cause,
                                  const std::string& remedy, int /*helpContext*/) {
  QDialog dlg(parent_);
  dlg.setObjectName("Thelperr");
  dlg.setWindowTitle("Fehlermeldung");
  auto* form = new QFormLayout(&dlg);
  auto* msg = new QLineEdit(Q(message), &dlg);
  msg->setObjectName("Edit_meldung");
  auto* causeMemo = new QPlainTextEdit(Q(cause), &dlg);
  causeMemo->setObjectName("Memo_ursache");
  auto* remedyMemo = new QPlainTextEdit(Q(remedy), &dlg);
  remedyMemo->setObjectName("Memo_abhilfe");
  form->addRow("Fehlermeldung", msg);
  form->addRow("Ursache", causeMemo);
  form->addRow("Abhilfe", remedyMemo);
  bool modified = false;
  QObject::connect(causeMemo, &QPlainTextEdit::textChanged, [&] { modified = true; });
  QObject::connect(remedyMemo, &QPlainTextEdit::textChanged, [&] { modified = true; });
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok, &dlg);
  QObject::connect(box, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
  form->addRow(box);
  dlg.exec();
  return {modified, S(causeMemo->toPlainText()), S(remedyMemo->toPlainText())};
}

void QtUi::Beep() {
  QApplication::beep();
}

}  // namespace kv40::model
