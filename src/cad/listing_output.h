// The text listing device: one tab-separated record per entity, for programs that read
// drawings simply; written through a temporary file and a rename when complete.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "cad/cad_output.h"
#include "cad/drawing_state.h"
#include "model/config.h"

namespace kv40::cad {

class ListingOutput final : public CadOutput {
 public:
  ListingOutput(const model::Config& c, std::string file, DrawingMessages& messages);

  void Limits(Extended xmin, Extended ymin, Extended xmax, Extended ymax) override {
    Record("MINMAX", {xmin, ymin, xmax, ymax});
  }
  // The listing has no layer records.
  void Layer(int) override {}
  void Line(Extended x1, Extended y1, Extended x2, Extended y2) override {
    Record("LINE", {x1, y1, x2, y2});
  }
  void Circle(Extended xc, Extended yc, Extended r) override { Record("CIRCLE", {xc, yc, r}); }
  void Arc(Extended xc, Extended yc, Extended a1, Extended a2, Extended r) override;
  void Text(const std::string& text, Extended x, Extended y, const CadTextFormat& f) override;
  void Solid(Extended x1, Extended y1, Extended x2, Extended y2, Extended x3, Extended y3,
             Extended x4, Extended y4) override {
    Record("SOLID", {x1, y1, x2, y2, x3, y3, x4, y4});
  }
  void BeginBlocks() override { Plain("SECTION BLOCKS"); }
  void Block(const std::string& name) override;
  void EndBlock() override { Plain("END OF BLOCK"); }
  void Entities() override { Plain("SECTION ENTITIES"); }
  void Insert(const std::string& name, Extended x, Extended y, Extended angle, Extended sx,
              Extended sy) override;
  bool Finish() override;

  const std::string& bytes() const { return out_; }

 private:
  void Record(std::string_view keyword, std::initializer_list<Extended> values);
  void Plain(std::string_view line);
  void Number(Extended v);

  const model::Config& config_;
  std::string file_;
  DrawingMessages& messages_;
  int decimals_ = 6;
  char separator_ = '.';
  std::string out_;
};

}  // namespace kv40::cad
