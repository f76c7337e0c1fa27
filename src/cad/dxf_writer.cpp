// The DXF writer: header, tables, blocks and entities in the group-code form.
#include "cad/dxf_writer.h"

#include <cmath>

#include "base/text.h"
#include "cad/cad_text.h"

namespace kv40::cad {
namespace {

constexpr std::string_view kEol = "\r\n";
constexpr std::size_t kMaxTextBytes = 255;  // what R12 readers take in one group

struct LineType {
  const char* name;
  const char* description;
  const char* count;
  const char* length;
  std::initializer_list<const char*> elements;
};

const LineType kLineTypes[] = {
    {"CONTINUOUS", "Ausgezogene Linie", "0", "0.0", {}},
    {"DASHDOT", "--. --. --.-", "4", "1.0", {"0.5", "-0.25", "0.0", "-0.25"}},
    {"DASHED", "- - - - - - ", "2", "0.375", {"0.25", "-0.125"}},
};

}  // namespace

std::string DxfLayerName(const model::Config& c, int layer) {
  if (layer >= 1 && layer < model::kLayerCount) {
    const std::string name = CadTextBytes(c.fmt.cadTextMode, base::Trim(c.layerNames[layer]));
    if (!name.empty()) return name.substr(0, model::kLayerNameLength);
  }
  return base::IntToText(layer);
}

bool IsFullCircle(Extended a1, Extended a2) {
  if (a1 == a2) return true;
  const auto near = [](Extended a, Extended b) { return std::fabs(a - b) < 1e-5L; };
  return (near(a1, 0) && near(a2, 360)) || (near(a1, 360) && near(a2, 0));
}

DxfWriter::DxfWriter(const model::Config& c) : config_(c) {
  for (int i = 0; i < kLayerCount; ++i)
    layerNames_[static_cast<std::size_t>(i)] = DxfLayerName(c, i);
  decimals_ = c.cadDecimals >= 1 && c.cadDecimals <= 32 ? c.cadDecimals : 6;
}

void DxfWriter::Code(int code) {
  char buf[8];
  const std::string digits = base::IntToText(code);
  std::size_t n = 0;
  for (std::size_t pad = digits.size(); pad < 3; ++pad)
    buf[n++] = ' ';
  out_.append(buf, n);
  out_ += digits;
  out_ += kEol;
}

void DxfWriter::Pair(int code, std::string_view value) {
  Code(code);
  out_ += value;
  out_ += kEol;
}

void DxfWriter::Num(int code, Extended value) {
  Code(code);
  AppendFixed(out_, value, decimals_);
  out_ += kEol;
}

void DxfWriter::Sig(int code, Extended value) {
  Pair(code, SigText(config_.fmt, value));
}

void DxfWriter::Section(std::string_view name) {
  Pair(0, "SECTION");
  Pair(2, name);
}

void DxfWriter::Entity(std::string_view name) {
  Pair(0, name);
  Pair(8, layerNames_[static_cast<std::size_t>(layer_)]);
}

void DxfWriter::Header(Extended xmin, Extended ymin, Extended xmax, Extended ymax) {
  Section("HEADER");
  const auto point = [&](std::string_view var, Extended x, Extended y) {
    Pair(9, var);
    Num(10, x);
    Num(20, y);
  };
  point("$EXTMIN", xmin, ymin);
  point("$EXTMAX", xmax, ymax);
  point("$LIMMIN", xmin, ymin);
  point("$LIMMAX", xmax, ymax);
  Pair(9, "$LTSCALE");
  Pair(40, "15");
  Pair(0, "ENDSEC");
}

void DxfWriter::Tables(int variant) {
  Section("TABLES");
  Pair(0, "TABLE");
  Pair(2, "LTYPE");
  Pair(70, variant == 1 ? "17" : variant == 2 ? "23" : "6");
  for (const LineType& t : kLineTypes) {
    Pair(0, "LTYPE");
    Pair(2, t.name);
    Pair(70, "64");
    Pair(3, t.description);
    Pair(72, "65");
    Pair(73, t.count);
    Pair(40, t.length);
    for (const char* e : t.elements)
      Pair(49, e);
  }
  Pair(0, "ENDTAB");
  Pair(0, "TABLE");
  Pair(2, "LAYER");
  Pair(70, "24");
  const auto layer = [&](int n, int color, std::string_view lineType) {
    Pair(0, "LAYER");
    Pair(2, layerNames_[static_cast<std::size_t>(n)]);
    Pair(70, "0");
    Pair(62, base::IntToText(config_.layerMonochrome ? 1 : color));
    Pair(6, lineType);
  };
  if (variant == 1) {
    for (int n = 0; n < 16; ++n)
      layer(n, n + 1, "CONTINUOUS");
  } else {
    layer(0, 1, "CONTINUOUS");
    for (int n = 1; n < model::kLayerCount; ++n)
      layer(n, config_.layerColors[static_cast<std::size_t>(n)],
            n == 1   ? "DASHDOT"
            : n == 2 ? "DASHED"
                     : "CONTINUOUS");
    if (variant == 2) {
      for (int n = 16; n < 32; ++n)
        layer(n, config_.upperLayerColors[static_cast<std::size_t>(n - 16)], "CONTINUOUS");
    }
  }
  Pair(0, "ENDTAB");
  Pair(0, "TABLE");
  Pair(2, "STYLE");
  Pair(70, "1");
  Pair(0, "STYLE");
  Pair(2, "STANDARD");
  Pair(70, "0");
  Pair(40, "0.0");
  Pair(41, "1.0");
  Pair(50, "0.0");
  Pair(71, "0");
  Pair(42, "3.5");
  Pair(3, base::UpperCase(CadTextBytes(1, base::Trim(config_.cadTextStyle))));
  Pair(4, "");
  out_ += "0";  // this one code line has always been written unpadded
  out_ += kEol;
  out_ += "ENDTAB";
  out_ += kEol;
  Pair(0, "ENDSEC");
}

void DxfWriter::Block(std::string_view name) {
  Pair(0, "BLOCK");
  Pair(8, layerNames_[static_cast<std::size_t>(layer_)]);
  Pair(2, CadTextBytes(1, name));
  Pair(70, "0");
  Pair(10, "0.0");
  Pair(20, "0.0");
}

void DxfWriter::Line(Extended x1, Extended y1, Extended x2, Extended y2) {
  Entity("LINE");
  Num(10, x1);
  Num(20, y1);
  Num(11, x2);
  Num(21, y2);
}

void DxfWriter::Circle(Extended xc, Extended yc, Extended r) {
  Entity("CIRCLE");
  Num(10, xc);
  Num(20, yc);
  Num(40, r);
}

void DxfWriter::Arc(Extended xc, Extended yc, Extended a1, Extended a2, Extended r) {
  if (IsFullCircle(a1, a2)) {
    Circle(xc, yc, r);
    return;
  }
  Entity("ARC");
  Num(10, xc);
  Num(20, yc);
  Num(40, r);
  Num(50, a1);
  Num(51, a2);
}

void DxfWriter::Text(std::string_view text, Extended x, Extended y, const CadTextFormat& f) {
  std::string bytes = CadTextBytes(config_.fmt.cadTextMode, text);
  if (bytes.size() > kMaxTextBytes) bytes.resize(kMaxTextBytes);
  Entity("TEXT");
  Num(10, x);
  Num(20, y);
  Num(40, f.height);
  Pair(1, bytes);
  Pair(7, "STANDARD");
  Sig(41, f.width);
  Sig(50, f.angle);
  Sig(51, f.oblique);
}

void DxfWriter::Solid(Extended x1, Extended y1, Extended x2, Extended y2, Extended x3, Extended y3,
                      Extended x4, Extended y4) {
  Entity("SOLID");
  Num(10, x1);
  Num(20, y1);
  Num(11, x2);
  Num(21, y2);
  Num(12, x3);
  Num(22, y3);
  Num(13, x4);
  Num(23, y4);
}

void DxfWriter::Insert(std::string_view name, Extended x, Extended y, Extended angle, Extended sx,
                       Extended sy) {
  Entity("INSERT");
  Pair(2, CadTextBytes(1, name));
  Num(10, x);
  Num(20, y);
  Num(41, sx);
  Num(42, sy);
  Num(50, angle);
}

void DxfWriter::Polyline(int flags) {
  Entity("POLYLINE");
  Pair(66, "1");
  if (flags != 0) Pair(70, base::IntToText(flags));
}

void DxfWriter::Vertex(Extended x, Extended y, Extended bulge) {
  Entity("VERTEX");
  Num(10, x);
  Num(20, y);
  if (bulge != 0) Num(42, bulge);
}

void DxfWriter::SeqEnd() {
  Entity("SEQEND");
}

}  // namespace kv40::cad
