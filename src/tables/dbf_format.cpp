// The dBase III file layout: header, field descriptors, and the text form of field values.
#include "tables/dbf_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <set>

#include "base/bytes.h"
#include "base/codepage.h"
#include "base/format.h"
#include "base/text.h"

namespace kv40::tables {
namespace {

constexpr int kFileHeaderSize = 32;

// dBase III and its relatives (dBase IV/V, Clipper, FoxPro) share this header.
bool KnownVersion(std::uint8_t v) {
  return (v & 0x07) == 0x03 || v == 0x30 || v == 0x31 || v == 0x32 || v == 0xF5 || v == 0xFB;
}

std::optional<DbfField> ParseDescriptor(std::string_view d) {
  DbfField f;
  const std::size_t nul = d.substr(0, 11).find('\0');
  f.name = base::Cp437ToUtf8(base::TrimRightView(
      d.substr(0, nul == std::string_view::npos ? 11 : nul), base::kBlankOrNul));
  f.type = d[11];
  f.length = static_cast<unsigned char>(d[16]);
  f.decimals = static_cast<unsigned char>(d[17]);
  if (f.type == 'C' && f.decimals > 0) {  // Clipper's long texts: the high byte of the length
    f.length += 256 * f.decimals;
    f.decimals = 0;
  }
  if (f.name.empty() || f.length < 1) return std::nullopt;
  return f;
}

std::string RightAligned(const std::string& text, int width) {
  return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

bool IsNumberType(char type) {
  return type == 'N' || type == 'F';
}

}  // namespace

DbfHeaderParse ParseDbfHeader(std::string_view bytes, std::uint64_t fileSize) {
  DbfHeaderParse r;
  if (bytes.size() < kFileHeaderSize) {
    r.error = bytes.empty() ? DbfError::NotATable : DbfError::Truncated;
    return r;
  }
  DbfLayout l;
  l.version = static_cast<std::uint8_t>(bytes[0]);
  if (!KnownVersion(l.version)) {
    r.error = DbfError::NotATable;
    return r;
  }
  l.date = {1900 + static_cast<unsigned char>(bytes[1]), static_cast<unsigned char>(bytes[2]),
            static_cast<unsigned char>(bytes[3])};
  l.recordCount = base::GetU32(bytes, 4);
  l.headerLength = base::GetU16(bytes, 8);
  l.recordLength = base::GetU16(bytes, 10);
  l.codePage = static_cast<std::uint8_t>(bytes[29]);
  if (l.headerLength < kFileHeaderSize + kDescriptorSize + 1 || l.recordLength < 2) {
    r.error = DbfError::NotATable;
    return r;
  }
  if (static_cast<std::size_t>(l.headerLength) > bytes.size()) {
    r.error = DbfError::Truncated;
    return r;
  }
  std::size_t at = kFileHeaderSize;
  int offset = 1;
  std::set<std::string> names;
  while (at + kDescriptorSize <= static_cast<std::size_t>(l.headerLength) &&
         bytes[at] != kHeaderEnd) {
    std::optional<DbfField> f = ParseDescriptor(bytes.substr(at, kDescriptorSize));
    // Fields are reached by name: two of the same name make a table no dBase program writes.
    if (!f || offset + f->length > l.recordLength ||
        !names.insert(base::UpperCase(f->name)).second) {
      r.error = DbfError::BadFields;
      return r;
    }
    f->offset = offset;
    offset += f->length;
    l.fields.push_back(std::move(*f));
    at += kDescriptorSize;
  }
  if (l.fields.empty() || at >= static_cast<std::size_t>(l.headerLength) ||
      bytes[at] != kHeaderEnd) {
    r.error = DbfError::BadFields;
    return r;
  }
  const std::uint64_t end = static_cast<std::uint64_t>(l.headerLength) +
                            static_cast<std::uint64_t>(l.recordCount) * l.recordLength;
  if (end > fileSize) {
    r.error = DbfError::Truncated;
    return r;
  }
  l.header = std::string(bytes.substr(0, static_cast<std::size_t>(l.headerLength)));
  r.layout = std::move(l);
  return r;
}

DbfHeaderParse NewLayout(std::vector<DbfField> fields, const base::DateTime& date) {
  DbfHeaderParse r;
  DbfLayout l;
  l.date = date;
  int offset = 1;
  std::set<std::string> names;
  for (DbfField& f : fields) {
    f.name = base::UpperCase(f.name);
    bool ok =
        !f.name.empty() && f.name.size() <= kMaxFieldNameLength && names.insert(f.name).second;
    switch (f.type) {
      case 'C':
        ok = ok && f.length >= 1 && f.length <= 254 && f.decimals == 0;
        break;
      case 'N':
      case 'F':
        ok = ok && f.length >= 1 && f.length <= 20 && f.decimals >= 0 &&
             (f.decimals == 0 || f.decimals <= f.length - 2);
        break;
      case 'L':
        ok = ok && f.length == 1 && f.decimals == 0;
        break;
      case 'D':
        ok = ok && f.length == 8 && f.decimals == 0;
        break;
      default:
        ok = false;
    }
    if (!ok) {
      r.error = DbfError::BadFields;
      return r;
    }
    f.offset = offset;
    offset += f.length;
  }
  l.headerLength = kFileHeaderSize + kDescriptorSize * static_cast<int>(fields.size()) + 1;
  l.recordLength = offset;
  if (fields.empty() || l.recordLength > 65535 || l.headerLength > 65535) {
    r.error = DbfError::BadFields;
    return r;
  }
  l.fields = std::move(fields);
  r.layout = std::move(l);
  return r;
}

std::string DateAndCount(const base::DateTime& date, std::uint32_t recordCount) {
  std::string b(7, '\0');
  b[0] = static_cast<char>(std::clamp(date.year - 1900, 0, 255));
  b[1] = static_cast<char>(std::clamp(date.month, 0, 12));
  b[2] = static_cast<char>(std::clamp(date.day, 0, 31));
  base::PutU32(b, 3, recordCount);
  return b;
}

std::string HeaderBytes(const DbfLayout& l) {
  std::string h = l.header;
  if (h.size() != static_cast<std::size_t>(l.headerLength)) {
    h.assign(static_cast<std::size_t>(l.headerLength), '\0');
    h[0] = static_cast<char>(l.version);
    base::PutU16(h, 8, l.headerLength);
    base::PutU16(h, 10, l.recordLength);
    h[29] = static_cast<char>(l.codePage);
    std::size_t at = kFileHeaderSize;
    for (const DbfField& f : l.fields) {
      const std::string name = base::Utf8ToCp437(f.name).bytes;
      h.replace(at, name.size(), name);
      h[at + 11] = f.type;
      base::PutU32(h, at + 12, static_cast<std::uint32_t>(f.offset));
      h[at + 16] = static_cast<char>(f.length & 0xFF);
      h[at + 17] = static_cast<char>(f.type == 'C' ? f.length >> 8 : f.decimals);
      at += kDescriptorSize;
    }
    h[at] = kHeaderEnd;
  }
  h.replace(1, 7, DateAndCount(l.date, l.recordCount));
  return h;
}

std::string BlankRecord(const DbfLayout& l) {
  return std::string(static_cast<std::size_t>(l.recordLength), ' ');
}

std::string_view RawField(const DbfField& f, std::string_view record) {
  return record.substr(static_cast<std::size_t>(f.offset), static_cast<std::size_t>(f.length));
}

bool FieldTrue(const DbfField& f, std::string_view record) {
  const char c = RawField(f, record)[0];
  return f.type == 'L' && (c == 'T' || c == 't' || c == 'Y' || c == 'y');
}

std::string FieldText(const DbfField& f, std::string_view record) {
  const std::string_view raw = RawField(f, record);
  switch (f.type) {
    case 'L': {
      const char c = raw[0];
      if (c == 'T' || c == 't' || c == 'Y' || c == 'y') return "T";
      if (c == 'F' || c == 'f' || c == 'N' || c == 'n') return "F";
      return "";
    }
    case 'N':
    case 'F':
    case 'D':
    case 'M':
      return base::Cp437ToUtf8(base::TrimView(raw, base::kBlankOrNul));
    default:
      return base::Cp437ToUtf8(base::TrimRightView(raw, base::kBlankOrNul));
  }
}

std::optional<double> ParseDbfNumber(std::string_view text) {
  text = base::TrimView(text, base::kBlankOrNul);
  if (text.empty()) return std::nullopt;
  std::string s(text);
  if (s.front() == '+') s.erase(0, 1);
  if (const auto comma = s.find(','); comma != std::string::npos) s[comma] = '.';
  if (s.empty() ||
      !(s.front() == '-' || s.front() == '.' || (s.front() >= '0' && s.front() <= '9')))
    return std::nullopt;
  double v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<double> JulianDay(std::string_view t) {
  if (t.size() != 8) return std::nullopt;
  for (char c : t) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  auto num = [&](std::size_t at, std::size_t n) {
    int v = 0;
    for (std::size_t i = at; i < at + n; ++i)
      v = v * 10 + (t[i] - '0');
    return v;
  };
  const int y = num(0, 4), m = num(4, 2), d = num(6, 2);
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  if (m < 1 || m > 12 || d < 1 || d > kDays[m - 1] + (m == 2 && leap ? 1 : 0)) return std::nullopt;
  const int a = (14 - m) / 12;
  const long yy = y + 4800 - a;
  const long mm = m + 12 * a - 3;
  return static_cast<double>(d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - yy / 100 + yy / 400 -
                             32045);
}

DbfError EncodeReal(const DbfField& f, long double value, std::string& out) {
  if (!std::isfinite(value)) return DbfError::BadValue;
  std::string text;
  if (IsNumberType(f.type)) {
    text = base::NumberText(value, std::chars_format::fixed, f.decimals);
  } else if (f.type == 'C') {
    text = base::NumberText(value, std::chars_format::general, 15);
  } else {
    return DbfError::TypeMismatch;
  }
  if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-') text.erase(0, 1);
  if (text.size() > static_cast<std::size_t>(f.length)) return DbfError::ValueTooLarge;
  out = f.type == 'C' ? text + std::string(static_cast<std::size_t>(f.length) - text.size(), ' ')
                      : RightAligned(text, f.length);
  return DbfError::None;
}

DbfError EncodeInt(const DbfField& f, std::int64_t value, std::string& out) {
  if (IsNumberType(f.type) && f.decimals > 0) {
    return EncodeReal(f, static_cast<long double>(value), out);
  }
  if (!IsNumberType(f.type) && f.type != 'C') return DbfError::TypeMismatch;
  const std::string text = std::to_string(value);
  if (text.size() > static_cast<std::size_t>(f.length)) return DbfError::ValueTooLarge;
  out = f.type == 'C' ? text + std::string(static_cast<std::size_t>(f.length) - text.size(), ' ')
                      : RightAligned(text, f.length);
  return DbfError::None;
}

DbfError EncodeLogical(const DbfField& f, bool value, std::string& out) {
  if (f.type != 'L') return DbfError::TypeMismatch;
  out =
      std::string(1, value ? 'T' : 'F') + std::string(static_cast<std::size_t>(f.length) - 1, ' ');
  return DbfError::None;
}

DbfError EncodeText(const DbfField& f, std::string_view utf8, std::string& out, bool& lossy) {
  const std::size_t width = static_cast<std::size_t>(f.length);
  const std::string_view trimmed = base::TrimView(utf8, base::kBlankOrNul);
  switch (f.type) {
    case 'C': {
      base::OemText oem = base::Utf8ToCp437(utf8);
      lossy = lossy || oem.lossy;
      oem.bytes.resize(width, ' ');
      out = std::move(oem.bytes);
      return DbfError::None;
    }
    case 'N':
    case 'F': {
      if (trimmed.empty()) {
        out.assign(width, ' ');
        return DbfError::None;
      }
      const std::optional<double> v = ParseDbfNumber(trimmed);
      if (!v) return DbfError::BadValue;
      return EncodeReal(f, *v, out);
    }
    case 'L': {
      if (trimmed.empty() || trimmed == "?") {
        out.assign(width, ' ');
        return DbfError::None;
      }
      const char c = trimmed.size() == 1 ? trimmed[0] : '\0';
      if (std::string_view("TtYyJj").find(c) != std::string_view::npos)
        return EncodeLogical(f, true, out);
      if (std::string_view("FfNn").find(c) != std::string_view::npos)
        return EncodeLogical(f, false, out);
      return DbfError::BadValue;
    }
    case 'D':
      if (trimmed.empty()) {
        out.assign(width, ' ');
        return DbfError::None;
      }
      if (!JulianDay(trimmed)) return DbfError::BadValue;
      out = std::string(trimmed);
      return DbfError::None;
    default:
      return DbfError::TypeMismatch;
  }
}

}  // namespace kv40::tables
