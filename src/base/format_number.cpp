// Fixed and significant-digit number texts, and reading numbers back.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "base/format.h"

#include "base/check.h"
#include "base/text.h"

namespace kv40::base {
namespace {

// Plain decimal syntax only: sign, digits, optional point and digits, optional exponent.
bool IsDecimalNumber(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9')
    ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9')
      ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t expDigits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9')
      ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  return i == s.size();
}

// Where the leading digit of a plain decimal number lies (0 for 1..9.99, -1 for 0.1..0.99);
// only its sign matters: it tells an underflow from an overflow. Saturates far out.
long long DecimalExponent(std::string_view s) {
  std::size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
  long long e = -1;
  bool leading = true;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
    if (s[i] != '0') leading = false;
    if (!leading) ++e;
  }
  if (i < s.size() && s[i] == '.') {
    for (++i; leading && i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
      if (s[i] != '0') leading = false;
      --e;
    }
    while (i < s.size() && s[i] >= '0' && s[i] <= '9')
      ++i;
  }
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    long long x = 0;
    for (; i < s.size(); ++i)
      x = std::min(x * 10 + (s[i] - '0'), 1'000'000'000LL);
    e += negative ? -x : x;
  }
  return e;
}

}  // namespace

std::string NumberText(Extended value, std::chars_format form, int decimals) {
  // Fixed notation of the largest long double has about 4 950 characters before the point.
  std::string text(static_cast<std::size_t>(5000 + std::max(decimals, 0)), '\0');
  const auto [end, ec] =
      std::to_chars(text.data(), text.data() + text.size(), value, form, std::max(decimals, 0));
  KV40_CHECK(ec == std::errc());
  text.resize(static_cast<std::size_t>(end - text.data()));
  return text;
}

std::string FormatFixed(const NumberFormat& nf, int width, int decimals, Extended value) {
  if (nf.decimalsOffset != 3) {
    decimals = std::clamp(decimals + nf.decimalsOffset - 3, 0, 10);
  }
  if (decimals < 0) decimals = 0;
  if (std::fabs(value) < 1e-8L || std::isnan(value)) value = 0;
  std::string text;
  if (std::isinf(value)) {
    text = value < 0 ? "-Inf" : "Inf";
  } else {
    // keep absurd values readable: exponent form from 1e60 on
    text = NumberText(
        value, std::fabs(value) >= 1e60L ? std::chars_format::scientific : std::chars_format::fixed,
        decimals);
  }
  const int total = decimals <= 0 ? width : width + decimals + 1;
  if (static_cast<int>(text.size()) < total) {
    text.insert(0, static_cast<std::size_t>(total) - text.size(), ' ');
  }
  if (nf.decimalSeparator == 2) {
    for (char& ch : text) {
      if (ch == '.') ch = ',';
    }
  }
  return text;
}

Layout SignificantLayout(int digits, Extended value) {
  Extended magnitude = std::fabs(value);
  if (magnitude == 0 || !std::isfinite(magnitude)) magnitude = 0.5L;
  const Extended lg = std::log10(magnitude);
  int e = static_cast<int>(std::trunc(lg));
  if (lg < 0) e -= 1;

  Layout layout;
  long double scaled = 0;
  if (e >= digits) {
    layout.width = e + 1;
    layout.decimals = 0;
    return layout;
  }
  if (e < 0) {
    layout.width = 0;
    const int d = digits - e;
    layout.decimals = d - 1;
    scaled = std::fabs(value) * std::pow(10.0L, d);
  } else {
    layout.width = e + 1;
    layout.decimals = digits - e;
    scaled = std::fabs(value) * std::pow(10.0L, digits - e + 1);
  }
  if (!std::isfinite(scaled) || scaled > 9e18L) return layout;
  long long n = std::llrint(scaled);
  // Strip trailing zeros: each zero in the last place drops one decimal.
  while (n != 0) {
    n /= 10;
    if (n % 10 == 0 && n != 0) {
      layout.decimals -= 1;
    } else {
      break;
    }
  }
  if (layout.decimals < 0) layout.decimals = 0;
  return layout;
}

std::string FormatSig(const NumberFormat& nf, Extended value) {
  if (std::fabs(value) < 1e-5L) return "0";
  const Layout l = SignificantLayout(3, value);
  return FormatFixed(nf, l.width, l.decimals, value);
}

std::string FormatSigN(const NumberFormat& nf, int n, Extended value) {
  if (std::fabs(value) < 1e-5L) return "0";
  const Layout l = SignificantLayout(3 - n, value);
  return FormatFixed(nf, l.width, l.decimals, value);
}

std::string FormatSigLong(const NumberFormat& nf, Extended value) {
  return FormatSigN(nf, -3, value);
}

std::string FormatDec(const NumberFormat& nf, int decimals, Extended value) {
  return FormatFixed(nf, SignificantLayout(3, value).width, decimals, value);
}

std::string FormatSigned(const NumberFormat& nf, int decimals, Extended value) {
  if (std::fabs(value) < 1e-8L) return {};
  std::string text = FormatDec(nf, decimals, value);
  if (value <= 0) return text;
  const std::size_t digits = std::min(text.find_first_not_of(' '), text.size());
  return text.substr(0, digits) + '+' + text.substr(digits);
}

std::string IntToText(std::int64_t n) {
  return std::to_string(n);
}

std::string IntZeroPad(std::int64_t n, int width) {
  // the magnitude in unsigned arithmetic, so that the most negative number has one too
  const std::uint64_t magnitude =
      n < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
  std::string digits = std::to_string(magnitude);
  const int signWidth = n < 0 ? 1 : 0;
  if (static_cast<int>(digits.size()) + signWidth < width) {
    digits.insert(0, static_cast<std::size_t>(width - signWidth) - digits.size(), '0');
  }
  return n < 0 ? "-" + digits : digits;
}

std::string IntBlankPad(std::int64_t n, int width) {
  std::string text = std::to_string(n);
  if (static_cast<int>(text.size()) < width) {
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  }
  return text;
}

std::optional<Extended> TryParseNumber(std::string_view text) {
  std::string s = Trim(text);
  if (const auto comma = s.find(','); comma != std::string::npos) s[comma] = '.';
  if (!IsDecimalNumber(s)) return std::nullopt;
  // from_chars reads independently of the process locale but takes no "+"
  const std::size_t start = s[0] == '+' ? 1 : 0;
  Extended v = 0;
  const auto [end, ec] = std::from_chars(s.data() + start, s.data() + s.size(), v);
  if (ec == std::errc::result_out_of_range) {
    if (DecimalExponent(s) >= 0) return std::nullopt;  // beyond the largest number
    return s[0] == '-' ? -0.0L : 0.0L;                 // below the smallest: zero
  }
  if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<std::int64_t> TryParseInt(std::string_view text) {
  const std::string s = Trim(text);
  const std::size_t start = (!s.empty() && s[0] == '+') ? 1 : 0;
  if (start < s.size() && s[start] == '-' && start > 0) return std::nullopt;
  std::int32_t v = 0;
  const auto [end, ec] = std::from_chars(s.data() + start, s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size() || start == s.size()) return std::nullopt;
  return v;
}

Extended ParseNumber(std::string_view text) {
  return TryParseNumber(text).value_or(0);
}

std::int64_t ParseInt(std::string_view text) {
  return TryParseInt(text).value_or(0);
}

}  // namespace kv40::base
