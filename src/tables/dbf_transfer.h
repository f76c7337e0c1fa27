// Moving records between a table and other files: another dBase table, and delimited text
// (one record per line, fields in table order separated by commas, texts in double quotes).
#pragma once

#include <filesystem>

#include "tables/dbf_table.h"

namespace kv40::tables {

struct TransferResult {
  DbfError error = DbfError::None;
  int records = 0;  // records appended or written
  int line = 0;     // delimited text: the line that could not be read
  bool lossy = false;
};

// Appends the records of another table that are not marked deleted, field by field where
// the names agree. Nothing is appended when any value does not fit.
TransferResult AppendFromDbf(DbfTable& table, const std::filesystem::path& source);

// Appends the lines of a delimited text file. The file may be in the DOS code page or in
// UTF-8. Nothing is appended when a line cannot be read or a value does not fit.
TransferResult AppendDelimited(DbfTable& table, const std::filesystem::path& source);

// The delimited text of the shown records in the current order (CP437, CR LF).
std::string DelimitedText(const DbfTable& table);
// Writes DelimitedText safely into target.
TransferResult CopyToDelimited(const DbfTable& table, const std::filesystem::path& target);

// Splits one line of delimited text into its values; nullopt when a quote is not closed.
std::optional<std::vector<std::string>> SplitDelimited(std::string_view line);

}  // namespace kv40::tables
