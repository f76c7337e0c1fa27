// The browser's commands on the open table: search, sorting by a column, append and pack,
// the transfers with their file choosers, the HTML export and the help items.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "report/writer_state.h"
#include "support/temp_dir.h"
#include "support/test_program.h"
#include "tables/browser_commands.h"
#include "tables/table_access.h"
#include "tables/table_session.h"

namespace kv40::tables {
namespace {

namespace fs = std::filesystem;

class CommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t_.p.config.dbfDir = dir_.path().string() + "/";
    t_.p.config.tempDir = dir_.path().string() + "/";
    ASSERT_EQ(DbfTable::Create(dir_ / "w.dbf", {{"NAME", 'C', 12, 0, 0}, {"RE", 'N', 5, 0, 0}},
                               {2026, 1, 1}),
              DbfError::None);
    DbfTable t = std::move(*DbfTable::Open(dir_ / "w.dbf").table);
    for (const auto& [name, re] : std::vector<std::pair<std::string, std::string>>{
             {"Welle <A>", "900"}, {"Nabe & Co", "230"}, {"Welle B", "355"}, {"Ring", "490"}}) {
      t.AppendBlank();
      t.SetFieldText(1, name);
      t.SetFieldText(2, re);
      t.Post();
    }
    ASSERT_TRUE(OpenTable(t_.p, "w"));
  }
  DbfTable& Table() { return *t_.p.tables.table; }
  std::vector<std::string> Names() {
    std::vector<std::string> out;
    for (int rec : Table().Order())
      out.push_back(Table().StoredText(rec, 1));
    return out;
  }

  test::TempDir dir_;
  test::TestProgram t_;
};

TEST_F(CommandsTest, SearchAsksOnceAndSearchNextGoesOn) {
  t_.ui.AnswerText("welle");
  ASSERT_TRUE(SearchTable(t_.p));
  EXPECT_EQ(RecordNumber(t_.p), 1);
  ASSERT_TRUE(SearchTableNext(t_.p));
  EXPECT_EQ(RecordNumber(t_.p), 3);
  EXPECT_FALSE(SearchTableNext(t_.p));
  EXPECT_EQ(RecordNumber(t_.p), 3);
  EXPECT_EQ(t_.ui.MessageTexts(), (std::vector<std::string>{"welle nicht gefunden"}));

  t_.ui.ClearPrompts();
  t_.ui.AnswerText("Stahl");
  EXPECT_FALSE(SearchTable(t_.p));
  ASSERT_EQ(t_.ui.Of(test::PromptKind::EnterText).size(), 1u);
  const test::Prompt ask = t_.ui.Of(test::PromptKind::EnterText)[0];
  EXPECT_EQ(ask.text, "Suchbegriff eingeben");
  EXPECT_EQ(ask.preset, "welle");  // the last term
  EXPECT_EQ(ask.maxLength, 50);
  EXPECT_EQ(t_.ui.MessageTexts(), (std::vector<std::string>{"Stahl nicht gefunden"}));
  EXPECT_EQ(RecordNumber(t_.p), 3);

  t_.ui.Cancel(test::PromptKind::EnterText);
  EXPECT_FALSE(SearchTable(t_.p));
  EXPECT_EQ(t_.p.tables.searchTerm, "Stahl");
}

TEST_F(CommandsTest, ColumnSortKeepsTheCurrentRecord) {
  GoRecord(t_.p, 3);
  SortByField(t_.p, 2);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Nabe & Co", "Welle B", "Ring", "Welle <A>"}));
  EXPECT_EQ(RecordNumber(t_.p), 3);
  EXPECT_TRUE(fs::exists(dir_ / "$qentemp.ndx"));
  SortByField(t_.p, 1);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Nabe & Co", "Ring", "Welle <A>", "Welle B"}));
  EXPECT_EQ(RecordNumber(t_.p), 3);
  ASSERT_TRUE(Table().Go(Move::Prior));
  EXPECT_EQ(RecordNumber(t_.p), 1);
}

TEST_F(CommandsTest, AppendAndPack) {
  AppendBlankRecord(t_.p);
  EXPECT_EQ(RecordCount(t_.p), 5);
  EXPECT_EQ(RecordNumber(t_.p), 5);
  GoRecord(t_.p, 2);
  Table().SetDeleted(true);
  PackTable(t_.p);
  EXPECT_FALSE(t_.p.cancel);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Welle <A>", "Welle B", "Ring", ""}));
  EXPECT_EQ(DbfTable::Open(dir_ / "w.dbf").table->RecordCount(), 4);
}

TEST_F(CommandsTest, TransfersAskForTheirFiles) {
  t_.ui.AnswerSaveFile((dir_ / "w.txt").string());
  SaveAsDelimited(t_.p);
  EXPECT_EQ(test::ReadBytes(dir_ / "w.txt").substr(0, 19), "\"Welle <A>\",900\r\n\"N");
  t_.ui.AnswerOpenFile((dir_ / "w.txt").string());
  AppendDelimitedFile(t_.p);
  EXPECT_EQ(RecordCount(t_.p), 8);
  t_.ui.AnswerOpenFile((dir_ / "w.dbf").string());
  AppendDbfFile(t_.p);  // its own file, as it was on disk before this append
  EXPECT_EQ(RecordCount(t_.p), 16);
  t_.ui.AnswerOpenFile(std::nullopt);
  AppendDbfFile(t_.p);
  EXPECT_EQ(RecordCount(t_.p), 16);
  EXPECT_FALSE(t_.p.cancel);

  test::WriteBytes(dir_ / "bad.txt", "\"x\",1\r\n\"y\",zwei\r\n");
  t_.ui.AnswerOpenFile((dir_ / "bad.txt").string());
  AppendDelimitedFile(t_.p);
  EXPECT_TRUE(t_.p.cancel);
  EXPECT_EQ(t_.ui.MessageTexts(), (std::vector<std::string>{"DBF Error 9 (Zeile 2)"}));
  EXPECT_EQ(RecordCount(t_.p), 16);
  const auto choosers = t_.ui.Of(test::PromptKind::OpenFile);
  EXPECT_EQ(choosers[0].text, "*.txt");
  EXPECT_EQ(choosers[1].text, "*.dbf");
}

