// The message help dialog: "Fehlermeldung", "Ursache", "Abhilfe".
#include "gui/report/thelperr.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/model/place_dialog.h"
#include "help/show_help.h"
#include "report/message_help.h"

namespace kv40::report::gui {
namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

class Thelperr final : public QDialog {
 public:
  Thelperr(app::Program& p, QWidget* parent) : QDialog(parent), p_(p) { FormCreate(); }

  void Show(const std::string& message, const std::string& cause, const std::string& remedy) {
    Edit_meldung->setText(Q(message));
    Memo_ursache->setPlainText(Q(cause));
    Memo_abhilfe->setPlainText(Q(remedy));
    FormShow();
  }
  bool modified() const { return modified_; }
  std::string Cause() const { return Memo_ursache->toPlainText().toStdString(); }
  std::string Remedy() const { return Memo_abhilfe->toPlainText().toStdString(); }

 private:
  QLabel* AddLabel(QGridLayout* grid, int row, const char* name, const char* caption) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(label, row, 0);
    return label;
  }

  void FormCreate() {
    setObjectName("Thelperr");
    setWindowTitle("Fehlermeldung");
    auto* grid = new QGridLayout(this);
    AddLabel(grid, 0, "Label_meldung", "Fehlermeldung");
    Edit_meldung = new QLineEdit(this);
    Edit_meldung->setObjectName("Edit_meldung");
    grid->addWidget(Edit_meldung, 0, 1);
    AddLabel(grid, 1, "Label_ursache", "Ursache");
    Memo_ursache = new QPlainTextEdit(this);
    Memo_ursache->setObjectName("Memo_ursache");
    grid->addWidget(Memo_ursache, 1, 1);
    AddLabel(grid, 2, "Label_abhilfe", "Abhilfe");
    Memo_abhilfe = new QPlainTextEdit(this);
    Memo_abhilfe->setObjectName("Memo_abhilfe");
    grid->addWidget(Memo_abhilfe, 2, 1);

    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("Button_ok");
    ok->setDefault(true);
    auto* help = new QPushButton("&Hilfe", this);
    help->setObjectName("Button_help");
    help->setAutoDefault(false);
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(help);
    grid->addLayout(row, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    connect(ok, &QPushButton::clicked, this, &Thelperr::Button_okClick);
    connect(help, &QPushButton::clicked, this, &Thelperr::Button_helpClick);
    connect(Memo_ursache, &QPlainTextEdit::textChanged, this, &Thelperr::Memo_ursacheChange);
    connect(Memo_abhilfe, &QPlainTextEdit::textChanged, this, &Thelperr::Memo_abhilfeChange);
    modified_ = false;
  }
  void FormShow() { modified_ = false; }
  void Memo_ursacheChange() { modified_ = true; }
  void Memo_abhilfeChange() { modified_ = true; }
  void Button_helpClick() { help::ShowHelp(p_, kMessageHelpHelp, help::HelpMode::Text); }
  // The question whether to save follows when the dialog has closed.
  void Button_okClick() { accept(); }

  app::Program& p_;
  bool modified_ = false;
  QLineEdit* Edit_meldung = nullptr;
  QPlainTextEdit* Memo_ursache = nullptr;
  QPlainTextEdit* Memo_abhilfe = nullptr;
};

}  // namespace

model::MessageHelpEdit RunThelperr(app::Program& p, QWidget* parent, const std::string& message,
                                   const std::string& cause, const std::string& remedy) {
  Thelperr dlg(p, parent);
  dlg.Show(message, cause, remedy);
  model::gui::PlaceDialog(&dlg, p);
  if (dlg.exec() != QDialog::Accepted) return {false, cause, remedy};
  return {dlg.modified(), dlg.Cause(), dlg.Remedy()};
}

}  // namespace kv40::report::gui
