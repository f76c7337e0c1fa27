// Writing the input data file: the line primitives and the complete layout.
#include "model/input_file_format.h"

#include <algorithm>
#include <cmath>

#include "base/utf8.h"
#include "model/input_file_layout.h"
#include "model/session.h"

namespace kv40::model {
namespace {

using base::NumberFormat;

// A stored one-line text: line breaks would shift every later line, so they become blanks.
std::string OneLine(std::string_view text, int maxLength) {
  std::string out(text);
  for (char& ch : out) {
    if (ch == '\r' || ch == '\n') ch = ' ';
  }
  return base::CutChars(out, static_cast<std::size_t>(maxLength));
}

// A field of a line whose fields end with "|": a "|" of its own would split it, so it is
// written as the look-alike box character.
std::string PipeField(std::string_view text, int maxLength) {
  std::string out;
  for (char ch : OneLine(text, maxLength)) {
    if (ch == '|') {
      out += "│";
    } else {
      out.push_back(ch);
    }
  }
  return out;
}

// A description on one line: its line breaks become "|" (a "|" of its own the box character).
std::string DescriptionLine(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (ch == '\r' || ch == '\n') {
      out.push_back('|');
      if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (ch == '|') {
      out += "│";
    } else {
      out.push_back(ch);
    }
  }
  return base::CutChars(out, model::kDescriptionLen);
}

class LineWriter {
 public:
  explicit LineWriter(const NumberFormat& nf) : nf_(nf) {}

  void Fixed(std::string_view text) { lines_.emplace_back(text); }
  void Rule(int width) { lines_.emplace_back(static_cast<std::size_t>(width), '-'); }
  void Text(const std::string& text, int maxLength) { lines_.push_back(OneLine(text, maxLength)); }
  void Real(Extended x) { lines_.push_back(RealLine(nf_, x)); }
  void Int(std::int32_t n) { lines_.push_back(IntLine(n)); }
  void Index(Word n) { lines_.push_back(IntLine(n)); }
  void Bool(bool b) { lines_.push_back(BoolLine(b)); }
  void Yield(std::int32_t re) { lines_.push_back(YieldLine(nf_, re)); }

  const NumberFormat& nf() const { return nf_; }
  std::vector<std::string> Take() { return std::move(lines_); }

 private:
  const NumberFormat& nf_;
  std::vector<std::string> lines_;
};

void WriteChanges(LineWriter& w, const model::DocuData& docu) {
  w.Fixed(layout::kChangesHeader);
  const int count = std::clamp(docu.changeCount, 0, model::kMaxChanges);
  w.Int(count);
  w.Rule(layout::kBlockRule);
  for (int i = 0; i < count; ++i) {
    const model::ChangeEntry& e = docu.changeList[static_cast<std::size_t>(i)];
    w.Text(e.changeText, model::kChangeTextLen);
    w.Text(e.changeDate, model::kChangeDateLen);
    w.Text(e.editor, model::kEditorLen);
    w.Fixed(DescriptionLine(e.description));
    w.Rule(layout::kEntryRule);
  }
}

void WriteDrawingInfo(LineWriter& w, const model::DrawingInfo& info) {
  const int texts = std::clamp(info.drawingTextCount, 0, model::kMaxDrawingTexts);
  std::string grid;
  for (const std::string* cell : {&info.checkedDate, &info.checkedBy, &info.standardDate,
                                  &info.standardBy, &info.releaseDate, &info.releaseBy})
    grid += PipeField(*cell, model::kInfoFieldLen) + "|";
  grid += IntLine(texts) + "||";
  w.Fixed(grid);
  w.Text(info.drawnDate, model::kInfoFieldLen);
  w.Text(info.replaces, model::kReplaceLen);
  w.Text(info.replacedBy, model::kReplaceLen);
  w.Text(info.drawnBy, model::kInfoFieldLen);
  for (int i = 0; i < texts; ++i) {
    const model::DrawingText& t = info.drawingTexts[static_cast<std::size_t>(i)];
    std::string line;
    for (Extended v : {t.x, t.y, t.h, t.phi})
      line += base::FormatSig(w.nf(), std::isfinite(v) ? v : 0) + "|";
    line += PipeField(t.text, model::kDrawingTextLen) + "||";
    w.Fixed(line);
  }
}

void WriteDocuments(LineWriter& w, const model::DocuData& docu) {
  w.Fixed(layout::kDocumentsHeader);
  w.Int(model::kDocumentCount);
  w.Rule(layout::kBlockRule);
  for (const model::Document& d : docu.documents) {
    w.Text(d.program, model::kDocumentFieldLen);
    w.Text(d.file, model::kDocumentFieldLen);
    w.Rule(layout::kEntryRule);
  }
}

}  // namespace

std::string RealLine(const NumberFormat& nf, Extended x) {
  if (!std::isfinite(x)) return "0";
  const Extended whole = std::round(x);
  if (x < 1 && std::fabs(x - whole) < 1e-10L) {
    if (std::fabs(x) < 1e-5L) return "0";
    return base::NumberText(whole, std::chars_format::fixed, 0);
  }
  return base::FormatFixed(nf, 0, 7, x);
}

std::string IntLine(std::int64_t n) {
  return std::to_string(n);
}

std::string BoolLine(bool b) {
  return b ? "TRUE" : "FALSE";
}

std::string YieldLine(const NumberFormat& nf, std::int32_t re) {
  return base::FormatFixed(nf, 5, 0, re);
}

std::vector<std::string> InputFileLines(const SpecState& connection, const model::DocuData& docu,
                                        const NumberFormat& nf) {
  LineWriter w(nf);
  w.Rule(layout::kRuleWidth);
  w.Fixed(kProgramTitle);
  w.Fixed(std::string("Version ") + kProgramVersion);
  w.Fixed(kInputFileNote);
  w.Rule(layout::kRuleWidth);
  layout::VisitHead(w, connection);
  WriteChanges(w, docu);
  WriteDrawingInfo(w, docu.drawingInfo);
  WriteDocuments(w, docu);
  layout::VisitTail(w, connection);
  return w.Take();
}

base::OemText InputFileBytes(const SpecState& connection, const model::DocuData& docu,
                             const NumberFormat& nf) {
  base::OemText out;
  for (const std::string& line : InputFileLines(connection, docu, nf)) {
    base::OemText oem = base::Utf8ToCp437(line);
    out.lossy = out.lossy || oem.lossy;
    out.bytes += oem.bytes;
    out.bytes += "\r\n";
  }
  return out;
}

}  // namespace kv40::model
