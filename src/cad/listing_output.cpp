// The text listing device.
#include "cad/listing_output.h"

#include <utility>

#include "base/text_file.h"
#include "cad/cad_text.h"
#include "cad/dxf_output.h"
#include "cad/dxf_writer.h"

namespace kv40::cad {
namespace {

constexpr std::string_view kEol = "\r\n";

}  // namespace

ListingOutput::ListingOutput(const model::Config& c, std::string file, DrawingMessages& messages)
    : config_(c), file_(std::move(file)), messages_(messages) {
  decimals_ = c.cadDecimals >= 1 && c.cadDecimals <= 32 ? c.cadDecimals : 6;
  separator_ = c.fmt.decimalSeparator == 2 ? ',' : '.';
}

void ListingOutput::Number(Extended v) {
  AppendFixed(out_, v, decimals_, separator_);
}

void ListingOutput::Record(std::string_view keyword, std::initializer_list<Extended> values) {
  out_ += keyword;
  for (const Extended v : values) {
    out_ += '\t';
    Number(v);
  }
  out_ += kEol;
}

void ListingOutput::Plain(std::string_view line) {
  out_ += line;
  out_ += kEol;
}

void ListingOutput::Arc(Extended xc, Extended yc, Extended a1, Extended a2, Extended r) {
  if (IsFullCircle(a1, a2)) {
    Circle(xc, yc, r);
  } else {
    Record("ARC", {xc, yc, r, a1, a2});
  }
}

void ListingOutput::Text(const std::string& text, Extended x, Extended y, const CadTextFormat&) {
  out_ += "TEXT\t";
  Number(x);
  out_ += '\t';
  Number(y);
  out_ += '\t';
  out_ += CadTextBytes(config_.fmt.cadTextMode, text);
  out_ += kEol;
}

void ListingOutput::Block(const std::string& name) {
  out_ += "BLOCK\t";
  out_ += CadTextBytes(1, name);
  out_ += kEol;
}

void ListingOutput::Insert(const std::string& name, Extended x, Extended y, Extended angle,
                           Extended sx, Extended sy) {
  out_ += "INSERT\t";
  out_ += CadTextBytes(1, name);
  for (const Extended v : {x, y, angle, sx, sy}) {
    out_ += '\t';
    Number(v);
  }
  out_ += kEol;
}

bool ListingOutput::Finish() {
  Plain("EOF");
  if (const int err = base::WriteFileAtomically(file_, out_); err != 0) {
    messages_.Add(WriteFailure(file_, err));
    return false;
  }
  return true;
}

}  // namespace kv40::cad
