// Reading the input data file: the line readers and the complete layout into a copy of the state.
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "base/utf8.h"
#include "model/input_file_format.h"
#include "model/input_file_layout.h"

namespace kv40::model {
namespace {

std::string Cut(std::string_view text, int maxLength) {
  return base::CutChars(text, static_cast<std::size_t>(maxLength));
}

// The fields of a line whose fields each end with "|" (a missing last "|" is tolerated).
std::vector<std::string> SplitFields(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (start < line.size()) {
    const std::size_t bar = line.find('|', start);
    if (bar == std::string_view::npos) {
      fields.emplace_back(line.substr(start));
      break;
    }
    fields.emplace_back(line.substr(start, bar - start));
    start = bar + 1;
  }
  return fields;
}

std::string FieldAt(const std::vector<std::string>& fields, std::size_t i) {
  return i < fields.size() ? fields[i] : std::string();
}

// The "|" of a stored description stands for a line break.
std::string RestoreDescription(std::string_view line) {
  std::string out(line);
  std::replace(out.begin(), out.end(), '|', '\n');
  return Cut(out, model::kDescriptionLen);
}

std::optional<Extended> TryReadReal(std::string_view line) {
  std::string text(line);
  std::replace(text.begin(), text.end(), ',', '.');
  return base::TryParseNumber(text);
}

// Reads lines in order; after the first missing line every further read is a no-op. A number
// line that is not a number reads as 0 and is remembered, so that the load can say so.
class LineReader {
 public:
  explicit LineReader(const base::TextLines& text) : cursor_(text) {}

  bool failed() const { return missing_ != 0; }
  std::size_t missingLine() const { return missing_; }
  const BadNumberLines& badNumbers() const { return bad_; }

  std::optional<std::string> Line() {
    if (failed()) return std::nullopt;
    auto line = cursor_.Next();
    if (!line) missing_ = cursor_.LineNumber() + 1;
    return line;
  }
  void Skip() { Line(); }
  void Text(std::string& text, int maxLength) {
    if (auto line = Line()) text = Cut(*line, maxLength);
  }
  void Real(Extended& x) {
    if (auto line = Line()) x = Checked(TryReadReal(*line), *line);
  }
  void Int(std::int32_t& n) {
    if (auto line = Line()) {
      n = static_cast<std::int32_t>(Checked(base::TryParseInt(*line), *line));
    }
  }
  void Index(Word& n) {
    if (auto line = Line()) {
      std::optional<std::int64_t> v = base::TryParseInt(*line);
      if (v && (*v < 0 || *v > std::numeric_limits<Word>::max())) v.reset();
      n = static_cast<Word>(Checked(v, *line));
    }
  }
  void Bool(bool& b) {
    if (auto line = Line()) b = ReadBoolLine(*line);
  }
  void Yield(std::int32_t& re) {
    if (auto line = Line()) {
      if (!TryReadReal(*line)) Bad(*line);
      re = ReadYieldLine(*line);
    }
  }
  // A count line; negative counts read as 0.
  std::int32_t Count() {
    std::int32_t n = 0;
    Int(n);
    return std::max(n, 0);
  }

 private:
  template <class T>
  T Checked(const std::optional<T>& v, const std::string& line) {
    if (!v) Bad(line);
    return v.value_or(T{});
  }
  void Bad(const std::string& line) {
    if (bad_.count++ == 0) {
      bad_.firstLine = cursor_.LineNumber();
      bad_.firstText = line;
    }
  }

