// The lookups in the shipped tables: DIN 5482 rows into the dimension block (each row checked
// by a calculation), materials with their group factors, the Database menu's browsers and
// the stored print settings.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/text.h"
#include "calc/driver.h"
#include "calc/input_aids.h"
#include "config/config_file.h"
#include "support/scripted_browser.h"
#include "support/temp_dir.h"
#include "support/test_program.h"
#include "tables/dbf_transfer.h"
#include "tables/lookups.h"
#include "tables/table_access.h"

namespace kv40::tables {
namespace {

namespace fs = std::filesystem;

// The shipped tables, as the shipped configuration finds them.
class ShippedTables : public ::testing::Test {
 protected:
  void SetUp() override {
    t_.p.config.dbfDir = config::BundledDataDir();
    t_.p.config.tempDir = temp_.path().string() + "/";
    browser_.promptCount = [this] { return t_.ui.prompts().size(); };
  }
  // Picks the record whose field n holds text.
  void PickWhere(int n, const std::string& text) {
    browser_.action = [n, text](TableSession&, DbfTable& table) {
      for (int rec : table.Order()) {
        if (table.StoredText(rec, n) == text) return table.GoRecord(rec) == DbfError::None;
      }
      ADD_FAILURE() << text << " not in the table";
      return false;
    };
  }

