// The graphic window's world window, zoom and mapping from world units to device pixels.
#include "cad/graphic_state.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kv40::cad {
namespace {

GraphicState Device(Word resX, Word resY) {
  GraphicState g;
  g.ResX = resX;
  g.ResY = resY;
  return g;
}

TEST(GraphicState, SetWindowSetsViewportAndRecordsIt) {
  GraphicState g = Device(1015, 677);
  EXPECT_TRUE(g.SetWindow(false, true, 0.1L, 0.25L, 0.9L, 1, -1, -1, 38, 33));
  // round(0.1 * 1015) = round(101.5) = 102 (ties to even), plus the border
  EXPECT_EQ(g.ViewX0, 103);
  EXPECT_EQ(g.ViewX1, 914 - 1);  // round(913.5)
  EXPECT_EQ(g.ViewY0, 0 + 1);
  EXPECT_EQ(g.ViewY1, 508 - 1);  // round(0.75 * 677) = round(507.75)
  EXPECT_EQ(g.displayList.Lines(), std::vector<std::string>{"10;103;1;913;507;-1;-1;38;33"});
  // the zoom rectangle is the whole viewport, and it shows the whole world window
  EXPECT_EQ(g.Zoom(), (ZoomRect{103, 1, 913, 507}));
  EXPECT_EQ(g.ScreenMapping().X(-1), 103);
  EXPECT_EQ(g.ScreenMapping().X(38), 913);
  EXPECT_EQ(g.ScreenMapping().Y(-1), 507);
  EXPECT_EQ(g.ScreenMapping().Y(33), 1);
}

TEST(GraphicState, ADegenerateWindowIsRefusedAndKeepsTheMapping) {
  GraphicState g = Device(200, 100);
  ASSERT_TRUE(g.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 20, 10));
  const DeviceMapping before = g.ScreenMapping();
  EXPECT_FALSE(g.SetWindow(false, false, 0, 0, 1, 1, 5, 0, 5, 10));
  EXPECT_EQ(g.displayList.size(), 2u);  // recorded all the same
  EXPECT_EQ(g.ScreenMapping().X(10), before.X(10));
  g.SetScale(0, 0, 100, 50);  // a zoom on it changes nothing either
  EXPECT_EQ(g.ScreenMapping().X(10), before.X(10));
  EXPECT_FALSE(g.Header(0, 0, 10, 0));
}

TEST(GraphicState, IsotropicScalesKeepTheRatioAndShowTheWholeWindow) {
  struct Case {
    const char* name;
    Extended ratio;
    Extended xmin, ymin, xmax, ymax;
  };
  const Extended screen43 = 0.75L * 1015 / 677;  // a 4:3 picture stretched to the device
  const Case cases[] = {
      {"wide window, square pixels", 1, 0, 0, 300, 50},
      {"tall window, square pixels", 1, 0, 0, 30, 500},
      {"wide window, 4:3 ratio", screen43, 0, 0, 300, 50},
      {"tall window, 4:3 ratio", screen43, -10, -10, 20, 490},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    GraphicState g = Device(1015, 677);
    g.IsoRatio = c.ratio;
    ASSERT_TRUE(g.SetWindow(true, false, 0, 0, 1, 1, c.xmin, c.ymin, c.xmax, c.ymax));
    EXPECT_NEAR(static_cast<double>(g.ScaleX / g.ScaleY), static_cast<double>(c.ratio), 1e-15);
    const DeviceMapping m = g.ScreenMapping();
    // the world window fits, touching the viewport on one axis
    EXPECT_LE(m.X(c.xmax), 1015);
    EXPECT_GE(m.Y(c.ymax), 0);
    EXPECT_TRUE(m.X(c.xmax) == 1015 || m.Y(c.ymax) == 0);
  }
}

