// The DXF writer: the classic ASCII group-code form (a code line, a value line) of the
// sections, tables and entities the drawings need, collected in memory.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/part_pair.h"
#include "cad/cad_output.h"
#include "model/config.h"

namespace kv40::cad {

inline constexpr int kLayerCount = 32;

// The layer's name in CAD files: layer 0 is "0", layers 1..5 have their configured names,
// every other layer its number. An empty configured name is replaced by the number.
std::string DxfLayerName(const model::Config& c, int layer);

class DxfWriter {
 public:
  explicit DxfWriter(const model::Config& c);
  // the writer keeps a reference to the settings: a temporary would die before the writer
  explicit DxfWriter(const model::Config&&) = delete;

  void Header(Extended xmin, Extended ymin, Extended xmax, Extended ymax);
  // The TABLES section: line types, layers (variant 0, 1 or 2), the text style.
  void Tables(int variant);
  void BeginBlocks() { Section("BLOCKS"); }
  void BeginEntities() { Section("ENTITIES"); }
  void EndSection() { Pair(0, "ENDSEC"); }
  void Block(std::string_view name);
  void EndBlock() { Pair(0, "ENDBLK"); }
  void SetLayer(int layer) { layer_ = layer; }

  void Line(Extended x1, Extended y1, Extended x2, Extended y2);
  void Circle(Extended xc, Extended yc, Extended r);
  // A CIRCLE when the angles span the full turn.
  void Arc(Extended xc, Extended yc, Extended a1, Extended a2, Extended r);
  void Text(std::string_view text, Extended x, Extended y, const CadTextFormat& f);
  void Solid(Extended x1, Extended y1, Extended x2, Extended y2, Extended x3, Extended y3,
             Extended x4, Extended y4);
  void Insert(std::string_view name, Extended x, Extended y, Extended angle, Extended sx,
              Extended sy);
  void Polyline(int flags);
  void Vertex(Extended x, Extended y, Extended bulge);
  void SeqEnd();
  void End() { Pair(0, "EOF"); }

  const std::string& bytes() const { return out_; }
  std::string& bytes() { return out_; }

 private:
  void Code(int code);
  void Pair(int code, std::string_view value);
  void Num(int code, Extended value);
  void Sig(int code, Extended value);
  void Section(std::string_view name);
  void Entity(std::string_view name);

  const model::Config& config_;
  std::array<std::string, kLayerCount> layerNames_;
  int decimals_ = 6;
  int layer_ = 0;
  std::string out_;
};

// True when the arc's angles give the whole circle: equal, or 0 and 360 (either order) within
// 1e-5.
bool IsFullCircle(Extended a1, Extended a2);

}  // namespace kv40::cad
