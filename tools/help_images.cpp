// The help images: dimension block, tolerance fields, inspection dimensions and load.
#include "help_images.h"

#include <cmath>

#include "plot_writer.h"

namespace kv40::tools {
namespace {

using Points = std::vector<PlotWriter::Point>;
constexpr double kDeg = 3.14159265358979323846 / 180;

PlotWriter::Point Polar(double cx, double cy, double r, double deg) {
  return {cx + r * std::cos(deg * kDeg), cy + r * std::sin(deg * kDeg)};
}

void AddArc(Points& pts, double cx, double cy, double r, double from, double to) {
  const int steps = std::max(1, static_cast<int>(std::fabs(to - from) / 3));
  for (int i = 0; i <= steps; ++i)
    pts.push_back(Polar(cx, cy, r, from + (to - from) * i / steps));
}

// The outline of external teeth (shaft) or internal teeth (hub): z teeth between the radii
// rRoot and rTip, half-angles wRoot at the root and wTip at the tip, first tooth at start.
Points Teeth(double cx, double cy, int z, double rRoot, double rTip, double wRoot, double wTip,
             double start) {
  Points pts;
  const double pitch = 360.0 / z;
  for (int k = 0; k < z; ++k) {
    const double c = start + k * pitch;
    AddArc(pts, cx, cy, rRoot, c - pitch / 2, c - wRoot);
    AddArc(pts, cx, cy, rTip, c - wTip, c + wTip);
    AddArc(pts, cx, cy, rRoot, c + wRoot, c + pitch / 2);
  }
  pts.push_back(pts.front());
  return pts;
}

void Title(PlotWriter& w, const std::string& text) {
  w.Pen(7);
  w.Label(4, 113, text, 4);
  w.Pen(1);
}

// Leader from a point on a circle to a label at the left edge.
void Leader(PlotWriter& w, double cx, double cy, double r, double deg, double lx, double ly,
            const std::string& text) {
  const auto p = Polar(cx, cy, r, deg);
  w.Poly({{lx + 10, ly + 1}, p});
  w.Arrow(lx + 10, ly + 1, p.first, p.second);
  w.Label(lx, ly, text, 3);
}

std::string DimensionBlock() {
  PlotWriter w;
  Title(w, "Abmessungen DIN 5482");
  const double cx = 62, cy = 60;
  const double r1 = 44, r2 = 37, r3 = 40.5, r4 = 34;  // d1..d4 halved, drawing scale
  w.Pen(5);
  w.Circle(cx, cy, 50);  // hub outside
  w.EncodedPoly(Teeth(cx, cy, 12, r1, r2, 8.5, 6.0, 15));
  w.Pen(3);
  w.Poly(Teeth(cx, cy, 12, r4, r3, 8.5, 5.5, 0));
  w.Circle(cx, cy, 12);  // shaft bore
  w.Pen(2);
  Leader(w, cx, cy, r1, 140, 2, 96, "d1");
  Leader(w, cx, cy, r3, 172, 2, 72, "d3");
  Leader(w, cx, cy, r2, 188, 2, 52, "d2");
  Leader(w, cx, cy, r4, 215, 2, 30, "d4");
  // side view: shaft b1, hub b2, carrying width b0
  w.Pen(3);
  w.Rect(114, 52, 156, 68);
  w.Pen(5);
  w.Rect(124, 44, 148, 52);
  w.Rect(124, 68, 148, 76);
  w.Pen(2);
  w.Dimension(114, 38, 156, 38);
  w.Label(133, 32, "b1", 3);
  w.Dimension(124, 82, 148, 82);
  w.Label(133, 84, "b2", 3);
  w.Dimension(124, 92, 148, 92);
  w.Label(133, 94, "b0", 3);
  w.Pen(7);
  w.Label(114, 104, "Welle gr\xC3\xBCn, Nabe blau", 2.5);
  w.Label(114, 20,
          "d1 Fu\xC3\x9F"
          "kreis Nabe",
          2.5);
  w.Label(114, 15, "d2 Kopfkreis Nabe", 2.5);
  w.Label(114, 10, "d3 Kopfkreis Welle", 2.5);
  w.Label(114, 5,
          "d4 Fu\xC3\x9F"
          "kreis Welle",
          2.5);
  return w.Finish();
}

std::string ToleranceFields() {
  PlotWriter w;
  Title(w,
        "Toleranzfelder Zahndicke / L\xC3\xBC"
        "ckenweite");
  w.Pen(1);
  w.Line(8, 64, 152, 64);
  w.Label(8, 66, "Nulllinie", 2.5);
  w.Pen(3);  // shaft field below the zero line
  w.Rect(30, 34, 60, 56);
  w.Label(38, 44, "Welle", 3);
  w.Label(40, 39, "e 8", 3);
  w.Pen(5);  // hub field above it
  w.Rect(96, 64, 126, 92);
  w.Label(104, 80, "Nabe", 3);
  w.Label(106, 75, "H 8", 3);
  w.Pen(2);
  w.Dimension(26, 64, 26, 56);
  w.Label(12, 58, "Ase1", 2.5);
  w.Dimension(18, 64, 18, 34);
  w.Label(4, 44, "Asi1", 2.5);
  w.Dimension(132, 64, 132, 92);
  w.Label(134, 78, "Ase2", 2.5);
  w.Label(134, 66, "Asi2 = 0", 2.5);
  w.Pen(6);
  w.Dimension(78, 56, 78, 64);
  w.Label(64, 58, "jt min", 2.5);
  w.Dimension(88, 34, 88, 92);
  w.Label(90, 48, "jt max", 2.5);
  w.Pen(7);
  w.Label(4, 20,
          "Kleinbuchstaben: Welle (a..v), Gro\xC3\x9F"
          "buchstaben: Nabe (F..M)",
          2.5);
  w.Label(4, 14,
          "Toleranzreihe 4..12: Gr\xC3\xB6\xC3\x9F"
          "e der Toleranz",
          2.5);
  return w.Finish();
}

// The points of an outline whose direction from the centre lies between from and to degrees.
Points Within(const Points& outline, double cx, double cy, double from, double to) {
  Points part;
  for (const auto& p : outline) {
    double a = std::atan2(p.second - cy, p.first - cx) / kDeg;
    if (a < 0) a += 360;
    if (a >= from && a <= to) part.push_back(p);
  }
  return part;
}

std::string InspectionDimensions() {
  PlotWriter w;
  Title(w,
        "Pr\xC3\xBC"
        "fma\xC3\x9F"
        "e");
  // span over k teeth on a part of the shaft
  const double cx = 40, cy = 0;
  w.Pen(3);
  w.Poly(Within(Teeth(cx, cy, 16, 58, 66, 6, 3.5, 270), cx, cy, 50, 130));
  w.Pen(2);
  const auto a = Polar(cx, cy, 63, 90 + 22.5 + 4.5);
  const auto b = Polar(cx, cy, 63, 90 - 22.5 - 4.5);
  w.Line(a.first, a.second - 12, a.first, 88);
  w.Line(b.first, b.second - 12, b.first, 88);
  w.Dimension(a.first, 84, b.first, 84);
  w.Label(cx - 3, 86, "Wk", 3);
  w.Pen(7);
  w.Label(8, 24,
          "Zahnweite \xC3\xBC"
          "ber k Z\xC3\xA4hne",
          2.5);
  w.Label(8, 19, "(hier k = 3)", 2.5);
  // dimension over balls in opposite gaps
  const double gx = 118, gy = 60;
  w.Pen(3);
  w.Poly(Teeth(gx, gy, 12, 20, 26, 8.5, 5.5, 15));
  w.Pen(4);
  w.Circle(gx + 24, gy, 4);
  w.Circle(gx - 24, gy, 4);
  w.Pen(2);
  w.Line(gx - 28, gy, gx - 28, 98);
  w.Line(gx + 28, gy, gx + 28, 98);
  w.Dimension(gx - 28, 94, gx + 28, 94);
  w.Label(gx - 2, 96, "M", 3);
  w.Pen(7);
  w.Label(90, 24,
          "Ma\xC3\x9F \xC3\xBC"
          "ber Kugeln DM",
          2.5);
  w.Label(90, 19, "(Nabe: zwischen den Kugeln)", 2.5);
  return w.Finish();
}

std::string LoadAreas() {
  PlotWriter w;
  Title(w,
        "Last: tragende Fl\xC3\xA4"
        "chen");
  // longitudinal section: shaft tooth under the hub tooth over the carrying width b0
  w.Pen(3);
  w.Rect(10, 40, 80, 60);
  w.Pen(5);
  w.Rect(20, 56, 70, 80);
  w.Pen(2);
  for (double x = 22; x < 70; x += 3)
    w.Line(x, 56, x + 2, 60);
  w.Dimension(20, 30, 70, 30);
  w.Label(38, 24, "b0 (L)", 3);
  w.Dimension(76, 56, 76, 60);
  w.Label(78, 57, "h", 3);
  w.Pen(6);  // the torque on the shaft
  w.Arc(45, 50, 35, 42, 120);
  w.Label(30, 86, "T", 4);
  // a shaft tooth between two hub teeth: the flanks carry between d2/2 and d3/2
  w.Pen(3);
  w.Poly({{96, 50}, {106, 50}, {109, 86}, {117, 86}, {120, 50}, {130, 50}});
  w.Pen(5);
  w.Poly({{92, 98}, {96, 98}, {104, 74}, {96, 74}, {92, 80}});
  w.Poly({{134, 98}, {130, 98}, {122, 74}, {130, 74}, {134, 80}});
  w.Pen(2);
  for (double y = 75; y < 86; y += 2.5)
    w.Line(120.2 - (y - 50) * 3 / 36 + 1, y, 121 - (y - 50) * 3 / 36 + 3, y + 1);
  w.Line(136, 74, 148, 74);
  w.Line(120, 86, 148, 86);
  w.Dimension(146, 74, 146, 86);
  w.Label(148, 78, "h'", 3);
  w.Label(138, 68, "d2/2", 2.2);
  w.Label(138, 88, "d3/2", 2.2);
  w.Label(96, 14, "Roloff/Matek: h' = (d3 - d2 - 0,22 m) / 2", 2.2);
  w.Label(96, 9, "Niemann 1981: h = (d3 - d2) / 2", 2.2);
  w.Label(96, 4, "Niemann 2005: hw, rm, K phi \xC3\x9F", 2.2);
  return w.Finish();
}

std::string LoadFactors() {
  PlotWriter w;
  Title(w, "Anwendungsfaktor KA, Lastspitzen fL");
  w.Pen(1);
  w.Line(15, 20, 150, 20);
  w.Arrow(15, 20, 150, 20);
  w.Line(15, 20, 15, 105);
  w.Arrow(15, 20, 15, 105);
  w.Label(146, 14, "t", 3);
  w.Label(8, 102, "T", 3);
  w.Pen(3);
  Points load;
  for (int i = 0; i <= 130; ++i) {
    const double x = 15 + i;
    const double peak = (i % 40 > 34) ? 28 : 0;
    load.push_back({x, 50 + 8 * std::sin(i * 0.35) + peak});
  }
  w.EncodedPoly(load);
  w.Pen(5);
  w.Line(15, 50, 150, 50);
  w.Label(120, 45, "TN", 3);
  w.Pen(6);
  w.Line(15, 60, 150, 60);
  w.Label(112, 62, "Teq = KA * TN", 3);
  w.Pen(2);
  w.Line(15, 86, 150, 86);
  w.Label(120, 88, "Tmax", 3);
  w.Pen(7);
  w.Label(20, 8, "fL: wie oft Tmax auftritt", 2.5);
  return w.Finish();
}

std::string AlternatingLoad() {
  PlotWriter w;
  Title(w, "Lastrichtungswechsel fW");
  for (int part = 0; part < 2; ++part) {
    const double x0 = 10 + part * 76, y0 = 60;
    w.Pen(1);
    w.Line(x0, y0, x0 + 68, y0);
    w.Line(x0, y0 - 32, x0, y0 + 36);
    w.Pen(3);
    Points curve;
    for (int i = 0; i <= 64; ++i) {
      const double s = std::sin(i * 0.2);
      curve.push_back({x0 + i, y0 + (part == 0 ? 15 + 12 * s : 28 * s)});
    }
    w.Poly(curve);
    w.Pen(7);
    w.Label(x0 + 4, 20, part == 0 ? "gleiche Richtung: fW = 1" : "wechselnd: fW < 1", 2.5);
  }
  return w.Finish();
}

std::string NoImage() {
  PlotWriter w;
  w.Pen(1);
  w.Rect(20, 40, 140, 80);
  w.Label(34, 58, "Kein Hilfebild vorhanden", 4);
  return w.Finish();
}

}  // namespace

std::vector<HelpImage> HelpImages() {
  return {
      {"abmess", "Abmessungen d1 bis d4, b1, b2, b0", DimensionBlock()},
      {"toleranz",
       "Toleranzfelder Zahndicke und L\xC3\xBC"
       "ckenweite",
       ToleranceFields()},
      {"messen",
       "Pr\xC3\xBC"
       "fma\xC3\x9F"
       "e: Zahnweite, Ma\xC3\x9F \xC3\xBC"
       "ber Kugeln",
       InspectionDimensions()},
      {"last",
       "Last: Drehmoment, Breite, tragende Fl\xC3\xA4"
       "chen",
       LoadAreas()},
      {"lastka", "Anwendungsfaktor KA und Lastspitzen fL", LoadFactors()},
      {"lastfw", "Lastrichtungswechselfaktor fW", AlternatingLoad()},
      {"null", "Kein Hilfebild vorhanden", NoImage()},
  };
}

}  // namespace kv40::tools