  base::LineCursor cursor_;
  std::size_t missing_ = 0;
  BadNumberLines bad_;
};

void ReadChanges(LineReader& r, model::DocuData& docu) {
  r.Skip();  // header
  const std::int32_t count = r.Count();
  r.Skip();  // rule
  // Entries beyond the list's capacity are read past so that the following lines stay in place.
  model::ChangeEntry spare;
  for (std::int32_t i = 0; i < count && !r.failed(); ++i) {
    model::ChangeEntry& e =
        i < model::kMaxChanges ? docu.changeList[static_cast<std::size_t>(i)] : spare;
    r.Text(e.changeText, model::kChangeTextLen);
    r.Text(e.changeDate, model::kChangeDateLen);
    r.Text(e.editor, model::kEditorLen);
    if (auto line = r.Line()) e.description = RestoreDescription(*line);
    r.Skip();  // rule
  }
  docu.changeCount = std::min(count, model::kMaxChanges);
}

std::int32_t ReadTitleBlock(LineReader& r, model::DrawingInfo& info) {
  const auto line = r.Line();
  if (!line) return 0;
  const std::vector<std::string> f = SplitFields(*line);
  std::string* cells[] = {&info.checkedDate, &info.checkedBy,   &info.standardDate,
                          &info.standardBy,  &info.releaseDate, &info.releaseBy};
  for (std::size_t i = 0; i < std::size(cells); ++i)
    *cells[i] = Cut(FieldAt(f, i), model::kInfoFieldLen);
  return std::max(ReadIntLine(FieldAt(f, 6)), 0);
}

void ReadDrawingInfo(LineReader& r, model::DrawingInfo& info) {
  const std::int32_t texts = ReadTitleBlock(r, info);
  r.Text(info.drawnDate, model::kInfoFieldLen);
  r.Text(info.replaces, model::kReplaceLen);
  r.Text(info.replacedBy, model::kReplaceLen);
  r.Text(info.drawnBy, model::kInfoFieldLen);
  for (std::int32_t i = 0; i < texts && !r.failed(); ++i) {
    const auto line = r.Line();
    if (!line || i >= model::kMaxDrawingTexts) continue;
    const std::vector<std::string> f = SplitFields(*line);
    model::DrawingText& t = info.drawingTexts[static_cast<std::size_t>(i)];
    t.x = ReadRealLine(FieldAt(f, 0));
    t.y = ReadRealLine(FieldAt(f, 1));
    t.h = ReadRealLine(FieldAt(f, 2));
    t.phi = ReadRealLine(FieldAt(f, 3));
    t.text = Cut(FieldAt(f, 4), model::kDrawingTextLen);
  }
  info.drawingTextCount = std::min(texts, model::kMaxDrawingTexts);
}

void ReadDocuments(LineReader& r, model::DocuData& docu) {
  r.Skip();  // header
  r.Skip();  // count: the block always holds all documents
  r.Skip();  // rule
  for (model::Document& d : docu.documents) {
    r.Text(d.program, model::kDocumentFieldLen);
    r.Text(d.file, model::kDocumentFieldLen);
    r.Skip();  // rule
  }
}

}  // namespace

Extended ReadRealLine(std::string_view line) {
  return TryReadReal(line).value_or(0);
}

std::int32_t ReadIntLine(std::string_view line) {
  return static_cast<std::int32_t>(base::TryParseInt(line).value_or(0));
}

Word ReadWordLine(std::string_view line) {
  const std::int64_t n = base::TryParseInt(line).value_or(0);
  return n >= 0 && n <= std::numeric_limits<Word>::max() ? static_cast<Word>(n) : 0;
}

bool ReadBoolLine(std::string_view line) {
  std::string upper(line);
  for (char& ch : upper) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  }
  return upper == "TRUE";
}

std::int32_t ReadYieldLine(std::string_view line) {
  const Extended v = std::round(ReadRealLine(line));
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
    return 0;
  return static_cast<std::int32_t>(v);
}

InputFileParse ParseInputFile(const base::TextLines& text, const SpecState& connection,
                              const model::DocuData& docu) {
  InputFileParse out;
  out.connection = connection;
  out.docu = docu;
  LineReader r(text);
  for (int i = 0; i < 5; ++i)
    r.Skip();  // rules and identification
  layout::VisitHead(r, out.connection);
  ReadChanges(r, out.docu);
  ReadDrawingInfo(r, out.docu.drawingInfo);
  ReadDocuments(r, out.docu);
  layout::VisitTail(r, out.connection);

  // The hub's teeth are stored negative; the shaft's most negative count has no opposite.
  if (out.connection.z[1] == std::numeric_limits<std::int32_t>::min()) out.connection.z[1] = 0;
  out.connection.z[2] = -out.connection.z[1];
  out.ok = !r.failed();
  out.missingLine = r.missingLine();
  out.badNumbers = r.badNumbers();
  return out;
}

}  // namespace kv40::model
