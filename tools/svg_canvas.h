// An SVG picture of a help image: the HP-GL interpreter's canvas for the user manual.
#pragma once

#include <cmath>
#include <string>

#include "base/text.h"
#include "help/hpgl.h"

namespace kv40::tools {

class SvgCanvas final : public help::HpglCanvas {
 public:
  SvgCanvas(double width, double height) : w_(width), h_(height) {}

  void Line(Extended x1, Extended y1, Extended x2, Extended y2, int pen) override {
    body_ += "<line x1=\"" + N(x1) + "\" y1=\"" + N(Y(y1)) + "\" x2=\"" + N(x2) + "\" y2=\"" +
             N(Y(y2)) + "\" stroke=\"" + Colour(pen) + "\"/>\n";
  }
  void Circle(Extended xc, Extended yc, Extended r, int pen) override {
    body_ += "<circle cx=\"" + N(xc) + "\" cy=\"" + N(Y(yc)) + "\" r=\"" + N(r) +
             "\" fill=\"none\" stroke=\"" + Colour(pen) + "\"/>\n";
  }
  void Arc(Extended xc, Extended yc, Extended a1, Extended a2, Extended r, int pen) override {
    const double rad = 3.14159265358979323846 / 180;
    if (a2 - a1 >= 359.999) {
      Circle(xc, yc, r, pen);
      return;
    }
    const double xs = static_cast<double>(xc) + static_cast<double>(r) * std::cos(a1 * rad);
    const double ys = static_cast<double>(yc) + static_cast<double>(r) * std::sin(a1 * rad);
    const double xe = static_cast<double>(xc) + static_cast<double>(r) * std::cos(a2 * rad);
    const double ye = static_cast<double>(yc) + static_cast<double>(r) * std::sin(a2 * rad);
    // y runs downwards in SVG: counter-clockwise on paper is sweep flag 0
    body_ += "<path d=\"M " + N(xs) + " " + N(Y(ys)) + " A " + N(r) + " " + N(r) + " 0 " +
             (a2 - a1 > 180 ? "1" : "0") + " 0 " + N(xe) + " " + N(Y(ye)) +
             "\" fill=\"none\" stroke=\"" + Colour(pen) + "\"/>\n";
  }
  void Label(Extended x, Extended y, const std::string& text, Extended angle, Extended height,
             Extended, int pen) override {
    body_ += "<text x=\"" + N(x) + "\" y=\"" + N(Y(y)) + "\" font-size=\"" + N(height * 1.3) +
             "\" fill=\"" + Colour(pen) + "\"" +
             (angle != 0 ? " transform=\"rotate(" + N(-angle) + " " + N(x) + " " + N(Y(y)) + ")\""
                         : std::string()) +
             ">" + base::HtmlEscaped(text) + "</text>\n";
  }

  std::string Document() const {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + N(w_) + " " + N(h_) +
           "\" width=\"" + N(w_ * 4) + "\" height=\"" + N(h_ * 4) +
           "\" font-family=\"sans-serif\" stroke-width=\"0.3\">\n<rect width=\"100%\" "
           "height=\"100%\" fill=\"#ffffff\"/>\n" +
           body_ + "</svg>\n";
  }

 private:
  Extended Y(Extended y) const { return h_ - y; }
  static std::string N(Extended v) {
    const long thousandths = std::lround(static_cast<double>(v) * 1000);
    std::string s = std::to_string(std::labs(thousandths));
    while (s.size() < 4)
      s.insert(0, "0");
    s.insert(s.size() - 3, ".");
    return (thousandths < 0 ? "-" : "") + s;
  }
  // The pens in the colours of the graphic window's palette, darkened where white on white.
  static std::string Colour(int pen) {
    switch (help::HpglPenColour(pen)) {
      case 12:
        return "#d00000";
      case 14:
        return "#b08800";
      case 10:
        return "#008800";
      case 11:
        return "#008888";
      case 9:
        return "#0000d0";
      case 13:
        return "#b000b0";
      default:
        return "#000000";
    }
  }
  double w_, h_;
  std::string body_;
};

}  // namespace kv40::tools
