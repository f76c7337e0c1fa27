// A drawing table through the kernel: its lines, then its texts.
#include "cad/drawing_table.h"

#include "cad/kernel.h"

namespace kv40::cad {

void DrawTable(GraphicSession& p, const DrawingTable& table, const TableLayout& layout) {
  const TablePicture pic = LayoutTable(table, layout);
  for (const Segment& s : pic.lines)
    CadLine(p, s.a.x, s.a.y, s.b.x, s.b.y);
  CadTextStyle(p, 2, 0, layout.textHeight, layout.textWidth);
  for (const TableText& t : pic.texts)
    CadText(p, t.text, t.x, t.y);
}

}  // namespace kv40::cad
