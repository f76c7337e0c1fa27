// The display list: compact storage of the records and their text form.
#include "cad/display_list.h"

#include <array>
#include <charconv>
#include <cmath>

#include "base/check.h"

namespace kv40::cad {

namespace {

constexpr int kMaxFields = 8;
constexpr double kMaxInteger = 2147483647.0;  // integer fields are 32-bit

bool IsKnownCode(int code) {
  return code >= static_cast<int>(RecordCode::kMoveTo) &&
         code <= static_cast<int>(RecordCode::kSleep);
}

void AppendNumber(std::string& out, double value, bool integer) {
  std::array<char, 40> buf{};
  const auto res =
      integer ? std::to_chars(buf.data(), buf.data() + buf.size(), static_cast<long long>(value))
              : std::to_chars(buf.data(), buf.data() + buf.size(), value,
                              std::chars_format::general, 8);
  out.append(buf.data(), res.ptr);
}

bool ParseNumber(std::string_view field, double& value) {
  std::string copy(field);
  for (char& c : copy) {
    if (c == ',') c = '.';  // written with a decimal comma
  }
  if (!copy.empty() && copy.front() == '+') copy.erase(0, 1);
  const char* end = copy.data() + copy.size();
  const auto res = std::from_chars(copy.data(), end, value);
  return res.ec == std::errc() && res.ptr == end && std::isfinite(value);
}

}  // namespace

int FieldCount(RecordCode code) {
  switch (code) {
    case RecordCode::kMoveTo:
    case RecordCode::kLineTo:
    case RecordCode::kText:
      return 2;
    case RecordCode::kCircle:
      return 3;
    case RecordCode::kLine:
    case RecordCode::kTextStyle:
      return 4;
    case RecordCode::kArc:
    case RecordCode::kSolid:
    case RecordCode::kWindow:
      return 8;
    case RecordCode::kColor:
    case RecordCode::kLineStyle:
    case RecordCode::kLineWidth:
    case RecordCode::kSleep:
      return 1;
  }
  return 0;
}

bool IsIntegerField(RecordCode code, int index) {
  switch (code) {
    case RecordCode::kColor:
    case RecordCode::kLineStyle:
    case RecordCode::kLineWidth:
    case RecordCode::kSleep:
      return true;
    case RecordCode::kTextStyle:
      return index == 2;
    case RecordCode::kWindow:
      return index < 4;
    default:
      return false;
  }
}

double RoundToRecord(double value) {
  if (!std::isfinite(value)) return value;
  std::array<char, 40> buf{};
  const auto res =
      std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::scientific, 7);
  double rounded = value;
  std::from_chars(buf.data(), res.ptr, rounded);
  return rounded;
}

void DisplayList::Add(RecordCode code, std::initializer_list<double> values) {
  const int count = FieldCount(code);
  KV40_CHECK(static_cast<int>(values.size()) == count);
  entries_.push_back({values_.size(), 0, code});
  int i = 0;
  for (double v : values) {
    values_.push_back(IsIntegerField(code, i) ? std::nearbyint(v) : RoundToRecord(v));
    ++i;
  }
}

void DisplayList::AddText(double x, double y, std::string_view text) {
  entries_.push_back(
      {values_.size(), static_cast<std::uint32_t>(texts_.size()), RecordCode::kText});
  values_.push_back(RoundToRecord(x));
  values_.push_back(RoundToRecord(y));
  texts_.emplace_back(text);
}

bool DisplayList::AddLine(std::string_view line) {
  auto next = [&line](std::string_view& field) {
    const auto semi = line.find(';');
    field = line.substr(0, semi);
    line = semi == std::string_view::npos ? std::string_view() : line.substr(semi + 1);
    return semi != std::string_view::npos;
  };
  std::string_view field;
  const bool more = next(field);
  int code = 0;
  const auto res = std::from_chars(field.data(), field.data() + field.size(), code);
  if (res.ec != std::errc() || res.ptr != field.data() + field.size() || !IsKnownCode(code) ||
      !more) {
    return false;
  }
  const auto rc = static_cast<RecordCode>(code);
  const int count = FieldCount(rc);
  std::array<double, kMaxFields> v{};
  for (int i = 0; i < count; ++i) {
    const bool hasMore = next(field);
    if (!ParseNumber(field, v[static_cast<std::size_t>(i)])) return false;
    // the text record keeps everything after its second field; other records end here
    if (hasMore != (i + 1 < count || rc == RecordCode::kText)) return false;
  }
  if (rc == RecordCode::kText) {
    AddText(v[0], v[1], line);
    return true;
  }
  for (int i = 0; i < count; ++i) {
    if (IsIntegerField(rc, i) && std::fabs(v[static_cast<std::size_t>(i)]) > kMaxInteger) {
      return false;
    }
  }
  entries_.push_back({values_.size(), 0, rc});
  for (int i = 0; i < count; ++i) {
    const double x = v[static_cast<std::size_t>(i)];
    values_.push_back(IsIntegerField(rc, i) ? std::nearbyint(x) : RoundToRecord(x));
  }
  return true;
}

void DisplayList::Clear() {
  entries_.clear();
  values_.clear();
  texts_.clear();
  ++generation_;
}

RecordView DisplayList::operator[](std::size_t i) const {
  KV40_CHECK(i < entries_.size());
  const Entry& e = entries_[i];
  const auto count = static_cast<std::size_t>(FieldCount(e.code));
  RecordView r{e.code, std::span<const double>(values_.data() + e.first, count), {}};
  if (e.code == RecordCode::kText) r.text = texts_[e.text];
  return r;
}

std::string DisplayList::Line(std::size_t i) const {
  const RecordView r = (*this)[i];
  std::string out = std::to_string(static_cast<int>(r.code));
  for (std::size_t k = 0; k < r.v.size(); ++k) {
    out += ';';
    AppendNumber(out, r.v[k], IsIntegerField(r.code, static_cast<int>(k)));
  }
  if (r.code == RecordCode::kText) {
    out += ';';
    out += r.text;
  }
  return out;
}

std::vector<std::string> DisplayList::Lines() const {
  std::vector<std::string> out;
  out.reserve(size());
  for (std::size_t i = 0; i < size(); ++i)
    out.push_back(Line(i));
  return out;
}

}  // namespace kv40::cad
