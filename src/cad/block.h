// A block of the drawing kept in memory: the entities between CadBlock and CadEndBlock on the
// screen, or read from a user's logo block file, ready to be drawn again at every insertion.
#pragma once

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "cad/cad_output.h"

namespace kv40::cad {

struct BlockVertex {
  Extended x = 0;
  Extended y = 0;
  Extended bulgeAngle = 0;  // included angle (radians) of the arc to the next vertex
};

struct BlockItem {
  enum class Kind : unsigned char { Line, Circle, Arc, Text, Solid, Polyline, Insert };
  Kind kind = Kind::Line;
  int layer = 0;
  // Line: x1 y1 x2 y2; Circle: xc yc r; Arc: xc yc a1 a2 r; Text: x y; Solid: four corners;
  // Insert: x y angle sx sy
  std::array<Extended, 8> v{};
  std::string text;                   // Text: the text; Insert: the block name
  CadTextFormat format;               // Text
  std::vector<BlockVertex> vertices;  // Polyline
  bool closed = false;                // Polyline
};

struct Block {
  std::vector<BlockItem> items;
};

// Records what the kernel sends while a screen block is defined.
class BlockRecorder final : public CadOutput {
 public:
  explicit BlockRecorder(cad::Block& block) : block_(block) {}

  void Limits(Extended, Extended, Extended, Extended) override {}
  void Layer(int layer) override { layer_ = layer; }
  void Line(Extended x1, Extended y1, Extended x2, Extended y2) override {
    Add(BlockItem::Kind::Line, {x1, y1, x2, y2});
  }
  void Circle(Extended xc, Extended yc, Extended r) override {
    Add(BlockItem::Kind::Circle, {xc, yc, r});
  }
  void Arc(Extended xc, Extended yc, Extended a1, Extended a2, Extended r) override {
    Add(BlockItem::Kind::Arc, {xc, yc, a1, a2, r});
  }
  void Text(const std::string& text, Extended x, Extended y, const CadTextFormat& f) override {
    Add(BlockItem::Kind::Text, {x, y}).text = text;
    block_.items.back().format = f;
  }
  void Solid(Extended x1, Extended y1, Extended x2, Extended y2, Extended x3, Extended y3,
             Extended x4, Extended y4) override {
    Add(BlockItem::Kind::Solid, {x1, y1, x2, y2, x3, y3, x4, y4});
  }
  void Block(const std::string&) override {}
  void EndBlock() override {}
  void Insert(const std::string& name, Extended x, Extended y, Extended angle, Extended sx,
              Extended sy) override {
    Add(BlockItem::Kind::Insert, {x, y, angle, sx, sy}).text = name;
  }
  bool Finish() override { return true; }

 private:
  BlockItem& Add(BlockItem::Kind kind, std::initializer_list<Extended> values) {
    BlockItem& item = block_.items.emplace_back();
    item.kind = kind;
    item.layer = layer_;
    std::copy(values.begin(), values.end(), item.v.begin());
    return item;
  }

  cad::Block& block_;
  int layer_ = 0;
};

}  // namespace kv40::cad
