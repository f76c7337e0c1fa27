// The message help file: the 14-character key rule, cause and remedy for printing, the
// rewrite of one entry, and the shipped KV40.err against every message the program records.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/program.h"
#include "base/text_file.h"
#include "model/message_log.h"
#include "report/message_help_file.h"
#include "support/temp_dir.h"

namespace kv40::report {
namespace {

// A help file of a few entries in CP437 with CR LF ("\x81" is ü, "\x94" ö).
const std::string kSmallHelp =
    "Meldungshilfe zum Test\r\n"
    "Fatal  : mn = 0 !\r\n"
    "Modul fehlt.\r\n"
    "Modul eingeben.\r\n"
    "Eingriffst\x94rungen !\r\n"
    "K\x94pfe \x81"
    "berdecken sich nicht.\r\n"
    "d3 gr\x94\xE1"
    "er w\x84hlen.\r\n"
    "Fatal  : mn = 0 ! zweiter Eintrag\r\n"
    "wird nie gefunden\r\n"
    "wird nie gefunden\r\n"
    "Fehler : Seq<1\r\n"
    "Sicherheit zu klein.\r\n";  // the remedy line is missing

class HelpFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    p_.config.pltDir = dir_.path().string() + "/";
    test::WriteBytes(dir_ / "KV40.err", kSmallHelp);
  }
  // Cause and remedy of text when it is the only message of the log.
  std::pair<std::string, std::string> Lookup(const std::string& text) {
    ResetMessages(p_.connection.log);
    AddMessage(p_.connection.log, text);
    return {MessageCause(p_, 1), MessageRemedy(p_, 1)};
  }

  test::TempDir dir_;
  app::Program p_;
};

TEST(HelpKey, FirstFourteenCharactersDecide) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    std::string message;
    int want;  // index of the key line, -1 none
  };
  const Case cases[] = {
      {"rest of the key line is free",
       {"Fatal  : mn = beliebig", "c", "r"},
       "Fatal  : mn = 0 !",
       0},
      {"difference inside 14", {"Fatal  : mn <= 0!", "c", "r"}, "Fatal  : mn = 0 !", -1},
      {"case counts", {"fatal  : mn = 0 !", "c", "r"}, "Fatal  : mn = 0 !", -1},
      {"first match wins",
       {"x", "Fatal  : z = 0 A", "c", "Fatal  : z = 0 B", "c"},
       "Fatal  : z = 0 !",
       1},
      {"short message needs the whole line",
       {"ze (sqrt) mehr", "c", "ze (sqrt)", "c"},
       "ze (sqrt)",
       2},
      {"a key on the last line is missing",
       {"c", "r", "Fatal  : KA = 0 !"},
       "Fatal  : KA = 0 !",
       -1},
      {"key before the last line is found", {"Fatal  : KA = 0 !", "c"}, "Fatal  : KA = 0 !", 0},
      // ö is two bytes: a byte-wise cut would stop at "Eingriffstöru" and match.
      {"characters, not bytes", {"Eingriffstörux", "c", "r"}, "Eingriffstörungen !", -1},
      {"an empty slot matches no blank line", {"", "c", "r"}, "", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<std::size_t> at = FindHelpEntry(c.lines, c.message);
    EXPECT_EQ(at ? static_cast<int>(*at) : -1, c.want);
  }
}

TEST_F(HelpFileTest, CauseAndRemedyForPrinting) {
  struct Case {
    const char* name;
    std::string message;
    std::string cause;
    std::string remedy;
  };
  const Case cases[] = {
      {"found", "Fatal  : mn = 0 !", "Modul fehlt.", "Modul eingeben."},
      {"decoded from CP437", "Eingriffstörungen !", "Köpfe überdecken sich nicht.",
       "d3 größer wählen."},
      {"missing remedy line", "Fehler : Seq<1 (0.80 Welle)", "Sicherheit zu klein.", ""},
      {"no entry", "Fatal  : KA = 0 !", kNoDescription, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Lookup(c.message), std::make_pair(c.cause, c.remedy));
  }
}

TEST_F(HelpFileTest, MessagesAlikeInFourteenCharactersShareAnEntry) {
  ResetMessages(p_.connection.log);
  AddMessage(p_.connection.log, "Fehler : Seq<1 (0.80 Welle)");
  AddMessage(p_.connection.log, "Fehler : Seq<1 (0.00 Nabe)");
  ASSERT_EQ(p_.connection.log.messageCount, 2);
  EXPECT_EQ(MessageCause(p_, 1), "Sicherheit zu klein.");
  EXPECT_EQ(MessageCause(p_, 2), "Sicherheit zu klein.");
}

