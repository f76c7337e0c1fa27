// Replay of the display list onto a QImage: pixels of the records, text placement, the
// printer pass and the event loop during long lists.
#include "gui/cad/replay.h"

#include <QApplication>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <gtest/gtest.h>

#include "gui/cad/raster_lines.h"

namespace kv40::cad {
namespace {

constexpr const char* kTestFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

QApplication& App() {
  static int argc = 1;
  static char name[] = "kv40test";
  static char* argv[] = {name, nullptr};
  // never destroyed: Qt's input devices must not outlive it at exit
  static auto* app = new QApplication(argc, argv);
  return *app;
}

// The family of a font the test loads itself: text measured in whatever "Arial" resolves to
// depends on the fonts a machine happens to have (URW's, Liberation, DejaVu).
QString TestFontFamily() {
  App();
  static const QString family = [] {
    const int id = QFontDatabase::addApplicationFont(kTestFontFile);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.first();
  }();
  return family;
}

// A 200 x 100 device with a world window of 0..200 by 0..100: one unit per pixel.
GraphicState PixelWorld() {
  GraphicState g;
  g.ResX = 200;
  g.ResY = 100;
  EXPECT_TRUE(g.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 200, 100));
  return g;
}

QImage Replayed(GraphicState& g, const ReplayOptions& o = {}, ReplayResult* result = nullptr,
                QSize size = {}) {
  QImage image(size.isValid() ? size : QSize(g.ResX, g.ResY), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  const ReplayResult r = ReplayDisplayList(g, painter, o);
  painter.end();
  if (result != nullptr) *result = r;
  return image;
}

// Bounding box of the pixels in colour c.
QRect Extent(const QImage& image, QColor c) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) == c) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

// Bounding box of the red pixels, also where text is smoothed into a white background.
QRect Reddish(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() - c.green() > 60 && c.green() == c.blue()) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

TEST(GraphicReplay, DrawsTheRecordsAtTheirPixels) {
  App();
  GraphicState g = PixelWorld();
  g.SetColor(12);          // red
  g.line(10, 90, 60, 90);  // y up: row 100 - 90 = 10
  g.SetLineWidth(3);
  g.line(10, 70, 60, 70);
  g.SetLineWidth(1);
  g.SetColor(9);  // blue
  g.Solid(100, 10, 140, 10, 140, 40, 100, 40);
  g.SetColor(0);  // erases in the background colour
  g.Solid(110, 20, 120, 20, 120, 30, 110, 30);
  g.SetColor(2);  // green
  g.circle(170, 50, 20);
  g.SetColor(13);  // magenta: a quarter arc, counter-clockwise from 0 to 90 degrees
  g.Arc(50, 30, 0, 90, 20);
  const QImage image = Replayed(g);
  const QColor white(Qt::white), red(255, 0, 0), green(0, 255, 0), magenta(255, 0, 255);
  EXPECT_EQ(image.pixelColor(30, 10), red);
  EXPECT_EQ(image.pixelColor(30, 12), white);
  EXPECT_EQ(image.pixelColor(30, 31), red);  // the wide line
  EXPECT_EQ(image.pixelColor(130, 65), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(115, 75), QColor(1, 0, 0));
  EXPECT_EQ(image.pixelColor(190, 50), green);
  EXPECT_EQ(image.pixelColor(170, 30), green);
  EXPECT_EQ(image.pixelColor(170, 50), white);   // a circle is not filled
  EXPECT_EQ(image.pixelColor(64, 56), magenta);  // 45 degrees: (50 + 14, 100 - 30 - 14)
  EXPECT_EQ(image.pixelColor(36, 56), white);    // 135 degrees is not part of it
  EXPECT_EQ(image.pixelColor(64, 84), white);    // nor -45 degrees
}

TEST(GraphicReplay, ColoursOffTheScreenAndOnPaper) {
  App();
  GraphicState g = PixelWorld();
  g.ColorDisplay = false;
  g.SetColor(12);
  g.Solid(0, 0, 50, 0, 50, 50, 0, 50);
  EXPECT_EQ(Replayed(g).pixelColor(25, 75), QColor(Qt::black));
  g.ColorDisplay = true;
  g.PrintColorMode = 2;
  ReplayOptions print;
  print.printing = true;
  EXPECT_EQ(Replayed(g, print).pixelColor(25, 75), QColor(255, 0, 0));
  g.PrintColorMode = 1;
  EXPECT_EQ(Replayed(g, print).pixelColor(25, 75), QColor(Qt::black));
}

