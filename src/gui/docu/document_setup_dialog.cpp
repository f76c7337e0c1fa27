// The document setup dialog TForm_confDoku.
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>

#include "gui/docu/docu_dialogs.h"
#include "gui/model/input_dialog.h"
#include "gui/model/place_dialog.h"
#include "help/show_help.h"

namespace kv40::docu::gui {
namespace {

using model::gui::NamedButton;

constexpr int kProgramHint = 2710;
constexpr int kFileHint = 2720;
constexpr int kSetupHelp = 2730;
// Programs have no extension here: the program chooser shows every file.
constexpr const char* kProgramFilter = "Programme|*";
constexpr const char* kFileFilter = "Alle Dateien|*";

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

class TForm_confDoku final : public QDialog {
 public:
  TForm_confDoku(app::Program& p, const DocumentsForm& shown, QWidget* parent)
      : QDialog(parent), p_(p), form_(shown) {
    setObjectName("TForm_confDoku");
    setWindowTitle("Document Setup");
    auto* layout = new QVBoxLayout(this);
    const QString programHint = Q(help::HelpText(p_, kProgramHint));
    const QString fileHint = Q(help::HelpText(p_, kFileHint));
    for (int i = 0; i < model::kDocumentCount; ++i) {
      const QString n = QString::number(i + 1);
      auto* box = new QGroupBox(" Document " + n + " ", this);
      auto* grid = new QGridLayout(box);
      programs_[static_cast<std::size_t>(i)] =
          Row(grid, 0, "Program " + n, "Edit_program" + n, "Button_program" + n, programHint,
              kProgramFilter);
      files_[static_cast<std::size_t>(i)] =
          Row(grid, 1, "File " + n, "Edit_file" + n, "Button_file" + n, fileHint, kFileFilter);
      programs_[static_cast<std::size_t>(i)]->setText(
          Q(shown.documents[static_cast<std::size_t>(i)].program));
      files_[static_cast<std::size_t>(i)]->setText(
          Q(shown.documents[static_cast<std::size_t>(i)].file));
      layout->addWidget(box);
    }
    auto* buttons = model::gui::FormButtonRow(this, p_, kSetupHelp, "&Hilfetext");
    layout->addLayout(buttons);
  }

  DocumentsForm Taken() const {
    DocumentsForm f = form_;
    for (std::size_t i = 0; i < f.documents.size(); ++i) {
      f.documents[i].program = programs_[i]->text().toStdString();
      f.documents[i].file = files_[i]->text().toStdString();
    }
    return f;
  }

 private:
  QLineEdit* Row(QGridLayout* grid, int row, const QString& label, const QString& editName,
                 const QString& buttonName, const QString& hint, const char* filter) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(editName);
    edit->setMaxLength(model::kDocumentFieldLen);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(40, 'x')));
    auto* text = new QLabel(label, this);
    text->setBuddy(edit);
    if (p_.config.helpLevel != 0) text->setToolTip(hint);
    auto* choose = NamedButton(this, buttonName.toUtf8().constData(), "...");
    choose->setAutoDefault(false);
    choose->setMaximumWidth(choose->fontMetrics().horizontalAdvance("...") + 24);
    connect(choose, &QPushButton::clicked, this, [this, edit, filter] { Choose(edit, filter); });
    grid->addWidget(text, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(choose, row, 2);
    return edit;
  }

  // The file dialog starts in the folder of what the edit holds.
  void Choose(QLineEdit* edit, const char* filter) {
    const std::filesystem::path shown = edit->text().trimmed().toStdString();
    const std::string start = shown.has_parent_path() ? shown.parent_path().string() : p_.dataDir;
    if (const auto chosen = p_.GetUi().OpenFile(filter, start)) edit->setText(Q(*chosen));
  }

  app::Program& p_;
  DocumentsForm form_;
  std::array<QLineEdit*, model::kDocumentCount> programs_{};
  std::array<QLineEdit*, model::kDocumentCount> files_{};
};

}  // namespace

std::optional<DocumentsForm> RunDocumentSetupDialog(app::Program& p, const DocumentsForm& shown,
                                                    QWidget* parent) {
  TForm_confDoku dialog(p, shown, parent);
  model::gui::PlaceDialog(&dialog, p);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Taken();
}

}  // namespace kv40::docu::gui
