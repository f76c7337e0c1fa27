// A dBase III table: opening, structure, navigation and reading the current record.
#include "tables/dbf_table.h"

#include <cerrno>

#include "base/check.h"
#include "base/text_file.h"

namespace kv40::tables {
namespace {

constexpr std::uint64_t kMaxTableBytes = 1ull << 30;

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto up = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    if (up(a[i]) != up(b[i])) return false;
  }
  return true;
}

}  // namespace

DbfOpen DbfTable::FromBytes(std::string_view bytes) {
  DbfOpen r;
  DbfHeaderParse h = ParseDbfHeader(bytes, bytes.size());
  if (!h.layout) {
    r.error = h.error;
    return r;
  }
  DbfTable t;
  t.layout_ = std::move(*h.layout);
  t.records_ = std::string(bytes.substr(static_cast<std::size_t>(t.layout_.headerLength),
                                        static_cast<std::size_t>(t.layout_.recordCount) *
                                            static_cast<std::size_t>(t.layout_.recordLength)));
  t.memoryOnly_ = true;
  t.Select(t.layout_.recordCount > 0 ? 1 : 0);
  r.table = std::move(t);
  return r;
}

DbfOpen DbfTable::Open(const std::filesystem::path& path, const base::Clock* clock) {
  DbfOpen r;
  const base::BytesResult read = base::ReadFileBytes(path, kMaxTableBytes);
  if (!read.bytes) {
    if (read.error == EFBIG) {
      r.error = DbfError::TooLarge;
    } else {
      r.error = read.error == EIO ? DbfError::ReadFailed : DbfError::OpenFailed;
      r.sysError = read.error;
    }
    return r;
  }
  r = FromBytes(*read.bytes);
  if (r.table) {
    r.table->path_ = path;
    r.table->memoryOnly_ = false;
    r.table->clock_ = clock;
  }
  return r;
}

DbfError DbfTable::Create(const std::filesystem::path& path, std::vector<DbfField> fields,
                          const base::DateTime& date) {
  DbfHeaderParse h = NewLayout(std::move(fields), date);
  if (!h.layout) return h.error;
  std::string bytes = HeaderBytes(*h.layout);
  bytes += kFileEnd;
  return base::WriteFileAtomically(path, bytes) == 0 ? DbfError::None : DbfError::WriteFailed;
}

const DbfField& DbfTable::Field(int n) const {
  KV40_CHECK(n >= 1 && n <= FieldCount());
  return layout_.fields[static_cast<std::size_t>(n - 1)];
}

int DbfTable::FieldNumber(std::string_view name) const {
  for (int i = 0; i < FieldCount(); ++i) {
    if (SameName(layout_.fields[static_cast<std::size_t>(i)].name, name)) return i + 1;
  }
  return 0;
}

std::string_view DbfTable::Stored(int record) const {
  KV40_CHECK(record >= 1 && record <= RecordCount());
  const auto len = static_cast<std::size_t>(layout_.recordLength);
  return std::string_view(records_).substr(static_cast<std::size_t>(record - 1) * len, len);
}

bool DbfTable::StoredDeleted(int record) const {
  return Stored(record)[0] == kDeletedFlag;
}

std::string DbfTable::StoredText(int record, int n) const {
  return tables::FieldText(Field(n), Stored(record));
}

bool DbfTable::Shown(int record) const {
  return showDeleted_ || !StoredDeleted(record);
}

void DbfTable::Select(int record) {
  current_ = record;
  buffer_ = record > 0 ? std::string(Stored(record)) : std::string();
  dirty_ = false;
}

DbfError DbfTable::GoRecord(int n) {
  if (n < 1 || n > RecordCount()) return DbfError::NoRecord;
  if (const DbfError e = Post(); e != DbfError::None) return e;
  Select(n);
  return DbfError::None;
}

int DbfTable::PositionCount() const {
  return index_ ? static_cast<int>(index_->entries().size()) : RecordCount();
}

int DbfTable::RecordAtPosition(int position) const {
  if (!index_) return position + 1;
  return static_cast<int>(index_->entries()[static_cast<std::size_t>(position)].record);
}

int DbfTable::PositionInOrder(int record) const {
  if (record < 1) return -1;
  if (!index_) return record - 1;
  return index_->Position(KeyOf(record));
}

std::vector<int> DbfTable::Order() const {
  std::vector<int> order;
  order.reserve(static_cast<std::size_t>(PositionCount()));
  for (int pos = 0; pos < PositionCount(); ++pos) {
    const int record = RecordAtPosition(pos);
    if (Shown(record)) order.push_back(record);
  }
  return order;
}

bool DbfTable::Go(Move move) {
  const int count = PositionCount();
  int pos = 0;
  int step = 1;
  switch (move) {
    case Move::First:
      break;
    case Move::Last:
      pos = count - 1;
      step = -1;
      break;
    case Move::Next:
    case Move::Prior:
      step = move == Move::Next ? 1 : -1;
      pos = PositionInOrder(current_);
      if (pos < 0) return false;
      pos += step;
      break;
  }
  for (; pos >= 0 && pos < count; pos += step) {
    const int record = RecordAtPosition(pos);
    if (!Shown(record)) continue;
    lastError_ = GoRecord(record);
    return lastError_ == DbfError::None;
  }
  return false;
}

std::string DbfTable::FieldText(int n) const {
  if (current_ == 0) return {};
  return tables::FieldText(Field(n), buffer_);
}

std::string_view DbfTable::RawField(int n) const {
  if (current_ == 0) return {};
  return tables::RawField(Field(n), buffer_);
}

bool DbfTable::FieldTrue(std::string_view name) const {
  const int n = FieldNumber(name);
  return n > 0 && current_ > 0 && tables::FieldTrue(Field(n), buffer_);
}

bool DbfTable::Deleted() const {
  return current_ > 0 && buffer_[0] == kDeletedFlag;
}

base::DateTime DbfTable::Today() const {
  if (clock_ != nullptr) return clock_->Now();
  return base::SystemClock().Now();
}

}  // namespace kv40::tables
