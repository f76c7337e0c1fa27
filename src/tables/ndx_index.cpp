// dBase III NDX index files: reading by walking the B-tree, writing by building it bottom-up.
#include "tables/ndx_index.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <functional>

#include "base/bytes.h"

namespace kv40::tables {
namespace {

constexpr int kPageHeader = 4;  // number of keys on the page
constexpr int kMaxDepth = 32;
constexpr std::size_t kExpressionAt = 24;
constexpr std::size_t kMaxExpression = 488;

int KeyRecordLength(int keyLength) {
  return 8 + (keyLength + 3) / 4 * 4;
}

// Splits n items into the fewest groups of at most cap, as even as possible.
std::vector<std::size_t> GroupSizes(std::size_t n, std::size_t cap) {
  const std::size_t groups = (n + cap - 1) / cap;
  std::vector<std::size_t> sizes(groups, n / groups);
  for (std::size_t i = 0; i < n % groups; ++i)
    ++sizes[i];
  return sizes;
}

struct Node {
  std::uint32_t page = 0;
  const NdxEntry* last = nullptr;  // highest key below this node
};

class TreeReader {
 public:
  TreeReader(std::string_view bytes, const NdxKeyInfo& info, int recordLength)
      : bytes_(bytes),
        info_(info),
        recordLength_(recordLength),
        pageCount_(bytes.size() / kNdxPageSize),
        visited_(pageCount_, false) {}

  bool Walk(std::uint32_t page, int depth, std::vector<NdxEntry>& out) {
    if (depth > kMaxDepth || page == 0 || page >= pageCount_ || visited_[page]) return false;
    visited_[page] = true;
    const std::size_t base = static_cast<std::size_t>(page) * kNdxPageSize;
    const std::uint32_t count = base::GetU32(bytes_, base);
    const std::uint32_t capacity = (kNdxPageSize - kPageHeader) / recordLength_;
    if (count > capacity) return false;
    auto entryAt = [&](std::uint32_t i) {
      return base + kPageHeader + static_cast<std::size_t>(i) * recordLength_;
    };
    const bool leaf = capacity == 0 || base::GetU32(bytes_, entryAt(0)) == 0;
    if (leaf) {
      for (std::uint32_t i = 0; i < count; ++i) {
        if (base::GetU32(bytes_, entryAt(i)) != 0) return false;
        NdxEntry e;
        e.record = base::GetU32(bytes_, entryAt(i) + 4);
        const std::string_view key =
            bytes_.substr(entryAt(i) + 8, static_cast<std::size_t>(info_.keyLength));
        if (info_.numeric) {
          e.number = std::bit_cast<double>(
              static_cast<std::uint64_t>(base::GetU32(bytes_, entryAt(i) + 8)) |
              static_cast<std::uint64_t>(base::GetU32(bytes_, entryAt(i) + 12)) << 32);
          if (std::isnan(e.number)) return false;
        } else {
          e.key = std::string(key);
        }
        out.push_back(std::move(e));
      }
      return true;
    }
    if (count + 1 > capacity) return false;
    for (std::uint32_t i = 0; i <= count; ++i) {
      if (!Walk(base::GetU32(bytes_, entryAt(i)), depth + 1, out)) return false;
    }
    return true;
  }

