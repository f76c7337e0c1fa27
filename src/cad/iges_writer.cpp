// The IGES device: directory entries and parameter data of every entity, the Start, Global
// and Terminate sections, collected in memory and written in one piece.
#include "cad/iges_writer.h"

#include <cmath>
#include <filesystem>
#include <utility>

#include "base/text.h"
#include "base/text_file.h"
#include "base/utf8.h"
#include "model/session.h"

namespace kv40::cad {
namespace {

constexpr int kParamWidth = 64;   // P lines: parameter text, then the DE pointer
constexpr int kGlobalWidth = 72;  // G lines: parameter text only
constexpr const char* kStatus = "00000000";
constexpr const char* kDependent = "00010000";
constexpr int kMembersPerGroup = 12;
constexpr Extended kDeg = 3.14159265358979323846264338327950288L / 180;

std::string Hollerith(const std::string& ascii) {
  return std::to_string(ascii.size()) + "H" + ascii;
}

std::string PadLeft(const std::string& s, std::size_t width) {
  return s.size() >= width ? s.substr(0, width) : std::string(width - s.size(), ' ') + s;
}

std::string Digits7(int n) {
  std::string s = std::to_string(n);
  return s.size() >= 7 ? s : std::string(7 - s.size(), '0') + s;
}

// Pieces of at most `width` characters, each ending after the last "," within its first
// width - 1 characters, or after `width` characters when there is none.
std::vector<std::string> Cut(const std::string& text, std::size_t width) {
  std::vector<std::string> pieces;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t len = std::min(width, text.size() - at);
    if (text.size() - at > width) {
      const std::size_t comma = text.rfind(',', at + width - 2);
      if (comma != std::string::npos && comma >= at) len = comma - at + 1;
    }
    pieces.push_back(text.substr(at, len));
    at += len;
  }
  return pieces;
}

}  // namespace

int IgesColour(int programColour) {
  static constexpr int kTable[] = {2, 5, 3, 7, 4, 6, 0, 8, 10, 11, 12, 13, 14, 15, 1};
  return programColour >= 1 && programColour <= 15 ? kTable[programColour - 1] : 0;
}

std::string IgesText(const std::string& utf8) {
  const std::string ascii = base::ToAscii(utf8);
  std::string out;
  std::size_t pos = 0;
  while (pos < ascii.size()) {
    const char32_t c = base::DecodeUtf8(ascii, pos);
    if (c < 0x20 || c == 0x7F) {
      out += ' ';
    } else if (c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      out += '?';
    }
  }
  return out;
}

IgesWriter::IgesWriter(const model::Config& config, const base::DateTime& now, std::string file,
                       Report report)
    : config_(config),
      nf_(config.fmt),
      now_(now),
      file_(std::move(file)),
      report_(std::move(report)) {
  nf_.decimalSeparator = 1;
}

std::string IgesWriter::Num(Extended v) const {
  return base::FormatDec(nf_, 3, v);
}

void IgesWriter::Section(std::string& out, int& count, char letter, const std::string& content,
                         const std::string& field) {
  ++count;
  std::string line = content;
  if (!field.empty() || letter == 'P') {
    if (line.size() < kParamWidth) line.append(kParamWidth - line.size(), ' ');
    line += PadLeft(field, 8);
  }
  if (line.size() < 72) line.append(72 - line.size(), ' ');
  line += letter;
  line += Digits7(count);
  out += line;
  out += "\r\n";
}

void IgesWriter::Limits(Extended, Extended, Extended xmax, Extended ymax) {
  // The header belongs at the top of the file; a drawing sets its limits once.
  if (headerDone_) return;
  headerDone_ = true;
  Header(std::filesystem::path(file_).stem().string(), std::max(xmax, ymax));
}