TEST_F(CommandsTest, HtmlExportListsTheShownRecords) {
  GoRecord(t_.p, 4);
  Table().SetDeleted(true);
  Post(t_.p);
  Table().SetShowDeleted(false);
  const std::string file = (dir_ / "w.htm").string();
  t_.ui.AnswerSaveFile((dir_ / "w").string());
  ExportHtml(t_.p);
  const auto save = t_.ui.Of(test::PromptKind::SaveFile);
  ASSERT_EQ(save.size(), 1u);
  EXPECT_EQ(save[0].preset, (dir_ / "w.htm").string());  // proposed from the table's name
  std::string upper = file;
  for (char& c : upper)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ(test::ReadBytes(file),
            "<HTML>\n"
            "<head><meta charset=\"utf-8\"><title>w.htm</title></head>\n"
            "<BODY BGCOLOR=\"C0C0C0\">\n"
            "<P>KV40V1.3</P>\n"
            "<P>" +
                upper +
                "</P>\n"
                "<P>10.12.2026 - 10:30</P>\n"
                "<HR>\n"
                "<TABLE BORDER = \"1\" WIDTH= \"100%\">\n"
                "<TR><TD><CENTER>NAME</CENTER></TD><TD><CENTER>RE</CENTER></TD></TR>\n"
                "<TR><TD>Welle &lt;A&gt;</TD><TD>900</TD></TR>\n"
                "<TR><TD>Nabe &amp; Co</TD><TD>230</TD></TR>\n"
                "<TR><TD>Welle B</TD><TD>355</TD></TR>\n"
                "</TABLE>\n"
                "</BODY>\n"
                "</HTML>\n");
}

TEST_F(CommandsTest, PrintGoesThroughTheReportWriterInEachStyle) {
  // the shipped material table: thirteen fields, of which the first seven are printed
  ASSERT_TRUE(OpenTableFile(t_.p, fs::path(KV40_TABLE_DIR) / "wkx1base.dbf"));
  SetBrowserTitles(t_.p, "Werkstoff Welle", "Werkstoffdatenbank");
  t_.p.config.htmlBrowser = "true";
  struct Case {
    const char* name;
    report::Device device;
    const char* file;  // what the device leaves in the temporary folder
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"framed text",
       report::Device::Screen,
       "outwin.txt",
       {"       WNR       NAME               ZUSTAND   WTYP RM    RE    RMMAX ",
        "       1.0503    C45                +QT       20   700   490   850   "}},
      {"HTML",
       report::Device::Html,
       "KV40.htm",
       {"<TABLE BORDER = \"1\" WIDTH= \"100%\">",
        "<TR><TD><CENTER>WNR</CENTER></TD><TD><CENTER>NAME</CENTER></TD><TD><CENTER>ZUSTAND"
        "</CENTER></TD><TD><CENTER>WTYP</CENTER></TD><TD><CENTER>RM</CENTER></TD><TD><CENTER>"
        "RE</CENTER></TD><TD><CENTER>RMMAX</CENTER></TD></TR>",
        "<TR><TD>1.0503</TD><TD>C45</TD><TD>+QT</TD><TD>20</TD><TD>700</TD><TD>490</TD>"
        "<TD>850</TD></TR>"}},
      {"tab-separated",
       report::Device::Export,
       "$$1.txt",
       {"WNR\tNAME\tZUSTAND\tWTYP\tRM\tRE\tRMMAX", "1.0503\tC45\t+QT\t20\t700\t490\t850"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    t_.p.config.textDevice = report::DeviceNumber(c.device);
    PrintTable(t_.p, "Werkstoffdatenbank   Werkstoff Welle");
    ASSERT_FALSE(t_.p.cancel);
    const std::string out = test::ReadBytes(dir_ / c.file);
    for (const std::string& line : c.lines)
      EXPECT_NE(out.find(line + "\n"), std::string::npos) << line << "\n" << out;
    if (c.device != report::Device::Export) {  // the header: table file, caption, title1
      for (const char* header : {"wkx1base.dbf", "Werkstoffdatenbank   Werkstoff Welle"})
        EXPECT_NE(out.find(header), std::string::npos) << header;
    }
    EXPECT_EQ(out.find("BEMERKUNG"), std::string::npos);  // field 13 is not printed
  }
}

TEST_F(CommandsTest, FileHelpShowsTheTableFile) {
  t_.p.cancel = true;
  ShowBrowserHelp(t_.p, BrowserHelp::File);
  EXPECT_FALSE(t_.p.cancel);
  EXPECT_EQ(t_.ui.MessageTexts(), (std::vector<std::string>{(dir_ / "w.dbf").string()}));
}

}  // namespace
}  // namespace kv40::tables
