// Number texts, reading numbers back, units, date and time.
#include "base/format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "support/comma_locale.h"

namespace kv40::base {
namespace {

NumberFormat Fmt(int decimalsOffset = 3, int separator = 1) {
  NumberFormat nf;
  nf.decimalsOffset = decimalsOffset;
  nf.decimalSeparator = separator;
  return nf;
}

NumberFormat Inch() {
  NumberFormat nf;
  nf.inchUnits = 1;
  return nf;
}

TEST(FormatFixed, WidthDecimalsOffsetAndComma) {
  struct Case {
    const char* name;
    NumberFormat nf;
    int width;
    int decimals;
    Extended value;
    std::string want;
  };
  const Case cases[] = {
      {"narrow width adds nothing", Fmt(), 1, 2, 3.14159L, "3.14"},
      {"width counts the places before the point", Fmt(), 5, 3, 1.5L, "    1.500"},
      {"no decimals, no point", Fmt(), 3, 0, 42.4L, " 42"},
      {"negative", Fmt(), 4, 1, -2.26L, "  -2.3"},
      {"wider than width", Fmt(), 1, 0, 12345, "12345"},
      {"tiny values print as 0", Fmt(), 1, 2, 1e-9L, "0.00"},
      {"tiny negative values print as 0", Fmt(), 1, 2, -1e-9L, "0.00"},
      {"offset 5 adds two decimals", Fmt(5), 3, 2, 1.23456L, "  1.2346"},
      {"offset 0 drops decimals down to 0", Fmt(0), 3, 2, 1.6L, "  2"},
      {"offset clamps at 10 decimals", Fmt(13), 1, 5, 0.5L, "0.5000000000"},
      {"decimal comma", Fmt(3, 2), 1, 2, 3.14159L, "3,14"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FormatFixed(c.nf, c.width, c.decimals, c.value), c.want);
  }
}

TEST(FormatFixed, LongTextsAreComplete) {
  // 51 digits, the point and 100 decimals: longer than any fixed buffer of old
  const std::string text = FormatFixed(Fmt(), 1, 100, 1e50L);
  ASSERT_EQ(text.size(), 152u);
  EXPECT_EQ(text.substr(0, 1), "1");
  EXPECT_EQ(text.substr(51), "." + std::string(100, '0'));
}

TEST(SignificantLayout, WidthAndDecimals) {
  struct Case {
    int digits;
    Extended value;
    int width;
    int decimals;
  };
  const Case cases[] = {
      {3, 1.5L, 1, 1},        {3, 12.3456L, 2, 2}, {3, 123.456L, 3, 1},  {3, 2345.6L, 4, 0},
      {3, -12.3456L, 2, 2},   {3, 0.5L, 0, 1},     {3, 0.001234L, 0, 5}, {3, 0, 0, 3},
      {6, 1.23456789L, 1, 6}, {6, 1.5L, 1, 1},     {0, 0.5L, 0, 0},      {2, 12.3456L, 2, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.digits) + " " + std::to_string(static_cast<double>(c.value)));
    const Layout l = SignificantLayout(c.digits, c.value);
    EXPECT_EQ(l.width, c.width);
    EXPECT_EQ(l.decimals, c.decimals);
  }
}

TEST(FormatSig, SignificantDigits) {
  struct Case {
    const char* name;
    NumberFormat nf;
    Extended value;
    std::string want;
  };
  const Case cases[] = {
      {"one millionth", Fmt(), 1e-6L, "0"},
      {"zero", Fmt(), 0, "0"},
      {"half", Fmt(), 0.5L, "0.5"},
      {"trailing zeros dropped", Fmt(), 1.5L, "1.5"},
      {"whole number", Fmt(), 3, "3"},
      {"two places", Fmt(), 12.3456L, "12.35"},
      {"one place", Fmt(), 123.456L, "123.5"},
      {"no places from four digits", Fmt(), 2345.6L, "2346"},
      {"negative", Fmt(), -12.3456L, "-12.35"},
      {"small", Fmt(), 0.001234L, "0.00123"},
      {"hundred", Fmt(), 100, "100"},
      {"decimals offset applies", Fmt(5), 1.5L, "1.500"},
      {"decimal comma", Fmt(3, 2), 2.5L, "2,5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FormatSig(c.nf, c.value), c.want);
  }
  EXPECT_EQ(FormatSigN(Fmt(), 1, 12.3456L), "12.3");
  EXPECT_EQ(FormatSigN(Fmt(), 1, 1e-6L), "0");
  EXPECT_EQ(FormatSigLong(Fmt(), 1.23456789L), "1.234568");
}

TEST(FormatDecAndSigned, DeviationTexts) {
  struct Case {
    const char* name;
    std::string got;
    std::string want;
  };
  const NumberFormat nf = Fmt();
  const Case cases[] = {
      {"dec", FormatDec(nf, 2, 123.456L), "123.46"},
      {"dec of zero", FormatDec(nf, 3, 0), "0.000"},
      {"dec below one", FormatDec(nf, 3, 0.0126L), "0.013"},
      {"signed zero is empty", FormatSigned(nf, 3, 0), ""},
      {"signed positive", FormatSigned(nf, 3, 0.0126L), "+0.013"},
      {"signed negative", FormatSigned(nf, 3, -0.0126L), "-0.013"},
      {"signed with integer places", FormatSigned(nf, 2, 12.5L), "+12.50"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.got, c.want);
  }
}

TEST(IntegerTexts, Padding) {
  EXPECT_EQ(IntToText(-12), "-12");
  EXPECT_EQ(IntZeroPad(7, 3), "007");
  EXPECT_EQ(IntZeroPad(-5, 3), "-05");
  EXPECT_EQ(IntZeroPad(1234, 2), "1234");
  EXPECT_EQ(IntZeroPad(std::numeric_limits<std::int64_t>::min(), 3), "-9223372036854775808");
  EXPECT_EQ(IntBlankPad(7, 3), "  7");
  EXPECT_EQ(IntBlankPad(-7, 3), " -7");
}

TEST(ParseNumber, AcceptsBothMarksAndRejectsJunk) {
  struct Case {
    const char* text;
    std::optional<Extended> want;
  };
  const Case cases[] = {
      {"2,5", 2.5L},
      {"2.5", 2.5L},
      {" 3 ", 3},
      {"-0,25", -0.25L},
      {"1e3", 1000},
      {"1,5e3", 1500},
      {".5", 0.5L},
      {"abc", std::nullopt},
      {"", std::nullopt},
      {"1,2,3", std::nullopt},
      {"2.5mm", std::nullopt},
      {"inf", std::nullopt},
      {"nan", std::nullopt},
      {"1e5000", std::nullopt},  // beyond the largest long double
      {"1e999", 1e999L},         // within it (the calculation's ranges refuse it)
      {"1e-5000", 0},            // below the smallest: zero, as any reader has it
      {"+2.5", 2.5L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(TryParseNumber(c.text), c.want);
    EXPECT_EQ(ParseNumber(c.text), c.want.value_or(0));
  }
}

TEST(ParseInt, PlainIntegersOnly) {
  struct Case {
    const char* text;
    std::optional<std::int64_t> want;
  };
  const Case cases[] = {
      {"42", 42},
      {"-7", -7},
      {"+3", 3},
      {" 12 ", 12},
      {"2.5", std::nullopt},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"99999999999", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(TryParseInt(c.text), c.want);
    EXPECT_EQ(ParseInt(c.text), c.want.value_or(0));
  }
}

TEST(NumberText, TheSameInALocaleWithDecimalCommas) {
  // Qt sets the process locale from the desktop; a German one writes decimal commas.
  const auto error = test::PrepareCommaLocale();
  ASSERT_FALSE(error.has_value()) << *error;
  ASSERT_NE(std::setlocale(LC_ALL, test::kCommaLocale), nullptr);
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");  // the test bites
  const NumberFormat nf;
  EXPECT_EQ(FormatFixed(nf, 0, 7, 25.5L), "25.5000000");
  EXPECT_EQ(FormatSig(nf, 1234.56L), "1235");
  EXPECT_EQ(FormatFixed(nf, 0, 3, 1e61L), "1.000e+61");
  EXPECT_EQ(TryParseNumber("25.5"), 25.5L);
  EXPECT_EQ(TryParseNumber("25,5"), 25.5L);
  EXPECT_EQ(TryParseNumber("-1.5e3"), -1500);
  EXPECT_EQ(TryParseInt("-42"), -42);
  std::setlocale(LC_ALL, "C");
}

TEST(Units, FormattersConvertInInchMode) {
  struct Case {
    const char* name;
    std::string got;
    std::string want;
  };
  const NumberFormat mm = Fmt();
  const NumberFormat in = Inch();
  const Case cases[] = {
      {"length", FormatLength(mm, 5, 2, 12.3456L), "   12.35"},
      {"length in inch: one place less, one decimal more", FormatLength(in, 5, 2, 25.4L),
       "   1.000"},
      {"length in inch keeps width 1", FormatLength(in, 1, 2, 25.4L), "1.000"},
      {"stress", FormatStress(mm, 4, 1, 100), " 100.0"},
      {"stress in psi", FormatStress(in, 4, 1, 100), " 14504"},
      {"torque", FormatTorque(mm, 4, 1, 100), " 100.0"},
      {"torque in lbfin", FormatTorque(in, 4, 1, 100), "  885"},
      {"length sig", FormatLengthSig(mm, 12.3456L), "12.35"},
      {"length sig in inch", FormatLengthSig(in, 25.4L), "1.0000"},
      {"length sig long", FormatLengthSigLong(mm, 1.23456789L), "1.234568"},
      {"length sig long in inch", FormatLengthSigLong(in, 50.8L), "2.0000"},
      {"length dec", FormatLengthDec(mm, 2, 12.3456L), "12.35"},
      {"length dec in inch", FormatLengthDec(in, 2, 25.4L), "1.000"},
      {"length dec fine", FormatLengthDecFine(mm, 2, 12.3456L), "12.35"},
      {"length dec fine in inch", FormatLengthDecFine(in, 2, 25.4L), "1.0000"},
      {"stress sig", FormatStressSig(mm, 100), "100"},
      {"stress sig in psi", FormatStressSig(in, 100), "14504"},
      {"torque sig", FormatTorqueSig(mm, 100), "100"},
      {"torque sig in lbfin", FormatTorqueSig(in, 100), "885"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.got, c.want);
  }
}

TEST(Units, ParsersConvertBack) {
  EXPECT_EQ(ParseLength(Fmt(), "2,5"), 2.5L);
  EXPECT_EQ(ParseLength(Inch(), "1"), 25.4L);
  EXPECT_NEAR(static_cast<double>(ParseStress(Inch(), "145.037")), 1.0, 1e-15);
  EXPECT_EQ(ParseStress(Fmt(), "145.037"), 145.037L);
  EXPECT_EQ(ParseTorque(Inch(), "1"), kNmPerLbfin);
  EXPECT_EQ(ParseTorque(Inch(), "x"), 0);
}

TEST(Units, Labels) {
  struct Case {
    int inch;
    int ascii;
    const char* length;
    const char* stress;
    const char* torque;
    const char* micro;
    const char* angle;
  };
  const Case cases[] = {
      {0, 0, "mm", "MPa", "Nm", "µm", "°"},
      {0, 1, "mm", "MPa", "Nm", "um", "deg"},
      {1, 0, "in", "psi", "lbfin", "µin", "°"},
      {1, 1, "in", "psi", "lbfin", "uin", "deg"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.inch) + std::to_string(c.ascii));
    NumberFormat nf;
    nf.inchUnits = c.inch;
    nf.asciiMode = c.ascii;
    EXPECT_EQ(LengthUnit(nf), c.length);
    EXPECT_EQ(StressUnit(nf), c.stress);
    EXPECT_EQ(TorqueUnit(nf), c.torque);
    EXPECT_EQ(MicroUnit(nf), c.micro);
    EXPECT_EQ(AngleUnit(nf), c.angle);
  }
}

TEST(DateAndTime, ByDateCode) {
  const base::DateTime t{2026, 3, 5, 9, 5, 0};
  struct Case {
    int code;
    const char* want;
  };
  const Case cases[] = {
      {1, "05.03.2026"}, {2, "03/05/2026"}, {3, "2026/03/05"},
      {4, "05/03/2026"}, {7, "2026/03/05"}, {0, "2026/03/05"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    NumberFormat nf;
    nf.dateCode = c.code;
    EXPECT_EQ(DateText(nf, t), c.want);
  }
  EXPECT_EQ(TimeText(t), "9:05");
  EXPECT_EQ(TimeText({2026, 12, 10, 10, 30, 0}), "10:30");
  EXPECT_EQ(TimeText({2026, 12, 10, 0, 0, 0}), "0:00");
}

}  // namespace
}  // namespace kv40::base
