// The help-image manager's window: the index in a list, a spin button and the edit buttons.
#include "gui/help/help_image_window.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/model/place_dialog.h"
#include "help/image_manager.h"
#include "help/show_help.h"

namespace kv40::help::gui {

ImageChoice TForm_hilfebild::Show(const std::vector<std::string>& items, int selected) {
  QDialog d(parent_, Qt::Tool);
  d.setObjectName("TForm_hilfebild");
  d.setWindowTitle(QString("%1 Hilfebilder").arg(model::kProgramShortName));
  ImageChoice choice;
  const auto close = [&d, &choice](ImageAction action, int entry) {
    choice = {action, entry};
    d.accept();
  };
  auto* layout = new QVBoxLayout(&d);
  auto* top = new QHBoxLayout;
  auto* list = new QComboBox(&d);
  list->setObjectName("ComboBox_images");
  list->setFont(QFont("Courier New"));
  for (const std::string& item : items)
    list->addItem(QString::fromStdString(item));
  list->setCurrentIndex(selected - 1);
  const auto current = [list] { return list->currentIndex() + 1; };
  QObject::connect(list, &QComboBox::activated, &d,
                   [&close](int index) { close(ImageAction::Show, index + 1); });
  top->addWidget(list, 1);
  const int n = static_cast<int>(items.size());
  auto* up = new QToolButton(&d);
  up->setObjectName("SpinButton_up");
  up->setArrowType(Qt::UpArrow);
  QObject::connect(up, &QToolButton::clicked, &d,
                   [&close, current] { close(ImageAction::Show, std::max(1, current() - 1)); });
  auto* down = new QToolButton(&d);
  down->setObjectName("SpinButton_down");
  down->setArrowType(Qt::DownArrow);
  QObject::connect(down, &QToolButton::clicked, &d,
                   [&close, current, n] { close(ImageAction::Show, std::min(n, current() + 1)); });
  top->addWidget(up);
  top->addWidget(down);
  layout->addLayout(top);

  auto* row = new QHBoxLayout;
  const auto add = [&](const char* name, const char* caption, auto fn) {
    QPushButton* b = model::gui::NamedButton(&d, name, QString::fromUtf8(caption));
    QObject::connect(b, &QPushButton::clicked, &d, fn);
    row->addWidget(b);
    return b;
  };
  add("Button_ok", "OK", [&close] { close(ImageAction::Ok, 0); })->setDefault(true);
  add("Button_help", "&Hilfe", [this] { ShowHelp(p_, kManagerHelp, HelpMode::Text); });
  add("Button_new", "&Neu", [&close] { close(ImageAction::New, 0); });
  add("Button_change", "&Ändern", [&close, current] { close(ImageAction::Change, current()); });
  add("Button_insert", "&Einfügen", [&close, current] { close(ImageAction::Insert, current()); });
  add("Button_delete", "&Löschen", [&close, current] { close(ImageAction::Delete, current()); });
  layout->addLayout(row);
  d.adjustSize();
  // beside the picture, not over it: the top right corner of the main window
  if (const QWidget* main = model::gui::MainWindowOf(&d)) {
    const QRect g = main->frameGeometry();
    d.move(g.right() - d.width() - 20, g.top() + 60);
  }
  if (d.exec() != QDialog::Accepted) return {ImageAction::Ok, 0};  // Esc ends the manager
  return choice;
}

}  // namespace kv40::help::gui
