// The colour chooser: the 16 colours by number and German name.
#include "gui/config/color_chooser.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/text.h"
#include "cad/graphic_colors.h"
#include "gui/model/place_dialog.h"

namespace kv40::config::gui {
namespace {

constexpr const char* kColourNames[] = {
    "rot",   "gelb",        "grün",        "cyan",        "blau",       "magenta",
    "weiß",  "dunkel blau", "dunkel grün", "dunkel cyan", "dunkel rot", "dunkel magenta",
    "braun", "hell grau",   "dunkel grau", "schwarz"};

}  // namespace

std::optional<int> ChooseColor(app::Program& p, QWidget* parent, int current) {
  QDialog d(parent);
  d.setObjectName("TForm_selectcolor");
  d.setWindowTitle("Select Color");
  auto* layout = new QVBoxLayout(&d);
  auto* list = new QListWidget(&d);
  list->setObjectName("ListBox_colors");
  for (int i = 0; i < 16; ++i) {
    const std::string text = std::to_string(i + 1) + " (" + kColourNames[i] + ")";
    auto* item = new QListWidgetItem(QString::fromStdString(base::WindowText(p.fmt(), text)), list);
    const cad::Rgb c = cad::kPalette[static_cast<std::size_t>(cad::GetColorTurbo(i + 1))];
    QPixmap swatch(12, 12);
    swatch.fill(QColor(c.r, c.g, c.b));
    item->setIcon(QIcon(swatch));
  }
  list->setCurrentRow(current >= 1 && current <= 16 ? current - 1 : 0);
  layout->addWidget(list);
  auto* row = new QHBoxLayout;
  QPushButton* ok = model::gui::NamedButton(&d, "Button_ok", "OK");
  ok->setDefault(true);
  QPushButton* cancel = model::gui::NamedButton(&d, "Button_cancel", "Abbrechen");
  QObject::connect(ok, &QPushButton::clicked, &d, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, &d, &QDialog::reject);
  QObject::connect(list, &QListWidget::itemDoubleClicked, &d, &QDialog::accept);
  row->addWidget(ok);
  row->addWidget(cancel);
  layout->addLayout(row);
  model::gui::PlaceDialog(&d, p);
  if (d.exec() != QDialog::Accepted || list->currentRow() < 0) return std::nullopt;
  return list->currentRow() + 1;
}

}  // namespace kv40::config::gui
