// Reading KV40.cfg from its lines: values by position, corrections, the end-of-file rules.
#include <algorithm>
#include <cmath>
#include <optional>

#include "base/text.h"
#include "base/utf8.h"
#include "config/config_format.h"
#include "config/config_layout.h"

namespace kv40::config {
namespace {

// Walks the layout over the file's lines. Once the file has ended nothing more is read and
// every later entry keeps its value.
class Reader {
 public:
  explicit Reader(const base::TextLines& text) : cursor_(text) {}

  void Key(const char* key) {
    if (!ended_ && key != nullptr && !cursor_.Next()) ended_ = true;
  }
  void Text(const char* key, std::string& v, int maxChars = 0) {
    if (auto s = Value(key)) {
      v = maxChars > 0 ? base::CutChars(*s, static_cast<std::size_t>(maxChars)) : *s;
    }
  }
  void TextUnlessEmpty(const char* key, std::string& v) {
    if (auto s = Value(key); s && !s->empty()) v = *s;
  }
  void Int(const char* key, int& v) {
    if (auto s = Value(key)) v = static_cast<int>(base::ParseInt(*s));
  }
  // A 16-bit unsigned value: "-1" is stored as 65535.
  void Word(const char* key, int& v) {
    if (auto s = Value(key)) v = WordOf(*s);
  }
  void Word(const char* key, kv40::Word& v) {
    if (auto s = Value(key)) v = static_cast<kv40::Word>(WordOf(*s));
  }
  void Bool(const char* key, bool& v) {
    if (auto s = Value(key)) v = base::EqualsIgnoringCase(base::TrimView(*s, " \t"), "TRUE");
  }
  void NotFalse(const char* key, bool& v) {
    if (auto s = Value(key)) v = !base::EqualsIgnoringCase(base::TrimView(*s, " \t"), "FALSE");
  }
  void Char(const char* key, std::string& v) {
    if (auto s = Value(key)) v = s->empty() ? "N" : base::CutChars(*s, 1);
  }
  // Reals are kept as the file holds them, so that the corrections see the value that a
  // later read of the written file will see.
  void Real(const char* key, Extended& v) {
    if (auto s = Value(key)) v = base::ParseNumber(FormatConfigReal(base::ParseNumber(*s)));
  }
  void SigReal(const char* key, Extended& v) {
    if (auto s = Value(key)) {
      v = base::ParseNumber(base::FormatSig(base::NumberFormat{}, base::ParseNumber(*s)));
    }
  }
  void Window(const char* key, model::TextWindowRect& w);
  void PlotLines(const char* key, int& count,
                 std::array<std::string, model::kMaxPlotCommands>& lines);
  void Stop(int entry) {
    if (!ended_ && cursor_.AtEnd()) {
      ended_ = true;
      endedAfterStop_ = entry;
    }
  }

  bool ended() const { return ended_; }
  int endedAfterStop() const { return endedAfterStop_; }
  std::size_t linesRead() const { return cursor_.LineNumber(); }
  bool SkipTitle() { return Value(nullptr) && Value(nullptr); }

 private:
  std::optional<std::string> Value(const char* key) {
    Key(key);
    if (ended_) return std::nullopt;
    auto line = cursor_.Next();
    if (!line) ended_ = true;
    return line;
  }
  static int WordOf(std::string_view s) {
    return static_cast<int>(static_cast<std::uint16_t>(base::ParseInt(s)));
  }

