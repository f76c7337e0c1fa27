// The input data file's lines: value primitives, the exact layout, and reading it back.
#include <gtest/gtest.h>

#include "app/program.h"
#include "base/text_file.h"
#include "model/input_file_format.h"
#include "support/sample_connection.h"

namespace kv40::model {
namespace {

using base::NumberFormat;

base::NumberFormat Fmt(int decimalsOffset, int separator) {
  NumberFormat nf;
  nf.decimalsOffset = decimalsOffset;
  nf.decimalSeparator = separator;
  return nf;
}

TEST(InputFileLines, RealsAndYieldsAreWrittenInTheirTwoForms) {
  struct Case {
    const char* name;
    NumberFormat nf;
    Extended x;
    std::string want;
  };
  const NumberFormat pt = Fmt(3, 1);
  const Case cases[] = {
      {"fraction", pt, 0.45L, "0.4500000"},
      {"negative fraction", pt, -0.45L, "-0.4500000"},
      {"whole number from 1 up keeps decimals", pt, 30, "30.0000000"},
      {"one", pt, 1, "1.0000000"},
      {"negative whole number", pt, -38, "-38"},
      {"zero", pt, 0, "0"},
      {"nearly whole below 1", pt, -2.99999999999L, "-3"},
      {"rounding noise around zero", pt, 1e-12L, "0"},
      // not within 1e-10 of a whole number, so the fixed form with its 7 decimals
      {"one millionth", pt, 1e-6L, "0.0000010"},
      {"stored rounded to 1e-7", pt, 1.23456789L, "1.2345679"},
      {"decimal comma", Fmt(3, 2), 0.45L, "0,4500000"},
      {"decimals setting 5 adds two", Fmt(5, 1), 0.45L, "0.450000000"},
      {"decimals setting 0 takes three", Fmt(0, 1), 0.45L, "0.4500"},
      {"decimals clamped at 10", Fmt(20, 1), 0.5L, "0.5000000000"},
      {"huge whole negative", pt, -1e20L, "-100000000000000000000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RealLine(c.nf, c.x), c.want);
  }
  EXPECT_EQ(YieldLine(pt, 1050), " 1050");
  EXPECT_EQ(YieldLine(pt, 230), "  230");
  EXPECT_EQ(YieldLine(Fmt(5, 2), 1050), " 1050,00");
  EXPECT_EQ(IntLine(-38), "-38");
  EXPECT_EQ(BoolLine(true), "TRUE");
  EXPECT_EQ(BoolLine(false), "FALSE");
}

TEST(InputFileLines, ReadersTakeEveryWrittenFormAndCountGarbageAsZero) {
  EXPECT_EQ(ReadRealLine("0,4500000"), 0.45L);
  EXPECT_EQ(ReadRealLine("-0.4500000"), -0.45L);
  EXPECT_EQ(ReadRealLine("abc"), 0);
  EXPECT_EQ(ReadRealLine(""), 0);
  EXPECT_EQ(ReadRealLine("1e99999"), 0);  // no infinity from a file
  EXPECT_EQ(ReadIntLine("-38"), -38);
  EXPECT_EQ(ReadIntLine("3.5"), 0);
  EXPECT_EQ(ReadIntLine("99999999999"), 0);
  EXPECT_EQ(ReadWordLine("7"), 7);
  EXPECT_EQ(ReadWordLine("-1"), 0);
  EXPECT_EQ(ReadWordLine("70000"), 0);
  EXPECT_TRUE(ReadBoolLine("TRUE"));
  EXPECT_TRUE(ReadBoolLine("True"));
  EXPECT_FALSE(ReadBoolLine("FALSE"));
  EXPECT_FALSE(ReadBoolLine("1"));
  EXPECT_EQ(ReadYieldLine(" 1050"), 1050);
  EXPECT_EQ(ReadYieldLine(" 1050,00"), 1050);
  EXPECT_EQ(ReadYieldLine("229.6"), 230);
  EXPECT_EQ(ReadYieldLine("1e30"), 0);
}

struct Start {
  SpecState connection;
  model::DocuData docu;
  Start() {
    InitDefaults(connection);
    model::InitDocuData(docu, "01.02.2024");
  }
};

base::TextLines Lines(const std::vector<std::string>& lines) {
  return base::TextLines{lines};
}

TEST(InputFileLayout, DefaultStateGivesTheKnownFile) {
  const std::string rule65(65, '-');
  const std::string rule20(20, '-');
  const std::string rule14(14, '-');
  const std::string one = "1.0000000";
  // clang-format off
  std::vector<std::string> want = {
      rule65, "KV40   Passverzahnung DIN 5482", "Version 1.3", kInputFileNote, rule65,
      "", "", "",                                         // text 1..3
      "Zahnwelle", "", "Zahnnabe", "",                    // names and numbers
      "30.0000000", "3.0000000", "0", "0", "0",           // alpha mn b0 b1 b2
      "38", "3", "8", "6", "7", "5",                      // z, fields hub/shaft, series, aux
      "30CrMoV9", one, "EN-GJL-200", one,                 // materials, plim
      "120.0000000",                                      // dB
      "6.0000000", "0", "5.2500000", "0",                 // DM, k
      "1", "1",                                           // wtyp
      "600.0000000", "5000.0000000", "0", "0", "0.1000000",
      one, one, "1.2000000", "2.0000000",                 // fH, fS
      " 1050", "  230", "1", one, "1", "0", "0",          // Re, wtab, cB, connKind, haP0*
      "ÄNDERUNGEN", "0", rule20,
      "01.02.2024||01.02.2024||||0||", "01.02.2024", "", "", "",
      "Dokumente", "5", rule20};
  for (int i = 0; i < 5; ++i) {
    want.insert(want.end(), {"xdg-open", "", rule14});
  }
  want.insert(want.end(), {
      "", "",                                             // zname2
      "0", "0", one, one, one, one, one, one, one,        // TN Tmax KA Kphieq Klambda fW fL Kphimax
      "FALSE", "0", "0", "0", "0", "0.4500000", "-0.4500000",
      "1", "0", "0", "FALSE", "",                         // calcWhat P n pinTable bez5482
      "0", "0", "0", "0", "0",                            // d1..d4, z5482
      "0", "0", "0", "0", "0", "",                        // mn5482 xm r1 r2 kmin text5482
      "0", "1", "1.7707", "0.6020"});
  // clang-format on
  const Start s;
  EXPECT_EQ(InputFileLines(s.connection, s.docu, NumberFormat{}), want);
  EXPECT_EQ(want.size(), 114u);

  const base::OemText bytes = InputFileBytes(s.connection, s.docu, NumberFormat{});
  EXPECT_FALSE(bytes.lossy);
  EXPECT_EQ(bytes.bytes.substr(0, 67), rule65 + "\r\n");
  EXPECT_NE(bytes.bytes.find("\r\n\x8E"
                             "NDERUNGEN\r\n"),
            std::string::npos);
  EXPECT_EQ(bytes.bytes.substr(bytes.bytes.size() - 8), "0.6020\r\n");
}

Start Filled() {
  Start s;
  test::FillSampleConnection(s.connection, s.docu);
  return s;
}

TEST(InputFileLayout, EveryFieldSurvivesWritingAndReading) {
  const Start full = Filled();
  for (const NumberFormat& nf : {Fmt(3, 1), Fmt(3, 2), Fmt(6, 2)}) {
    SCOPED_TRACE(nf.decimalSeparator * 10 + nf.decimalsOffset);
    const base::OemText bytes = InputFileBytes(full.connection, full.docu, nf);
    EXPECT_FALSE(bytes.lossy);
    const Start fresh;  // fields not read would keep these defaults and show below
    const InputFileParse r =
        ParseInputFile(base::SplitLines(bytes.bytes), fresh.connection, fresh.docu);
    ASSERT_TRUE(r.ok);
    // Whatever the decimal mark and the decimals written, the values read back are the same.
    EXPECT_EQ(InputFileBytes(r.connection, r.docu, NumberFormat{}).bytes,
              InputFileBytes(full.connection, full.docu, NumberFormat{}).bytes);
    EXPECT_EQ(r.connection.z[2], -17);
    EXPECT_EQ(r.connection.mn, 1.25L);
    EXPECT_EQ(r.connection.Re[2], 55);
    EXPECT_EQ(r.connection.text[1], full.connection.text[1]);
    EXPECT_EQ(r.docu.changeList[0].description, "Zeile 1\nZeile 2");
    EXPECT_EQ(r.docu.drawingInfo.releaseBy, "Frei-Öl");
    EXPECT_EQ(r.docu.drawingInfo.drawingTexts[1].y, 123.5L);
    EXPECT_EQ(r.docu.documents[4].file, "prüfplan.ods");
  }
  // the comma is really written when asked for
  const auto lines = InputFileLines(full.connection, full.docu, Fmt(3, 2));
  EXPECT_EQ(lines[13], "1,2500000");
}

TEST(InputFileLayout, SeparatorsInsideTextsDoNotShiftTheLayout) {
  Start s;
  s.connection.text[2] = "zwei\nZeilen";
  s.docu.changeCount = 1;
  s.docu.changeList[0].description = "a|b\r\nc";
  s.docu.drawingInfo.checkedBy = "X|Y";
  s.docu.drawingInfo.drawingTextCount = 1;
  s.docu.drawingInfo.drawingTexts[0].text = "1|2";
  const auto lines = InputFileLines(s.connection, s.docu, NumberFormat{});
  EXPECT_EQ(lines[6], "zwei Zeilen");
  EXPECT_EQ(lines[56], "a│b|c");
  EXPECT_EQ(lines[58], "01.02.2024|X│Y|01.02.2024||||1||");
  EXPECT_EQ(lines[63], "0|0|0|0|1│2||");

  const Start fresh;
  const InputFileParse r = ParseInputFile(Lines(lines), fresh.connection, fresh.docu);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.docu.changeList[0].description, "a│b\nc");
  EXPECT_EQ(r.docu.drawingInfo.checkedBy, "X│Y");
  EXPECT_EQ(r.docu.drawingInfo.drawingTextCount, 1);
  EXPECT_EQ(r.connection.matnr[2], "0.6020");
}

TEST(InputFileParse, OddLinesAreCutOrCountAsZero) {
  const Start s;
  const auto good = InputFileLines(s.connection, s.docu, NumberFormat{});
  struct Case {
    const char* name;
    std::size_t line;  // 1-based
    std::string text;
    std::string (*field)(const SpecState&);
    std::string want;
  };
  const auto zname = [](const SpecState& p) { return p.zname[1]; };
  const auto mn = [](const SpecState& p) { return RealLine(NumberFormat{}, p.mn); };
  const auto teeth = [](const SpecState& p) {
    return std::to_string(p.z[1]) + "/" + std::to_string(p.z[2]);
  };
  const Case cases[] = {
      {"drawing name of 27 characters", 9, "Zahnwelle Übergröße 1234567", zname,
       "Zahnwelle Übergröße 12345"},
      {"text in a real line", 14, "drei", mn, "0"},
      {"comma in a real line", 14, "2,75", mn, "2.7500000"},
      {"teeth count", 18, "-12", teeth, "-12/12"},
      {"text in an integer line", 18, "x", teeth, "0/0"},
      {"most negative teeth count has no opposite", 18, "-2147483648", teeth, "0/0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto lines = good;
    lines[c.line - 1] = c.text;
    const InputFileParse r = ParseInputFile(Lines(lines), s.connection, s.docu);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(c.field(r.connection), c.want);
    EXPECT_EQ(r.connection.matnr[2], "0.6020");  // still in step at the end
  }
}

TEST(InputFileParse, CountsBeyondCapacityAreReadPast) {
  Start s;
  std::vector<std::string> lines = InputFileLines(s.connection, s.docu, NumberFormat{});
  // 27 change entries and 9 drawing texts: the extra ones are skipped, the rest stays in step
  lines[51] = "27";
  std::vector<std::string> entries;
  for (int i = 1; i <= 27; ++i)
    entries.insert(entries.end(), {"Text " + std::to_string(i), "d", "e", "x", "-"});
  lines.insert(lines.begin() + 53, entries.begin(), entries.end());
  const std::size_t info = 53 + entries.size();
  lines[info] = "a|b|c|d|e|f|9||";
  std::vector<std::string> texts(9, "1|2|3|4|T||");
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(info) + 5, texts.begin(), texts.end());

  const InputFileParse r = ParseInputFile(Lines(lines), s.connection, s.docu);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.docu.changeCount, 25);
  EXPECT_EQ(r.docu.changeList[24].changeText, "Text 25");
  EXPECT_EQ(r.docu.drawingInfo.drawingTextCount, 8);
  EXPECT_EQ(r.docu.drawingInfo.drawingTexts[7].text, "T");
  EXPECT_EQ(r.docu.drawingInfo.releaseBy, "f");
  EXPECT_EQ(r.connection.matnr[1], "1.7707");

  lines[51] = "-3";  // a negative count is no entry at all
  lines.erase(lines.begin() + 53, lines.begin() + 53 + static_cast<std::ptrdiff_t>(entries.size()));
  const InputFileParse neg = ParseInputFile(Lines(lines), s.connection, s.docu);
  ASSERT_TRUE(neg.ok);
  EXPECT_EQ(neg.docu.changeCount, 0);
}

TEST(InputFileParse, EveryEarlyEndIsRefusedWithItsLine) {
  const Start full = Filled();
  const auto lines = InputFileLines(full.connection, full.docu, NumberFormat{});
  const Start s;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    SCOPED_TRACE(n);
    const std::vector<std::string> cut(lines.begin(),
                                       lines.begin() + static_cast<std::ptrdiff_t>(n));
    const InputFileParse r = ParseInputFile(Lines(cut), s.connection, s.docu);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.missingLine, n + 1);
  }
  EXPECT_TRUE(ParseInputFile(Lines(lines), s.connection, s.docu).ok);
}

}  // namespace
}  // namespace kv40::model
