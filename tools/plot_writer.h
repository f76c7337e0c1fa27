// Writing HP-GL plot files for the help images: millimetres in, plotter units out.
#pragma once

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "base/codepage.h"

namespace kv40::tools {

class PlotWriter {
 public:
  using Point = std::pair<double, double>;

  PlotWriter() { out_ = "IN;SP1;"; }

  void Pen(int n) { out_ += "SP" + std::to_string(n) + ";"; }
  void MoveTo(double x, double y) { out_ += "PU" + Xy(x, y) + ";"; }
  // A polyline with the pen down.
  void Poly(const std::vector<Point>& points) {
    if (points.empty()) return;
    MoveTo(points[0].first, points[0].second);
    std::string pd = "PD";
    for (std::size_t i = 1; i < points.size(); ++i)
      pd += (i > 1 ? "," : "") + Xy(points[i].first, points[i].second);
    out_ += pd + ";PU;";
  }
  // The same polyline as an encoded polyline (8-bit form).
  void EncodedPoly(const std::vector<Point>& points) {
    if (points.empty()) return;
    MoveTo(points[0].first, points[0].second);
    std::string pe = "PE";
    long px = Units(points[0].first), py = Units(points[0].second);
    for (std::size_t i = 1; i < points.size(); ++i) {
      const long x = Units(points[i].first), y = Units(points[i].second);
      pe += Encode(x - px) + Encode(y - py);
      px = x;
      py = y;
    }
    out_ += pe + ";PU;";
  }
  void Line(double x1, double y1, double x2, double y2) { Poly({{x1, y1}, {x2, y2}}); }
  void Rect(double x1, double y1, double x2, double y2) {
    Poly({{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}});
  }
  void Circle(double xc, double yc, double r) {
    MoveTo(xc, yc);
    out_ += "CI" + std::to_string(Units(r)) + ";";
  }
  // An arc from (xs, ys) about (xc, yc) over sweep degrees (counter-clockwise positive).
  void Arc(double xc, double yc, double xs, double ys, double sweep) {
    MoveTo(xs, ys);
    out_ +=
        "PD;AA" + Xy(xc, yc) + "," + std::to_string(static_cast<long>(std::lround(sweep))) + ";PU;";
  }
  // A label with its lower left corner at (x, y); height in mm, run/rise its direction.
  void Label(double x, double y, const std::string& utf8, double height = 3.0, double run = 1,
             double rise = 0) {
    MoveTo(x, y);
    const double w = height * 0.06;  // centimetres
    const double h = height * 0.1;
    out_ += "SI" + Num(w) + "," + Num(h) + ";DI" + Num(run) + "," + Num(rise) + ";";
    out_ += "LB" + base::Utf8ToCp437(utf8).bytes + "\x03;";
  }
  // A dimension line with arrows at both ends.
  void Dimension(double x1, double y1, double x2, double y2) {
    Line(x1, y1, x2, y2);
    Arrow(x2, y2, x1, y1);
    Arrow(x1, y1, x2, y2);
  }
  // An arrow head at (x2, y2) of a line coming from (x1, y1).
  void Arrow(double x1, double y1, double x2, double y2) {
    const double a = std::atan2(y2 - y1, x2 - x1);
    const double l = 2.5, w = 0.35;
    Poly({{x2 - l * std::cos(a - w), y2 - l * std::sin(a - w)},
          {x2, y2},
          {x2 - l * std::cos(a + w), y2 - l * std::sin(a + w)}});
  }
  void Raw(const std::string& hpgl) { out_ += hpgl; }
  std::string Finish() { return out_ + "PU;SP0;"; }

 private:
  static long Units(double mm) { return std::lround(mm / 0.025); }
  static std::string Xy(double x, double y) {
    return std::to_string(Units(x)) + "," + std::to_string(Units(y));
  }
  static std::string Num(double v) {
    std::string s = std::to_string(std::lround(v * 1000));
    // thousandths as a decimal text with a point, never by the locale
    const bool neg = s[0] == '-';
    if (neg) s.erase(0, 1);
    while (s.size() < 4)
      s.insert(0, "0");
    s.insert(s.size() - 3, ".");
    return (neg ? "-" : "") + s;
  }
  // One value in the 8-bit encoded form: the sign in the lowest bit, six bits per character.
  static std::string Encode(long units) {
    unsigned long v = units < 0 ? static_cast<unsigned long>(-units) * 2 + 1
                                : static_cast<unsigned long>(units) * 2;
    std::string s;
    while (v >= 64) {
      s.push_back(static_cast<char>(63 + (v & 63)));
      v >>= 6;
    }
    s.push_back(static_cast<char>(191 + v));
    return s;
  }
  std::string out_;
};

}  // namespace kv40::tools
