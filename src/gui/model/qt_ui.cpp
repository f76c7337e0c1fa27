// Qt dialogs behind the Ui seam: choice lists, entries, boxes, text screen, file choosers.
#include "gui/model/qt_ui.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include "app/program.h"
#include "gui/model/choice_dialogs.h"
#include "gui/report/thelperr.h"

namespace kv40::model {
namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

std::optional<std::string> RunFileDialog(QWidget* parent, QFileDialog::AcceptMode mode,
                                         const std::string& filter, const std::string& startDir) {
  QFileDialog dlg(parent);
  dlg.setObjectName(mode == QFileDialog::AcceptOpen ? "OpenDialog" : "SaveDialog");
  dlg.setAcceptMode(mode);
  dlg.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                  : QFileDialog::AnyFile);
  // The program asks its own overwrite question.
  dlg.setOption(QFileDialog::DontConfirmOverwrite);
  if (!startDir.empty()) dlg.setDirectory(Q(startDir));
  if (!filter.empty()) dlg.setNameFilter(gui::QtFileFilter(filter));
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
  return dlg.selectedFiles().first().toStdString();
}

}  // namespace

namespace gui {

QString QtFileFilter(const std::string& filter) {
  const QStringList parts = Q(filter).split('|');
  if (parts.size() < 2) return Q(filter);
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    filters << parts[i] + " (" + patterns + ")";
  }
  return filters.join(";;");
}

}  // namespace gui

std::optional<int> QtUi::Choose(const std::string& prompt, const std::vector<std::string>& items,
                                int preselect, int helpContext) {
  return gui::RunChoiceDialog(p_, parent_, prompt, items, preselect, helpContext);
}

std::optional<bool> QtUi::YesNo(const std::string& prompt, bool preset, int helpContext) {
  return gui::RunYesNoDialog(p_, parent_, prompt, preset, helpContext);
}

std::optional<std::string> QtUi::EnterText(const std::string& prompt, int maxLength,
                                           const std::string& preset, int helpContext) {
  return gui::RunTextDialog(p_, parent_, prompt, maxLength, preset, helpContext);
}

Answer QtUi::YesNoCancel(const std::string& caption, const std::string& text) {
  QMessageBox box(QMessageBox::Question, Q(caption), Q(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
  box.setObjectName("YesNoCancelBox");
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  const int b = box.exec();
  if (b == QMessageBox::Yes) return Answer::Yes;
  if (b == QMessageBox::No) return Answer::No;
  return Answer::Cancel;
}

void QtUi::MessageBox(BoxKind kind, const std::string& caption, const std::string& text) {
  const QMessageBox::Icon icon = kind == BoxKind::Error   ? QMessageBox::Critical
                                 : kind == BoxKind::Plain ? QMessageBox::NoIcon
                                                          : QMessageBox::Information;
  QMessageBox box(icon, Q(caption), Q(text), QMessageBox::Ok, parent_);
  box.setObjectName("MessageBox");
  box.exec();
}

void QtUi::TextScreen(const std::string& caption, const std::vector<std::string>& lines) {
  gui::RunTextScreen(p_, parent_, caption, lines);
}

std::optional<std::string> QtUi::OpenFile(const std::string& filter, const std::string& startDir) {
  return RunFileDialog(parent_, QFileDialog::AcceptOpen, filter, startDir);
}

std::optional<std::string> QtUi::SaveFile(const std::string& filter, const std::string& startDir) {
  return RunFileDialog(parent_, QFileDialog::AcceptSave, filter, startDir);
}

std::optional<std::string> QtUi::ChooseFolder(const std::string& caption,
                                              const std::string& startDir) {
  QFileDialog dlg(parent_, Q(caption), Q(startDir));
  dlg.setObjectName("FolderDialog");
  dlg.setFileMode(QFileDialog::Directory);
  dlg.setOption(QFileDialog::ShowDirsOnly);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
  return dlg.selectedFiles().first().toStdString();
}

MessageHelpEdit QtUi::MessageHelp(const std::string& message, const std::string& cause,
                                  const std::string& remedy, int /*helpContext*/) {
  return report::gui::RunThelperr(p_, parent_, message, cause, remedy);
}

void QtUi::Beep() {
  QApplication::beep();
}

}  // namespace kv40::model
