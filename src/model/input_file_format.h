// The input data file (".k40") as lines: how each kind of value is written and read, and the
// whole layout written from and parsed into a state. Pure functions, no file access.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/codepage.h"
#include "base/format.h"
#include "base/text_file.h"
#include "model/docu_data.h"
#include "model/spec_state.h"

namespace kv40::model {

// The third identification line of a file (no reader interprets it).
inline constexpr const char* kInputFileNote = "Eingabedaten Welle / Nabe";

// ---- one value per line ----

// A real: whole numbers below 1 without decimals ("0", "-38"), everything else fixed-point
// with 7 decimals (shifted by the decimals setting) and the configured decimal mark.
std::string RealLine(const base::NumberFormat& nf, Extended x);
std::string IntLine(std::int64_t n);
std::string BoolLine(bool b);
// The yield strength: right-aligned in 5 characters, no decimals by default.
std::string YieldLine(const base::NumberFormat& nf, std::int32_t re);

// Readers never fail: a line that is not a number of the kind reads as 0 (false).
Extended ReadRealLine(std::string_view line);  // "," and "." both mark decimals
std::int32_t ReadIntLine(std::string_view line);
Word ReadWordLine(std::string_view line);  // 0 outside 0..65535
bool ReadBoolLine(std::string_view line);
std::int32_t ReadYieldLine(std::string_view line);  // decimals allowed, rounded

// ---- the whole file ----

// All lines of the file (UTF-8, without line ends), in file order.
std::vector<std::string> InputFileLines(const SpecState& connection, const model::DocuData& docu,
                                        const base::NumberFormat& nf);
// The file as stored: CP437, every line ended by CR LF. lossy: a character had no CP437
// form and was written as "?".
base::OemText InputFileBytes(const SpecState& connection, const model::DocuData& docu,
                             const base::NumberFormat& nf);

// Number lines that were not numbers (each read as 0): how many, and the first one.
struct BadNumberLines {
  int count = 0;
  std::size_t firstLine = 0;  // 1-based
  std::string firstText;
};

struct InputFileParse {
  bool ok = false;
  std::size_t missingLine = 0;  // on failure: the 1-based line the file ended before
  BadNumberLines badNumbers;    // number lines that read as 0 because they were no number
  SpecState connection;         // the given state with every field of the file replaced
  model::DocuData docu;
};

// Reads the lines into copies of connection and docu; fields the file does not hold keep their
// values. Only a complete file is ok; on failure the copies are to be dropped.
InputFileParse ParseInputFile(const base::TextLines& text, const SpecState& connection,
                              const model::DocuData& docu);

}  // namespace kv40::model
