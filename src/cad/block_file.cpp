// The reader of the user's logo block files.
#include "cad/block_file.h"

#include <cmath>
#include <optional>
#include <vector>

#include "base/codepage.h"
#include "base/format.h"
#include "base/text.h"

namespace kv40::cad {
namespace {

struct Group {
  int code = 0;
  std::string_view value;
};

// One entity record: its name and the groups up to the next code 0.
struct Record {
  std::string_view name;
  std::vector<Group> groups;

  std::string_view Text(int code) const {
    for (const Group& g : groups) {
      if (g.code == code) return g.value;
    }
    return {};
  }
};

class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  // The next group; nullopt at the end, fault() when a code line is not a number.
  std::optional<Group> NextGroup() {
    std::string_view code;
    if (!NextLine(code)) return std::nullopt;
    std::string_view value;
    const auto n = base::TryParseInt(base::TrimView(code));
    if (!n || *n < 0 || *n > 1071 || !NextLine(value)) {
      fault_ = true;
      return std::nullopt;
    }
    return Group{static_cast<int>(*n), base::TrimView(value)};
  }

  // The next entity record; nullopt at the end of the groups.
  std::optional<Record> NextRecord() {
    if (!pending_) pending_ = NextGroup();
    while (pending_ && pending_->code != 0)
      pending_ = NextGroup();  // groups outside a record are skipped
    if (!pending_) return std::nullopt;
    Record r{pending_->value, {}};
    for (pending_ = NextGroup(); pending_ && pending_->code != 0; pending_ = NextGroup())
      r.groups.push_back(*pending_);
    if (fault_) return std::nullopt;  // a record cut short is not drawn
    return r;
  }

  bool fault() const { return fault_; }

 private:
  bool NextLine(std::string_view& line) {
    if (pos_ >= bytes_.size()) return false;
    const std::size_t end = bytes_.find('\n', pos_);
    line = bytes_.substr(pos_, end == std::string_view::npos ? std::string_view::npos : end - pos_);
    pos_ = end == std::string_view::npos ? bytes_.size() : end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return true;
  }

  std::string_view bytes_;
  std::size_t pos_ = 0;
  std::optional<Group> pending_;
  bool fault_ = false;
};

class BlockBuilder {
 public:
  BlockBuilder(BlockFileResult& result, const std::array<std::string, 6>& layerNames)
      : result_(result), layerNames_(layerNames) {}

  // Reads a number of the record; a group that is there but no finite number is a fault.
  Extended Num(const Record& r, int code, Extended fallback = 0) {
    const std::string_view text = r.Text(code);
    if (text.empty()) return fallback;
    const auto v = base::TryParseNumber(text);
    if (!v || !std::isfinite(*v)) {
      result_.ok = false;
      return 0;
    }
    return *v;
  }

  int Layer(const Record& r) const {
    const std::string name = base::Cp437ToUtf8(r.Text(8));
    for (std::size_t i = 0; i < layerNames_.size(); ++i) {
      if (name == layerNames_[i]) return static_cast<int>(i);
    }
    const auto n = base::TryParseInt(name);
    return n && *n >= 0 && *n < 1000 ? static_cast<int>(*n) : 0;
  }

  BlockItem& Add(BlockItem::Kind kind, const Record& r, std::initializer_list<int> codes) {
    BlockItem& item = result_.block.items.emplace_back();
    item.kind = kind;
    item.layer = Layer(r);
    std::size_t i = 0;
    for (const int code : codes)
      item.v[i++] = Num(r, code);
    return item;
  }

 private:
  BlockFileResult& result_;
  const std::array<std::string, 6>& layerNames_;
};

}  // namespace

BlockFileResult ReadBlockFile(std::string_view bytes,
                              const std::array<std::string, 6>& layerNames) {
  BlockFileResult result;
  Reader reader(bytes);
  BlockBuilder b(result, layerNames);
  bool ended = false;
  std::optional<Record> r = reader.NextRecord();
  while (r && result.ok && !ended) {
    std::optional<Record> next;
    if (r->name == "EOF") {
      ended = true;
    } else if (r->name == "LINE") {
      b.Add(BlockItem::Kind::Line, *r, {10, 20, 11, 21});
    } else if (r->name == "CIRCLE") {
      b.Add(BlockItem::Kind::Circle, *r, {10, 20, 40});
    } else if (r->name == "ARC") {
      b.Add(BlockItem::Kind::Arc, *r, {10, 20, 50, 51, 40});
    } else if (r->name == "SOLID") {
      b.Add(BlockItem::Kind::Solid, *r, {10, 20, 11, 21, 12, 22, 13, 23});
    } else if (r->name == "TEXT") {
      BlockItem& item = b.Add(BlockItem::Kind::Text, *r, {10, 20});
      item.text = base::Cp437ToUtf8(r->Text(1));
      item.format.height = b.Num(*r, 40);
      item.format.width = b.Num(*r, 41, 1);
      item.format.angle = b.Num(*r, 50);
      item.format.rawWidth = item.format.width * item.format.height;
    } else if (r->name == "INSERT") {
      BlockItem& item = b.Add(BlockItem::Kind::Insert, *r, {10, 20, 50});
      item.v[3] = b.Num(*r, 41, 1);
      item.v[4] = b.Num(*r, 42, 1);
      item.text = base::Cp437ToUtf8(r->Text(2));
    } else if (r->name == "POLYLINE") {
      BlockItem& item = b.Add(BlockItem::Kind::Polyline, *r, {});
      const Extended flags = b.Num(*r, 70);
      item.closed = std::fabs(flags) < 1e9L && (static_cast<long long>(flags) & 1) != 0;
      next = reader.NextRecord();
      if (!next || next->name != "VERTEX") result.ok = false;
      while (result.ok && next && next->name == "VERTEX") {
        const Extended bulge = b.Num(*next, 42);
        item.vertices.push_back({b.Num(*next, 10), b.Num(*next, 20), 4 * std::atan(bulge)});
        next = reader.NextRecord();
      }
      if (result.ok && next && next->name == "SEQEND") next.reset();
      if (!next) next = reader.NextRecord();
      r = std::move(next);
      continue;
    }
    r = reader.NextRecord();
  }
  if (reader.fault() || !ended) result.ok = false;
  return result;
}

}  // namespace kv40::cad
