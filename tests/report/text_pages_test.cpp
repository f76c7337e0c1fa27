// Report text files as pages: both code pages read, pages split at form feeds.
#include "report/text_pages.h"

#include <gtest/gtest.h>

#include "base/codepage.h"
#include "support/temp_dir.h"

namespace kv40::report {
namespace {

TEST(TextPages, SplitAtFormFeedLines) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    std::vector<TextPage> pages;
  };
  const Case cases[] = {
      {"no form feed: one page", {"a", "b"}, {{"a", "b"}}},
      {"empty file: one empty page", {}, {{}}},
      // the historic count of form feeds would offer two pages and lose the third
      {"two form feeds between three pages", {"a", "\f", "b", "\f", "c"}, {{"a"}, {"b"}, {"c"}}},
      {"a closing form feed makes no empty page", {"a", "\f", "b", "\f"}, {{"a"}, {"b"}}},
      {"form feed first: page 1 stays empty", {"\f", "a"}, {{}, {"a"}}},
      {"two form feeds in a row: an empty page", {"a", "\f", "\f", "b"}, {{"a"}, {}, {"b"}}},
      {"text after the form feed opens the next page",
       {"a", "\f\fhead", "b"},
       {{"a"}, {"head", "b"}}},
      {"empty lines stay lines", {"", "\f", ""}, {{""}, {""}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SplitPages(c.lines), c.pages);
  }
}

TEST(TextPages, ReadsConvertedCopiesAndDosFilesAlike) {
  test::TempDir dir;
  const std::string text = "╔══╗ Zähne über 30°";
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"UTF-8, LF", text + "\n\fx\n"},
      {"DOS code page, CR LF", base::Utf8ToCp437(text).bytes + "\r\n\fx\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::WriteBytes(dir / "r.txt", c.bytes);
    const auto lines = ReadReportText(dir / "r.txt");
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, (std::vector<std::string>{text, "\fx"}));
  }
  EXPECT_FALSE(ReadReportText(dir / "missing.txt").has_value());
  EXPECT_TRUE(IsUtf8("ascii \xEF\xBF\xBD"));  // a real U+FFFD is fine
  EXPECT_FALSE(IsUtf8("\xC9\xCD\xCD\xBB"));   // CP437 box corners
}

}  // namespace
}  // namespace kv40::report
