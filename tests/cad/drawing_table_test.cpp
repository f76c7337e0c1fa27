// The layout of the drawing tables: every text inside its cell for the longest texts the
// production drawing writes, the frame closed, the origin where the drawings insert it.
#include "cad/drawing_table.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/utf8.h"

namespace kv40::cad {
namespace {

// The longest texts the production drawing puts into each column.
DrawingTable Widest(std::string title, std::vector<std::string> longest, int rows) {
  DrawingTable t;
  t.title = {std::move(title)};
  for (int r = 0; r < rows; ++r)
    t.rows.push_back(longest);
  return t;
}

TEST(DrawingTable, TextsStayInsideTheirCellsAndTheFrameIsClosed) {
  struct Case {
    const char* name;
    DrawingTable table;
    TableLayout layout;
    Extended maxWidth, maxHeight;  // what the insertions leave room for, unscaled
  };
  const Case cases[] = {
      // inserted at scale 0.6 side by side from x = 2 and 82 in a sheet 160 wide; at y scale
      // 0.75 from y = 10 in a sheet 120 high; at scale 1 above the title block
      {"data table",
       Widest("ZAHNNABE 1234567890123456789012345",
              {"Lückenweiten-Toleranzfeld", "1234567.8901234", "inch"}, 14),
       DataTableLayout(), 130, 140},
      {"data table, pins",
       Widest("ZAHNWELLE", {"Prüfmaß Mi (DM=12.75) nom", "XXXXXXX DIN 5482", "mm"}, 14),
       DataTableLayout(), 130, 140},
      // hanging from y = 40 at scale 0.6, the strength table from x = 82 up to 160
      {"strength table",
       Widest("FESTIGKEIT",
              {"Lastspitzenhäufigkeitsfaktor", "Smax", "123456789012345678", "123456789012345678",
               "psi"},
              8),
       StrengthTableLayout(), 78 / 0.6L, 40 / 0.6L},
      {"load table",
       Widest("Last", {"äquiv.wirks.Flächenpressung", "K lambda", "123456789012", "lbf in"}, 8),
       LoadTableLayout(), 80 / 0.6L, 40 / 0.6L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TablePicture pic = LayoutTable(c.table, c.layout);
    EXPECT_LE(pic.width, c.maxWidth);
    EXPECT_LE(pic.height, c.maxHeight);
    const Extended bottom = c.layout.hangs ? -pic.height : 0;
    const Extended top = bottom + pic.height;
    // every text: its cell is the column its x falls into, its row the band of its y
    ASSERT_EQ(pic.texts.size(), 1 + c.table.rows.size() * c.table.rows[0].size());
    for (const TableText& t : pic.texts) {
      Extended left = 0, right = 0;
      for (Extended w : c.layout.columns) {
        right = left + w;
        if (t.x < right) break;
        left = right;
      }
      const bool title = t.y > top - c.layout.rowHeight;
      const Extended end =
          t.x + static_cast<Extended>(base::CharCount(t.text)) * c.layout.textWidth;
      EXPECT_LE(end, title ? pic.width : right) << t.text;
      EXPECT_GE(t.y, bottom);
      EXPECT_LE(t.y + c.layout.textHeight, top);
    }
    // the frame: the four edges are among the lines
    const auto has = [&](Point a, Point b) {
      return std::any_of(pic.lines.begin(), pic.lines.end(), [&](const Segment& s) {
        return (s.a == a && s.b == b) || (s.a == b && s.b == a);
      });
    };
    EXPECT_TRUE(has({0, bottom}, {pic.width, bottom}));
    EXPECT_TRUE(has({0, top}, {pic.width, top}));
    EXPECT_TRUE(has({0, bottom}, {0, top}));
    EXPECT_TRUE(has({pic.width, bottom}, {pic.width, top}));
  }
}

TEST(DrawingTable, ATitleWithoutHeadsRunsAcrossTheColumns) {
  DrawingTable t;
  t.title = {"ZAHNWELLE X"};
  t.rows = {{"a", "b", "c"}};
  const TableLayout layout = DataTableLayout();
  const TablePicture pic = LayoutTable(t, layout);
  const Extended titleBottom = pic.height - layout.rowHeight;
  for (const Segment& s : pic.lines) {
    const bool inner = s.a.x == s.b.x && s.a.x > 0 && s.a.x < pic.width;
    if (inner) {
      EXPECT_LE(std::max(s.a.y, s.b.y), titleBottom);
    }
  }
  t.title = {"FESTIGKEIT", "", "1"};
  const TablePicture headed = LayoutTable(t, layout);
  EXPECT_TRUE(std::any_of(headed.lines.begin(), headed.lines.end(), [&](const Segment& s) {
    return s.a.x == s.b.x && s.a.x > 0 && std::max(s.a.y, s.b.y) == headed.height;
  }));
}

}  // namespace
}  // namespace kv40::cad
