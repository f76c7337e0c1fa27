// The table access layer: opening (missing, read-only, write-protected folder), records,
// the index with its "." to "," retry, browsing, and the errors it reports.
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/scripted_browser.h"
#include "support/temp_dir.h"
#include "support/test_program.h"
#include "tables/table_access.h"
#include "tables/table_session.h"

namespace kv40::tables {
namespace {

namespace fs = std::filesystem;

// A table "teile.dbf" of material numbers (text) and values (number) in folder.
void MakeParts(const fs::path& folder,
               const std::vector<std::pair<std::string, std::string>>& rows) {
  const fs::path path = folder / "teile.dbf";
  ASSERT_EQ(
      DbfTable::Create(path, {{"NR", 'C', 9, 0, 0}, {"WERT", 'N', 6, 2, 0}, {"OK", 'L', 1, 0, 0}},
                       {2026, 1, 1}),
      DbfError::None);
  DbfOpen o = DbfTable::Open(path);
  ASSERT_TRUE(o.table);
  for (const auto& [nr, value] : rows) {
    ASSERT_EQ(o.table->AppendBlank(), DbfError::None);
    ASSERT_EQ(o.table->SetFieldText(1, nr), DbfError::None);
    ASSERT_EQ(o.table->SetFieldText(2, value), DbfError::None);
    ASSERT_EQ(o.table->SetFieldText(3, "T"), DbfError::None);
    ASSERT_EQ(o.table->Post(), DbfError::None);
  }
}

class AccessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(dbf_);
    fs::create_directory(temp_);
    t_.p.config.dbfDir = dbf_.string() + "/";
    t_.p.config.tempDir = temp_.string() + "/";
    browser_.promptCount = [this] { return t_.ui.prompts().size(); };
    MakeParts(dbf_, {{"1.0503", "490"}, {"1,7131", "695"}, {"0.6020", "200"}});
  }

  test::TempDir dir_;
  fs::path dbf_ = dir_ / "dbf";
  fs::path temp_ = dir_ / "temp";
  test::TestProgram t_;
  test::ScriptedBrowser browser_{t_.p};
};

TEST_F(AccessTest, MissingTableIsReportedAndCancels) {
  EXPECT_FALSE(OpenTable(t_.p, "fehlt"));
  EXPECT_TRUE(t_.p.cancel);
  EXPECT_EQ(t_.ui.MessageTexts(),
            (std::vector<std::string>{"Datei " + (dbf_ / "fehlt.dbf").string() +
                                      " nicht gefunden oder kein Zugriffsrecht !"}));
  EXPECT_FALSE(TableOpen(t_.p));
}

TEST_F(AccessTest, DamagedTableGivesDbfError) {
  test::WriteBytes(dbf_ / "kaputt.dbf", std::string("\x03\x7e\x01\x01", 4));
  EXPECT_FALSE(OpenTable(t_.p, "kaputt"));
  EXPECT_TRUE(t_.p.cancel);
  ASSERT_EQ(t_.ui.prompts().size(), 1u);
  EXPECT_EQ(t_.ui.prompts()[0].caption, "Fehler : ");
  EXPECT_EQ(t_.ui.prompts()[0].text, "DBF Error 5");
}

TEST_F(AccessTest, RecordsAreReadByPositionAndWrittenByName) {
  ASSERT_TRUE(OpenTable(t_.p, "teile"));
  EXPECT_EQ(t_.p.tables.file, dbf_ / "teile.dbf");
  EXPECT_EQ(RecordCount(t_.p), 3);
  GoRecord(t_.p, 9);
  EXPECT_EQ(RecordNumber(t_.p), 3);
  EXPECT_EQ(t_.p.connection.log.messageCount, 1);
  EXPECT_EQ(t_.p.connection.log.Message(1), "DBF #9 not found.");
  GoRecord(t_.p, -2);
  EXPECT_EQ(RecordNumber(t_.p), 1);
  EXPECT_EQ(FieldText(t_.p, 1), "1.0503");
  EXPECT_EQ(FieldText(t_.p, 2), "490.00");
  EXPECT_EQ(FieldText(t_.p, 14), "");  // a field the table does not have
  EXPECT_EQ(FieldName(t_.p, 2), "WERT");
  EXPECT_TRUE(FieldByName(t_.p, "ok"));

  WriteRealField(t_.p, "wert", 500.5L);
  WriteLogicalField(t_.p, "OK", false);
  Post(t_.p);
  EXPECT_FALSE(t_.p.cancel);
  WriteIntField(t_.p, "WERT", 1234567);  // six places only
  EXPECT_TRUE(t_.p.cancel);
  EXPECT_EQ(t_.ui.MessageTexts().back(), "DBF Error 8");
  CloseTable(t_.p);

  ASSERT_TRUE(OpenTable(t_.p, "teile"));
  EXPECT_EQ(FieldText(t_.p, 2), "500.50");
  EXPECT_FALSE(FieldByName(t_.p, "OK"));
}

