// Fuzzes the input data file reader; a file it accepts must also survive writing and reading.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "base/text_file.h"
#include "model/docu_data.h"
#include "model/input_file_format.h"

namespace {

using kv40::model::InputFileBytes;
using kv40::model::InputFileParse;
using kv40::model::ParseInputFile;

void Require(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "input file round trip: %s\n", what);
    std::abort();
  }
}

struct Base {
  kv40::model::SpecState connection;
  kv40::model::DocuData docu;
  Base() {
    kv40::model::InitDefaults(connection);
    kv40::model::InitDocuData(docu, "01.01.2024");
  }
};

InputFileParse Reparse(const std::string& bytes, const Base& base) {
  return ParseInputFile(kv40::base::SplitLines(bytes), base.connection, base.docu);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const Base base;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const InputFileParse first =
      ParseInputFile(kv40::base::SplitLines(bytes), base.connection, base.docu);
  if (!first.ok) return 0;

  // Writing rounds reals to the file's precision once; after that nothing may change.
  const kv40::base::NumberFormat point;
  const kv40::base::OemText once = InputFileBytes(first.connection, first.docu, point);
  Require(!once.lossy, "a character read from the file cannot be written back");
  const InputFileParse second = Reparse(once.bytes, base);
  Require(second.ok, "a written file does not read back");
  const std::string twice = InputFileBytes(second.connection, second.docu, point).bytes;
  const InputFileParse third = Reparse(twice, base);
  Require(third.ok, "a rewritten file does not read back");
  Require(InputFileBytes(third.connection, third.docu, point).bytes == twice,
          "rewriting is not stable");

  // The decimal comma is only a way of writing: the values read back are the same.
  kv40::base::NumberFormat comma;
  comma.decimalSeparator = 2;
  const InputFileParse viaComma =
      Reparse(InputFileBytes(second.connection, second.docu, comma).bytes, base);
  Require(viaComma.ok, "a file written with the decimal comma does not read back");
  Require(InputFileBytes(viaComma.connection, viaComma.docu, point).bytes == twice,
          "the decimal comma changes values");
  return 0;
}
