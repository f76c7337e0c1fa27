// The HP-GL interpreter of the help images: pen moves, circles, arcs, labels, encoded
// polylines; every other instruction is skipped up to its ";".
#include "help/hpgl.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "base/codepage.h"
#include "base/format.h"
#include "base/text.h"

namespace kv40::help {
namespace {

constexpr char kLabelEnd = 3;         // ETX ends a label
constexpr int kMaxEncodedShift = 36;  // further digits of an encoded number add nothing

class Reader {
 public:
  explicit Reader(std::string_view bytes) : b_(bytes) {}
  // The next byte, skipping blanks and line ends; nullopt at the end.
  std::optional<unsigned char> Next() {
    while (pos_ < b_.size()) {
      const auto c = static_cast<unsigned char>(b_[pos_++]);
      if (c != ' ' && c != '\r' && c != '\n') return c;
    }
    return std::nullopt;
  }
  // The next byte as it is.
  std::optional<unsigned char> Raw() {
    if (pos_ >= b_.size()) return std::nullopt;
    return static_cast<unsigned char>(b_[pos_++]);
  }

 private:
  std::string_view b_;
  std::size_t pos_ = 0;
};

enum class End { Comma, Semicolon, File };

struct Param {
  std::string text;
  End end = End::File;
  bool Last() const { return end != End::Comma; }
  // Empty or unreadable text is 0, and so is a value that is not finite; values far beyond
  // any sheet are held at a bound, so that what follows from them stays finite.
  Extended Value() const {
    const Extended v = base::ParseNumber(text);
    return std::isfinite(v) ? std::clamp<Extended>(v, -kMaxValue, kMaxValue) : 0;
  }
  static constexpr Extended kMaxValue = 1e12L;
};

// The text up to the next "," or ";"; the letters P and A are dropped where a coordinate may
// carry them.
Param ReadParam(Reader& r, bool dropPA) {
  Param p;
  while (auto c = r.Next()) {
    if (*c == ',') {
      p.end = End::Comma;
      return p;
    }
    if (*c == ';') {
      p.end = End::Semicolon;
      return p;
    }
    if (dropPA && (*c == 'P' || *c == 'A' || *c == 'p' || *c == 'a')) continue;
    if (p.text.size() < 64) p.text.push_back(static_cast<char>(*c));
  }
  return p;
}

// All parameters up to the ";".
std::vector<Param> ReadParams(Reader& r, bool dropPA) {
  std::vector<Param> params;
  do {
    params.push_back(ReadParam(r, dropPA));
  } while (!params.back().Last() && params.size() < 1000);
  while (!params.back().Last())
    params.back() = ReadParam(r, dropPA);
  return params;
}

bool SkipCommand(Reader& r) {
  while (auto c = r.Next()) {
    if (*c == ';') return true;
  }
  return false;
}

Extended ValueAt(const std::vector<Param>& params, std::size_t i) {
  return i < params.size() ? params[i].Value() : 0;
}

class Interpreter {
 public:
  Interpreter(std::string_view bytes, HpglState& s, HpglCanvas& canvas)
      : r_(bytes), s_(s), canvas_(canvas) {}

  void Run() {
    s_.penX = s_.penY = -999;
    s_.penKnown = false;
    while (true) {
      auto c1 = r_.Next();
      if (c1 && *c1 == ';') c1 = r_.Next();
      if (!c1) return;
      const auto c2 = r_.Next();
      if (!c2) return;
      if (!Execute(Upper(*c1), Upper(*c2))) return;
    }
  }

 private:
  static char Upper(unsigned char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : static_cast<char>(c);
  }

  // False when the file ended inside the command.
  bool Execute(char a, char b) {
    const std::string m{a, b};
    if (m == "PU" || m == "PD") {
      s_.penDown = m == "PD";
      return PairLoop();
    }
    if (m == "PA") return PairLoop();
    if (m == "SP") return SelectPen();
    if (m == "CI") return CircleCommand();
    if (m == "SI" || m == "DI") return LabelSettings(m == "SI");
    if (m == "CS") {
      const auto params = ReadParams(r_, true);
      s_.charSet = ValueAt(params, 0);
      return params.back().end != End::File;
    }
    if (m == "LB") return LabelCommand();
    if (m == "AA") return ArcCommand();
    if (m == "PE") return EncodedPolyline();
    return SkipCommand(r_);
  }

