// Pictures 7 and 8: shaft and hub in mesh, a few teeth with their data, and the whole pair.
#include <algorithm>
#include <cmath>

#include "base/format.h"
#include "cad/tooth_emit.h"
#include "cad/tooth_marks.h"
#include "cad/tooth_pictures.h"
#include "calc/tooth_outline.h"
#include "calc/tooth_tool.h"

namespace kv40::cad {
namespace {

constexpr Extended kDeg = 180 / calc::kPi;

struct Pair {
  calc::ToothGear shaft, hub;
};

std::optional<Pair> Gears(GraphicSession& p) {
  const model::SpecState& s = p.connection;
  Pair g{calc::MakeToothGear(s, 1, s.xem[1]), calc::MakeToothGear(s, 2, s.xem[2])};
  for (const calc::ToothGear* x : {&g.shaft, &g.hub}) {
    if (!x->failure.empty()) {
      FailDrawing(p, x->failure);
      ShowDrawingFailure(p);
      return std::nullopt;
    }
  }
  return g;
}

void Begin(GraphicSession& p, CadDevice device, Extended xmin, Extended ymin, Extended xmax,
           Extended ymax, const Pair& g) {
  CadBeginDrawing(p, device);
  CadLayer(p, 0);
  CadLimits(p, xmin, ymin, xmax, ymax);
  CadTables(p, p.toothForm.drawDiameters == 2 ? 2 : 0);
  CadBeginBlocks(p);
  DefineBlock(p, "EVOLV1", calc::ToothOutline(g.shaft, p.toothForm));
  DefineBlock(p, "EVOLV2", calc::ToothOutline(g.hub, p.toothForm));
}

void StartEntities(GraphicSession& p) {
  CadEndSection(p);
  CadEntities(p);
  CadLayer(p, 0);
}

void Finish(GraphicSession& p) {
  CadEndSection(p);
  CadEndDrawing(p);
  ShowDrawingFailure(p);
}

// The data of the meshing: general lines, then six lines for each part.
std::vector<std::string> MeshingData(const GraphicSession& p, const Pair& g) {
  const model::SpecState& s = p.connection;
  const base::NumberFormat& nf = p.fmt();
  const std::string deg = base::AngleUnit(nf);
  std::vector<std::string> l = {
      "mn = " + base::FormatLengthSig(nf, s.mn),
      "alpha= " + base::FormatSig(nf, s.alpha) + deg,
      "beta = " + base::FormatSig(nf, s.beta) + deg,
      "a = " + base::FormatLengthSig(nf, s.aCad),
      "x1 = " + base::FormatSig(nf, s.x[1]),
      "phi = " + base::FormatSig(nf, s.rotAngle1) + deg,
  };
  for (const calc::ToothGear* x : {&g.shaft, &g.hub}) {
    const std::string i = std::to_string(x->part);
    auto len = [&](Extended v) { return base::FormatLengthDec(nf, 3, std::fabs(v)); };
    l.push_back("z" + i + "  = " + base::IntToText(x->z));
    l.push_back("dw" + i + " = " + len(x->dwe));
    l.push_back("df" + i + " = " + len(x->dfe));
    l.push_back("da" + i + " = " + len(x->dae));
    l.push_back("db" + i + " = " + len(x->db));
    l.push_back("xe" + i + " = " + base::FormatSig(nf, x->xe));
  }
  return l;
}

// An arc of the meshing about (0, yc) at the tooth axis, labelled at one end.
void MeshArc(GraphicSession& p, const std::string& label, Extended diameter, int layer, Extended yc,
             bool hubSide, Extended open, Extended textHeight) {
  const Extended R = std::fabs(diameter) / 2;
  if (!(R > 0)) return;
  CadLayer(p, layer);
  CadArc(p, 0, yc, 90 - open, 90 + open, R);
  // the hub's labels at the left ends, the shaft's at the right ends
  const Extended end = (hubSide ? 90 + open : 90 - open) / kDeg;
  CadTextStyle(p, 2, hubSide ? open : -open, textHeight, 0.8L * textHeight);
  CadTextJustify(p, hubSide ? 2 : 0, 0);
  CadText(p, label, R * std::cos(end), yc + R * std::sin(end));
  CadTextJustify(p, 0, 0);
}

}  // namespace

void DrawMeshing(GraphicSession& p, CadDevice device) {
  const auto g = Gears(p);
  if (!g) return;
  const model::SpecState& s = p.connection;
  const Extended m = s.mn, a = s.aCad;
  // two pitches either side hold the four hub teeth
  const Extended span = std::min<Extended>(2.2L * 360 / g->shaft.teeth(), 180) / kDeg;
  const Extended outer = std::fabs(g->hub.dfe) / 2 + std::fabs(a) + 0.5L * m;
  const Extended inner = g->shaft.dfe / 2;
  const Extended half = span >= calc::kPi / 2 ? outer : outer * std::sin(span);
  const Extended ymin = std::min(inner * std::cos(span), outer * std::cos(span)) - 0.5L * m;
  const Extended ymax = outer + std::max<Extended>(a, 0);
  // the data below the teeth in three columns: general, shaft, hub
  const std::vector<std::string> data = MeshingData(p, *g);
  std::size_t longest = 0;
  for (const auto& l : data)
    longest = std::max(longest, l.size());
  const Extended column = 2 * half / 3;
  const Extended th = std::min<Extended>(column / ((longest + 2) * 0.8L), 0.2L * m);
  const Extended blockTop = ymin, blockBottom = ymin - th * (1.6L * 6 + 1.5L);
  Begin(p, device, -half - 0.3L * m, blockBottom - 0.3L * m, half + 0.3L * m, ymax, *g);
  StartEntities(p);
  const calc::Meshing mesh = calc::MeshingPlacements(s.z[1], s.z[2], a, s.rotAngle1);
  InsertEach(p, "EVOLV1", mesh.shaftTeeth);
  InsertEach(p, "EVOLV2", mesh.hubTeeth);
  CadLayer(p, 1);
  CadLine(p, 0, ymin + 0.2L * m, 0, ymax);
  if (p.toothForm.drawDiameters == 2) {
    const Extended open = 0.8L * span * kDeg;
    const calc::ToothGear& h = g->hub;
    const calc::ToothGear& w = g->shaft;
    const struct {
      const char* label;
      Extended d;
      int layer;
      bool hubSide;
    } arcs[] = {{"db2", h.db, 25, true},  {"df2", h.dfe, 19, true},  {"d2", h.d, 17, true},
                {"dw2", h.dwe, 18, true}, {"dFa", h.dFa, 29, true},  {"dNf", w.dNf, 24, false},
                {"db1", w.db, 25, false}, {"df1", w.dfe, 19, false}, {"d1", w.d, 17, false},
                {"dw1", w.dwe, 18, false}};
    int k = 0;
    for (const auto& arc : arcs) {
      // labels at one radius would cover each other: each arc a little shorter than the last
      MeshArc(p, arc.label, arc.d, arc.layer, arc.hubSide ? a : 0, arc.hubSide,
              open * (1 - 0.07L * (k++ % 5)), 0.6L * th);
    }
  }
  CadLayer(p, 3);
  CadRectangle(p, -half, blockTop, half, blockBottom);
  CadLayer(p, 4);
  CadTextStyle(p, 2, 0, th, 0.8L * th);
  for (std::size_t k = 0; k < data.size(); ++k) {
    if (k % 6 == 0) CadMoveTo(p, -half + (k / 6) * column + 0.8L * th, blockTop - 1.8L * th);
    CadTextLine(p, data[k]);
  }
  Finish(p);
}

void DrawPair(GraphicSession& p, CadDevice device) {
  const auto g = Gears(p);
  if (!g) return;
  const model::SpecState& s = p.connection;
  const Extended m = s.mn, a = s.aCad;
  const Extended e =
      std::max(std::fabs(g->hub.df) / 2 + m, g->shaft.da0 / 2 + 1.5L * m) + std::fabs(a);
  Begin(p, device, -e, -e, e, e, *g);
  for (const calc::ToothGear* x : {&g->shaft, &g->hub}) {
    const std::string n = std::to_string(x->part);
    CadBlock(p, "RAD" + n);
    CadLayer(p, 0);
    InsertEach(p, "EVOLV" + n, calc::ToothPlacements(*x));
    CadEndBlock(p);
  }
  StartEntities(p);
  const calc::GearPair pair = calc::PairPlacements(s.z[1], s.z[2], a, s.rotAngle1);
  InsertEach(p, "RAD1", {pair.shaft});
  InsertEach(p, "RAD2", {pair.hub});
  if (p.toothForm.drawDiameters == 2) {
    const auto shaft = DiameterMarks(g->shaft, p.toothForm, true);
    const auto hub = DiameterMarks(g->hub, p.toothForm, true);
    DrawDiameterCircles(p, shaft, 0, 0);
    DrawDiameterCircles(p, hub, 0, a);
    const Extended h = 2 * e / 80;  // the lists in the corner beside the gears
    ListDiameters(p, shaft, "1", -e + h, e - 2 * h, h);
    ListDiameters(p, hub, "2", -e + h, e - 2 * h - 1.6L * h * (shaft.size() + 1), h);
  }
  Finish(p);
}

}  // namespace kv40::cad
