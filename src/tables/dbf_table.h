// A dBase III table: the whole file in memory, one current record with its edit buffer,
// an optional NDX index that sets the order, and writes that never leave a broken file.
//
//   DbfOpen o = DbfTable::Open("din5482.dbf");
//   if (!o.table) report o.error;
//   DbfTable& t = *o.table;
//   t.Go(Move::First);
//   std::string d1 = t.FieldText(2);
//   t.ReplaceReal("D1", 25); t.Post();
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/clock.h"
#include "tables/dbf_format.h"
#include "tables/ndx_index.h"

namespace kv40::tables {

struct DbfOpen;

enum class Move { First, Prior, Next, Last };

class DbfTable {
 public:
  // Reads the table file. clock gives the date written into the header on changes
  // (the system clock when null).
  static DbfOpen Open(const std::filesystem::path& path, const base::Clock* clock = nullptr);
  // A table from bytes in memory; it can be read and navigated but not written.
  static DbfOpen FromBytes(std::string_view bytes);
  // Writes a new, empty table (replacing a file of that name).
  static DbfError Create(const std::filesystem::path& path, std::vector<DbfField> fields,
                         const base::DateTime& date);

  const std::filesystem::path& path() const { return path_; }
  const DbfLayout& layout() const { return layout_; }

  // ---- structure ----
  int FieldCount() const { return static_cast<int>(layout_.fields.size()); }
  const DbfField& Field(int n) const;  // 1-based
  // 1-based number of the field with that name (any case); 0 when there is none.
  int FieldNumber(std::string_view name) const;

  // ---- position ----
  int RecordCount() const { return static_cast<int>(layout_.recordCount); }
  int RecordNumber() const { return current_; }  // 0 when the table is empty
  // Goes to record n (physical number, 1..count). A pending change is posted first.
  DbfError GoRecord(int n);
  // Moves in the current order over the records that are shown. False when there is no
  // such record (the position stays) or the pending change could not be posted.
  bool Go(Move move);
  // Record numbers of the shown records in the current order.
  std::vector<int> Order() const;
  void SetShowDeleted(bool show) { showDeleted_ = show; }
  bool ShowDeleted() const { return showDeleted_; }
  bool Shown(int record) const;

  // ---- the current record ----
  std::string FieldText(int n) const;
  std::string_view RawField(int n) const;
  bool FieldTrue(std::string_view name) const;  // a logical field that holds true
  bool Deleted() const;
  // Text of field n of any record, as stored.
  std::string StoredText(int record, int n) const;
  bool StoredDeleted(int record) const;

  DbfError SetFieldText(int n, std::string_view utf8);
  DbfError ReplaceText(std::string_view name, std::string_view utf8);
  DbfError ReplaceInt(std::string_view name, std::int64_t value);
  DbfError ReplaceReal(std::string_view name, long double value);
  DbfError ReplaceLogical(std::string_view name, bool value);
  DbfError SetDeleted(bool deleted);
  bool Modified() const { return dirty_; }
  // Writes the changed current record into the file (and the index).
  DbfError Post();
  void CancelEdit();
  // Appends a blank record, writes it and makes it current.
  DbfError AppendBlank();
  // Appends records given as complete record bytes, in one write.
  DbfError AppendRecords(const std::vector<std::string>& records);
  // Removes the records marked as deleted; the file is rewritten through a temporary file.
  DbfError Pack();
  // Some text had a character without a CP437 form; it was stored as "?".
  bool Lossy() const { return lossy_; }
  void ClearLossy() { lossy_ = false; }

  // ---- index ----
  // Creates an index on the named field into ndxPath and makes it the order; with an
  // empty path the index lives in memory only.
  DbfError CreateIndex(std::string_view fieldName, const std::filesystem::path& ndxPath);
  // Opens an index file; it must be built on a field of this table and hold exactly the
  // keys of the records (IndexMismatch otherwise).
  DbfError OpenIndex(const std::filesystem::path& ndxPath);
  void CloseIndex();
  const NdxIndex* Index() const { return index_ ? &*index_ : nullptr; }
  int IndexField() const { return indexField_; }
  // Exact search of a key (UTF-8 text) in the index; goes to the first shown record with it.
  bool FindKey(std::string_view key);
  // The index entry of a record as stored.
  NdxEntry KeyOf(int record) const;

  // ---- search ----
  // Looks for the text (any case) in the fields of the shown records, in the current
  // order, from the first record or from the one after the current; goes there.
  bool Search(std::string_view text, bool fromFirst);

  // The last error of Go or of a write that had no other way to report it.
  DbfError LastError() const { return lastError_; }

 private:
  std::string_view Stored(int record) const;
  NdxEntry KeyFromBytes(int field, std::string_view raw) const;
  std::optional<NdxEntry> ProbeFor(std::string_view utf8Key) const;
  int PositionInOrder(int record) const;
  int RecordAtPosition(int position) const;
  int PositionCount() const;
  void Select(int record);
  DbfError Replace(std::string_view name, const std::string& bytes, DbfError encoded);
  DbfError WriteInPlace(std::uint64_t offset, std::string_view bytes, std::uint32_t count);
  DbfError SaveIndex();
  void RebuildIndex();
  base::DateTime Today() const;

  std::filesystem::path path_;
  bool memoryOnly_ = false;
  const base::Clock* clock_ = nullptr;
  DbfLayout layout_;
  std::string records_;  // recordCount * recordLength bytes, as in the file
  int current_ = 0;
  std::string buffer_;  // the current record while it is edited
  bool dirty_ = false;
  bool showDeleted_ = true;
  bool lossy_ = false;
  std::optional<NdxIndex> index_;
  std::filesystem::path indexPath_;
  int indexField_ = 0;
  DbfError lastError_ = DbfError::None;
};

struct DbfOpen {
  std::optional<DbfTable> table;
  DbfError error = DbfError::None;
  int sysError = 0;  // errno of a failed open or read
};

}  // namespace kv40::tables
