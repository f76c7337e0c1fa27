// A dBase III table: its NDX index (create, open, keep up to date, find) and text search.
#include <algorithm>

#include "base/codepage.h"
#include "base/text.h"
#include "base/text_file.h"
#include "base/utf8.h"
#include "tables/dbf_table.h"

namespace kv40::tables {
namespace {

constexpr std::uintmax_t kMaxIndexBytes = 256u << 20;

bool NumericKey(char type) {
  return type == 'N' || type == 'F' || type == 'D';
}

// Upper and lower case compare equal: ASCII and the Latin-1 letters (umlauts).
std::string Folded(std::string_view utf8) {
  std::string out;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t c = base::DecodeUtf8(utf8, pos);
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) c += 32;
    base::AppendUtf8(out, c);
  }
  return out;
}

}  // namespace

NdxEntry DbfTable::KeyFromBytes(int field, std::string_view text) const {
  const DbfField& f = Field(field);
  NdxEntry e;
  if (f.type == 'D') {
    e.number = JulianDay(base::TrimView(text, base::kBlankOrNul)).value_or(0);
  } else if (NumericKey(f.type)) {
    e.number = ParseDbfNumber(text).value_or(0);
  } else {
    e.key = std::string(text.substr(0, std::min<std::size_t>(text.size(), kMaxKeyLength)));
  }
  return e;
}

NdxEntry DbfTable::KeyOf(int record) const {
  NdxEntry e = KeyFromBytes(indexField_, tables::RawField(Field(indexField_), Stored(record)));
  e.record = static_cast<std::uint32_t>(record);
  return e;
}

std::optional<NdxEntry> DbfTable::ProbeFor(std::string_view utf8Key) const {
  const DbfField& f = Field(indexField_);
  NdxEntry e;
  if (f.type == 'D') {
    const std::optional<double> day = JulianDay(base::TrimView(utf8Key, base::kBlankOrNul));
    if (!day) return std::nullopt;
    e.number = *day;
  } else if (NumericKey(f.type)) {
    const std::optional<double> v = ParseDbfNumber(utf8Key);
    if (!v) return std::nullopt;
    e.number = *v;
  } else {
    e.key = base::Utf8ToCp437(utf8Key).bytes;
    e.key.resize(static_cast<std::size_t>(index_->info().keyLength), ' ');
  }
  return e;
}

void DbfTable::RebuildIndex() {
  NdxKeyInfo info = index_->info();
  std::vector<NdxEntry> entries;
  entries.reserve(static_cast<std::size_t>(RecordCount()));
  for (int r = 1; r <= RecordCount(); ++r)
    entries.push_back(KeyOf(r));
  index_ = NdxIndex(std::move(info), std::move(entries));
}

DbfError DbfTable::SaveIndex() {
  if (!index_ || indexPath_.empty()) return DbfError::None;
  return base::WriteFileAtomically(indexPath_, index_->Bytes()) == 0 ? DbfError::None
                                                                     : DbfError::WriteFailed;
}

DbfError DbfTable::CreateIndex(std::string_view fieldName, const std::filesystem::path& ndxPath) {
  const int n = FieldNumber(fieldName);
  if (n == 0) return DbfError::NoSuchField;
  const DbfField& f = Field(n);
  if (f.type == 'M') return DbfError::KeyNotIndexable;
  if (const DbfError e = Post(); e != DbfError::None) return e;
  NdxKeyInfo info;
  info.expression = f.name;
  info.numeric = NumericKey(f.type);
  info.keyLength = info.numeric ? 8 : std::min(f.length, kMaxKeyLength);
  indexField_ = n;
  index_ = NdxIndex(info, {});
  RebuildIndex();
  indexPath_ = ndxPath;
  if (!ndxPath.empty() && base::WriteFileAtomically(ndxPath, index_->Bytes()) != 0) {
    CloseIndex();
    return DbfError::WriteFailed;
  }
  return DbfError::None;
}

DbfError DbfTable::OpenIndex(const std::filesystem::path& ndxPath) {
  const std::optional<std::string> bytes = base::ReadFileBytes(ndxPath, kMaxIndexBytes).bytes;
  if (!bytes) return DbfError::IndexOpenFailed;
  NdxParse parsed = NdxIndex::Parse(*bytes);
  if (!parsed.index) return parsed.error;
  const NdxKeyInfo& info = parsed.index->info();
  const int n = FieldNumber(info.expression);
  if (n == 0) return DbfError::IndexMismatch;
  const DbfField& f = Field(n);
  const int keyLength = NumericKey(f.type) ? 8 : std::min(f.length, kMaxKeyLength);
  if (info.numeric != NumericKey(f.type) || info.keyLength != keyLength ||
      parsed.index->entries().size() != static_cast<std::size_t>(RecordCount())) {
    return DbfError::IndexMismatch;
  }
  if (const DbfError e = Post(); e != DbfError::None) return e;
  std::optional<NdxIndex> previous = std::move(index_);
  const int previousField = indexField_;
  index_ = std::move(parsed.index);
  indexField_ = n;
  std::vector<bool> seen(static_cast<std::size_t>(RecordCount()) + 1, false);
  for (const NdxEntry& e : index_->entries()) {
    const bool valid = e.record >= 1 && e.record <= static_cast<std::uint32_t>(RecordCount()) &&
                       !seen[e.record] && index_->SameKey(e, KeyOf(static_cast<int>(e.record)));
    if (!valid) {
      index_ = std::move(previous);
      indexField_ = previousField;
      return DbfError::IndexMismatch;
    }
    seen[e.record] = true;
  }
  indexPath_ = ndxPath;
  return DbfError::None;
}

void DbfTable::CloseIndex() {
  index_.reset();
  indexPath_.clear();
  indexField_ = 0;
}

bool DbfTable::FindKey(std::string_view key) {
  if (!index_) return false;
  const std::optional<NdxEntry> probe = ProbeFor(key);
  if (!probe) return false;
  int pos = index_->Find(*probe);
  if (pos < 0) return false;
  const auto& entries = index_->entries();
  for (; static_cast<std::size_t>(pos) < entries.size() && index_->SameKey(entries[pos], *probe);
       ++pos) {
    const int record = static_cast<int>(entries[static_cast<std::size_t>(pos)].record);
    if (!Shown(record)) continue;
    lastError_ = GoRecord(record);
    return lastError_ == DbfError::None;
  }
  return false;
}

bool DbfTable::Search(std::string_view text, bool fromFirst) {
  const std::string term = Folded(text);
  if (term.empty()) return false;
  const std::vector<int> order = Order();
  std::size_t start = 0;
  if (!fromFirst) {
    const auto it = std::find(order.begin(), order.end(), current_);
    start = it == order.end() ? 0 : static_cast<std::size_t>(it - order.begin()) + 1;
  }
  for (std::size_t i = start; i < order.size(); ++i) {
    for (int n = 1; n <= FieldCount(); ++n) {
      if (Folded(StoredText(order[i], n)).find(term) == std::string::npos) continue;
      lastError_ = GoRecord(order[i]);
      return lastError_ == DbfError::None;
    }
  }
  return false;
}

}  // namespace kv40::tables
