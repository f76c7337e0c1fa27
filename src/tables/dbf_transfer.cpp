// Moving records between a table and another dBase table or delimited text.
#include "tables/dbf_transfer.h"

#include "base/codepage.h"
#include "base/text.h"
#include "base/text_file.h"
#include "base/utf8.h"

namespace kv40::tables {
namespace {

constexpr std::uintmax_t kMaxDelimitedBytes = 256u << 20;

// Blanks and tabs around a field; a line end's CR at the end.
std::string_view Trimmed(std::string_view s) {
  return base::TrimRightView(base::TrimLeftView(s, " \t"), " \t\r");
}

// UTF-8 with at least one character beyond ASCII; anything else is read as CP437.
bool LooksLikeUtf8(std::string_view bytes) {
  bool wide = false;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t at = pos;
    const char32_t c = base::DecodeUtf8(bytes, pos);
    if (c == base::kReplacementChar && pos - at == 1) return false;
    wide = wide || c >= 0x80;
  }
  return wide;
}

std::vector<std::string> Lines(const std::string& utf8) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= utf8.size()) {
    std::size_t end = utf8.find('\n', start);
    if (end == std::string::npos) end = utf8.size();
    lines.push_back(utf8.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace

std::optional<std::vector<std::string>> SplitDelimited(std::string_view line) {
  std::vector<std::string> values;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
      ++i;
    std::string value;
    if (i < line.size() && line[i] == '"') {
      ++i;
      while (true) {
        if (i >= line.size()) return std::nullopt;
        if (line[i] == '"' && i + 1 < line.size() && line[i + 1] == '"') {
          value += '"';
          i += 2;
        } else if (line[i] == '"') {
          ++i;
          break;
        } else {
          value += line[i++];
        }
      }
      const std::size_t comma = line.find(',', i);
      if (!Trimmed(line.substr(i, comma == std::string_view::npos ? line.npos : comma - i)).empty())
        return std::nullopt;
      i = comma;
    } else {
      const std::size_t comma = line.find(',', i);
      value = std::string(
          Trimmed(line.substr(i, comma == std::string_view::npos ? line.npos : comma - i)));
      i = comma;
    }
    values.push_back(std::move(value));
    if (i == std::string_view::npos) return values;
    ++i;  // the comma
  }
}

TransferResult AppendFromDbf(DbfTable& table, const std::filesystem::path& source) {
  TransferResult r;
  DbfOpen from = DbfTable::Open(source);
  if (!from.table) {
    r.error = from.error;
    return r;
  }
  const DbfTable& s = *from.table;
  std::vector<std::pair<int, int>> pairs;  // target field, source field
  for (int n = 1; n <= table.FieldCount(); ++n) {
    if (const int m = s.FieldNumber(table.Field(n).name); m > 0) pairs.emplace_back(n, m);
  }
  std::vector<std::string> records;
  for (int rec = 1; rec <= s.RecordCount(); ++rec) {
    if (s.StoredDeleted(rec)) continue;
    std::string record = BlankRecord(table.layout());
    for (const auto& [n, m] : pairs) {
      const DbfField& f = table.Field(n);
      std::string bytes;
      r.error = EncodeText(f, s.StoredText(rec, m), bytes, r.lossy);
      if (r.error != DbfError::None) return r;
      record.replace(static_cast<std::size_t>(f.offset), bytes.size(), bytes);
    }
    records.push_back(std::move(record));
  }
  r.error = table.AppendRecords(records);
  if (r.error == DbfError::None) r.records = static_cast<int>(records.size());
  return r;
}

TransferResult AppendDelimited(DbfTable& table, const std::filesystem::path& source) {
  TransferResult r;
  const std::optional<std::string> bytes = base::ReadFileBytes(source, kMaxDelimitedBytes).bytes;
  if (!bytes) {
    r.error = DbfError::OpenFailed;
    return r;
  }
  const std::string text = LooksLikeUtf8(*bytes) ? *bytes : base::Cp437ToUtf8(*bytes);
  std::vector<std::string> records;
  for (const std::string& raw : Lines(text)) {
    ++r.line;
    const std::string_view line = Trimmed(raw);
    if (line.empty() || line == "\x1A") continue;
    const std::optional<std::vector<std::string>> values = SplitDelimited(line);
    if (!values || values->size() > static_cast<std::size_t>(table.FieldCount())) {
      r.error = DbfError::DelimitedSyntax;
      return r;
    }
    std::string record = BlankRecord(table.layout());
    for (std::size_t i = 0; i < values->size(); ++i) {
      const DbfField& f = table.Field(static_cast<int>(i) + 1);
      std::string fieldBytes;
      r.error = EncodeText(f, (*values)[i], fieldBytes, r.lossy);
      if (r.error != DbfError::None) return r;
      record.replace(static_cast<std::size_t>(f.offset), fieldBytes.size(), fieldBytes);
    }
    records.push_back(std::move(record));
  }
  r.line = 0;
  r.error = table.AppendRecords(records);
  if (r.error == DbfError::None) r.records = static_cast<int>(records.size());
  return r;
}

std::string DelimitedText(const DbfTable& table) {
  std::string out;
  for (const int rec : table.Order()) {
    for (int n = 1; n <= table.FieldCount(); ++n) {
      if (n > 1) out += ',';
      const DbfField& f = table.Field(n);
      std::string value = base::Utf8ToCp437(table.StoredText(rec, n)).bytes;
      for (char& c : value) {
        if (c == '\r' || c == '\n') c = ' ';  // one line per record, whatever a field holds
      }
      if (f.type == 'C') {
        out += '"';
        for (const char c : value)
          out += c == '"' ? std::string("\"\"") : std::string(1, c);
        out += '"';
      } else {
        out += value;
      }
    }
    out += "\r\n";
  }
  return out;
}

TransferResult CopyToDelimited(const DbfTable& table, const std::filesystem::path& target) {
  TransferResult r;
  if (base::WriteFileAtomically(target, DelimitedText(table)) != 0) {
    r.error = DbfError::WriteFailed;
    return r;
  }
  r.records = static_cast<int>(table.Order().size());
  return r;
}

}  // namespace kv40::tables
