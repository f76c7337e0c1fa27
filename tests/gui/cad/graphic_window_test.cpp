// The graphic window through its client area: logo, repaint, keys, mouse zoom, printing.
#include "gui/cad/graphic_window.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrinter>
#include <cstdlib>

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::cad {
namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "kv40test";
  static char* argv[] = {name, nullptr};
  // never destroyed: Qt's input devices must not outlive it at exit
  static auto* app = new QApplication(argc, argv);
  return *app;
}

const QColor kBlue(0, 0, 255), kMagenta(255, 0, 255);

int Count(const QImage& image, QColor c) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      n += image.pixelColor(x, y) == c;
  return n;
}

// A window of 400 x 300 device pixels showing the logo.
class GraphicWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    App();
    t.p.config.resX = 400;
    t.p.config.resY = 300;
    w = std::make_unique<TFquengra>(t.p);
    w->ClientArea()->resize(401, 301);
    w->DrawLogo();
    QApplication::processEvents();  // the repaint comes from the event loop
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent e(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(w->ClientArea(), &e);
    QApplication::processEvents();
  }
  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QMouseEvent e(type, QPointF(at), QPointF(w->ClientArea()->mapToGlobal(at)), button,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(w->ClientArea(), &e);
  }

  test::TestProgram t;
  std::unique_ptr<TFquengra> w;
};

TEST_F(GraphicWindowTest, ShowsTheLogoInBlueAndMagentaOnTheBackground) {
  const QImage& pic = w->Picture();
  ASSERT_EQ(pic.size(), QSize(401, 301));
  EXPECT_GT(Count(pic, kBlue), 5000);
  EXPECT_GT(Count(pic, kMagenta), 5000);
  EXPECT_EQ(pic.pixelColor(2, 2), QColor(1, 0, 0));  // the configured background
  EXPECT_EQ(w->ClientArea()->objectName(), "PaintBox_graphic");
  EXPECT_EQ(w->centralWidget(), w->ClientArea());

  EXPECT_FALSE(t.p.cancel);
}

TEST(GraphicWindow, FitsItsClientAreaToTheResolution) {
  App();
  test::TestProgram t;
  t.p.config.resX = 450;
  t.p.config.resY = 320;
  TFquengra w(t.p);
  w.menuBar()->addMenu("&Datei");
  w.show();  // fits the client area on its own
  QApplication::processEvents();
  EXPECT_EQ(w.ClientArea()->size(), QSize(451, 321));
  EXPECT_EQ(w.Picture().size(), QSize(451, 321));
}

TEST_F(GraphicWindowTest, KeysZoomAndEscapeGoesBack) {
  const QImage whole = w->Picture();
  Key(Qt::Key_Plus, Qt::KeypadModifier);
  Key(Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_NE(w->Picture(), whole);
  EXPECT_GT(Count(w->Picture(), kBlue), Count(whole, kBlue));  // enlarged
  Key(Qt::Key_Plus);  // the plus of the main keyboard is not bound
  Key(Qt::Key_Escape);
  EXPECT_EQ(w->Picture(), whole);
  Key(Qt::Key_Left);
  EXPECT_NE(w->Picture(), whole);
  Key(Qt::Key_F5);
  EXPECT_EQ(w->Picture(), whole);
}

TEST_F(GraphicWindowTest, RubberBandZoomsAndDoubleClickShowsTheWholeDrawing) {
  const QImage whole = w->Picture();
  const WorldFrame f = t.p.graphic.Frame();
  // the world point under the band's lower left corner
  const Extended x0 = f.zoomWorldX0 + (140 - f.viewX0) / f.scaleX;
  const Extended y0 = f.zoomWorldY0 + (f.viewY1 - 140) / f.scaleY;
  Mouse(QEvent::MouseButtonPress, {140, 20});
  EXPECT_TRUE(w->RubberActive());
  Mouse(QEvent::MouseMove, {200, 60});
  Mouse(QEvent::MouseMove, {260, 140});
  Mouse(QEvent::MouseButtonRelease, {260, 140});
  QApplication::processEvents();
  EXPECT_FALSE(w->RubberActive());
  EXPECT_GT(Count(w->Picture(), kBlue), 3 * Count(whole, kBlue) / 2);  // enlarged
  const DeviceMapping m = t.p.graphic.ScreenMapping();
  EXPECT_NEAR(m.X(static_cast<double>(x0)), t.p.graphic.ViewX0, 2);
  EXPECT_NEAR(m.Y(static_cast<double>(y0)), t.p.graphic.ViewY1, 2);
  // the first press of a double click starts a band that ends without size
  Mouse(QEvent::MouseButtonPress, {50, 50});
  Mouse(QEvent::MouseButtonRelease, {50, 50});
  Mouse(QEvent::MouseButtonDblClick, {50, 50});
  Mouse(QEvent::MouseButtonRelease, {50, 50});
  QApplication::processEvents();
  // the whole drawing again, with the same proportions (the zoom rectangle is now the
  // whole device instead of the framed viewport: a pixel's difference)
  const QImage back = w->Picture();
  EXPECT_NEAR(Count(back, kBlue), Count(whole, kBlue), Count(whole, kBlue) / 50);
  EXPECT_NEAR(Count(back, kMagenta), Count(whole, kMagenta), Count(whole, kMagenta) / 50);
  EXPECT_FALSE(t.p.cancel);
  // the right button resets the zoom
  Key(Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_NE(w->Picture(), back);
  Mouse(QEvent::MouseButtonPress, {50, 50}, Qt::RightButton);
  QApplication::processEvents();
  EXPECT_EQ(w->Picture(), back);
}

TEST_F(GraphicWindowTest, AClearedWindowShowsOnlyTheBackground) {
  w->Clear();
  QApplication::processEvents();
  EXPECT_EQ(Count(w->Picture(), QColor(1, 0, 0)), 401 * 301);
}

TEST_F(GraphicWindowTest, PrintsIntoAPdfFile) {
  test::TempDir dir;
  const std::string file = (dir / "logo.pdf").string();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(file));
  t.p.graphic.PrintColorMode = 2;
  Key(Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_TRUE(w->PrintWindow(printer, true));
  EXPECT_FALSE(t.p.graphic.Printing);
  QFile pdf(QString::fromStdString(file));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");
  // the page shows the logo in colour (poppler renders it)
  const std::string png = (dir / "page").string();
  ASSERT_EQ(std::system(("pdftoppm -r 30 -png -singlefile '" + file + "' '" + png + "'").c_str()),
            0);
  const QImage page(QString::fromStdString(png + ".png"));
  ASSERT_FALSE(page.isNull());
  EXPECT_GT(Count(page, kBlue), 100);
  EXPECT_GT(Count(page, kMagenta), 100);
}

}  // namespace
}  // namespace kv40::cad
