// Writing KV40.cfg: title lines, then every entry with its key line, in file order.
#include <algorithm>
#include <cmath>

#include "base/codepage.h"
#include "base/utf8.h"
#include "config/config_format.h"
#include "config/config_layout.h"
#include "model/session.h"

namespace kv40::config {
namespace {

// Numbers in the file do not depend on the user's number settings: always a point and the
// unshifted decimal count, so that the file reads back the same on every setting.
const base::NumberFormat kFileFormat{};

// One value per line: a line break inside a text would shift every later entry.
std::string OneLine(std::string_view text, int maxChars) {
  std::string s =
      maxChars > 0 ? base::CutChars(text, static_cast<std::size_t>(maxChars)) : std::string(text);
  for (char& ch : s) {
    if (ch == '\r' || ch == '\n') ch = ' ';
  }
  return s;
}

class Writer {
 public:
  void Key(const char* key) {
    if (key != nullptr) lines_.emplace_back(key);
  }
  void Text(const char* key, const std::string& v, int maxChars = 0) {
    Put(key, OneLine(v, maxChars));
  }
  void TextUnlessEmpty(const char* key, const std::string& v) { Text(key, v); }
  void Int(const char* key, int v) { Put(key, std::to_string(v)); }
  template <class T>
  void Word(const char* key, T v) {
    Put(key, std::to_string(v));
  }
  void Bool(const char* key, bool v) { Put(key, v ? "TRUE" : "FALSE"); }
  void NotFalse(const char* key, bool v) { Bool(key, v); }
  void Char(const char* key, const std::string& v) { Put(key, OneLine(v, 1)); }
  void Real(const char* key, Extended v) { Put(key, FormatConfigReal(v)); }
  void SigReal(const char* key, Extended v) { Put(key, base::FormatSig(kFileFormat, v)); }
  void Window(const char* key, const model::TextWindowRect& w) {
    Put(key, std::to_string(w.left) + "|" + std::to_string(w.top) + "|" + std::to_string(w.width) +
                 "|" + std::to_string(w.height) + "|");
  }
  void PlotLines(const char* key, int count,
                 const std::array<std::string, model::kMaxPlotCommands>& lines) {
    const int n = std::clamp(count, 1, model::kMaxPlotCommands);
    Int(key, n);
    for (int i = 1; i < n; ++i)
      Text(nullptr, lines[static_cast<std::size_t>(i)]);
  }
  void Stop(int) {}

  std::vector<std::string> Take() { return std::move(lines_); }

 private:
  void Put(const char* key, std::string value) {
    Key(key);
    lines_.push_back(std::move(value));
  }

  std::vector<std::string> lines_;
};

}  // namespace

std::string FormatConfigReal(Extended value) {
  if (value < 1 && value == std::trunc(value)) return base::FormatSig(kFileFormat, value);
  return base::FormatDec(kFileFormat, 7, value);
}

std::vector<std::string> ConfigLines(const model::Config& c) {
  Writer writer;
  writer.Key((std::string(model::kProgramShortName) + " Konfiguration").c_str());
  writer.Key((std::string("Version ") + model::kProgramVersion).c_str());
  layout::WalkEntries(writer, c);
  return writer.Take();
}

std::string ConfigBytes(const model::Config& c) {
  std::string bytes;
  for (const std::string& line : ConfigLines(c)) {
    bytes += base::Utf8ToCp437(line).bytes;
    bytes += "\r\n";
  }
  return bytes;
}

}  // namespace kv40::config
