// Build tool: turns a reviewed CSV source of a shipped table into the dBase table.
//
//   kv40_csv2dbf <table>.csv <table>.dbf
//
// Lines starting with "#" are comments. The first other line names the columns: a field of
// the table as NAME:TYPE:LENGTH[:DECIMALS] (NAME:L for logicals), or a column kept for the
// reader only when it starts with "#" (sources, notes). Every further line is one record,
// comma-separated, texts in double quotes where they hold a comma, UTF-8. A value that does
// not fit its field stops the build.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/utf8.h"
#include "tables/dbf_table.h"
#include "tables/dbf_transfer.h"

namespace {

namespace fs = std::filesystem;
using namespace kv40::tables;

int Fail(const std::string& where, const std::string& what) {
  std::fprintf(stderr, "%s: %s\n", where.c_str(), what.c_str());
  return 1;
}

// A column of the header: the field, or nullopt for a reader's column.
std::optional<DbfField> ParseColumn(const std::string& column, bool& ok) {
  ok = true;
  if (!column.empty() && column[0] == '#') return std::nullopt;
  std::vector<std::string> parts;
  std::stringstream ss(column);
  for (std::string part; std::getline(ss, part, ':');)
    parts.push_back(part);
  DbfField f;
  if (parts.size() < 2 || parts[1].size() != 1) {
    ok = false;
    return f;
  }
  f.name = parts[0];
  f.type = parts[1][0];
  f.length = f.type == 'L' ? 1 : f.type == 'D' ? 8 : 0;
  if (parts.size() > 2) f.length = std::stoi(parts[2]);
  if (parts.size() > 3) f.decimals = std::stoi(parts[3]);
  return f;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return Fail("kv40_csv2dbf", "usage: kv40_csv2dbf <table>.csv <table>.dbf");
  const fs::path csv = argv[1], out = argv[2];
  std::ifstream in(csv, std::ios::binary);
  if (!in) return Fail(csv.string(), "cannot be read");
  std::vector<DbfField> fields;
  std::vector<int> columnField;  // field number per CSV column, 0 for a reader's column
  std::vector<std::vector<std::string>> rows;
  std::vector<int> rowLines;
  int lineNo = 0;
  for (std::string line; std::getline(in, line);) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const auto values = SplitDelimited(line);
    const std::string where = csv.string() + ":" + std::to_string(lineNo);
    if (!values) return Fail(where, "a quote is not closed");
    if (columnField.empty()) {
      for (const std::string& column : *values) {
        bool ok = true;
        const std::optional<DbfField> f = ParseColumn(column, ok);
        if (!ok) return Fail(where, "column \"" + column + "\" is not NAME:TYPE:LENGTH[:DECIMALS]");
        if (f) fields.push_back(*f);
        columnField.push_back(f ? static_cast<int>(fields.size()) : 0);
      }
      continue;
    }
    if (values->size() != columnField.size()) return Fail(where, "wrong number of values");
    rows.push_back(*values);
    rowLines.push_back(lineNo);
  }
  if (fields.empty()) return Fail(csv.string(), "no field columns");

  const fs::path temp = out.string() + ".tmp";
  kv40::base::SystemClock clock;
  if (DbfTable::Create(temp, fields, clock.Now()) != DbfError::None)
    return Fail(csv.string(), "the field columns do not make a dBase table");
  DbfOpen o = DbfTable::Open(temp, &clock);
  if (!o.table) return Fail(temp.string(), "cannot be opened again");
  DbfTable& t = *o.table;
  std::vector<std::string> records;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    std::string record = BlankRecord(t.layout());
    for (std::size_t c = 0; c < columnField.size(); ++c) {
      if (columnField[c] == 0) continue;
      const DbfField& f = t.Field(columnField[c]);
      std::string bytes;
      bool lossy = false;
      const DbfError e = EncodeText(f, rows[r][c], bytes, lossy);
      const std::string where = csv.string() + ":" + std::to_string(rowLines[r]);
      if (e != DbfError::None)
        return Fail(where, f.name + ": \"" + rows[r][c] + "\" does not fit (" +
                               std::to_string(DbfErrorCode(e)) + ")");
      if (lossy) return Fail(where, f.name + ": a character has no DOS code page form");
      if (f.type == 'C' && kv40::base::CharCount(rows[r][c]) > static_cast<std::size_t>(f.length))
        return Fail(where,
                    f.name + ": \"" + rows[r][c] + "\" is longer than " + std::to_string(f.length));
      record.replace(static_cast<std::size_t>(f.offset), bytes.size(), bytes);
    }
    records.push_back(std::move(record));
  }
  if (t.AppendRecords(records) != DbfError::None) return Fail(temp.string(), "cannot be written");
  std::error_code ec;
  fs::rename(temp, out, ec);
  if (ec) return Fail(out.string(), ec.message());
  return 0;
}