  base::LineCursor cursor_;
  bool ended_ = false;
  int endedAfterStop_ = 0;
};

// "left|top|width|height|"; kept only when width and height are set and more follows.
void Reader::Window(const char* key, model::TextWindowRect& w) {
  const auto s = Value(key);
  if (!s || cursor_.AtEnd()) return;
  std::array<int, 4> v{};
  std::size_t start = 0;
  for (int& field : v) {
    const std::size_t bar = s->find('|', start);
    field = static_cast<int>(base::ParseInt(std::string_view(*s).substr(
        start, bar == std::string::npos ? std::string::npos : bar - start)));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  if (v[2] != 0 && v[3] != 0) w = model::TextWindowRect{v[0], v[1], v[2], v[3]};
}

// The number of plot command lines, then lines 2 to n.
void Reader::PlotLines(const char* key, int& count,
                       std::array<std::string, model::kMaxPlotCommands>& lines) {
  const auto s = Value(key);
  if (!s) return;
  count = std::clamp(WordOf(*s), 1, model::kMaxPlotCommands);
  for (int i = 1; i < count; ++i)
    Text(nullptr, lines[static_cast<std::size_t>(i)]);
}

int InRangeOr(int v, int lo, int hi, int fallback) {
  return v < lo || v > hi ? fallback : v;
}

}  // namespace

void ApplyCorrections(model::Config& c, const std::string& startDir) {
  if (c.cadTextWidthFactor == 0) c.cadTextWidthFactor = 1.0L;
  if (c.printerPort < 1) c.printerPort = 1;
  if (c.hardcopyRotated.empty()) c.hardcopyRotated = "N";
  c.fmt.decimalsOffset = InRangeOr(c.fmt.decimalsOffset, 1, 9, 3);
  c.printThickness = static_cast<Word>(InRangeOr(c.printThickness, 1, 4, 1));
  if (c.aspectCorrection == 0) c.aspectCorrection = 1.0L;
  if (c.hardcopyPort < 1) c.hardcopyPort = 1;
  if (c.frameMode == 0) c.frameMode = 1;
  if (c.linesPerPage < 5) c.linesPerPage = 66;
  if (c.zoomFactor == 0) c.zoomFactor = 1.02L;
  if (c.panFactor == 0) c.panFactor = 0.01L;
  if (c.printColorMode == 0) c.printColorMode = 1;
  if (c.graphTextWidthFactor == 0) c.graphTextWidthFactor = 0.8L;
  for (int& color : c.upperLayerColors) {
    if (color == 0) color = 1;
  }
  // a vertical scale left unset (or a short file) follows the corrected horizontal one
  if (c.printScaleX == 0) c.printScaleX = 1.0L;
  c.plotCommandCount = std::clamp(c.plotCommandCount, 1, model::kMaxPlotCommands);
  c.fmt.dateCode = InRangeOr(c.fmt.dateCode, 1, 4, 1);
  c.headerSpaceLines = InRangeOr(c.headerSpaceLines, 0, 30, 0);
  c.textDevice = static_cast<Word>(InRangeOr(c.textDevice, 1, 9, 1));
  c.fmt.decimalSeparator = InRangeOr(c.fmt.decimalSeparator, 1, 2, 1);
  if (c.dataDir.empty()) c.dataDir = startDir;
  if (c.textHeightFactor < 0.1L) c.textHeightFactor = 1.0L;
  c.dialogSizePercent = InRangeOr(c.dialogSizePercent, 10, 1000, 100);
  if (c.printScaleY < 0.0001L) c.printScaleY = c.printScaleX;
  for (int& width : c.layerWidths)
    width = InRangeOr(width, 1, 255, 1);
  c.headerMode = static_cast<Word>(InRangeOr(c.headerMode, 1, 2, 1));
  if (c.printFontName.empty()) c.printFontName = model::kDefaultPrintFont;
  if (c.printFontSize == 0) c.printFontSize = 10;
  if (c.fmt.exportSeparator == 0) c.fmt.exportSeparator = 2;
  c.cadDecimals = InRangeOr(c.cadDecimals, 1, 32, 6);
  if (c.fmt.cadTextMode == 0) c.fmt.cadTextMode = 1;
  c.fontScalePercent = InRangeOr(c.fontScalePercent, 10, 1000, 100);
  c.angleDisplay = static_cast<Word>(InRangeOr(c.angleDisplay, 1, 2, 2));
  if (c.drawingFactor == 0) c.drawingFactor = 1.0L;
}

void ApplyScreenSize(model::Config& c, const ScreenInfo& screen) {
  const int width = screen.width > 0 ? screen.width : kNominalScreenWidth;
  const int height = screen.height > 0 ? screen.height : kNominalScreenHeight;
  if (c.resX == 0 || c.resX == 0xFFFF) c.resX = static_cast<Word>(std::clamp(width - 9, 1, 0xFFFE));
  if (c.resY == 0 || c.resY == 0xFFFF) {
    c.resY = static_cast<Word>(std::clamp(height - 91, 1, 0xFFFE));
  }
}

model::Config MissingFileDefaults(const ScreenInfo& screen) {
  model::Config c;
  ApplyScreenSize(c, screen);
  const int height = screen.height > 0 ? screen.height : kNominalScreenHeight;
  c.textWindow.height = std::max(height - 80, 100);
  // The dialogs grow with the window frame and with the screen's pixel density.
  const long double frame =
      screen.windowHeight > 0 && screen.clientHeight > 0
          ? static_cast<long double>(screen.windowHeight) / (screen.clientHeight + 46)
          : 1.0L;
  const long double density = screen.dpiY > 0 ? screen.dpiY / 96.0L : 1.0L;
  const long double percent = std::round((frame + 0.009L) * density * 100.0L);
  c.dialogSizePercent = static_cast<int>(std::clamp(percent, 10.0L, 1000.0L));
  return c;
}

ParseResult ParseConfig(const base::TextLines& text, const std::string& startDir,
                        const ScreenInfo& screen) {
  ParseResult result;
  model::Config& c = result.config;
  Reader reader(text);
  if (reader.SkipTitle()) layout::WalkEntries(reader, c);
  result.complete = !reader.ended();
  result.endedAfterStop = reader.endedAfterStop();
  result.linesRead = reader.linesRead();
  ApplyCorrections(c, startDir);
  // Files of that age had no graphic text settings of their own.
  if (result.endedAfterStop == 36) {
    c.graphTextWidthFactor = c.cadTextWidthFactor;
    c.graphFontName = model::kDefaultGraphFont;
  }
  ApplyScreenSize(c, screen);
  return result;
}

}  // namespace kv40::config
