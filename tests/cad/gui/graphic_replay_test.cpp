// The graphic window's replay onto a QImage and the window itself, without a display.
#include <QApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include "cad/gui/graphic_window.h"
#include "cad/gui/replay.h"
#include "support/test_program.h"

namespace kv40::cad {
namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "kv40test";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

// A 200 x 100 device with a world window of 0..200 by 0..100: one unit per pixel.
GraphicState PixelWorld() {
  GraphicState g;
  g.ResX = 200;
  g.ResY = 100;
  EXPECT_TRUE(g.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 200, 100));
  return g;
}

QImage Replayed(GraphicState& g, ReplayResult* result = nullptr) {
  QImage image(g.ResX, g.ResY, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  const ReplayResult r = ReplayDisplayList(g, painter, {});
  painter.end();
  if (result != nullptr) *result = r;
  return image;
}

TEST(GraphicReplay, DrawsTheRecordsAtTheirPixels) {
  App();
  GraphicState g = PixelWorld();
  g.SetColor(12);          // red
  g.line(10, 90, 60, 90);  // y up: row 100 - 90 = 10
  g.SetColor(9);           // blue
  g.Solid(100, 10, 140, 10, 140, 40, 100, 40);
  g.SetColor(0);  // erases in the background colour
  g.Solid(110, 20, 120, 20, 120, 30, 110, 30);
  const QImage image = Replayed(g);
  EXPECT_EQ(image.pixelColor(30, 10), QColor(255, 0, 0));
  EXPECT_EQ(image.pixelColor(30, 12), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(130, 65), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(115, 75), QColor(1, 0, 0));
  EXPECT_EQ(image.pixelColor(5, 95), QColor(Qt::white));
}

TEST(GraphicReplay, ABadWindowRecordStopsTheReplay) {
  App();
  GraphicState g;
  g.ResX = 200;
  g.ResY = 100;
  EXPECT_FALSE(g.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 0, 0));
  g.SetColor(12);
  g.line(0, 0, 1, 1);
  ReplayResult result{};
  const QImage image = Replayed(g, &result);
  EXPECT_EQ(result, ReplayResult::kBadWindow);
  EXPECT_EQ(image.pixelColor(100, 50), QColor(Qt::white));
}

TEST(GraphicWindow, ShowsTheLogo) {
  App();
  test::TestProgram t;
  t.p.config.resX = 390;
  t.p.config.resY = 340;
  TFquengra w(t.p);
  w.DrawLogo();
  w.ClientArea()->resize(391, 341);
  EXPECT_TRUE(w.Replay());
  const QImage& pic = w.Picture();
  ASSERT_EQ(pic.size(), QSize(391, 341));
  int blue = 0, magenta = 0;
  for (int y = 0; y < pic.height(); ++y) {
    for (int x = 0; x < pic.width(); ++x) {
      const QColor c = pic.pixelColor(x, y);
      blue += c == QColor(0, 0, 255);
      magenta += c == QColor(255, 0, 255);
    }
  }
  EXPECT_GT(blue, 2000);
  EXPECT_GT(magenta, 2000);
  pic.save("/tmp/kv40_logo.png");
}

}  // namespace
}  // namespace kv40::cad
