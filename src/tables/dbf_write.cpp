// A dBase III table: changing records, appending, packing.
//
// A changed or new record is written in place: first the record bytes (and the end mark),
// flushed to the disk, then the date and record count in one write of 7 bytes inside the
// first sector. A failure before that last write leaves the header as it was, so the file
// still describes its old records; a failure of the record write never touches the header.
// Packing rewrites the whole file through a temporary file and a rename.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "base/check.h"
#include "base/text_file.h"
#include "tables/dbf_table.h"

namespace kv40::tables {
namespace {

bool WriteAll(int fd, std::string_view bytes, std::uint64_t offset) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n =
        ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

DbfError DbfTable::WriteInPlace(std::uint64_t offset, std::string_view bytes, std::uint32_t count) {
  if (memoryOnly_) return DbfError::ReadOnly;
  const int fd = ::open(path_.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return DbfError::WriteFailed;
  bool ok = WriteAll(fd, bytes, offset) && ::fdatasync(fd) == 0;
  ok = ok && WriteAll(fd, DateAndCount(Today(), count), 1) && ::fdatasync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  return ok ? DbfError::None : DbfError::WriteFailed;
}

DbfError DbfTable::Replace(std::string_view name, const std::string& bytes, DbfError encoded) {
  if (encoded != DbfError::None) return encoded;
  const int n = FieldNumber(name);
  const DbfField& f = Field(n);
  buffer_.replace(static_cast<std::size_t>(f.offset), static_cast<std::size_t>(f.length), bytes);
  dirty_ = dirty_ || std::string_view(buffer_) != Stored(current_);
  return DbfError::None;
}

DbfError DbfTable::SetFieldText(int n, std::string_view utf8) {
  if (current_ == 0) return DbfError::NoRecord;
  if (n < 1 || n > FieldCount()) return DbfError::NoSuchField;
  std::string bytes;
  const DbfError e = EncodeText(Field(n), utf8, bytes, lossy_);
  return Replace(Field(n).name, bytes, e);
}

DbfError DbfTable::ReplaceText(std::string_view name, std::string_view utf8) {
  const int n = FieldNumber(name);
  if (n == 0) return DbfError::NoSuchField;
  return SetFieldText(n, utf8);
}

DbfError DbfTable::ReplaceInt(std::string_view name, std::int64_t value) {
  const int n = FieldNumber(name);
  if (n == 0) return DbfError::NoSuchField;
  if (current_ == 0) return DbfError::NoRecord;
  std::string bytes;
  return Replace(name, bytes, EncodeInt(Field(n), value, bytes));
}

DbfError DbfTable::ReplaceReal(std::string_view name, long double value) {
  const int n = FieldNumber(name);
  if (n == 0) return DbfError::NoSuchField;
  if (current_ == 0) return DbfError::NoRecord;
  std::string bytes;
  return Replace(name, bytes, EncodeReal(Field(n), value, bytes));
}

DbfError DbfTable::ReplaceLogical(std::string_view name, bool value) {
  const int n = FieldNumber(name);
  if (n == 0) return DbfError::NoSuchField;
  if (current_ == 0) return DbfError::NoRecord;
  std::string bytes;
  return Replace(name, bytes, EncodeLogical(Field(n), value, bytes));
}

DbfError DbfTable::SetDeleted(bool deleted) {
  if (current_ == 0) return DbfError::NoRecord;
  buffer_[0] = deleted ? kDeletedFlag : ' ';
  dirty_ = dirty_ || std::string_view(buffer_) != Stored(current_);
  return DbfError::None;
}

void DbfTable::CancelEdit() {
  if (current_ > 0) Select(current_);
}

DbfError DbfTable::Post() {
  if (!dirty_) return DbfError::None;
  const auto len = static_cast<std::uint64_t>(layout_.recordLength);
  const std::uint64_t offset = static_cast<std::uint64_t>(layout_.headerLength) +
                               static_cast<std::uint64_t>(current_ - 1) * len;
  const DbfError e = WriteInPlace(offset, buffer_, layout_.recordCount);
  if (e != DbfError::None) return e;
  const NdxEntry before = index_ ? KeyOf(current_) : NdxEntry{};
  records_.replace(
      static_cast<std::size_t>(offset - static_cast<std::uint64_t>(layout_.headerLength)),
      static_cast<std::size_t>(len), buffer_);
  dirty_ = false;
  if (!index_) return DbfError::None;
  const NdxEntry after = KeyOf(current_);
  if (index_->SameKey(before, after)) return DbfError::None;
  index_->Remove(before);
  index_->Insert(after);
  return SaveIndex();
}

DbfError DbfTable::AppendRecords(const std::vector<std::string>& records) {
  if (const DbfError e = Post(); e != DbfError::None) return e;
  if (records.empty()) return DbfError::None;
  std::string bytes;
  for (const std::string& r : records) {
    KV40_CHECK(r.size() == static_cast<std::size_t>(layout_.recordLength));
    bytes += r;
  }
  const std::uint64_t end = static_cast<std::uint64_t>(layout_.headerLength) + records_.size();
  const auto count = layout_.recordCount + static_cast<std::uint32_t>(records.size());
  const DbfError e = WriteInPlace(end, bytes + kFileEnd, count);
  if (e != DbfError::None) return e;
  const int first = RecordCount() + 1;
  records_ += bytes;
  layout_.recordCount = count;
  layout_.date = Today();
  Select(RecordCount());
  if (!index_) return DbfError::None;
  for (int r = first; r <= RecordCount(); ++r)
    index_->Insert(KeyOf(r));
  return SaveIndex();
}

DbfError DbfTable::AppendBlank() {
  return AppendRecords({BlankRecord(layout_)});
}

DbfError DbfTable::Pack() {
  if (const DbfError e = Post(); e != DbfError::None) return e;
  if (memoryOnly_) return DbfError::ReadOnly;
  std::string kept;
  std::uint32_t count = 0;
  for (int r = 1; r <= RecordCount(); ++r) {
    if (StoredDeleted(r)) continue;
    kept += Stored(r);
    ++count;
  }
  DbfLayout packed = layout_;
  packed.recordCount = count;
  packed.date = Today();
  std::string file = HeaderBytes(packed) + kept;
  file += kFileEnd;
  if (base::WriteFileAtomically(path_, file) != 0) return DbfError::WriteFailed;
  layout_ = std::move(packed);
  records_ = std::move(kept);
  Select(RecordCount() > 0 ? 1 : 0);
  if (!index_) return DbfError::None;
  RebuildIndex();
  return SaveIndex();
}

}  // namespace kv40::tables
