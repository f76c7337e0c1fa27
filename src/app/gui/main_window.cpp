// The main window: file menu, message list and the overview of the connection.
#include "app/gui/main_window.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "app/file_commands.h"
#include "app/summary.h"
#include "model/gui/qt_ui.h"
#include "report/message_help.h"

namespace kv40::app {

MainWindow::MainWindow(model::Program& p, model::QtUi& ui) : p_(p) {
  setObjectName("TForm_kv40");
  ui.SetParent(this);
  view_ = new QPlainTextEdit(this);
  view_->setObjectName("Memo_overview");
  view_->setReadOnly(true);
  view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  setCentralWidget(view_);

  QMenu* file = menuBar()->addMenu("&Datei");
  auto add = [this](QMenu* menu, const char* name, const char* caption, auto slot,
                    QKeySequence key = {}) {
    QAction* a = menu->addAction(QString::fromUtf8(caption));
    a->setObjectName(name);
    if (!key.isEmpty()) a->setShortcut(key);
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  add(file, "mi_fileOpen", "Ö&ffnen...", &MainWindow::mi_fileOpenClick, QKeySequence::Open);
  add(file, "mi_FileSave", "&Speichern", &MainWindow::mi_FileSaveClick, QKeySequence::Save);
  add(file, "mi_FileSaveAs", "Speichern &unter...", &MainWindow::mi_FileSaveAsClick);
  file->addSeparator();
  add(file, "mi_fileexit", "&Beenden", &QWidget::close);
  QMenu* help = menuBar()->addMenu("&Hilfe");
  add(help, "mi_helpErrorMessages", "&Fehlermeldungen", &MainWindow::mi_helpErrorMessagesClick);

  const QFontMetrics fm(view_->font());
  resize(fm.horizontalAdvance(QString(70, 'x')) + 40, fm.lineSpacing() * 30);
  Refresh();
}

void MainWindow::Refresh() {
  setWindowTitle(QString::fromStdString(WindowTitle(p_)));
  QString text;
  for (const auto& line : SummaryLines(p_))
    text += QString::fromStdString(line) + '\n';
  view_->setPlainText(text);
}

void MainWindow::mi_fileOpenClick() {
  FileOpen(p_);
  Refresh();
}

void MainWindow::mi_FileSaveClick() {
  FileSave(p_);
  Refresh();
}

void MainWindow::mi_FileSaveAsClick() {
  FileSaveAs(p_);
  Refresh();
}

void MainWindow::mi_helpErrorMessagesClick() {
  p_.cancel = false;
  report::ShowMessageList(p_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (CloseQuery(p_)) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace kv40::app
