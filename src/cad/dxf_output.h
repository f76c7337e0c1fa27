// The DXF device (DXF file and the plot program's file): the kernel's calls through the DXF
// writer into memory, the file written through a temporary file and a rename when complete.
#pragma once

#include <memory>
#include <string>

#include "cad/cad_output.h"
#include "cad/drawing_state.h"
#include "cad/dxf_writer.h"
#include "model/config.h"

namespace kv40::cad {

class DxfOutput final : public CadOutput {
 public:
  // polylines: POLYLINE entities with bulges (the tooth-form option) instead of lines and arcs
  DxfOutput(const model::Config& c, std::string file, bool polylines, DrawingMessages& messages);

  bool TakesPolylines() const override { return polylines_; }
  void Limits(Extended xmin, Extended ymin, Extended xmax, Extended ymax) override {
    dxf_.Header(xmin, ymin, xmax, ymax);
  }
  void Tables(int variant) override { dxf_.Tables(variant); }
  void Layer(int layer) override { dxf_.SetLayer(layer); }
  void Line(Extended x1, Extended y1, Extended x2, Extended y2) override {
    dxf_.Line(x1, y1, x2, y2);
  }
  void Circle(Extended xc, Extended yc, Extended r) override { dxf_.Circle(xc, yc, r); }
  void Arc(Extended xc, Extended yc, Extended a1, Extended a2, Extended r) override {
    dxf_.Arc(xc, yc, a1, a2, r);
  }
  void Text(const std::string& text, Extended x, Extended y, const CadTextFormat& f) override {
    dxf_.Text(text, x, y, f);
  }
  void Solid(Extended x1, Extended y1, Extended x2, Extended y2, Extended x3, Extended y3,
             Extended x4, Extended y4) override {
    dxf_.Solid(x1, y1, x2, y2, x3, y3, x4, y4);
  }
  void BeginPolyline() override { dxf_.Polyline(0); }
  void Vertex(Extended x, Extended y, Extended bulge) override { dxf_.Vertex(x, y, bulge); }
  void EndPolyline() override { dxf_.SeqEnd(); }
  void BeginBlocks() override { dxf_.BeginBlocks(); }
  void Block(const std::string& name) override { dxf_.Block(name); }
  void EndBlock() override { dxf_.EndBlock(); }
  void EndSection() override { dxf_.EndSection(); }
  void Entities() override { dxf_.BeginEntities(); }
  void Insert(const std::string& name, Extended x, Extended y, Extended angle, Extended sx,
              Extended sy) override {
    dxf_.Insert(name, x, y, angle, sx, sy);
  }
  bool Finish() override;

  const std::string& bytes() const { return dxf_.bytes(); }

 private:
  DxfWriter dxf_;
  std::string file_;
  bool polylines_;
  DrawingMessages& messages_;
};

// "<file> kann nicht geschrieben werden: <reason>"
std::string WriteFailure(const std::string& file, int errnoValue);

}  // namespace kv40::cad
