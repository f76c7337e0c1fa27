// The report text window: menu "&Datei" and "&Bearbeiten" around one read-only memo.
#include "gui/report/text_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>
#include <algorithm>

#include "gui/report/text_printing.h"
#include "model/dialogs.h"
#include "report/text_pages.h"

namespace kv40::report::gui {

TextWindow::TextWindow(app::Program& p, QWidget* parent) : QMainWindow(parent), p_(p) {
  setObjectName("TForm_showtextfile");
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("Memo1");
  memo_->setReadOnly(true);
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setCentralWidget(memo_);

  auto add = [this](QMenu* menu, const char* name, const char* caption, void (TextWindow::*slot)(),
                    QKeySequence key = {}) {
    QAction* a = menu->addAction(QString::fromUtf8(caption));
    a->setObjectName(name);
    if (!key.isEmpty()) a->setShortcut(key);
    connect(a, &QAction::triggered, this, slot);
  };
  QMenu* file = menuBar()->addMenu("&Datei");
  add(file, "mi_dateiExportNotepad", "Export &Notepad", &TextWindow::mi_dateiExportNotepadClick);
  add(file, "mi_DateiDrucken", "&Drucken...", &TextWindow::mi_DateiDruckenClick,
      QKeySequence::Print);
  add(file, "mi_dateiBeenden", "&Beenden       ", &TextWindow::mi_dateiBeendenClick);
  QMenu* edit = menuBar()->addMenu("&Bearbeiten");
  add(edit, "mi_EditMarkAll", "Alles aus&wählen", &TextWindow::mi_EditMarkAllClick);
  add(edit, "mi_EditCopy", "&Kopieren", &TextWindow::mi_EditCopyClick);

  const auto& r = p_.config.textWindow;
  if (r.width > 0 && r.height > 0) move(r.left, r.top);
  resize(OpeningSize());
}

QSize TextWindow::OpeningSize() const {
  const auto& r = p_.config.textWindow;
  QSize size = r.width > 0 && r.height > 0 ? QSize(r.width, r.height) : QSize(700, 440);
  // A whole printed page: the 72 characters of a report line after its indent of 7, and the
  // configured lines per page, in the report font, with the menu, frame and scroll bars.
  const QFontMetrics metrics(ReportFont(p_.config));
  const int chrome = 2 * memo_->frameWidth() +
                     2 * static_cast<int>(memo_->document()->documentMargin()) +
                     memo_->verticalScrollBar()->sizeHint().width();
  const QSize page(metrics.horizontalAdvance(QString(80, 'M')) + chrome,
                   metrics.lineSpacing() * std::max(p_.config.linesPerPage, 1) + chrome +
                       menuBar()->sizeHint().height());
  size = size.expandedTo(page);
  // where the screen allows: the window's frame and title stay on it too
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QSize room = screen->availableGeometry().size() - QSize(16, 48);
    size = size.boundedTo(room.expandedTo(QSize(200, 150)));
  }
  return size;
}

void TextWindow::ShowFile(const std::string& path) {
  path_ = path;
  memo_->setFont(ReportFont(p_.config));
  setWindowTitle(QString::fromStdString(std::string(model::kProgramShortName) + " - " + path));
  const auto lines = ReadReportText(path);
  if (!lines) {
    memo_->setPlainText(QString::fromStdString(path + " not found !"));
    return;
  }
  QString text;
  for (const std::string& line : *lines)
    text += QString::fromStdString(line) + '\n';
  memo_->setPlainText(text);
}

void TextWindow::mi_dateiExportNotepadClick() {
  const std::string& program = p_.config.textProgram;
  p_.GetDesktop().SetWaitCursor(true);
  const bool started = p_.GetDesktop().StartProgram(program, path_);
  p_.GetDesktop().SetWaitCursor(false);
  if (!started) model::ShowError(p_, program + " not found");
}

void TextWindow::mi_DateiDruckenClick() {
  PrintTextFile(p_, path_, this);
}

void TextWindow::mi_dateiBeendenClick() {
  close();
}

void TextWindow::mi_EditMarkAllClick() {
  memo_->selectAll();
}

void TextWindow::mi_EditCopyClick() {
  memo_->copy();
}

void TextWindow::closeEvent(QCloseEvent* event) {
  // the same measures move() and resize() take when the window opens again
  p_.config.textWindow = {pos().x(), pos().y(), width(), height()};
  event->accept();
}

}  // namespace kv40::report::gui