void IgesWriter::Header(const std::string& name, Extended maxCoordinate) {
  const std::string product = model::kProgramShortName;
  const std::string file = IgesText(name);
  Section(start_, countS_, 'S', "IGES-Datei generiert von " + product);
  Section(start_, countS_, 'S', "Uebersetzer von QUENTAR GMBH, Uebersetzerversion 3.1");
  auto two = [](int n) { return n < 10 ? "0" + std::to_string(n) : std::to_string(n); };
  const std::string date = two(now_.year % 100) + two(now_.month) + two(now_.day);
  const std::string lines[] = {
      ",," + Hollerith("FILE") + "," + Hollerith(file) + "," +
          Hollerith(product + " V" + model::kProgramVersion) + "," +
          Hollerith(product + " IGES " + model::kProgramVersion) + ",",
      "16,38,6,99,15,",
      Hollerith(file) + ",1.0,2," + Hollerith("MM") + ",32767,3.2767D1,",
      Hollerith(date + ".081107") + ",1.0D-8," + base::FormatSig(nf_, maxCoordinate) + ",",
      Hollerith(product) + "," + Hollerith(product) + ",4,0;",
  };
  // A long file name would overrun the 72 columns: such a line goes on in the next one.
  for (const std::string& line : lines) {
    for (const std::string& piece : Cut(line, kGlobalWidth))
      Section(start_, countG_, 'G', piece);
  }
}

void IgesWriter::Layer(int layer) {
  int colour = 0;
  lineFont_ = 1;
  if (layer >= 0 && layer < model::kLayerCount) {
    colour = layer == 0 ? 7 : config_.layerColors[static_cast<std::size_t>(layer)];
    if (layer == 1) lineFont_ = 4;
    if (layer == 2) lineFont_ = 2;
  } else if (layer >= 16 && layer < 16 + model::kUpperLayerCount) {
    colour = config_.upperLayerColors[static_cast<std::size_t>(layer - 16)];
  } else {
    colour = layer % 16 + 1;
  }
  colour_ = IgesColour(colour);
}

int IgesWriter::BeginEntity(bool member) {
  paramLines_ = 0;
  entityDE_ += 2;
  if (inSubfigure_ && member) members_.push_back(entityDE_);
  return entityDE_;
}

void IgesWriter::ParamGroup(const std::string& text) {
  for (const std::string& piece : Cut(text, kParamWidth)) {
    Section(parameters_, countP_, 'P', piece, std::to_string(entityDE_));
    ++paramLines_;
  }
}

void IgesWriter::EndEntity(const Entity& e, bool dependent) {
  const std::string type = std::to_string(e.type);
  const std::string first = PadLeft(type, 8) + PadLeft(std::to_string(paramStart_), 8) +
                            PadLeft("1", 8) + PadLeft(std::to_string(lineFont_), 8) +
                            PadLeft(std::to_string(colour_), 8) + PadLeft("", 8) +
                            PadLeft(e.transform, 8) + PadLeft("", 8);
  Section(directory_, countD_, 'D', first, dependent ? kDependent : kStatus);
  const std::string second = PadLeft(type, 8) + PadLeft("", 8) +
                             PadLeft(std::to_string(colour_), 8) +
                             PadLeft(std::to_string(paramLines_), 8) + PadLeft(e.form, 8) +
                             PadLeft("", 8) + PadLeft("", 8) + PadLeft(e.label, 8);
  Section(directory_, countD_, 'D', second, " ");
  paramStart_ += paramLines_;
}

void IgesWriter::Keep(Record r) {
  if (!inSubfigure_ || subfigures_.empty()) return;
  r.colour = colour_;
  r.lineFont = lineFont_;
  subfigures_.back().records.push_back(std::move(r));
}

void IgesWriter::Line(Extended x1, Extended y1, Extended x2, Extended y2) {
  Keep({Record::kLine, 0, 1, {x1, y1, x2, y2}, {}, {}});
  BeginEntity();
  ParamGroup("110," + Num(x1) + "," + Num(y1) + ",0.0," + Num(x2) + "," + Num(y2) + ",0.0;");
  EndEntity({110, "", "", ""}, inSubfigure_);
}

void IgesWriter::Arc(Extended xc, Extended yc, Extended a1, Extended a2, Extended r) {
  Keep({Record::kArc, 0, 1, {xc, yc, a1, a2, r}, {}, {}});
  const Extended k = kDeg;
  BeginEntity();
  ParamGroup("100,0.0," + Num(xc) + "," + Num(yc) + "," + Num(xc + r * std::cos(a1 * k)) + "," +
             Num(yc + r * std::sin(a1 * k)) + "," + Num(xc + r * std::cos(a2 * k)) + "," +
             Num(yc + r * std::sin(a2 * k)) + ";");
  EndEntity({100, "0", "", ""}, inSubfigure_);
}