  void MoveTo(Extended x, Extended y, bool known) {
    if (s_.penDown && s_.penKnown && known) canvas_.Line(s_.penX, s_.penY, x, y, s_.penNumber);
    s_.penX = x;
    s_.penY = y;
    s_.penKnown = known;
  }

  bool PairLoop() {
    while (true) {
      const Param x = ReadParam(r_, true);
      if (x.Last()) return x.end != End::File;  // a single value is dropped
      const Param y = ReadParam(r_, true);
      if (y.end == End::File && y.text.empty()) return false;
      MoveTo(kHpglUnit * x.Value(), kHpglUnit * y.Value(), true);
      if (y.Last()) return y.end != End::File;
    }
  }

  bool SelectPen() {
    const auto params = ReadParams(r_, false);
    if (params.size() == 1 && base::Trim(params[0].text).empty()) {
      s_.penNumber = 1;
    } else {
      s_.penNumber = static_cast<int>(
          std::clamp<std::int64_t>(base::ParseInt(base::Trim(params[0].text)), 0, 255));
    }
    return params.back().end != End::File;
  }

  bool CircleCommand() {
    const auto params = ReadParams(r_, true);
    const Extended radius = kHpglUnit * ValueAt(params, 0);
    if (s_.penKnown && radius != 0) {
      canvas_.Circle(s_.penX, s_.penY, std::fabs(radius), s_.penNumber);
    }
    return params.back().end != End::File;
  }

  bool LabelSettings(bool size) {
    const auto params = ReadParams(r_, false);
    const Extended a = ValueAt(params, 0);
    const Extended b = ValueAt(params, 1);
    if (size) {
      s_.labelWidth = a;
      s_.labelHeight = b;
    } else if (a != 0 || b != 0) {  // no direction at all keeps the one before
      s_.labelRun = a;
      s_.labelRise = b;
    }
    return params.back().end != End::File;
  }

  bool LabelCommand() {
    std::string bytes;
    bool ended = false;
    bool umlauts = s_.charSet == 3;
    while (auto c = r_.Raw()) {
      if (*c == kLabelEnd) {
        ended = true;
        break;
      }
      if (*c == '\r' || *c == '\n') continue;
      if (umlauts && *c == '}') {
        if (!bytes.empty()) bytes.back() = Umlaut(bytes.back());
        continue;
      }
      if (bytes.size() < kMaxLabelChars) bytes.push_back(static_cast<char>(*c));
    }
    const Extended angle = std::atan2(s_.labelRise, s_.labelRun) * 180 / kPiDeg;
    if (s_.penKnown && !bytes.empty()) {
      canvas_.Label(s_.penX, s_.penY, base::Cp437ToUtf8(bytes), angle, 10 * s_.labelHeight,
                    10 * s_.labelWidth, s_.penNumber);
    }
    return ended;
  }

  // The umlaut of a letter in the DOS code page, as "}" after it asks for.
  static char Umlaut(char c) {
    switch (c) {
      case 'A':
        return static_cast<char>(142);
      case 'O':
        return static_cast<char>(153);
      case 'U':
        return static_cast<char>(154);
      case 'a':
        return static_cast<char>(132);
      case 'o':
        return static_cast<char>(148);
      case 'u':
        return static_cast<char>(129);
      default:
        return c;
    }
  }

