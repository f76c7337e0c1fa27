// Blocks and sections: definitions, insertions, and on the screen the replay of a block's
// entities at every insertion; the user's logo blocks.
#include <cmath>

#include "base/file_lookup.h"
#include "base/text_file.h"
#include "cad/block_file.h"
#include "cad/kernel_internal.h"

namespace kv40::cad {
namespace detail {
namespace {

constexpr int kMaxBlockLevel = 4;

// Where a block's entities go: scaled, rotated, then moved to the insertion point. The turn's
// cosine and sine are taken once per placement, not per point (an envelope picture replays
// tens of thousands of points through a few hundred placements).
class Placement {
 public:
  Placement(Extended x, Extended y, Extended angle, Extended sx, Extended sy)
      : x_(x),
        y_(y),
        angle_(angle),
        sx_(sx),
        sy_(sy),
        cos_(std::cos(angle * model::kDegToRad)),
        sin_(std::sin(angle * model::kDegToRad)) {}

  void Apply(Extended& px, Extended& py) const {
    const Extended u = px * sx_;
    const Extended v = py * sy_;
    px = x_ + u * cos_ - v * sin_;
    py = y_ + u * sin_ + v * cos_;
  }
  Placement Then(const Placement& inner) const {
    Extended x = inner.x_, y = inner.y_;
    Apply(x, y);
    return {x, y, inner.angle_ + angle_, inner.sx_ * sx_, inner.sy_ * sy_};
  }
  Extended x() const { return x_; }
  Extended y() const { return y_; }
  Extended angle() const { return angle_; }
  Extended sx() const { return sx_; }
  Extended sy() const { return sy_; }

