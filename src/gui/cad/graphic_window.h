// The graphic window TFquengra: a main window whose client area shows the display list.
//
// The program's main window derives from it, so the drawing area is the main window's own
// client area:
//
//   class Thh : public cad::TFquengra {
//    public:
//     explicit Thh(app::Program& p) : TFquengra(p) {
//       menuBar()->addMenu(...);          // menus, status bar and the like are free to add
//     }
//   };
//
// - The constructor puts the client area (ClientArea(), object name "PaintBox_graphic") in
//   as the central widget; a subclass must not replace it. Drawings map onto ResX by ResY
//   device pixels whatever the window's size: FitClientArea() sizes the window so that the
//   client area is ResX+1 by ResY+1; the first show does it by itself unless the window
//   was resized before.
//   Settings come from p.config through ApplySettings(), called by the constructor and
//   again after the configuration changed.
// - Drawings are recorded through p.graphic (cad::GraphicState: Header, line, Arc, SetColor,
//   ...), never painted directly. ClearViewPort() (or p.graphic.ClearViewPort()) repaints:
//   the replay runs from the event loop, letting events run every 50 000 records, and a
//   newer repaint, CancelReplay() or Clear() ends a running one. Replay() replays at once.
// - PrintWindow(printer, fit) prints the drawing onto a QPrinter (paper or PDF file) with
//   the print settings of p.graphic (scale, origin, border, colour mode).
// - Keys (arrows, page up/down, keypad + and -, Esc, F5) zoom and pan while the client area
//   has the focus; the mouse draws a rubber band to zoom, the right button resets the zoom,
//   a double click goes back to the whole drawing.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPoint>
#include <memory>

#include "app/program.h"
#include "cad/graphic_state.h"

class QPrinter;

namespace kv40::cad {

class GraphicCanvas;

class TFquengra : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFquengra(app::Program& p, QWidget* parent = nullptr);
  ~TFquengra() override;

  app::Program& program() const { return p_; }
  GraphicState& Graphic() const { return p_.graphic; }
  QWidget* ClientArea() const;

  // Takes resolution, colours, text style, zoom and pan factors and the print settings from
  // the configuration, sizes the client area and repaints.
  void ApplySettings();
  // Resizes the window so that the client area is ResX+1 by ResY+1 pixels.
  void FitClientArea();
  // The first show fits the client area unless the window was resized before.
  void setVisible(bool visible) override;

  // Empties the display list and repaints.
  void Clear();
  // Repaints from the display list with the current zoom (from the event loop).
  void ClearViewPort();
  // Clears and draws the program's logo.
  void DrawLogo();
  // Replays now; false when it was cancelled or stopped at a bad window record (which sets
  // the cancel flag).
  bool Replay();
  // Ends a running replay.
  void CancelReplay();
  bool IsReplaying() const { return replaying_; }
  // What the client area shows (without the rubber band).
  const QImage& Picture() const { return picture_; }

  // Prints the drawing; with fit first back to the whole drawing. False when the printer
  // could not be started.
  bool PrintWindow(QPrinter& printer, bool fit);

  // Zoom and pan by key (Qt key code and modifiers); true when the key is bound.
  bool processKey(int key, Qt::KeyboardModifiers modifiers);

  // The events of the client area, in client pixels.
  void FormMouseDown(Qt::MouseButton button, QPoint pos);
  void FormMouseMove(QPoint pos);
  void FormMouseUp(QPoint pos);
  void FormDblClick(QPoint pos);

  bool RubberActive() const { return rubberActive_; }
  QRect RubberRect() const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  class View;
  friend class GraphicCanvas;

  void ScheduleReplay();
  // RestoreLimit, ResetZoom, ReSetWindow: the double click and printing with "anpassen".
  void BackToWholeDrawing();
  void ReplayNow(bool letEventsRun, bool fromPaint = false);
  void PaintCanvas(QPainter& painter);
  void DrawImmediate(Extended x, Extended y, bool draw);

  app::Program& p_;
  QWidget* canvas_ = nullptr;  // the client area
  std::unique_ptr<View> view_;
  QImage picture_;
  WorldFrame painted_;
  bool shown_ = false;
  bool dirty_ = true;
  bool scheduled_ = false;
  bool replaying_ = false;
  bool stopReplay_ = false;
  bool restartReplay_ = false;
  QPoint pen_;  // pen position of MoveTo/LineTo, device pixels

  bool rubberActive_ = false;
  bool doubleClicked_ = false;
  int RubberX0 = 0, RubberY0 = 0, RubberX1 = 0, RubberY1 = 0;
};

}  // namespace kv40::cad
