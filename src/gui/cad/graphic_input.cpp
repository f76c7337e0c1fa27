// The graphic window's keys and mouse: zoom and pan, rubber band, back to the whole drawing.
#include <QWidget>
#include <algorithm>

#include "gui/cad/graphic_window.h"

namespace kv40::cad {

namespace {

std::optional<GraphicKey> KeyFor(int key, Qt::KeyboardModifiers modifiers) {
  const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
  switch (key) {
    case Qt::Key_Escape:
      return GraphicKey::kEscape;
    case Qt::Key_F5:
      return GraphicKey::kF5;
    case Qt::Key_Left:
      return GraphicKey::kLeft;
    case Qt::Key_Right:
      return GraphicKey::kRight;
    case Qt::Key_Up:
      return GraphicKey::kUp;
    case Qt::Key_Down:
      return GraphicKey::kDown;
    case Qt::Key_PageUp:
      return GraphicKey::kPageUp;
    case Qt::Key_PageDown:
      return GraphicKey::kPageDown;
    case Qt::Key_Plus:
      if (keypad) return GraphicKey::kPlus;
      break;
    case Qt::Key_Minus:
      if (keypad) return GraphicKey::kMinus;
      break;
    default:
      break;
  }
  return std::nullopt;
}

}  // namespace

bool TFquengra::processKey(int key, Qt::KeyboardModifiers modifiers) {
  const auto k = KeyFor(key, modifiers);
  if (!k) return false;
  p_.graphic.ProcessKey(*k);  // repaints through the view
  return true;
}

QRect TFquengra::RubberRect() const {
  return QRect(QPoint(std::min(RubberX0, RubberX1), std::min(RubberY0, RubberY1)),
               QPoint(std::max(RubberX0, RubberX1), std::max(RubberY0, RubberY1)));
}

void TFquengra::FormMouseDown(Qt::MouseButton button, QPoint pos) {
  GraphicState& g = p_.graphic;
  if (button == Qt::RightButton) {
    g.ResetZoom();
    ClearViewPort();
  } else if (button == Qt::LeftButton && doubleClicked_) {
    BackToWholeDrawing();
    ClearViewPort();
  } else if (button == Qt::LeftButton && !rubberActive_) {
    rubberActive_ = true;
    RubberX0 = RubberX1 = pos.x();
    RubberY0 = RubberY1 = pos.y();
    canvas_->update();
  }
  doubleClicked_ = false;
}

void TFquengra::FormMouseMove(QPoint pos) {
  if (!rubberActive_) return;
  const QRect old = RubberRect();
  RubberX1 = pos.x();
  RubberY1 = pos.y();
  canvas_->update(old.united(RubberRect()).adjusted(-1, -1, 2, 2));
}

void TFquengra::FormMouseUp(QPoint pos) {
  if (!rubberActive_) return;
  rubberActive_ = false;
  RubberX1 = pos.x();
  RubberY1 = pos.y();
  canvas_->update();
  const auto zoom = GraphicState::RubberZoom(painted_, RubberX0, RubberY0, RubberX1, RubberY1);
  if (!zoom) return;
  p_.graphic.SetScale(zoom->x0, zoom->y0, zoom->x1, zoom->y1);
  ClearViewPort();
}

void TFquengra::FormDblClick(QPoint) {
  doubleClicked_ = true;
}

void TFquengra::BackToWholeDrawing() {
  GraphicState& g = p_.graphic;
  bool ok = g.RestoreLimit();
  g.ResetZoom();
  ok = g.ReSetWindow() && ok;
  // The window records in the list do not carry the scaling mode; the drawing started
  // isotropic (Header), and the fractions of ReSetWindow must not stretch it on replay.
  g.Isotropic = true;
  if (!ok) p_.cancel = true;
}

}  // namespace kv40::cad