 private:
  Extended x_, y_, angle_, sx_, sy_, cos_, sin_;
};

void Replay(GraphicSession& p, const Block& block, const Placement& at);

void ReplayInsert(GraphicSession& p, const BlockItem& item, const Placement& at) {
  DrawingState& d = D(p);
  const Placement inner{item.v[0], item.v[1], item.v[2], item.v[3], item.v[4]};
  const auto found = d.screenBlocks.find(item.text);
  if (OnScreen(p) && found != d.screenBlocks.end() && d.definedBlocks.count(item.text) != 0) {
    Replay(p, found->second, at.Then(inner));
  } else if (!OnScreen(p) && d.definedBlocks.count(item.text) != 0) {
    const Placement where = at.Then(inner);
    d.output->Insert(item.text, where.x(), where.y(), where.angle(), where.sx(), where.sy());
  } else {
    d.messages.Add("Block " + item.text + " ist nicht definiert");
  }
}

void ReplayItem(GraphicSession& p, const BlockItem& item, const Placement& at) {
  Extended v[8];
  for (int i = 0; i < 8; ++i)
    v[i] = item.v[static_cast<std::size_t>(i)];
  const auto point = [&](int i) { at.Apply(v[i], v[i + 1]); };
  if (item.kind != BlockItem::Kind::Insert) SetLayer(p, item.layer);
  switch (item.kind) {
    case BlockItem::Kind::Line:
      point(0), point(2);
      EmitLine(p, v[0], v[1], v[2], v[3]);
      break;
    case BlockItem::Kind::Circle:
      point(0);
      Target(p).Circle(v[0], v[1], v[2] * at.sx());
      break;
    case BlockItem::Kind::Arc:
      point(0);
      EmitArc(p, v[0], v[1], v[2] + at.angle(), v[3] + at.angle(), v[4] * at.sx());
      break;
    case BlockItem::Kind::Text: {
      point(0);
      CadTextFormat f = item.format;
      f.height *= at.sy();
      f.rawWidth *= at.sy();
      f.angle += at.angle();
      Target(p).TextStyle(f);
      EmitText(p, item.text, v[0], v[1], f);
      break;
    }
    case BlockItem::Kind::Solid:
      point(0), point(2), point(4), point(6);
      Target(p).Solid(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
      break;
    case BlockItem::Kind::Polyline:
      BeginPolylineAt(p);
      for (const BlockVertex& vx : item.vertices) {
        Extended x = vx.x, y = vx.y;
        at.Apply(x, y);
        VertexAt(p, x, y, vx.bulgeAngle);
      }
      if (item.closed && !item.vertices.empty()) {
        Extended x = item.vertices.front().x, y = item.vertices.front().y;
        at.Apply(x, y);
        VertexAt(p, x, y, 0);
      }
      EndPolylineAt(p);
      break;
    case BlockItem::Kind::Insert:
      ReplayInsert(p, item, at);
      break;
  }
}

void Replay(GraphicSession& p, const Block& block, const Placement& at) {
  DrawingState& d = D(p);
  if (d.BlockLevel >= kMaxBlockLevel) {
    Fail(p, "error blockno. " + base::IntToText(d.BlockLevel + 1) +
                ": Blöcke mehr als vierfach verschachtelt");
    return;
  }
  ++d.BlockLevel;
  for (const BlockItem& item : block.items) {
    if (p.cancel) break;
    ReplayItem(p, item, at);
  }
  --d.BlockLevel;
}

// The state a replay changes, put back afterwards so the drawing goes on as before.
void ReplayKeepingState(GraphicSession& p, const Block& block, const Placement& at) {
  DrawingState& d = D(p);
  const int layer = d.CurLayer;
  const CadTextFormat text = d.text;
  Replay(p, block, at);
  if (p.cancel) return;
  SetLayer(p, layer);
  d.text = text;
  SendTextStyle(p);
}

}  // namespace

void InsertAt(GraphicSession& p, const std::string& name, Extended x, Extended y, Extended angle,
              Extended sx, Extended sy) {
  DrawingState& d = D(p);
  if (name == d.currentBlock) {
    Fail(p, "Block " + name + " fügt sich selbst ein");
    return;
  }
  if (d.definedBlocks.count(name) == 0) {
    Fail(p, "Block " + name + " ist nicht definiert");
    return;
  }
  if (OnScreen(p) && !d.recorder) {
    d.BlockLevel = 0;
    ReplayKeepingState(p, d.screenBlocks[name], Placement{x, y, angle, sx, sy});
    return;
  }
  Target(p).Insert(name, x, y, angle, sx, sy);
}

bool InsertLogoAt(GraphicSession& p, const std::string& name, Extended x, Extended y,
                  Extended angle, Extended sx, Extended sy) {
  if (!OnScreen(p) && !OnPlot(p)) return false;
  const auto file = base::FindIgnoringCase(p.config.tempDir, "$" + name + ".dx$");
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return false;
  const base::BytesResult bytes = base::ReadFileBytes(file, kMaxBlockFileBytes);
  if (!bytes.bytes) {
    D(p).messages.Add("Invalid temp directory");
    return false;
  }
  std::array<std::string, 6> names;
  for (std::size_t i = 0; i < names.size(); ++i)
    names[i] = i == 0 ? "0" : p.config.layerNames[i];
  const BlockFileResult read = ReadBlockFile(*bytes.bytes, names);
  if (!read.ok) D(p).messages.Add("Error in DXF File " + file.filename().string());
  D(p).BlockLevel = 0;
  ReplayKeepingState(p, read.block, Placement{x, y, angle, sx, sy});
  return true;
}

}  // namespace detail

using namespace detail;

void CadBeginBlocks(GraphicSession& p) {
  if (!Drawing(p)) return;
  D(p).DefiningBlocks = true;
  D(p).output->BeginBlocks();
}

void CadBlock(GraphicSession& p, const std::string& name) {
  if (!Drawing(p)) return;
  DrawingState& d = D(p);
  if (name.empty() || d.definedBlocks.count(name) != 0 || !d.currentBlock.empty()) {
    Fail(p, name.empty() ? std::string("Block ohne Namen")
                         : "Block " + name + " ist schon definiert oder noch offen");
    return;
  }
  d.currentBlock = name;
  if (OnScreen(p)) {
    Block& block = d.screenBlocks[name];
    block.items.clear();
    d.recorder = std::make_unique<BlockRecorder>(block);
    d.recorder->Layer(d.CurLayer);
    return;
  }
  d.output->Block(name);
}

void CadEndBlock(GraphicSession& p) {
  if (!Drawing(p)) return;
  DrawingState& d = D(p);
  if (d.currentBlock.empty()) return;
  d.definedBlocks.insert(d.currentBlock);
  d.currentBlock.clear();
  if (d.recorder) {
    d.recorder.reset();
    SetLayer(p, d.CurLayer);  // the window's pen as the layer wants it
    return;
  }
  d.output->EndBlock();
}

void CadEndSection(GraphicSession& p) {
  if (!Drawing(p)) return;
  D(p).DefiningBlocks = false;
  D(p).output->EndSection();
}

void CadEntities(GraphicSession& p) {
  if (!Drawing(p)) return;
  DrawingState& d = D(p);
  d.output->Entities();
  if (d.LogoMode == 2) return;
  const Extended sx = d.DrawW / 480;
  const Extended sy = d.DrawH / 360;
  const Extended x = d.DrawXMin + 0.91L * d.DrawW + d.OriginX;
  InsertLogoAt(p, "LOGO_2", x, d.DrawYMin + 0.01L * d.DrawH + d.OriginY, 0, sx, sy);
  InsertLogoAt(p, "LOGO_3", x, d.DrawYMin + 0.96L * d.DrawH + d.OriginY, 0, sx, sy);
}

void CadInsert(GraphicSession& p, const std::string& name, Extended x, Extended y, Extended angle,
               Extended sx, Extended sy) {
  if (!Drawing(p) || !Finite(p, "CadInsert", {x, y, angle, sx, sy})) return;
  InsertAt(p, name, x + D(p).OriginX, y + D(p).OriginY, angle, sx, sy);
}

bool CadInsertLogo(GraphicSession& p, const std::string& name, Extended x, Extended y,
                   Extended angle, Extended sx, Extended sy) {
  if (!Drawing(p) || !Finite(p, "CadInsertLogo", {x, y, angle, sx, sy})) return false;
  return InsertLogoAt(p, name, x + D(p).OriginX, y + D(p).OriginY, angle, sx, sy);
}

}  // namespace kv40::cad
