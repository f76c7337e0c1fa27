// The graphic window: client area, repaint from the display list, keys and mouse zoom.
#include "gui/cad/graphic_window.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include "gui/cad/replay.h"

namespace kv40::cad {

// The client area: shows the replayed picture and the rubber band over it.
class GraphicCanvas final : public QWidget {
 public:
  explicit GraphicCanvas(TFquengra& w) : QWidget(&w), w_(w) {
    setObjectName("PaintBox_graphic");
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
  }
  QSize sizeHint() const override {
    const GraphicState& g = w_.Graphic();
    return {g.ResX + 1, g.ResY + 1};
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    w_.PaintCanvas(painter);
  }
  void resizeEvent(QResizeEvent*) override { w_.ClearViewPort(); }
  void keyPressEvent(QKeyEvent* e) override {
    if (!w_.processKey(e->key(), e->modifiers())) QWidget::keyPressEvent(e);
  }
  void mousePressEvent(QMouseEvent* e) override {
    w_.FormMouseDown(e->button(), e->position().toPoint());
  }
  void mouseMoveEvent(QMouseEvent* e) override { w_.FormMouseMove(e->position().toPoint()); }
  void mouseReleaseEvent(QMouseEvent* e) override { w_.FormMouseUp(e->position().toPoint()); }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    w_.FormDblClick(e->position().toPoint());
    mousePressEvent(e);  // the second press of a double click follows it
  }

 private:
  TFquengra& w_;
};

// The recording's hooks into this window.
class TFquengra::View final : public GraphicView {
 public:
  explicit View(TFquengra& w) : w_(w) {}
  void Invalidate() override { w_.ScheduleReplay(); }
  void SetWaitCursor(bool on) override {
    if (on) {
      w_.canvas_->setCursor(Qt::WaitCursor);
    } else {
      w_.canvas_->unsetCursor();
    }
  }
  void MoveTo(Extended x, Extended y) override { w_.DrawImmediate(x, y, false); }
  void LineTo(Extended x, Extended y) override { w_.DrawImmediate(x, y, true); }

 private:
  TFquengra& w_;
};

TFquengra::TFquengra(app::Program& p, QWidget* parent)
    : QMainWindow(parent), p_(p), view_(std::make_unique<View>(*this)) {
  setObjectName("TFquengra");
  canvas_ = new GraphicCanvas(*this);
  setCentralWidget(canvas_);
  p_.graphic.view = view_.get();
  ApplySettings();
  canvas_->setFocus();
}

TFquengra::~TFquengra() {
  stopReplay_ = true;
  if (p_.graphic.view == view_.get()) p_.graphic.view = nullptr;
}

QWidget* TFquengra::ClientArea() const {
  return canvas_;
}

void TFquengra::ApplySettings() {
  p_.graphic.ApplyConfig(p_.config);
  canvas_->updateGeometry();
  ClearViewPort();
}

void TFquengra::FitClientArea() {
  const QSize want(p_.graphic.ResX + 1, p_.graphic.ResY + 1);
  layout()->activate();  // menus and bars in place, also before the window is shown
  resize(size() + (want - canvas_->size()));
}

void TFquengra::setVisible(bool visible) {
  if (visible && !shown_ && !testAttribute(Qt::WA_Resized)) FitClientArea();
  if (visible) shown_ = true;
  QMainWindow::setVisible(visible);
}

void TFquengra::Clear() {
  p_.graphic.Clear();
}

void TFquengra::ClearViewPort() {
  canvas_->setCursor(Qt::WaitCursor);
  ScheduleReplay();
}

void TFquengra::DrawLogo() {
  p_.graphic.Clear();
  if (!p_.graphic.DrawLogo()) p_.cancel = true;
  ClearViewPort();
}

void TFquengra::ScheduleReplay() {
  dirty_ = true;
  if (replaying_) restartReplay_ = true;  // the running one stops and starts again
  canvas_->update();
  if (scheduled_) return;
  scheduled_ = true;
  QTimer::singleShot(0, this, [this] {
    scheduled_ = false;
    if (dirty_ && !replaying_) ReplayNow(true);
  });
}

bool TFquengra::Replay() {
  if (replaying_) {
    restartReplay_ = true;
    return false;
  }
  ReplayNow(false);
  return !dirty_;
}

void TFquengra::CancelReplay() {
  if (replaying_) stopReplay_ = true;
}

// Replays into the picture; with letEventsRun the event loop runs every 50 000 records, and
// a repaint asked for meanwhile starts the replay again.
void TFquengra::ReplayNow(bool letEventsRun, bool fromPaint) {
  replaying_ = true;
  do {
    restartReplay_ = false;
    stopReplay_ = false;
    dirty_ = false;
    const QSize size = canvas_->size().expandedTo(QSize(1, 1));
    if (picture_.size() != size) picture_ = QImage(size, QImage::Format_RGB32);
    const Rgb bg = RgbFromColorRef(p_.graphic.BackgroundColor);
    picture_.fill(QColor(bg.r, bg.g, bg.b));
    QPainter painter(&picture_);
    ReplayOptions o;
    if (letEventsRun) {
      o.keepGoing = [this] {
        QApplication::processEvents();
        return !stopReplay_ && !restartReplay_;
      };
    }
    o.sleep = [](int ms) { QThread::msleep(static_cast<unsigned long>(std::clamp(ms, 0, 10000))); };
    painted_ = p_.graphic.Frame();
    const ReplayResult result = ReplayDisplayList(p_.graphic, painter, o, &painted_);
    if (result == ReplayResult::kBadWindow) p_.cancel = true;
    if (result == ReplayResult::kCancelled && !restartReplay_) dirty_ = true;
  } while (restartReplay_ && !stopReplay_);
  replaying_ = false;
  canvas_->unsetCursor();
  if (!fromPaint) canvas_->update();
}

void TFquengra::PaintCanvas(QPainter& painter) {
  // A small list is replayed at once, so the first paint already shows the drawing; a long
  // one comes from the event loop.
  if (dirty_ && !replaying_ && p_.graphic.displayList.size() < kReplayEventInterval) {
    ReplayNow(false, true);
  }
  if (picture_.isNull()) {
    const Rgb bg = RgbFromColorRef(p_.graphic.BackgroundColor);
    painter.fillRect(canvas_->rect(), QColor(bg.r, bg.g, bg.b));
  } else {
    painter.drawImage(0, 0, picture_);
  }
  if (rubberActive_) {
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(RubberRect());
  }
}

void TFquengra::DrawImmediate(Extended x, Extended y, bool draw) {
  const DeviceMapping m = p_.graphic.ScreenMapping();
  const QPoint to(m.X(x), m.Y(y));
  if (draw && !picture_.isNull()) {
    QPainter painter(&picture_);
    const int n = p_.graphic.CurColor;
    const auto c =
        PenColor({p_.graphic.ColorDisplay, false, 1, RgbFromColorRef(p_.graphic.BackgroundColor)},
                 n < 0 ? 1 : n);
    painter.setPen(c ? QColor(c->r, c->g, c->b) : QColor(Qt::black));
    painter.drawLine(pen_, to);
    canvas_->update();
  }
  pen_ = to;
}

void TFquengra::changeEvent(QEvent* event) {
  // the window repaints when it becomes active again
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) canvas_->update();
  QMainWindow::changeEvent(event);
}

}  // namespace kv40::cad
