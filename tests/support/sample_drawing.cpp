// A drawing that uses every call of the drawing kernel.
#include "support/sample_drawing.h"

namespace kv40::test {

using namespace cad;

void DrawSample(GraphicSession& p, CadDevice device, int tables) {
  constexpr Extended kPi = 3.14159265358979323846L;
  CadBeginDrawing(p, device);
  CadLimits(p, 0, 0, 200, 150);
  CadTables(p, tables);
  CadBeginBlocks(p);
  CadLayer(p, 5);
  CadBlock(p, "MARK");
  CadCircle(p, 0, 0, 3);
  CadLine(p, -4, 0, 4, 0);
  CadArc(p, 0, 0, 30, 150, 5);
  CadTextStyle(p, 1, 0, 2.5, 0);
  CadText(p, "M", 1, 1);
  CadSolid(p, 0, 0, 1, 0, 0, 1, 1, 1);
  CadLayer(p, 2);
  CadBeginPolyline(p);
  CadVertex(p, -3, -3, 0);
  CadVertex(p, 3, -3, kPi / 2);
  CadVertex(p, 3, 3, 0);
  CadEndPolyline(p);
  CadEndBlock(p);
  CadBlock(p, "PAIR");
  CadInsert(p, "MARK", -10, 0, 0, 1, 1);
  CadInsert(p, "MARK", 10, 0, 45, 0.5, 0.5);
  CadEndBlock(p);
  CadEndSection(p);

  CadEntities(p);
  for (int layer : {0, 1, 2, 3, 4, 5}) {
    CadLayer(p, layer);
    CadLine(p, 10, 10 + 5 * layer, 60, 10 + 5 * layer);
  }
  if (tables == 2) {
    CadLayer(p, 19);
    CadCircle(p, 100, 75, 20);
    CadLayer(p, 40);  // folds to 24
    CadArc(p, 100, 75, 0, 360, 25);
  }
  CadLayer(p, 5);
  CadArc(p, 100, 75, 10, 100, 30);
  CadArc(p, 100, 75, 350, 20, 32);
  CadArc(p, 100, 75, 0, 2, 34);  // below 4 degrees: a chord on screen
  CadRectangle(p, 150, 10, 190, 40);
  CadSolid(p, 150, 50, 160, 50, 150, 60, 165, 62);
  CadOrigin(p, 20, 100);
  CadBeginPolyline(p);
  CadVertex(p, 0, 0, 0);
  CadVertex(p, 10, 0, kPi / 2);
  CadVertex(p, 20, 10, 0);
  CadVertex(p, 20, 20, -kPi / 3);
  CadVertex(p, 30, 25, 0);
  CadEndPolyline(p);
  CadOrigin(p, 0, 0);
  CadTextStyle(p, 2, 0, 3.5, 2.5);
  CadTextJustify(p, 1, 1);
  CadText(p, "Zähne 1:2", 100, 130);
  CadTextJustify(p, 0, 0);
  CadMoveTo(p, 10, 140);
  CadTextLine(p, "Welle");
  CadTextLine(p, "Nabe");
  CadSizeUnit(p, 1);
  CadArrow(p, 120, 20, 0);
  CadDimension(p, "ø40", "-0,1", "+0,2", 20, 60, 180);
  CadDimensionExt(p, "ø25", "", "", 140, 70, 140, 95, 175);
  CadInsert(p, "MARK", 60, 110, 0, 1, 1);
  CadInsert(p, "PAIR", 100, 110, 30, 2, 2);
  CadEndSection(p);
  CadEndDrawing(p);
}

}  // namespace kv40::test
