// Build tool for the help data: the help files in the DOS code page from their UTF-8 sources,
// the help images with their index, and the user manual.
//
//   kv40_helpdata hlp <source.txt> <target.hlp>
//   kv40_helpdata images <folder>
//   kv40_helpdata manual <help folder> <manual folder>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "base/codepage.h"
#include "base/format.h"
#include "base/text.h"
#include "base/text_file.h"
#include "base/utf8.h"
#include "help/help_index.h"
#include "help_images.h"
#include "help_manual.h"

namespace fs = std::filesystem;
using namespace kv40;

namespace {

int Fail(const std::string& text) {
  std::fprintf(stderr, "kv40_helpdata: %s\n", text.c_str());
  return 1;
}

bool IsHeader(const std::string& line) {
  return base::TryParseInt(base::CutChars(line, 4)).has_value();
}

// The source without comments and blank lines; every entry checked: a header whose number
// is a multiple of 5, one to five text lines, no text line that would read as a header.
int ConvertHelpFile(const fs::path& source, const fs::path& target) {
  const base::BytesResult read = base::ReadFileBytes(source, 1u << 20);
  if (!read.bytes) return Fail("cannot read " + source.string());
  std::vector<std::string> lines;
  std::size_t start = 0;
  const std::string& text = *read.bytes;
  int textLines = -1;
  int lineNo = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const std::string where = source.string() + ":" + std::to_string(lineNo) + ": ";
    if (IsHeader(line)) {
      if (textLines == 0) return Fail(where + "entry without text");
      const auto n = base::TryParseInt(base::CutChars(line, 4));
      if (*n % 5 != 0) return Fail(where + "entry number not a multiple of 5");
      textLines = 0;
    } else {
      if (textLines < 0) return Fail(where + "text before the first entry");
      if (++textLines > 5) return Fail(where + "more than five text lines");
      if (base::CharCount(line) > 250) return Fail(where + "line longer than 250 characters");
    }
    const base::OemText oem = base::Utf8ToCp437(line);
    if (oem.lossy) return Fail(where + "character without a DOS code page form");
    lines.push_back(oem.bytes);
  }
  std::string bytes;
  for (const std::string& l : lines)
    bytes += l + "\r\n";
  if (base::WriteFileAtomically(target, bytes, false) != 0) {
    return Fail("cannot write " + target.string());
  }
  return 0;
}

int WriteImages(const fs::path& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  std::vector<std::string> index;
  for (const tools::HelpImage& img : tools::HelpImages()) {
    if (base::WriteFileAtomically(folder / (img.name + ".plt"), img.plot, false) != 0) {
      return Fail("cannot write " + img.name + ".plt");
    }
    if (img.name != "null") index.push_back(help::IndexLine(img.name, img.info));
  }
  if (help::WriteHelpIndex(folder / help::IndexFileName(), index) != 0) {
    return Fail("cannot write the index");
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 3 && args[0] == "hlp") return ConvertHelpFile(args[1], args[2]);
  if (args.size() == 2 && args[0] == "images") return WriteImages(args[1]);
  if (args.size() == 3 && args[0] == "manual") {
    const std::string error = tools::WriteManual(args[1], args[2]);
    return error.empty() ? 0 : Fail(error);
  }
  return Fail("usage: kv40_helpdata hlp <source> <target> | images <folder> | manual <help> <out>");
}