TEST_F(AccessTest, KeyWithPointIsFoundWhereTheTableHasAComma) {
  ASSERT_TRUE(OpenTable(t_.p, "teile"));
  MakeIndex(t_.p, "NR", "teile");
  ASSERT_FALSE(t_.p.cancel);
  EXPECT_TRUE(fs::exists(temp_ / "teile.ndx"));
  struct Case {
    const char* key;
    int record;  // 0: not found
  };
  const Case cases[] = {{"1.0503", 1}, {"1.7131", 2}, {"1,7131", 2}, {"0.6020", 3}, {"1.7132", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    GoRecord(t_.p, 1);
    EXPECT_EQ(FindKey(t_.p, c.key), c.record != 0);
    EXPECT_EQ(Found(t_.p), c.record != 0);
    EXPECT_EQ(RecordNumber(t_.p), c.record != 0 ? c.record : 1);
  }
}

TEST_F(AccessTest, IndexThatDoesNotFitIsMadeAgain) {
  ASSERT_TRUE(OpenTable(t_.p, "teile"));
  MakeIndex(t_.p, "NR", "teile");
  AppendRecord(t_.p);  // keeps the index file up to date
  WriteTextField(t_.p, "NR", "9.9999");
  Post(t_.p);
  CloseTable(t_.p);
  ASSERT_TRUE(OpenTable(t_.p, "teile"));
  MakeIndex(t_.p, "NR", "teile");
  EXPECT_TRUE(FindKey(t_.p, "9.9999"));

  // A damaged index file and one on another field are both replaced.
  for (const char* field : {"NR", "WERT"}) {
    SCOPED_TRACE(field);
    test::WriteBytes(temp_ / "teile.ndx", std::string(600, '\x7f'));
    if (std::string(field) == "WERT") MakeIndex(t_.p, "NR", "teile");
    MakeIndex(t_.p, field, "teile");
    EXPECT_FALSE(t_.p.cancel);
    EXPECT_EQ(t_.p.tables.table->IndexField(), t_.p.tables.table->FieldNumber(field));
  }
  // No temporary folder: the index cannot be made.
  fs::remove_all(temp_);
  MakeIndex(t_.p, "NR", "teile");
  EXPECT_TRUE(t_.p.cancel);
  EXPECT_EQ(t_.ui.MessageTexts(), (std::vector<std::string>{"DBF Error 6"}));
}

TEST_F(AccessTest, BrowsePicksOrEdits) {
  ASSERT_TRUE(OpenTable(t_.p, "teile"));
  SetBrowserTitles(t_.p, "Titel eins", "Titel zwei");
  GoRecord(t_.p, 2);
  t_.p.tables.table->SetDeleted(true);
  Post(t_.p);
  browser_.action = [](TableSession&, DbfTable& table) {
    EXPECT_EQ(table.Order(), (std::vector<int>{1, 3}));  // deleted ones hidden for picking
    table.Go(Move::Last);
    return true;
  };
  EXPECT_TRUE(Browse(t_.p, "CLOSE", 1));
  ASSERT_EQ(browser_.shown.size(), 1u);
  EXPECT_EQ(browser_.shown[0].view.caption, "Titel zwei   Titel eins");
  EXPECT_EQ(browser_.shown[0].view.mode, "CLOSE");
  EXPECT_TRUE(browser_.shown[0].view.pick);
  EXPECT_EQ(browser_.shown[0].record, 1);  // not on the hidden record
  EXPECT_EQ(RecordNumber(t_.p), 3);

  browser_.action = [](TableSession&, DbfTable& table) {
    EXPECT_EQ(table.Order(), (std::vector<int>{1, 2, 3}));
    return false;  // Abbrechen
  };
  EXPECT_FALSE(Browse(t_.p, "", 0));
  EXPECT_TRUE(t_.p.cancel);
  EXPECT_EQ(browser_.shown[1].view.caption,
            "Titel zwei  Titel eins  (" + (dbf_ / "teile.dbf").string() + ")");
  EXPECT_FALSE(browser_.shown[1].view.pick);
  EXPECT_TRUE(t_.ui.MessageTexts().empty());
}

TEST_F(AccessTest, ReadOnlyTableIsEditedAsACopyInTheTemporaryFolder) {
  fs::permissions(dbf_ / "teile.dbf",
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  SetBrowserTitles(t_.p, "", "Teile");
  ASSERT_TRUE(OpenTable(t_.p, "teile"));
  EXPECT_EQ(t_.p.tables.file, temp_ / "teile.dbf");
  browser_.action = [](TableSession&, DbfTable& table) {
    table.SetFieldText(1, "kopie");
    return true;
  };
  ASSERT_TRUE(Browse(t_.p, "", 0));
  EXPECT_EQ(browser_.shown[0].prompts, 1u);  // the message came before the browser
  EXPECT_EQ(t_.ui.MessageTexts(),
            (std::vector<std::string>{
                "Kein Schreibrecht für dbf-Ordner !  Bearbeitung im Temporär-Ordner."}));
  EXPECT_EQ(DbfTable::Open(temp_ / "teile.dbf").table->StoredText(1, 1), "kopie");
  EXPECT_EQ(DbfTable::Open(dbf_ / "teile.dbf").table->StoredText(1, 1), "1.0503");
}

// Runs body in a child process as an ordinary user ("nobody" when we are root, so that
// folder permissions hold for it); returns the text body produced.
std::string AsOrdinaryUser(const std::function<std::string()>& body) {
  int fds[2];
  if (pipe(fds) != 0) return "pipe failed";
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
    const std::string out = body();
    const bool ok = write(fds[1], out.data(), out.size()) == static_cast<ssize_t>(out.size());
    _exit(ok ? 0 : 3);
  }
  close(fds[1]);
  std::string out;
  char buf[4096];
  for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;)
    out.append(buf, static_cast<std::size_t>(n));
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) out += "child failed";
  return out;
}

