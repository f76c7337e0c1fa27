// Error codes of the dBase engine. The number is what the program shows after "DBF Error ".
#pragma once

namespace kv40::tables {

enum class DbfError : int {
  None = 0,
  OpenFailed = 1,     // the file cannot be opened
  ReadFailed = 2,     // reading the file failed
  NotATable = 3,      // the header is not a dBase table header
  BadFields = 4,      // field descriptors do not fit together or into the record
  Truncated = 5,      // the file ends before its last record
  WriteFailed = 6,    // writing the file failed; the file keeps its last complete state
  NoSuchField = 7,    // no field of that name or number
  ValueTooLarge = 8,  // the value does not fit the field's width
  BadValue = 9,       // the text is not a value of the field's type
  TypeMismatch = 10,  // the field's type cannot hold such a value
  NoRecord = 11,      // the table has no current record
  IndexOpenFailed = 12,
  IndexCorrupt = 13,   // the index file is damaged or truncated
  IndexMismatch = 14,  // the index does not belong to this table or is out of date
  KeyNotIndexable = 15,
  DelimitedSyntax = 16,  // a line of delimited text cannot be read
  TooLarge = 17,         // the file is larger than the engine reads
  ReadOnly = 18,         // the table was opened from memory and cannot be written
};

inline int DbfErrorCode(DbfError e) {
  return static_cast<int>(e);
}

}  // namespace kv40::tables
