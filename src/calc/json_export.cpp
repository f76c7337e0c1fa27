// JSON of the calculation state: one visitor over the field table, numbers that round-trip.
#include "calc/json_export.h"

#include <cmath>
#include <limits>
#include <string_view>
#include <type_traits>

#include "base/format.h"
#include "base/text_file.h"
#include "base/utf8.h"
#include "model/spec_fields.h"

namespace kv40::calc {
namespace {

void AppendString(std::string& out, std::string_view text) {
  out += '"';
  std::size_t pos = 0;
  while (pos < text.size()) {
    const char32_t cp = base::DecodeUtf8(text, pos);  // broken bytes become U+FFFD
    switch (cp) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (cp < 0x20) {
          constexpr char kHex[] = "0123456789abcdef";
          out += "\\u00";
          out += kHex[cp >> 4];
          out += kHex[cp & 0xF];
        } else {
          base::AppendUtf8(out, cp);
        }
    }
  }
  out += '"';
}

void AppendNumber(std::string& out, Extended v) {
  // JSON knows no infinity or NaN, and its readers take numbers as doubles: a value beyond
  // the largest double would read as infinity
  if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<double>::max()) {
    out += "null";
    return;
  }
  out += base::NumberText(v, std::chars_format::general, 17);
}

template <class T>
void AppendValue(std::string& out, const T& value) {
  if constexpr (std::is_same_v<T, bool>) {
    out += value ? "true" : "false";
  } else if constexpr (std::is_same_v<T, std::string>) {
    AppendString(out, value);
  } else if constexpr (std::is_integral_v<T>) {
    out += std::to_string(value);
  } else if constexpr (std::is_floating_point_v<T>) {
    AppendNumber(out, value);
  } else {  // Array1: [shaft, hub] or the lines of a text block
    out += '[';
    for (int i = 1; i <= T::size(); ++i) {
      if (i > 1) out += ", ";
      AppendValue(out, value[i]);
    }
    out += ']';
  }
}

class JsonWriter {
 public:
  template <class T>
  void operator()(const char* name, const T& value) {
    Key(name);
    AppendValue(out_, value);
  }
  void operator()(const char*, const model::MessageLog& log) {
    Key("messages");
    out_ += '[';
    for (int i = 1; i <= log.messageCount; ++i) {
      if (i > 1) out_ += ", ";
      AppendString(out_, log.Message(i));
    }
    out_ += ']';
    Key("fatal");
    AppendValue(out_, log.fatal);
  }
  std::string Finish() { return std::move(out_) + "\n}\n"; }

 private:
  void Key(const char* name) {
    out_ += first_ ? "{\n  " : ",\n  ";
    first_ = false;
    AppendString(out_, name);
    out_ += ": ";
  }
  std::string out_;
  bool first_ = true;
};

}  // namespace

std::string ResultsJson(const model::SpecState& s) {
  JsonWriter writer;
  model::VisitSpecFields(s, writer);
  return writer.Finish();
}

bool WriteResultsJson(const model::SpecState& s, const std::filesystem::path& path) {
  return base::WriteFileAtomically(path, ResultsJson(s)) == 0;
}

}  // namespace kv40::calc
