// Where the lines and texts of a drawing table go.
#include <numeric>

#include "cad/drawing_table.h"

namespace kv40::cad {
namespace {

constexpr Extended kInset = 1;  // from a cell's left edge to its text

}  // namespace

TableLayout DataTableLayout() {
  return {{70, 36, 12}, 7, 3, 2.1L, false};
}

TableLayout StrengthTableLayout() {
  return {{47, 10, 30, 30, 11}, 6, 2.5L, 1.6L, true};
}

TableLayout LoadTableLayout() {
  return {{47, 15, 22, 12}, 6, 2.5L, 1.6L, true};
}

TablePicture LayoutTable(const DrawingTable& table, const TableLayout& layout) {
  TablePicture pic;
  const std::size_t rowCount = table.rows.size() + 1;
  pic.width = std::accumulate(layout.columns.begin(), layout.columns.end(), Extended{0});
  pic.height = layout.rowHeight * static_cast<Extended>(rowCount);
  const Extended top = layout.hangs ? 0 : pic.height;
  const Extended bottom = top - pic.height;

  // frame and row lines
  for (std::size_t r = 0; r <= rowCount; ++r) {
    const Extended y = top - layout.rowHeight * static_cast<Extended>(r);
    pic.lines.push_back({{0, y}, {pic.width, y}});
  }
  pic.lines.push_back({{0, bottom}, {0, top}});
  pic.lines.push_back({{pic.width, bottom}, {pic.width, top}});

  // column lines: through the body, and through the title row only where it has heads
  bool heads = false;
  for (std::size_t c = 1; c < table.title.size(); ++c)
    heads = heads || !table.title[c].empty();
  const Extended bodyTop = top - layout.rowHeight;
  Extended x = 0;
  for (std::size_t c = 0; c + 1 < layout.columns.size(); ++c) {
    x += layout.columns[c];
    pic.lines.push_back({{x, bottom}, {x, heads ? top : bodyTop}});
  }

  const auto cells = [&](const std::vector<std::string>& row, std::size_t r) {
    const Extended base = top - layout.rowHeight * static_cast<Extended>(r + 1) +
                          (layout.rowHeight - layout.textHeight) / 2;
    Extended left = 0;
    for (std::size_t c = 0; c < row.size() && c < layout.columns.size(); ++c) {
      if (!row[c].empty()) pic.texts.push_back({row[c], left + kInset, base});
      left += layout.columns[c];
    }
  };
  cells(table.title, 0);
  for (std::size_t r = 0; r < table.rows.size(); ++r)
    cells(table.rows[r], r + 1);
  return pic;
}

}  // namespace kv40::cad
