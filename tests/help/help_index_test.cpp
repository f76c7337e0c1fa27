// The help-image index: reading its lines, the manager's list items, safe rewriting.
#include "help/help_index.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace kv40::help {
namespace {

TEST(HelpIndex, ReadsQuotedFieldsAndCountsTheOthers) {
  base::TextLines text;
  text.lines = {"\"abmess\",\"Abmessungen d1 bis d4\"", "", " \"last\" , \"Last\"",
                "messen,\"ohne Anführung\"", "\"ohne Ende"};
  const HelpIndex index = ParseHelpIndex(text);
  ASSERT_EQ(index.entries.size(), 4u);
  EXPECT_EQ(index.entries[0].name, "abmess");
  EXPECT_EQ(index.entries[0].info, "Abmessungen d1 bis d4");
  EXPECT_EQ(index.entries[1].name, "last");
  EXPECT_EQ(index.entries[1].line, 2u);  // the blank line is no entry
  EXPECT_EQ(index.entries[2].name, "messen");
  EXPECT_EQ(index.entries[2].info, "ohne Anführung");
  EXPECT_EQ(index.entries[3].name, "ohne Ende");
  EXPECT_EQ(index.badFields, 2);  // "messen" and the missing second field
}

TEST(HelpIndex, TakesAtMost130Entries) {
  base::TextLines text;
  for (int i = 0; i < 140; ++i)
    text.lines.push_back(IndexLine("b" + std::to_string(i), "x"));
  EXPECT_EQ(ParseHelpIndex(text).entries.size(), 130u);
}

TEST(HelpIndex, ListItemsAndImageNames) {
  EXPECT_EQ(IndexLine("abmess", "Abmessungen"), "\"abmess\",\"Abmessungen\"");
  EXPECT_EQ(IndexItem({"abmess", "Abmessungen", 0}), "abmess  : Abmessungen");
  EXPECT_EQ(IndexItem({"Langername", std::string(80, 'i'), 0}).size(), 65u);
  EXPECT_EQ(ImageNameOfItem("ABMESS  : Abmessungen"), "abmess");
  EXPECT_EQ(ImageNameOfItem("Langername: x"), "langerna");
  EXPECT_EQ(IndexFileName(), "kv40.dbh");
}

TEST(HelpIndex, IsRewrittenThroughATemporaryFileBesideIt) {
  test::TempDir dir;
  const auto file = dir / "kv40.dbh";
  test::WriteBytes(file, "\"alt\",\"alt\"\r\n");
  ASSERT_EQ(WriteHelpIndex(file, {IndexLine("neu", "Grün")}), 0);
  EXPECT_EQ(test::ReadBytes(file), "\"neu\",\"Gr\x81n\"\r\n");  // DOS code page
  int files = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
    ++files;
  EXPECT_EQ(files, 1);
  // a folder that cannot take the file leaves the old one
  EXPECT_NE(WriteHelpIndex(dir / "fehlt" / "kv40.dbh", {"x"}), 0);
}

}  // namespace
}  // namespace kv40::help