void IgesWriter::Circle(Extended xc, Extended yc, Extended r) {
  Keep({Record::kCircle, 0, 1, {xc, yc, r}, {}, {}});
  BeginEntity();
  const std::string start = Num(xc + r) + "," + Num(yc);
  ParamGroup("100,0.0," + Num(xc) + "," + Num(yc) + "," + start + "," + start + ";");
  EndEntity({100, "0", "", ""}, inSubfigure_);
}

void IgesWriter::Solid(Extended x1, Extended y1, Extended x2, Extended y2, Extended x3, Extended y3,
                       Extended x4, Extended y4) {
  Keep({Record::kSolid, 0, 1, {x1, y1, x2, y2, x3, y3, x4, y4}, {}, {}});
  BeginEntity();
  ParamGroup("106,1,5,0.0," + Num(x1) + "," + Num(y1) + ",");
  ParamGroup(Num(x2) + "," + Num(y2) + ",");
  ParamGroup(Num(x4) + "," + Num(y4) + ",");
  ParamGroup(Num(x3) + "," + Num(y3) + ",");
  ParamGroup(Num(x1) + "," + Num(y1) + ";");
  EndEntity({106, "0", "11", ""}, inSubfigure_);
}

void IgesWriter::Text(const std::string& text, Extended x, Extended y, const CadTextFormat& f) {
  Keep({Record::kText, 0, 1, {x, y}, text, f});
  const std::string ascii = IgesText(text);
  const Extended n = static_cast<Extended>(ascii.size());
  const Extended angle = f.angle * kDeg;
  BeginEntity();
  ParamGroup("212,1," + std::to_string(ascii.size()) + "," + Num(n * f.height * f.width) + "," +
             Num(f.height) + ",1,," + base::FormatDec(nf_, 6, angle) + ",0,0," + Num(x) + "," +
             Num(y) + ",0.0,");
  ParamGroup(Hollerith(ascii) + ";");
  EndEntity({212, "0", "", ""}, inSubfigure_);
}

void IgesWriter::Block(const std::string& name) {
  subfigures_.push_back({base::CutChars(IgesText(name), 8), 0, {}});
  inSubfigure_ = true;
}

void IgesWriter::EndBlock() {
  if (subfigures_.empty()) return;
  inSubfigure_ = false;
  Subfigure& sub = subfigures_.back();
  sub.de = countD_ + 1;
  sub.statusAt = directory_.size() + 64;
  BeginEntity(false);
  ParamGroup("308,0," + Hollerith(sub.name) + "," + std::to_string(members_.size()) +
             (members_.empty() ? ";" : ","));
  for (std::size_t k = 0; k < members_.size(); k += kMembersPerGroup) {
    std::string group;
    for (std::size_t m = k; m < members_.size() && m < k + kMembersPerGroup; ++m)
      group += std::to_string(members_[m]) + ",";
    if (k + kMembersPerGroup >= members_.size()) group.back() = ';';
    ParamGroup(group);
  }
  EndEntity({308, "", "", sub.name}, false);
  members_.clear();
}

IgesWriter::Subfigure* IgesWriter::Find(const std::string& name) {
  const std::string key = base::CutChars(IgesText(name), 8);
  for (Subfigure& s : subfigures_) {
    if (s.name == key && s.de > 0) return &s;
  }
  return nullptr;
}

