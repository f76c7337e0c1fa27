// The framed tables of the drawings: a title row and rows of cells in fixed columns. The
// layout is a pure function (lines and texts in millimetres); DrawTable puts it on the
// drawing through the kernel, on the layer in force.
#pragma once

#include <string>
#include <vector>

#include "cad/graphic_session.h"
#include "cad/hatch_geometry.h"

namespace kv40::cad {

struct DrawingTable {
  // The title row: the title in its first cell, column heads (if any) in the others. A head
  // row without heads runs across the whole width.
  std::vector<std::string> title;
  std::vector<std::vector<std::string>> rows;
};

struct TableLayout {
  std::vector<Extended> columns;  // widths, mm
  Extended rowHeight = 7;
  Extended textHeight = 3;
  Extended textWidth = 2.1L;  // CadTextStyle width: the advance of one character
  bool hangs = false;         // the origin is the upper left corner, else the lower left
};

struct TableText {
  std::string text;
  Extended x = 0;
  Extended y = 0;  // base line
};

struct TablePicture {
  std::vector<Segment> lines;
  std::vector<TableText> texts;
  Extended width = 0;
  Extended height = 0;
};

// The data table of a part: label, value, unit.
TableLayout DataTableLayout();
// The strength table: label, symbol, shaft, hub, unit.
TableLayout StrengthTableLayout();
// The load table: label, symbol, value, unit.
TableLayout LoadTableLayout();

TablePicture LayoutTable(const DrawingTable& table, const TableLayout& layout);

// The table at the origin of the current block or drawing, in text style 2.
void DrawTable(GraphicSession& p, const DrawingTable& table, const TableLayout& layout);

}  // namespace kv40::cad