TEST(GraphicState, ScreenAndPrinterMapping) {
  GraphicState g = Device(1000, 500);
  ASSERT_TRUE(g.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 100, 50));  // 10 pixels per unit
  const DeviceMapping s = g.ScreenMapping();
  EXPECT_EQ(s.X(0.25L), 2);  // 2.5 rounds to even
  EXPECT_EQ(s.X(0.35L), 4);
  EXPECT_EQ(s.Y(0), 500);
  EXPECT_EQ(s.Y(50), 0);
  EXPECT_EQ(s.LengthX(1.26L), 13);
  g.PrintScaleX = 0.5L;
  g.PrintScaleY = 2;
  g.PrintOriginX = 21;  // mm: a tenth of the page width
  g.PrintOriginY = 42;  // also measured with the page width
  const DeviceMapping p = g.PrinterMapping(2100, 2970);
  EXPECT_EQ(p.X(0), 210);
  EXPECT_EQ(p.X(100), 210 + 1050);  // 2100 * 1000 * 0.5 / 1000
  EXPECT_EQ(p.Y(50), 420);
  // one scale for both axes, the page width's (2.1 pixels per screen pixel): the drawing keeps
  // its proportions on the taller page
  EXPECT_EQ(p.Y(25), 420 + 1050);  // 2.1 * 250 * 2
  EXPECT_EQ(p.LengthX(10), 105);
  EXPECT_EQ(p.LengthY(1), 42);  // 2.1 * 10 * 2
}

TEST(GraphicState, KeysZoomAndPanTheZoomRectangle) {
  struct Case {
    const char* name;
    GraphicKey key;
    int presses;
    ZoomRect expected;
  };
  // viewport 0..1000 x 0..500, pan factor 0.1, zoom factor 1.2
  const Case cases[] = {
      {"left arrow moves the rectangle right", GraphicKey::kLeft, 1, {100, 0, 1100, 500}},
      {"right arrow", GraphicKey::kRight, 2, {-200, 0, 800, 500}},
      {"up arrow moves it down", GraphicKey::kUp, 1, {0, -50, 1000, 450}},
      {"down arrow", GraphicKey::kDown, 1, {0, 50, 1000, 550}},
      {"page up: five times the step", GraphicKey::kPageUp, 1, {0, -250, 1000, 250}},
      {"page down", GraphicKey::kPageDown, 1, {0, 250, 1000, 750}},
      // half widths 833 div 2, 693 div 2, 577 div 2 around the centre (500, 250)
      {"keypad plus three times", GraphicKey::kPlus, 3, {212, 106, 788, 394}},
      {"keypad minus", GraphicKey::kMinus, 1, {-100, -50, 1100, 550}},
      {"escape", GraphicKey::kEscape, 1, {0, 0, 1000, 500}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    GraphicState g = Device(1000, 500);
    g.Isotropic = false;
    ASSERT_TRUE(g.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 100, 50));
    for (int i = 0; i < c.presses; ++i)
      EXPECT_TRUE(g.ProcessKey(c.key));
    EXPECT_EQ(g.Zoom(), c.expected);
  }
}

TEST(GraphicState, ZoomingInShowsTheCentreEnlarged) {
  GraphicState g = Device(1000, 500);
  ASSERT_TRUE(g.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 100, 50));
  for (int i = 0; i < 3; ++i)
    g.ProcessKey(GraphicKey::kPlus);
  const DeviceMapping m = g.ScreenMapping();
  EXPECT_NEAR(m.X(50), 500, 1);  // the centre stays
  EXPECT_NEAR(static_cast<double>(g.ScaleX), 10 * 1.2 * 1.2 * 1.2, 0.1);
  g.ProcessKey(GraphicKey::kF5);
  EXPECT_EQ(g.ScreenMapping().X(100), 1000);
}

