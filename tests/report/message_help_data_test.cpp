// The shipped message help file data/KV40.err: an entry for every message the program can
// record, and a layout that the 14-character key rule reads without surprises.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/program.h"
#include "base/format.h"
#include "base/text_file.h"
#include "base/utf8.h"
#include "model/message_log.h"
#include "report/message_help_file.h"
#include "support/temp_dir.h"

namespace kv40::report {
namespace {

const char* const kDataDir = KV40_SOURCE_DATA_DIR;

// Every text that the calculation, the math routines, the tooth forms and drawings and the
// table lookups record, with the part numbers and values they append.
std::vector<std::string> RecordedMessages() {
  std::vector<std::string> m = {
      // driver, DIN 5482 block and geometry
      "Fatal  : z = 0 !", "Fatal  : mn = 0 !", "Fatal  : alpha = 0 !", "Fatal  : x > 1.5",
      "Fatal  : da1=df1 !", "Fatal  : da2=df2 !", "Fatal  : alpha !", "Fatal  : beta > 45!",
      "Fatal  : mn <= 0!", "Fatal  : b <= 0!", "Fatal  : Unit0", "Fatal  : KV7", "Fatal  : Unit2",
      "Fatal  : alpha wt !", "Fatal  : ArcCos(cos(alpha t)*d/da)>1 ! (acos)",
      // tolerance tables
      "Fatal  : TolCode W !", "Fatal  : TolCode X !", "Fatal  : Toleranz I",
      // inspection dimensions
      "Fatal  : Zahnweite ! (acos)", "Fehler : Dm ball !", "Fatal  : Kugelmaß DmMess !",
      "Fehler : DmMess (pow)", "Fehler : DmMess (acos)", "Fehler : kmess (acos)",
      // load capacity
      "Fatal  : KA = 0 !", "Fatal  : mue = 0 !", "Fatal  : Ri, Rigr.", "Fatal  : re = 0 !",
      "ze (sqrt)", "Sigma bn (pow)", "tau tn (pow)", "Warnung: tau max / Re > 0.7 !",
      // meshing checks
      "Fehler : g alpha (sqrt)", "Fehler : dnf1 (sqrt)", "Fehler : dnf2 (sqrt)",
      "Fatal  : db > da !  (1) (acos)", "Fatal  : db > da !  (2) (acos)",
      "Fatal  : db > da  (1) (acos)", "Fatal  : db > da  (2) (acos)", "Fatal  : spez.Gleiten !",
      "Fehler : Rs (pow)", "Unbrauchbare Ergebnisse - bitte Neuberechnung durchführen !",
      "Eingriffstörungen !",
      // math routines
      "Error: function tan in Unit math", "Error: ArcSin in unit math",
      "Error: function ArcCos in math", "Error: ArcInv in unit math",
      // tooth forms, drawings, tables
      "Fatal  : d = 0 !", "Warnung: ArcLimit", "Fatal  : n schraff !", "Fatal  : schraff schnittp",
      "Fatal  : QSORT2 error", "Fatal  : DIN 6885 Datenbank",
      // inputs the calculation refuses, results that are not finite
      "Fatal  : z nicht in 2..1000 !", "Fatal  : mn nicht in 0.05..100 !",
      "Fatal  : connKind nicht in 1..3 !", "Fatal  : KA nicht in 0.1..10 !",
      "Fatal  : TN nicht in 0.001..1e7 !", "Fatal  : Tmax nicht in 0.001..1e7 !",
      "Fatal  : ISO-Maß > 3150 mm !", "Fatal  : nicht endlich: Tszul"};
  for (const std::string d : {"d1", "d2", "d3", "d4"})
    m.push_back("Fatal  : " + d + " nicht in 1..3150 !");
  for (const std::string b : {"b0", "b1", "b2"})
    m.push_back("Fatal  : " + b + " nicht in 0.1..10000 !");
  for (const std::string re : {"Re1", "Re2"})
    m.push_back("Fatal  : " + re + " nicht in 1..5000 !");
  for (const std::string part : {"1", "2"}) {
    for (const std::string& text : {
             "Fatal  : z" + part + " < 2!",
             "Fatal  : df <=0 ! (" + part + ")",
             "Fehler : kmn < 0 !  (" + part + ")",
             "Fehler : Dm ball !  (" + part + ")",
             "Fehler : Eingr.stör. da" + part + " !",
             "Fehler : db > da  (" + part + ") !",
             "Warnung: Tsn < 2Rs !  (" + part + ")",
             "Warnung: Spitzzahn ! (" + part + ")",
             "Warnung: Unterschnitt ! (" + part + ")",
             "Fehler : Zahnspiel < 0 ! (" + part + ")",
             "Warnung: Zahnspiel < 0.12mn ! (" + part + ")",
             "Messkugeldurchmesser " + part + " !",
             "Messzaehnezahl " + part + " !",
             "Warnung: Asne < Aau !  (" + part + ")",
         }) {
      m.push_back(text);
    }
  }
  const base::NumberFormat nf;
  for (const std::string name : {"Welle", "Nabe"}) {
    for (const long double s : {0.0L, 0.83L}) {
      m.push_back("Fehler : Seq<1 (" + base::FormatFixed(nf, 1, 2, s) + " " + name + ")");
      m.push_back("Fehler : Smax<1 (" + base::FormatFixed(nf, 1, 2, s) + " " + name + ")");
    }
  }
  for (const int q : {0, 3, 13, 15})
    m.push_back("Fehler : tol = " + std::to_string(q) + " !");
  for (int type = 0; type <= 99; ++type) {
    m.push_back("Werkstofftyp " + base::IntZeroPad(type, 2) + " nicht gefunden.");
  }
  return m;
}

bool MatchesAnyMessage(const std::string& line, const std::vector<std::string>& messages) {
  for (const std::string& m : messages) {
    if (IsHelpKey(line, base::CutChars(m, model::kMessageLength))) return true;
  }
  return false;
}

TEST(ShippedHelpFile, ExplainsEveryRecordedMessage) {
  app::Program p;
  p.config.pltDir = kDataDir;
  ASSERT_TRUE(std::filesystem::exists(MessageHelpPath(p))) << MessageHelpPath(p);
  for (const std::string& text : RecordedMessages()) {
    SCOPED_TRACE(text);
    ResetMessages(p.connection.log);
    AddMessage(p.connection.log, text);  // as the calculation records it: cut to 36 characters
    const std::string cause = MessageCause(p, 1);
    EXPECT_NE(cause, kNoDescription);
    EXPECT_GT(cause.size(), 20u);
    EXPECT_GT(MessageRemedy(p, 1).size(), 20u);
  }
}

TEST(ShippedHelpFile, IsTitleLinesThenEntriesOfThreeLines) {
  const std::vector<std::string> messages = RecordedMessages();
  const base::ReadResult read = base::ReadTextFile(std::string(kDataDir) + "/KV40.err");
  ASSERT_TRUE(read.text);
  const std::vector<std::string>& lines = read.text->lines;
  std::size_t n = 0;
  while (n < lines.size() && !MatchesAnyMessage(lines[n], messages))
    ++n;
  EXPECT_GE(n, 1u) << "title lines";
  ASSERT_EQ((lines.size() - n) % 3, 0u) << "entries of three lines after the title";
  for (; n < lines.size(); n += 3) {
    SCOPED_TRACE(lines[n]);
    // Every key serves a message, and no cause or remedy could be taken for a key.
    EXPECT_TRUE(MatchesAnyMessage(lines[n], messages));
    EXPECT_FALSE(MatchesAnyMessage(lines[n + 1], messages));
    EXPECT_FALSE(MatchesAnyMessage(lines[n + 2], messages));
  }
}

TEST(ShippedHelpFile, IsCp437WithCrLfLinesAHistoricReaderTakesWhole) {
  const std::string bytes = test::ReadBytes(std::string(kDataDir) + "/KV40.err");
  ASSERT_FALSE(bytes.empty());
  ASSERT_TRUE(bytes.ends_with("\r\n"));
  std::size_t lineStart = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "line feed without CR at byte " << i;
      EXPECT_LE(i - 1 - lineStart, 255u) << "line at byte " << lineStart;
      lineStart = i + 1;
    } else if (bytes[i] == '\r') {
      EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at byte " << i;
    }
  }
  // Umlauts are single CP437 bytes, not UTF-8 sequences.
  EXPECT_NE(bytes.find("Z\x84hnezahl"), std::string::npos);
  EXPECT_EQ(bytes.find("\xC3"), std::string::npos);
}

}  // namespace
}  // namespace kv40::report
