// Trimming, padding, wrapping, folder names and the window, CAD and export conversions.
#include "base/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv40::base {
namespace {

using Lines = std::vector<std::string>;

TEST(Text, TrimPadCutCount) {
  struct Case {
    const char* name;
    std::string got;
    std::string want;
  };
  const Case cases[] = {
      {"trim", Trim("  a b  "), "a b"},
      {"trim blanks only", Trim("   "), ""},
      {"trim other characters", std::string(TrimView("\t a \r", " \t\r")), "a"},
      {"trim left only", std::string(TrimLeftView("  a  ")), "a  "},
      {"trim right only", std::string(TrimRightView("  a  ")), "  a"},
      {"trim NUL padding", std::string(TrimView(std::string_view("a \0\0", 4), kBlankOrNul)), "a"},
      {"remove blanks", RemoveBlanks(" 1 2 3 "), "123"},
      {"pad right", PadRight("Maß", 5), "Maß  "},
      {"pad right cuts", PadRight("Größe", 3), "Grö"},
      {"pad left trims first", PadLeft("  ab  ", 4), "  ab"},
      {"pad left cuts to the first characters", PadLeft("Größe", 3), "Grö"},
      {"left", Left("Größe", 2), "Gr"},
      {"left beyond the end", Left("ab", 5), "ab"},
      {"right", Right("Größe", 3), "öße"},
      {"right beyond the end", Right("ab", 5), "ab"},
      {"right of nothing", Right("ab", 0), ""},
      {"upper case only a..z", UpperCase("Größe mm"), "GRößE MM"},
      {"lower case only A..Z", LowerCase("ÄBC"), "Äbc"},
      {"equal ignoring case", EqualsIgnoringCase("kv40.ERR", "KV40.err") ? "yes" : "no", "yes"},
      {"umlauts keep their case", EqualsIgnoringCase("ä", "Ä") ? "yes" : "no", "no"},
      {"replace", ReplaceChar(U'.', U',', "1.5.2"), "1,5,2"},
      {"replace a non-ASCII character", ReplaceChar(U'ß', U's', "Maß"), "Mas"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.got, c.want);
  }
}

TEST(WrapText, BreaksAfterTheLastBreakCharacter) {
  struct Case {
    const char* name;
    std::string text;
    int width;
    Lines want;
  };
  const Case cases[] = {
      {"no blank: 64 and 36",
       std::string(100, 'x'),
       64,
       {std::string(64, 'x'), std::string(36, 'x')}},
      {"width above 64 is kept to 64",
       std::string(100, 'x'),
       80,
       {std::string(64, 'x'), std::string(36, 'x')}},
      {"blank stays at the line end", "aaa bbb ccc", 5, {"aaa ", "bbb ", "ccc"}},
      {"last blank within the width", "aa bb cc dd", 8, {"aa bb ", "cc dd"}},
      {"fits", "kurz", 64, {"kurz"}},
      {"exactly the width", std::string(64, 'y'), 64, {std::string(64, 'y')}},
      {"empty text has no lines", "", 64, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WrapText(c.text, U' ', c.width), c.want);
  }
  std::string umlauts;
  for (int i = 0; i < 70; ++i)
    umlauts += "ä";
  const Lines lines = WrapText(umlauts, U' ', 64);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].size(), 128u);  // 64 characters of two bytes
  EXPECT_EQ(lines[1].size(), 12u);
}

TEST(AddBackslash, FoldersGetOneTrailingSeparator) {
  struct Case {
    const char* folder;
    const char* want;
  };
  const Case cases[] = {
      {"", ""},
      {"   ", ""},
      {"  /data/kv40  ", "/data/kv40/"},
      {"/data/kv40/", "/data/kv40/"},
      {"C:\\KV40\\", "C:\\KV40\\"},
      {"daten-", "daten-/"},  // any last character of a folder name
      {"/home/u/Maß", "/home/u/Maß/"},
      {".", "./"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.folder);
    EXPECT_EQ(AddBackslash(c.folder), c.want);
  }
}

TEST(CodePage, ToAscii) {
  struct Case {
    const char* text;
    const char* want;
  };
  const Case cases[] = {
      {"Prüfmaß ±0,1 µm 30° m²", "Pruefmass +/-0,1 um 30deg m2"},
      {"ÄÖÜäöüéáúñ", "AeOeUeaeoeueeaun"},
      {"═─", "--"},
      {"μm", "um"},    // Greek mu as the codec may give it
      {"åÇ╔", "åÇ╔"},  // others stay
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ToAscii(c.text), c.want);
  }
}

TEST(CodePage, OemToWindowAndBack) {
  NumberFormat plain;
  NumberFormat ascii;
  ascii.asciiMode = 1;
  struct Case {
    const char* name;
    std::string got;
    std::string want;
  };
  const Case cases[] = {
      {"300 characters give nothing", OemToWindow(plain, std::string(300, 'a')), ""},
      {"255 characters give nothing", OemToWindow(plain, std::string(255, 'a')), ""},
      {"254 characters pass", OemToWindow(plain, std::string(254, 'a')), std::string(254, 'a')},
      {"the limit counts characters", OemToWindow(plain, std::string(254, 'a') + "ä"), ""},
      {"unchanged outside ASCII mode", OemToWindow(plain, "Maß ╔═╗ 30°"), "Maß ╔═╗ 30°"},
      {"frames in ASCII mode", OemToWindow(ascii, "╔═╗\n│x│\n╚─╝"), "+-+\n|x|\n+-+"},
      {"tees and crosses", OemToWindow(ascii, "├┼┤╠╬╣"), "||||+|"},
      {"letters in ASCII mode", OemToWindow(ascii, "Maß å ⁿ 30°"), "Mass å ³ 30deg"},
      {"a plain bar stays a bar", OemToWindow(ascii, "a|b"), "a|b"},
      {"no limit for dialog texts", WindowText(ascii, std::string(300, 'a') + "ü"),
       std::string(300, 'a') + "ue"},
      {"back: 255 characters give nothing", WindowToOem(std::string(255, 'b')), ""},
      {"back: unchanged", WindowToOem("Maß ± 1"), "Maß ± 1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.got, c.want);
  }
}

TEST(CodePage, CadTextByMode) {
  struct Case {
    int mode;
    int ascii;
    const char* want;
  };
  const Case cases[] = {
      {1, 1, "Maß 30° ╔"},     // unchanged
      {2, 0, "Maß 30° ╔"},     // window form of a UTF-8 text
      {2, 1, "Mass 30deg +"},  // window form in ASCII mode
      {3, 0, "Mass 30deg ╔"},  // ASCII text only
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.mode) + std::to_string(c.ascii));
    NumberFormat nf;
    nf.cadTextMode = c.mode;
    nf.asciiMode = c.ascii;
    EXPECT_EQ(CadText(nf, "Maß 30° ╔"), c.want);
  }
}

TEST(CodePage, ExportDecimal) {
  NumberFormat toPoint;
  toPoint.exportSeparator = 1;
  NumberFormat toComma;
  toComma.exportSeparator = 2;
  EXPECT_EQ(ExportDecimal(toPoint, "1,5\t2,25"), "1.5\t2.25");
  EXPECT_EQ(ExportDecimal(toComma, "1.5\t2.25"), "1,5\t2,25");
}

}  // namespace
}  // namespace kv40::base