 private:
  std::string_view bytes_;
  const NdxKeyInfo& info_;
  int recordLength_;
  std::size_t pageCount_;
  std::vector<bool> visited_;
};

}  // namespace

NdxIndex::NdxIndex(NdxKeyInfo info, std::vector<NdxEntry> entries)
    : info_(std::move(info)), entries_(std::move(entries)) {
  std::sort(entries_.begin(), entries_.end(),
            [this](const NdxEntry& a, const NdxEntry& b) { return Less(a, b); });
}

bool NdxIndex::SameKey(const NdxEntry& a, const NdxEntry& b) const {
  return info_.numeric ? a.number == b.number : a.key == b.key;
}

bool NdxIndex::Less(const NdxEntry& a, const NdxEntry& b) const {
  if (info_.numeric) {
    if (a.number != b.number) return a.number < b.number;
  } else if (const int c = a.key.compare(b.key); c != 0) {
    return c < 0;
  }
  return a.record < b.record;
}

NdxParse NdxIndex::Parse(std::string_view bytes) {
  NdxParse r;
  r.error = DbfError::IndexCorrupt;
  if (bytes.size() < kNdxPageSize) return r;
  NdxKeyInfo info;
  const std::uint32_t root = base::GetU32(bytes, 0);
  info.keyLength = base::GetU16(bytes, 12);
  const int type = base::GetU16(bytes, 16);
  const int recordLength = base::GetU16(bytes, 18);
  info.numeric = type == 1;
  if (type > 1 || info.keyLength < 1 || info.keyLength > kMaxKeyLength ||
      recordLength < info.keyLength + 8 || 2 * recordLength + kPageHeader > kNdxPageSize ||
      (info.numeric && info.keyLength != 8)) {
    return r;
  }
  const std::string_view expr = bytes.substr(kExpressionAt, kMaxExpression);
  info.expression = std::string(expr.substr(0, expr.find('\0')));
  while (!info.expression.empty() && info.expression.back() == ' ')
    info.expression.pop_back();
  std::vector<NdxEntry> entries;
  TreeReader reader(bytes, info, recordLength);
  if (!reader.Walk(root, 0, entries)) return r;
  NdxIndex index;
  index.info_ = info;
  for (std::size_t i = 1; i < entries.size(); ++i) {
    if (index.Less(entries[i], entries[i - 1]) && !index.SameKey(entries[i], entries[i - 1]))
      return r;
  }
  r.index = NdxIndex(std::move(info), std::move(entries));
  r.error = DbfError::None;
  return r;
}

std::string NdxIndex::Bytes() const {
  const int recordLength = KeyRecordLength(info_.keyLength);
  const std::size_t cap = (kNdxPageSize - kPageHeader) / recordLength;
  std::vector<std::string> pages(1, std::string(kNdxPageSize, '\0'));
  auto writeEntry = [&](std::string& page, std::size_t i, std::uint32_t left, const NdxEntry* e) {
    const std::size_t at = kPageHeader + i * recordLength;
    base::PutU32(page, at, left);
    if (e == nullptr) return;
    base::PutU32(page, at + 4, left == 0 ? e->record : 0);
    if (info_.numeric) {
      const auto bits = std::bit_cast<std::uint64_t>(e->number);
      base::PutU32(page, at + 8, static_cast<std::uint32_t>(bits));
      base::PutU32(page, at + 12, static_cast<std::uint32_t>(bits >> 32));
    } else {
      page.replace(at + 8, std::min(e->key.size(), static_cast<std::size_t>(info_.keyLength)),
                   e->key.substr(0, static_cast<std::size_t>(info_.keyLength)));
    }
  };

  std::vector<Node> level;
  std::size_t next = 0;
  for (std::size_t size : GroupSizes(std::max<std::size_t>(entries_.size(), 1), cap)) {
    std::string page(kNdxPageSize, '\0');
    size = std::min(size, entries_.size() - next);
    base::PutU32(page, 0, static_cast<std::uint32_t>(size));
    for (std::size_t i = 0; i < size; ++i)
      writeEntry(page, i, 0, &entries_[next + i]);
    next += size;
    level.push_back(
        {static_cast<std::uint32_t>(pages.size()), size ? &entries_[next - 1] : nullptr});
    pages.push_back(std::move(page));
  }
  while (level.size() > 1) {
    std::vector<Node> upper;
    std::size_t child = 0;
    for (const std::size_t size : GroupSizes(level.size(), cap)) {
      std::string page(kNdxPageSize, '\0');
      base::PutU32(page, 0, static_cast<std::uint32_t>(size - 1));
      for (std::size_t i = 0; i < size; ++i) {
        const Node& c = level[child + i];
        writeEntry(page, i, c.page, i + 1 < size ? c.last : nullptr);
      }
      child += size;
      upper.push_back({static_cast<std::uint32_t>(pages.size()), level[child - 1].last});
      pages.push_back(std::move(page));
    }
    level = std::move(upper);
  }

  std::string& header = pages[0];
  base::PutU32(header, 0, level[0].page);
  base::PutU32(header, 4, static_cast<std::uint32_t>(pages.size()));
  base::PutU16(header, 12, info_.keyLength);
  base::PutU16(header, 14, static_cast<int>(cap));
  base::PutU16(header, 16, info_.numeric ? 1 : 0);
  base::PutU16(header, 18, recordLength);
  header.replace(kExpressionAt, std::min(info_.expression.size(), kMaxExpression - 1),
                 info_.expression.substr(0, kMaxExpression - 1));
  std::string out;
  out.reserve(pages.size() * kNdxPageSize);
  for (const std::string& p : pages)
    out += p;
  return out;
}

int NdxIndex::Find(const NdxEntry& probe) const {
  NdxEntry first = probe;
  first.record = 0;
  const auto it =
      std::lower_bound(entries_.begin(), entries_.end(), first,
                       [this](const NdxEntry& a, const NdxEntry& b) { return Less(a, b); });
  if (it == entries_.end() || !SameKey(*it, probe)) return -1;
  return static_cast<int>(it - entries_.begin());
}

int NdxIndex::Position(const NdxEntry& entry) const {
  const auto it =
      std::lower_bound(entries_.begin(), entries_.end(), entry,
                       [this](const NdxEntry& a, const NdxEntry& b) { return Less(a, b); });
  if (it == entries_.end() || !SameKey(*it, entry) || it->record != entry.record) return -1;
  return static_cast<int>(it - entries_.begin());
}

void NdxIndex::Insert(NdxEntry entry) {
  const auto it =
      std::lower_bound(entries_.begin(), entries_.end(), entry,
                       [this](const NdxEntry& a, const NdxEntry& b) { return Less(a, b); });
  entries_.insert(it, std::move(entry));
}

bool NdxIndex::Remove(const NdxEntry& entry) {
  const int at = Position(entry);
  if (at < 0) return false;
  entries_.erase(entries_.begin() + at);
  return true;
}

}  // namespace kv40::tables
