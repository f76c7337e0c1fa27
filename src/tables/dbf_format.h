// The dBase III file layout: header, field descriptors, and the text form of field values.
// Pure functions on bytes; the table class does the file work.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/clock.h"
#include "tables/dbf_error.h"

namespace kv40::tables {

inline constexpr std::uint8_t kDbfVersion3 = 0x03;  // dBase III without memo
inline constexpr std::uint8_t kCodePage437 = 0x01;  // language driver mark: DOS USA CP437
inline constexpr char kHeaderEnd = 0x0D;
inline constexpr char kFileEnd = 0x1A;
inline constexpr char kDeletedFlag = '*';
inline constexpr int kDescriptorSize = 32;
inline constexpr int kMaxFieldNameLength = 10;

struct DbfField {
  std::string name;  // upper case, at most 10 characters
  char type = 'C';   // C text, N number, F float, L logical, D date; others read as text
  int length = 0;
  int decimals = 0;
  int offset = 0;  // byte offset in the record; 0 is the deleted flag
};

struct DbfLayout {
  std::uint8_t version = kDbfVersion3;
  std::uint8_t codePage = kCodePage437;
  base::DateTime date;  // of the last change (year, month, day)
  std::uint32_t recordCount = 0;
  int headerLength = 0;
  int recordLength = 0;
  std::vector<DbfField> fields;
  std::string header;  // the header bytes as read; rewrites keep what we do not interpret
};

struct DbfHeaderParse {
  std::optional<DbfLayout> layout;
  DbfError error = DbfError::None;
};

// Reads the header and field descriptors at the start of a file of fileSize bytes.
// Checks that the fields fit the record and that every record lies inside the file.
DbfHeaderParse ParseDbfHeader(std::string_view bytes, std::uint64_t fileSize);

// A new layout for these fields: names upper-cased, offsets and lengths computed.
// Error when a name is empty, too long or repeated, or a length does not suit the type.
DbfHeaderParse NewLayout(std::vector<DbfField> fields, const base::DateTime& date);

// Header bytes of the layout: the kept header with count and date set, or a fresh one.
std::string HeaderBytes(const DbfLayout& layout);
// Bytes 1..7 of the header: date of the change and record count.
std::string DateAndCount(const base::DateTime& date, std::uint32_t recordCount);

// A record of blanks, not deleted.
std::string BlankRecord(const DbfLayout& layout);

// ---- field values (UTF-8 outside, CP437 inside) ----
// The value as text: numbers without leading blanks, texts without trailing blanks,
// logicals "T", "F" or "" (unknown), dates "YYYYMMDD" or "".
std::string FieldText(const DbfField& f, std::string_view record);
std::string_view RawField(const DbfField& f, std::string_view record);
// Logical field: true for T, t, Y, y.
bool FieldTrue(const DbfField& f, std::string_view record);

// Encodes text for the field into bytes of exactly its length. Numbers accept "," as the
// decimal mark. lossy is set when a character had no CP437 form ("?" written).
DbfError EncodeText(const DbfField& f, std::string_view utf8, std::string& out, bool& lossy);
DbfError EncodeReal(const DbfField& f, long double value, std::string& out);
DbfError EncodeInt(const DbfField& f, std::int64_t value, std::string& out);
DbfError EncodeLogical(const DbfField& f, bool value, std::string& out);

// Reads a number as dBase writes it (blanks around, "." or "," as decimal mark).
std::optional<double> ParseDbfNumber(std::string_view text);
// Days since the start of the Julian period for a "YYYYMMDD" date; nullopt when invalid.
std::optional<double> JulianDay(std::string_view yyyymmdd);

}  // namespace kv40::tables
