// Dialog size, font scale and placement on the main window.
#include "gui/model/place_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QLayout>
#include <QPushButton>

#include <algorithm>

namespace kv40::model::gui {
namespace {

constexpr int kPercentMin = 10;
constexpr int kPercentMax = 1000;
constexpr int kBelowCentre = 20;  // dialogs sit a little below the centre of the main window

double Factor(int percent) {
  return std::clamp(percent, kPercentMin, kPercentMax) / 100.0;
}

}  // namespace

QWidget* MainWindowOf(const QWidget* dialog) {
  if (dialog != nullptr && dialog->parentWidget() != nullptr) {
    return dialog->parentWidget()->window();
  }
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == "Thh") return w;
  }
  return nullptr;
}

void PlaceDialog(QDialog* dialog, const Session& p, Placement placement) {
  if (dialog == nullptr) return;
  const QWidget* main = MainWindowOf(dialog);

  QFont font = main != nullptr ? main->font() : QApplication::font();
  const double fontScale = Factor(p.config.fontScalePercent);
  if (font.pointSizeF() > 0) {
    font.setPointSizeF(font.pointSizeF() * fontScale);
  } else if (font.pixelSize() > 0) {
    font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * fontScale + 0.5)));
  }
  dialog->setFont(font);

  // The designed size at this font: the layout's wish, or the size the dialog was given.
  dialog->ensurePolished();
  if (dialog->layout() != nullptr) dialog->layout()->activate();
  QSize size = dialog->sizeHint().isValid() ? dialog->sizeHint() : dialog->size();
  size = size.expandedTo(dialog->minimumSizeHint());
  const double sizeScale = Factor(p.config.dialogSizePercent);
  size = QSize(static_cast<int>(size.width() * sizeScale + 0.5),
               static_cast<int>(size.height() * sizeScale + 0.5));
  size = size.expandedTo(dialog->minimumSize()).boundedTo(dialog->maximumSize());
  dialog->resize(size);

  if (placement == Placement::SizeOnly || main == nullptr) return;
  const QRect frame = main->frameGeometry();
  const int left = frame.left() + std::max(0, (frame.width() - size.width()) / 2);
  const int top = frame.top() + std::max(0, (frame.height() - size.height()) / 2) + kBelowCentre;
  dialog->move(left, top);
}

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace kv40::model::gui