TEST(GraphicReplay, TheDirectLinesMatchThePainters) {
  App();
  const QLine lines[] = {{5, 5, 90, 20},     {90, 25, 5, 80},    {50, 2, 52, 97},
                         {-40, 50, 150, 60}, {10, 120, 80, -30}, {300, 300, 400, 10},
                         {30, 30, 30, 30},   {99, 0, 0, 99}};
  for (const QLine& l : lines) {
    SCOPED_TRACE(testing::Message() << l.x1() << "," << l.y1() << " " << l.x2() << "," << l.y2());
    QImage direct(100, 100, QImage::Format_RGB32), painted(100, 100, QImage::Format_RGB32);
    direct.fill(Qt::white);
    painted.fill(Qt::white);
    RasterLines(direct, &l, 1, qRgb(0, 0, 0));
    QPainter(&painted).drawLine(l);
    // every pixel of one has a pixel of the other next to it
    const auto near = [](const QImage& a, const QImage& b) {
      for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
          if (a.pixel(x, y) == qRgb(255, 255, 255)) continue;
          bool found = false;
          for (int dy = -1; dy <= 1 && !found; ++dy)
            for (int dx = -1; dx <= 1 && !found; ++dx)
              found = QRect(0, 0, 100, 100).contains(x + dx, y + dy) &&
                      b.pixel(x + dx, y + dy) != qRgb(255, 255, 255);
          if (!found) return false;
        }
      }
      return true;
    };
    EXPECT_TRUE(near(direct, painted));
    EXPECT_TRUE(near(painted, direct));
  }
}

TEST(GraphicReplay, TextStandsOnItsBasePoint) {
  const QString family = TestFontFamily();
  ASSERT_FALSE(family.isEmpty()) << kTestFontFile << " (Debian package fonts-dejavu-core)";
  struct Case {
    const char* name;
    double angle;
  };
  for (const Case& c : {Case{"horizontal", 0}, Case{"upwards", 90}}) {
    SCOPED_TRACE(c.name);
    GraphicState g = PixelWorld();
    g.GraphFontName = family.toStdString();
    g.SetColor(12);
    g.SetTextStyle(2, c.angle, 10, 7);  // 16 pixels high once replayed
    g.OutTextXY(100, 40, "HEH");
    const QRect box = Reddish(Replayed(g));
    ASSERT_FALSE(box.isEmpty());
    if (c.angle == 0) {  // right of x, above the base line y = 100 - 40
      EXPECT_NEAR(box.left(), 100, 3);
      EXPECT_NEAR(box.bottom(), 60, 3);
      EXPECT_GT(box.width(), box.height());
      EXPECT_GT(box.height(), 8);
    } else {  // running upwards from y, left of the base line x = 100
      EXPECT_NEAR(box.bottom(), 60, 3);
      EXPECT_NEAR(box.right(), 100, 3);
      EXPECT_GT(box.height(), box.width());
    }
  }
}

TEST(GraphicReplay, PrinterPassKeepsTheDrawingsProportionsOnThePage) {
  App();
  GraphicState g = PixelWorld();
  g.PrintBorder = true;
  g.PrintOriginX = 21;  // a tenth of the page width
  g.SetColor(9);
  g.Solid(0, 0, 100, 0, 100, 50, 0, 50);  // lower left quarter of the screen
  ReplayOptions print;
  print.printing = true;
  g.PrintColorMode = 2;
  // A portrait page under a landscape screen: one scale for both axes, the one that fits the
  // width (400 / 200 = 2, not 600 / 100 = 6 for y), so the 100 x 50 quarter is 200 x 100.
  QImage page = Replayed(g, print, nullptr, QSize(400, 600));
  QRect box = Extent(page, QColor(0, 0, 255));
  EXPECT_NEAR(box.left(), 40, 2);  // 40 + 2 * 0
  EXPECT_NEAR(box.right(), 240, 2);
  EXPECT_NEAR(box.top(), 100, 2);  // 2 * (100 - 50)
  EXPECT_NEAR(box.bottom(), 200, 2);
  EXPECT_EQ(page.pixelColor(90, 0), QColor(0, 255, 255));  // the border, colour 11
  // the user's print scales still act on each axis
  g.PrintScaleX = 0.5;
  page = Replayed(g, print, nullptr, QSize(400, 600));
  box = Extent(page, QColor(0, 0, 255));
  EXPECT_NEAR(box.right(), 140, 2);
  EXPECT_NEAR(box.bottom(), 200, 2);
}

TEST(GraphicReplay, LongListsLetEventsRunAndCanBeCancelled) {
  App();
  GraphicState g = PixelWorld();
  for (int i = 0; i < 120000; ++i)
    g.line(0, 0, 1, 1);
  int asked = 0;
  ReplayOptions o;
  o.keepGoing = [&asked] { return ++asked > 0; };
  ReplayResult result{};
  Replayed(g, o, &result);
  EXPECT_EQ(result, ReplayResult::kDone);
  EXPECT_EQ(asked, 2);  // before records 50 000 and 100 000
  o.keepGoing = [] { return false; };
  Replayed(g, o, &result);
  EXPECT_EQ(result, ReplayResult::kCancelled);
  // an event that clears the list ends the replay, whatever it answers
  o.keepGoing = [&g] {
    g.displayList.Clear();
    return true;
  };
  Replayed(g, o, &result);
  EXPECT_EQ(result, ReplayResult::kCancelled);
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
  const QImage image = Replayed(g, {}, &result);
  EXPECT_EQ(result, ReplayResult::kBadWindow);
  EXPECT_EQ(Extent(image, QColor(255, 0, 0)), QRect());
}

}  // namespace
}  // namespace kv40::cad