TEST(GraphicState, RubberBandZoomsToWhatItEnclosed) {
  struct Case {
    const char* name;
    bool iso;
    Extended xmax, ymax;
  };
  const Case cases[] = {{"free scales", false, 100, 50},
                        {"isotropic, wider than the device", true, 300, 50},
                        {"isotropic, taller than the device", true, 40, 200}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    GraphicState g = Device(1000, 500);
    ASSERT_TRUE(g.SetWindow(c.iso, false, 0, 0, 1, 1, 0, 0, c.xmax, c.ymax));
    g.ProcessKey(GraphicKey::kLeft);  // from a panned picture
    // band from (600, 100) to (200, 300): the world points under these pixels
    const WorldFrame f = g.Frame();
    const Extended x0 = f.zoomWorldX0 + 200 / f.scaleX, x1 = f.zoomWorldX0 + 600 / f.scaleX;
    const Extended y0 = f.zoomWorldY0 + 200 / f.scaleY, y1 = f.zoomWorldY0 + 400 / f.scaleY;
    const auto r = GraphicState::RubberZoom(f, 600, 100, 200, 300);
    ASSERT_TRUE(r.has_value());
    g.SetScale(r->x0, r->y0, r->x1, r->y1);
    const DeviceMapping m = g.ScreenMapping();
    // the enclosed part fills the viewport on one axis and fits on the other
    EXPECT_GE(m.X(x0), -2);
    EXPECT_LE(m.X(x1), 1002);
    EXPECT_LE(m.Y(y0), 502);
    EXPECT_GE(m.Y(y1), -2);
    EXPECT_TRUE(std::abs(m.X(x1) - m.X(x0) - 1000) <= 2 || std::abs(m.Y(y0) - m.Y(y1) - 500) <= 2);
  }
  EXPECT_FALSE(GraphicState::RubberZoom(GraphicState().Frame(), 5, 5, 5, 9).has_value());
}

TEST(GraphicState, HeaderStartsADrawingAndDoubleClickGoesBack) {
  GraphicState g = Device(1000, 500);
  ASSERT_TRUE(g.Header(-1, -1, 38, 33));
  EXPECT_EQ(g.displayList.Lines(),
            (std::vector<std::string>{"10;1;1;999;499;-1;-1;38;33", "11;0"}));
  // MouseAspect comes from the window before: (0, 0)-(1, 1)
  EXPECT_NEAR(static_cast<double>(g.MouseAspect), 0.75 * 1000 / 500 * 640 / 480, 1e-12);
  g.ProcessKey(GraphicKey::kPlus);
  EXPECT_TRUE(g.ReSetWindow());
  EXPECT_EQ(g.WorldXMax, 1);
  EXPECT_TRUE(g.RestoreLimit());
  EXPECT_EQ(g.WorldXMin, -1);
  EXPECT_EQ(g.WorldYMax, 33);
  EXPECT_EQ(g.Zoom(), (ZoomRect{1, 1, 999, 499}));
}

TEST(GraphicState, ReplayedWindowRecordKeepsTheZoom) {
  GraphicState g = Device(1000, 500);
  ASSERT_TRUE(g.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 100, 50));
  g.SetScale(0, 0, 500, 250);  // the lower left quarter
  DisplayList list;
  ASSERT_TRUE(list.AddLine("10;0;0;1000;500;0;0;10;5"));
  ASSERT_TRUE(list.AddLine("10;0;0;1000;500;0;0;0;5"));
  EXPECT_TRUE(g.ApplyWindowRecord(list[0]));
  EXPECT_EQ(g.ScreenMapping().X(5), 1000);  // half the new window fills the viewport
  EXPECT_FALSE(g.ApplyWindowRecord(list[1]));
}

TEST(GraphicState, GetDirectionIsSteepStrictlyInside) {
  for (Extended a : {46.0L, 90.0L, 134.0L, 226.0L, 314.0L, -90.0L})
    EXPECT_EQ(GraphicState::GetDirection(a), 1) << a;
  for (Extended a : {0.0L, 45.0L, 135.0L, 180.0L, 225.0L, 315.0L, -45.0L, -135.0L, 400.0L})
    EXPECT_EQ(GraphicState::GetDirection(a), 0) << a;
}

}  // namespace
}  // namespace kv40::cad