TEST_F(HelpFileTest, MissingFileGivesEmptyTexts) {
  std::filesystem::remove(dir_ / "KV40.err");
  EXPECT_EQ(Lookup("Fatal  : mn = 0 !"), std::make_pair(std::string(), std::string()));
}

TEST_F(HelpFileTest, FileNameIsFoundInAnyCase) {
  std::filesystem::rename(dir_ / "KV40.err", dir_ / "KV40.ERR");
  p_.config.pltDir = dir_.path().string();  // without the trailing separator
  EXPECT_EQ(MessageHelpPath(p_), dir_ / "KV40.ERR");
  EXPECT_EQ(Lookup("Fatal  : mn = 0 !").first, "Modul fehlt.");
}

TEST(HelpRewrite, ChangesOnlyCauseAndRemedyOfTheEntry) {
  // Mixed line endings and a last line without one: all must survive byte for byte.
  const std::string file =
      "Titel\n"
      "Fatal  : mn = 0 !\r\n"
      "alt Ursache\r\n"
      "alt Abhilfe\r"
      "Fatal  : KA = 0 !\r\n"
      "KA \x81"
      "brig\r\n"
      "KA Abhilfe";
  struct Case {
    const char* name;
    std::string key;
    std::string cause;
    std::string remedy;
    std::string want;
  };
  const Case cases[] = {
      {"middle entry", "Fatal  : mn = 0 ! (aus der Liste)", "neu Ursache", "neu Abhilfe",
       "Titel\nFatal  : mn = 0 !\r\nneu Ursache\r\nneu Abhilfe\rFatal  : KA = 0 !\r\n"
       "KA \x81"
       "brig\r\nKA Abhilfe"},
      {"last entry, converted to CP437", "Fatal  : KA = 0 !", "Größe", "fällt weg",
       "Titel\nFatal  : mn = 0 !\r\nalt Ursache\r\nalt Abhilfe\rFatal  : KA = 0 !\r\n"
       "Gr\x94\xE1"
       "e\r\nf\x84llt weg"},
      {"typed line breaks become blanks", "Fatal  : mn = 0 !", "eins\r\nzwei\ndrei", "a\rb",
       "Titel\nFatal  : mn = 0 !\r\neins zwei drei\r\na b\rFatal  : KA = 0 !\r\n"
       "KA \x81"
       "brig\r\nKA Abhilfe"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const HelpRewrite r = RewriteHelpEntry(file, c.key, c.cause, c.remedy);
    EXPECT_TRUE(r.found);
    EXPECT_FALSE(r.lossy);
    EXPECT_EQ(r.bytes, c.want);
  }
}

TEST(HelpRewrite, AppendsAMissingRemedyLine) {
  struct Case {
    const char* name;
    std::string file;
    std::string want;
  };
  const Case cases[] = {
      {"cause line ended", "Fehler : Seq<1\r\nalt\r\n", "Fehler : Seq<1\r\nneu\r\nhilf\r\n"},
      {"cause line open", "Fehler : Seq<1\r\nalt", "Fehler : Seq<1\r\nneu\r\nhilf"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RewriteHelpEntry(c.file, "Fehler : Seq<1 (0.5 Nabe)", "neu", "hilf").bytes, c.want);
  }
}

TEST(HelpRewrite, UnknownKeyAndCharactersWithoutCp437Form) {
  const std::string file = "Fatal  : mn = 0 !\r\nc\r\nr\r\nFatal  : KA = 0 !\r\n";
  EXPECT_FALSE(RewriteHelpEntry(file, "Fatal  : z = 0 !", "x", "y").found);
  // A key on the last line has no entry, for saving as for reading.
  EXPECT_FALSE(RewriteHelpEntry(file, "Fatal  : KA = 0 !", "x", "y").found);

  const HelpRewrite r = RewriteHelpEntry(file, "Fatal  : mn = 0 !", "5 €", "r");
  EXPECT_TRUE(r.lossy);
  EXPECT_EQ(r.bytes, "Fatal  : mn = 0 !\r\n5 ?\r\nr\r\nFatal  : KA = 0 !\r\n");
}

}  // namespace
}  // namespace kv40::report