void IgesWriter::Insert(const std::string& name, Extended x, Extended y, Extended angle,
                        Extended sx, Extended sy) {
  Subfigure* sub = Find(name);
  if (sub == nullptr) {
    // an instance of nothing would make the file unreadable
    report_("Blockname " + name + " not found !");
    return;
  }
  Keep({Record::kInsert, 0, 1, {x, y, angle, sx, sy}, name, {}});
  if (sx != 1 || sy != 1) {
    if (sx != sy) report_("IGES: Block " + name + " ungleich skaliert");
    Expand(*sub, {x, y, angle, sx}, 0);
    return;
  }
  sub->instanced = true;
  const std::string de = std::to_string(sub->de);
  if (angle == 0) {
    BeginEntity();
    ParamGroup("408," + de + "," + Num(x) + "," + Num(y) + ",0.0,1.0;");
    EndEntity({408, "", "", ""}, inSubfigure_);
    return;
  }
  const Extended a = angle * kDeg;
  const std::string c = base::FormatFixed(nf_, 0, 6, std::cos(a));
  const std::string s = base::FormatFixed(nf_, 0, 6, std::sin(a));
  const std::string minusS = base::FormatFixed(nf_, 0, 6, -std::sin(a));
  const int matrix = BeginEntity(false);
  ParamGroup("124," + c + "," + minusS + ",0.0," + Num(x) + ",");
  ParamGroup(s + "," + c + ",0.0," + Num(y) + ",");
  ParamGroup("0.0,0.0,1.0,0.0;");
  EndEntity({124, "", "0", ""}, true);
  BeginEntity();
  ParamGroup("408," + de + ",0.0,0.0,0.0,1.0;");
  EndEntity({408, std::to_string(matrix), "", ""}, inSubfigure_);
}

void IgesWriter::Expand(const Subfigure& sub, const Placing& at, int depth) {
  // a subfigure holds only subfigures defined before it, so the depth is bounded; the guard
  // keeps a damaged table from looping
  if (depth > 16) return;
  const Extended c = std::cos(at.angle * kDeg), s = std::sin(at.angle * kDeg);
  auto X = [&](Extended x, Extended y) { return at.x + at.s * (c * x - s * y); };
  auto Y = [&](Extended x, Extended y) { return at.y + at.s * (s * x + c * y); };
  const int colour = colour_, lineFont = lineFont_;
  for (const Record& r : sub.records) {
    colour_ = r.colour;
    lineFont_ = r.lineFont;
    const Extended* v = r.v;
    switch (r.kind) {
      case Record::kLine:
        Line(X(v[0], v[1]), Y(v[0], v[1]), X(v[2], v[3]), Y(v[2], v[3]));
        break;
      case Record::kArc:
        Arc(X(v[0], v[1]), Y(v[0], v[1]), v[2] + at.angle, v[3] + at.angle, v[4] * at.s);
        break;
      case Record::kCircle:
        Circle(X(v[0], v[1]), Y(v[0], v[1]), v[2] * at.s);
        break;
      case Record::kSolid:
        Solid(X(v[0], v[1]), Y(v[0], v[1]), X(v[2], v[3]), Y(v[2], v[3]), X(v[4], v[5]),
              Y(v[4], v[5]), X(v[6], v[7]), Y(v[6], v[7]));
        break;
      case Record::kText: {
        CadTextFormat f = r.format;
        f.height *= at.s;
        f.angle += at.angle;
        Text(r.text, X(v[0], v[1]), Y(v[0], v[1]), f);
        break;
      }
      case Record::kInsert:
        if (const Subfigure* inner = Find(r.text)) {
          Expand(*inner, {X(v[0], v[1]), Y(v[0], v[1]), v[2] + at.angle, v[3] * at.s}, depth + 1);
        }
        break;
    }
  }
  colour_ = colour;
  lineFont_ = lineFont;
}

std::string IgesWriter::Bytes() const {
  // A definition no instance refers to is marked as a blanked definition: readers take every
  // entity nothing refers to as a part of the drawing, and would draw it at the origin.
  std::string directory = directory_;
  for (const Subfigure& s : subfigures_) {
    if (s.de > 0 && !s.instanced) directory.replace(s.statusAt, 8, "01000200");
  }
  std::string out = start_ + directory + parameters_;
  std::string terminate = "S" + Digits7(countS_) + "G" + Digits7(countG_) + "D" + Digits7(countD_) +
                          "P" + Digits7(countP_);
  terminate.append(72 - terminate.size(), ' ');
  out += terminate + "T" + Digits7(1) + "\r\n";
  return out;
}

bool IgesWriter::Finish() {
  if (const int err = base::WriteFileAtomically(file_, Bytes()); err != 0) {
    report_(file_ + " kann nicht geschrieben werden");
    return false;
  }
  return true;
}

}  // namespace kv40::cad