  bool ArcCommand() {
    const Param xc = ReadParam(r_, true);
    if (xc.Last()) return xc.end != End::File;
    const Param yc = ReadParam(r_, true);
    if (yc.Last()) return yc.end != End::File;
    const Param sweepParam = ReadParam(r_, false);
    if (!sweepParam.Last() && !SkipCommand(r_)) return false;
    const Extended cx = kHpglUnit * xc.Value();
    const Extended cy = kHpglUnit * yc.Value();
    const Extended sweep = sweepParam.Value();
    if (!s_.penKnown) return sweepParam.end != End::File;
    const Extended dx = s_.penX - cx;
    const Extended dy = s_.penY - cy;
    const Extended r = std::hypot(dx, dy);
    const Extended a1 = std::atan2(dy, dx) * 180 / kPiDeg;
    const Extended rad = sweep * kPiDeg / 180;
    const Extended ex = cx + dx * std::cos(rad) - dy * std::sin(rad);
    const Extended ey = cy + dx * std::sin(rad) + dy * std::cos(rad);
    if (s_.penDown && r > 0 && sweep != 0) {
      const Extended turn = std::min<Extended>(std::fabs(sweep), 360);
      if (turn == 360) {
        // a whole turn is the circle: as an arc from a1 to a1 + 360 its end angle rounds
        // past a full turn or onto its start, and the window drew nothing
        canvas_.Circle(cx, cy, r, s_.penNumber);
      } else if (sweep > 0) {
        canvas_.Arc(cx, cy, a1, a1 + turn, r, s_.penNumber);
      } else {
        canvas_.Arc(cx, cy, a1 - turn, a1, r, s_.penNumber);
      }
    }
    // the pen stands at the arc's end, as on every plotter
    s_.penX = ex;
    s_.penY = ey;
    return sweepParam.end != End::File;
  }

  // One number of an encoded polyline, its first character already read.
  std::optional<Extended> DecodeNumber(unsigned char c, bool sevenBit) {
    std::uint64_t sum = 0;
    int shift = 0;
    while (true) {
      bool last = false;
      std::uint64_t digit = 0;
      bool counts = false;
      if (sevenBit) {
        if (c >= 63 && c <= 94) {
          digit = c - 63u;
          counts = true;
        } else if (c >= 95 && c <= 126) {
          digit = c - 95u;
          counts = last = true;
        }
      } else if (c >= 63 && c <= 126) {
        digit = c - 63u;
        counts = true;
      } else if (c >= 191 && c <= 254) {
        digit = c - 191u;
        counts = last = true;
      }
      if (counts && shift <= kMaxEncodedShift) sum += digit << shift;
      if (last) break;
      shift = std::min(shift + (sevenBit ? 5 : 6), kMaxEncodedShift + 6);
      const auto next = r_.Next();
      if (!next) return std::nullopt;
      c = *next;
    }
    const Extended v = (sum % 2 == 0) ? static_cast<Extended>(sum) * 0.0125L
                                      : -static_cast<Extended>(sum - 1) * 0.0125L;
    return v;
  }

  bool EncodedPolyline() {
    s_.penDown = true;
    bool sevenBit = false;
    bool absolute = false;
    while (auto c = r_.Next()) {
      if (*c == ';') return true;
      if (*c == '7') {
        sevenBit = true;
      } else if (*c == ':') {
        const auto pen = r_.Next();
        if (!pen) return false;
        s_.penNumber = std::clamp<int>(*pen, 1, 15);
      } else if (*c == '<') {
        s_.penDown = false;
      } else if (*c == '=') {
        absolute = true;
      } else if (*c == '>') {
        if (!r_.Next()) return false;
      } else if (*c >= 63 && *c <= 254) {
        const auto x = DecodeNumber(*c, sevenBit);
        if (!x) return false;
        const auto first = r_.Next();
        if (!first) return false;
        const auto y = DecodeNumber(*first, sevenBit);
        if (!y) return false;
        if (absolute) {
          MoveTo(*x, *y, true);
        } else {
          MoveTo(s_.penX + *x, s_.penY + *y, s_.penKnown);
        }
        s_.penDown = true;
        absolute = false;
      }
    }
    return false;
  }

  static constexpr Extended kPiDeg = 3.141592653589793238462643383279502884L;

  Reader r_;
  HpglState& s_;
  HpglCanvas& canvas_;
};

}  // namespace

int HpglPenColour(int pen) {
  static constexpr int kPalette[] = {12, 14, 10, 11, 9, 13, 15};
  if (pen >= 1 && pen <= 7) return kPalette[pen - 1];
  return pen;
}

void InterpretHpgl(std::string_view bytes, HpglState& state, HpglCanvas& canvas) {
  Interpreter(bytes, state, canvas).Run();
}

}  // namespace kv40::help