TEST(WriteProtectedFolder, EditBrowserOpensOnTheTemporaryCopyAfterItsMessage) {
  test::TempDir dir;
  const fs::path dbf = dir / "dbf", temp = dir / "temp";
  fs::create_directory(dbf);
  fs::create_directory(temp);
  MakeParts(dbf, {{"1.0503", "490"}});
  fs::permissions(dir.path(), fs::perms::all & ~fs::perms::group_write & ~fs::perms::others_write);
  fs::permissions(temp, fs::perms::all);
  fs::permissions(dbf, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                           fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);

  const std::string result = AsOrdinaryUser([&] {
    test::TestProgram t;
    t.p.config.dbfDir = dbf.string() + "/";
    t.p.config.tempDir = temp.string() + "/";
    test::ScriptedBrowser browser(t.p);
    browser.promptCount = [&] { return t.ui.prompts().size(); };
    browser.action = [](TableSession&, DbfTable& table) {
      table.SetFieldText(1, "neu");
      return true;
    };
    std::string out;
    if (!OpenTable(t.p, "teile") || !Browse(t.p, "", 0)) out += "failed; ";
    for (const std::string& m : t.ui.MessageTexts())
      out += "message: " + m + "; ";
    out += "shown after " + std::to_string(browser.shown.at(0).prompts) + " prompt; ";
    out += "file: " + browser.shown.at(0).file + "; ";
    out += "copy: " + DbfTable::Open(temp / "teile.dbf").table->StoredText(1, 1) + "; ";
    out += "table: " + DbfTable::Open(dbf / "teile.dbf").table->StoredText(1, 1);
    return out;
  });
  EXPECT_EQ(result,
            "message: Kein Schreibrecht für dbf-Ordner !  Bearbeitung im Temporär-Ordner.; "
            "shown after 1 prompt; file: " +
                (temp / "teile.dbf").string() + "; copy: neu; table: 1.0503");
  EXPECT_FALSE(fs::exists(dbf / "TEST.$$$"));
}

}  // namespace
}  // namespace kv40::tables