  test::TempDir temp_;
  test::TestProgram t_;
  test::ScriptedBrowser browser_{t_.p};
};

TEST_F(ShippedTables, EveryDin5482RowIsAConsistentExample) {
  ASSERT_TRUE(OpenTable(t_.p, "din5482"));
  EXPECT_EQ(t_.p.tables.file.parent_path(), fs::path(KV40_TABLE_DIR));
  const int count = RecordCount(t_.p);
  ASSERT_GE(count, 10);
  std::vector<int> rows;
  for (int rec = 1; rec <= count; ++rec)
    rows.push_back(rec);
  CloseTable(t_.p);
  for (int rec : rows) {
    test::TestProgram t;
    t.p.config = t_.p.config;
    ASSERT_TRUE(OpenTable(t.p, "din5482"));
    GoRecord(t.p, rec);
    ReadDin5482Record(t.p);
    CloseTable(t.p);
    t.p.connection.TN = 100;  // a load, without which the calculation refuses to run
    t.p.connection.Tmax = 300;
    const model::SpecState& s = t.p.connection;
    SCOPED_TRACE(s.bez5482);
    EXPECT_NE(s.text5482.find("Beispiel"), std::string::npos);
    EXPECT_EQ(calc::ProposeToothCount(s, s.d1, s.d2, s.mn5482), s.z5482);
    calc::RecalcDimensions(t.p.connection, t.p.fmt(), t.p.cancel, rec);
    EXPECT_FALSE(s.log.fatal);
    EXPECT_EQ(s.normRow, rec);
    for (int i = 1; i <= s.log.messageCount; ++i) {
      // Only the load check may speak.
      const std::string& m = s.log.Message(i);
      EXPECT_TRUE(m.find("Seq<1") != std::string::npos || m.find("Smax<1") != std::string::npos)
          << m;
    }
    // Generated without deviation, shaft and hub have exactly the diameters of the row.
    EXPECT_NEAR(s.da0[1], s.d3, 1e-9L);
    EXPECT_NEAR(s.df[1], s.d4, 1e-9L);
    EXPECT_NEAR(-s.da0[2], s.d2, 1e-9L);
    EXPECT_NEAR(-s.df[2], s.d1, 1e-9L);
  }
}

TEST_F(ShippedTables, PickedDin5482RowFillsTheBlock) {
  PickWhere(1, "25x22");
  const int picked = PickDin5482(t_.p, kPickRecord);
  ASSERT_GT(picked, 0);
  EXPECT_FALSE(t_.p.cancel);
  const model::SpecState& s = t_.p.connection;
  EXPECT_EQ(s.bez5482, "25x22");
  EXPECT_EQ(s.d1, 25);
  EXPECT_EQ(s.d2, 22);
  EXPECT_EQ(s.d3, 24.5L);
  EXPECT_EQ(s.d4, 21.5L);
  EXPECT_EQ(s.z5482, 19);
  EXPECT_EQ(s.mn5482, 1.25L);
  EXPECT_EQ(s.xm, -0.125L);
  EXPECT_EQ(s.text5482, "Beispiel, gg. Norm prüfen");
  EXPECT_EQ(browser_.shown[0].view.caption,
            "Abmessungen nach DIN 5482    Zahnwellenverbindung nach DIN 5482 ");
  EXPECT_FALSE(TableOpen(t_.p));

  // The next pick starts on that row; Abbrechen keeps the block.
  browser_.action = [](TableSession&, DbfTable& table) {
    table.GoRecord(1);
    return false;
  };
  EXPECT_EQ(PickDin5482(t_.p, kPickRecord), 0);
  EXPECT_TRUE(t_.p.cancel);
  EXPECT_EQ(browser_.shown[1].record, picked);
  EXPECT_EQ(s.bez5482, "25x22");

  // From the Database menu the table is edited; the block stays.
  t_.p.cancel = false;
  PickWhere(1, "15x12");
  ShowDin5482Table(t_.p);
  EXPECT_FALSE(browser_.shown[2].view.pick);
  EXPECT_EQ(s.bez5482, "25x22");
}

TEST_F(ShippedTables, PickedMaterialBringsTheFactorsOfItsGroup) {
  t_.p.connection.matnr[2] = "1.7225";
  PickWhere(2, "EN-GJS-400-15");
  PickMaterial(t_.p, kPickRecord, 2);
  ASSERT_FALSE(t_.p.cancel);
  const model::SpecState& s = t_.p.connection;
  EXPECT_EQ(s.matnr[2], "0.7040");
  EXPECT_EQ(s.matname[2], "EN-GJS-400-15");
  EXPECT_EQ(s.matText3[2], "gegossen");
  EXPECT_EQ(s.wgroup[2], 45);
  EXPECT_EQ(s.matInt5[2], 400);
  EXPECT_EQ(s.Re[2], 250);
  EXPECT_EQ(s.matNumbers[2][3], 135);
  EXPECT_EQ(s.matNumbers[2][4], 169);
  EXPECT_EQ(s.matTexts[2][2], "A>=15 %, HB 135-180");
  EXPECT_EQ(s.fS[2], 1.5L);
  EXPECT_EQ(s.fH[2], 1.0L);
  // The browser opened on the material number held before, quick-pick.
  ASSERT_EQ(browser_.shown.size(), 1u);
  EXPECT_EQ(browser_.shown[0].view.mode, "CLOSE");
  EXPECT_EQ(browser_.shown[0].view.caption, "Werkstoffdatenbank   Werkstoff Nabe");
  DbfOpen o = DbfTable::Open(KV40_TABLE_DIR "/wkx1base.dbf");
  EXPECT_EQ(o.table->StoredText(browser_.shown[0].record, 2), "42CrMo4");

  // A shaft of case-hardening steel takes the shaft's columns of its group.
  PickWhere(2, "16MnCr5");
  PickMaterial(t_.p, kPickRecord, 1);
  EXPECT_EQ(s.wgroup[1], 30);
  EXPECT_EQ(s.fS[1], 1.2L);
  EXPECT_EQ(s.fH[1], 1.15L);
  EXPECT_TRUE(t_.ui.MessageTexts().empty());
}

TEST_F(ShippedTables, MaterialOfAnUnknownGroupIsReported) {
  // A material table of our own whose only row names group 7.
  const fs::path dbf = temp_ / "dbf";
  fs::create_directory(dbf);
  fs::copy_file(KV40_TABLE_DIR "/kv8wstyp.dbf", dbf / "kv8wstyp.dbf");
  fs::copy_file(KV40_TABLE_DIR "/wkx1base.dbf", dbf / "wkx1base.dbf");
  {
    DbfTable t = std::move(*DbfTable::Open(dbf / "wkx1base.dbf").table);
    t.GoRecord(1);
    t.ReplaceInt("WTYP", 7);
    ASSERT_EQ(t.Post(), DbfError::None);
  }
  t_.p.config.dbfDir = dbf.string() + "/";
  const Extended fS = t_.p.connection.fS[1];
  browser_.action = [](TableSession&, DbfTable& table) {
    return table.GoRecord(1) == DbfError::None;
  };
  PickMaterial(t_.p, kPickRecord, 1);
  EXPECT_EQ(t_.p.connection.wgroup[1], 7);
  EXPECT_EQ(t_.p.connection.fS[1], fS);
  EXPECT_EQ(t_.ui.MessageTexts(), (std::vector<std::string>{"Werkstofftyp 07 nicht gefunden."}));
  EXPECT_EQ(t_.p.connection.log.Message(t_.p.connection.log.messageCount),
            "Werkstofftyp 07 nicht gefunden.");
}

TEST_F(ShippedTables, MaterialTableKeepsEverySourceRowItsGroupAndItsStandard) {
  // The rows of the project's reference list, in order, with the standard of each.
  std::ifstream in(KV40_TEST_DATA_DIR "/materials.csv");
  struct Row {
    std::string number;
    std::string standard;  // the material standard, before any "; values: ..."
    bool referenceValues;  // the values are DIN 743-3 table A.1's
  };
  std::vector<Row> reference;
  std::string line;
  std::getline(in, line);
  while (std::getline(in, line)) {
    const auto values = SplitDelimited(line);
    ASSERT_TRUE(values.has_value()) << line;
    const std::string& standard = (*values)[7];
    reference.push_back({(*values)[0], standard.substr(0, standard.find(';')),
                         standard.find("DIN 743-3") != std::string::npos});
  }
  DbfTable materials = std::move(*DbfTable::Open(KV40_TABLE_DIR "/wkx1base.dbf").table);
  DbfTable groups = std::move(*DbfTable::Open(KV40_TABLE_DIR "/kv8wstyp.dbf").table);
  ASSERT_EQ(groups.CreateIndex("WTYP", ""), DbfError::None);
  ASSERT_EQ(materials.RecordCount(), static_cast<int>(reference.size()));
  for (int rec = 1; rec <= materials.RecordCount(); ++rec) {
    SCOPED_TRACE(materials.StoredText(rec, 2));
    const Row& row = reference[static_cast<std::size_t>(rec - 1)];
    EXPECT_EQ(materials.StoredText(rec, 1), row.number);
    // the source names the standard, not a web page or a file; nothing unchecked ships
    const std::string source = materials.StoredText(rec, 12);
    EXPECT_TRUE(source.starts_with(row.standard.substr(0, row.standard.find(" (")))) << source;
    EXPECT_EQ(source.find("DIN 743-3 Tab. A.1") != std::string::npos, row.referenceValues);
    for (int field : {12, 13}) {
      const std::string text = base::UpperCase(materials.StoredText(rec, field));
      for (const char* word : {"UNVERIFIED", "HTTP", ".COM", ".PY", "SCRIBD"})
        EXPECT_EQ(text.find(word), std::string::npos) << text;
    }
    EXPECT_TRUE(groups.FindKey(materials.StoredText(rec, 4)));
    EXPECT_GT(base::ParseNumber(materials.StoredText(rec, 6)), 0);
  }
}

TEST_F(ShippedTables, DatabaseMenuBrowsesTheMaterialTables) {
  ShowMaterialTable(t_.p, kEditTable);
  ShowMaterialTypes(t_.p, kEditTable);
  ASSERT_EQ(browser_.shown.size(), 2u);
  EXPECT_EQ(browser_.shown[0].view.caption,
            "Werkstoffdatenbank    (" + std::string(KV40_TABLE_DIR) + "/wkx1base.dbf)");
  EXPECT_EQ(browser_.shown[1].view.caption,
            "Werkstoffgruppen mit fH und fS    (" + std::string(KV40_TABLE_DIR) + "/kv8wstyp.dbf)");
  EXPECT_EQ(t_.p.connection.log.messageCount, 0);

  t_.p.config.dbfDir = temp_.path().string() + "/";  // a folder without the tables
  ShowMaterialTypes(t_.p, kEditTable);
  EXPECT_TRUE(t_.p.cancel);
  EXPECT_EQ(t_.p.connection.log.Message(t_.p.connection.log.messageCount),
            "Fatal  : DIN 6885 Datenbank");
}

TEST_F(ShippedTables, PrintSettingsArePickedAndStored) {
  PickWhere(1, "A4 quer angepasst");
  const std::optional<PrintSetting> s = PickPrintSetting(t_.p);
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->xscale, "1.000");
  EXPECT_EQ(s->xorigin, "0");
  EXPECT_TRUE(s->landscape);
  EXPECT_FALSE(s->monochrom);
  EXPECT_TRUE(s->variable);
  EXPECT_TRUE(s->borderline);
  EXPECT_EQ(t_.p.helpContext, 1040);

  // Storing goes into printout.dbf of the start folder when there is one.
  t_.p.startDir = temp_.path().string() + "/";
  fs::copy_file(KV40_TABLE_DIR "/printout.dbf", temp_ / "printout.dbf");
  PrintSetting mine{"", "1,5", "2", "10", "-5", true, true, false, false};
  t_.ui.AnswerText("Mein Plotter");
  StorePrintSetting(t_.p, mine);
  EXPECT_FALSE(t_.p.cancel);
  browser_.action = [](TableSession&, DbfTable& table) { return table.Go(Move::Last); };
  const std::optional<PrintSetting> back = PickPrintSetting(t_.p);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->name, "Mein Plotter");
  EXPECT_EQ(back->xscale, "1.500");
  EXPECT_EQ(back->yorigin, "-5");
  EXPECT_TRUE(back->landscape && back->monochrom && !back->variable && !back->borderline);
  EXPECT_EQ(DbfTable::Open(temp_ / "printout.dbf").table->RecordCount(), 4);
  EXPECT_EQ(DbfTable::Open(KV40_TABLE_DIR "/printout.dbf").table->RecordCount(), 3);
}

}  // namespace
}  // namespace kv40::tables
