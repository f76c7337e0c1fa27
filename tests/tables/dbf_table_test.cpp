// The dBase engine: tables written and read back, edits, deleted records, packing,
// indexes, search, and damaged files.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/clock.h"
#include "support/temp_dir.h"
#include "tables/dbf_table.h"

namespace kv40::tables {
namespace {

namespace fs = std::filesystem;
const base::FixedClock kClock({2026, 12, 10, 10, 30, 0});

std::vector<DbfField> PartFields() {
  return {{"NAME", 'C', 12, 0, 0},
          {"D1", 'N', 8, 3, 0},
          {"Z", 'N', 3, 0, 0},
          {"OK", 'L', 1, 0, 0},
          {"SINCE", 'D', 8, 0, 0}};
}

class TableTest : public ::testing::Test {
 protected:
  // A table of parts, each row name, d1, z; reopened from the file.
  DbfTable& Make(const std::vector<std::vector<std::string>>& rows) {
    EXPECT_EQ(DbfTable::Create(path_, PartFields(), {2001, 2, 3}), DbfError::None);
    Reopen();
    for (const auto& row : rows) {
      EXPECT_EQ(t().AppendBlank(), DbfError::None);
      for (std::size_t i = 0; i < row.size(); ++i)
        EXPECT_EQ(t().SetFieldText(static_cast<int>(i) + 1, row[i]), DbfError::None) << row[i];
      EXPECT_EQ(t().Post(), DbfError::None);
    }
    return Reopen();
  }
  DbfTable& Reopen() {
    DbfOpen o = DbfTable::Open(path_, &kClock);
    EXPECT_EQ(o.error, DbfError::None);
    open_ = std::move(o.table);
    return t();
  }
  DbfTable& t() { return *open_; }
  std::vector<std::string> Column(int n) {
    std::vector<std::string> out;
    for (int rec : t().Order())
      out.push_back(t().StoredText(rec, n));
    return out;
  }

  test::TempDir dir_;
  fs::path path_ = dir_ / "parts.dbf";
  std::optional<DbfTable> open_;
};

TEST_F(TableTest, ValuesSurviveWriteAndReopen) {
  Make({{"Müller & Söhne", "25.5", "19", "T", "20240102"}, {"", "-0,125", "", "", ""}});
  ASSERT_EQ(t().RecordCount(), 2);
  EXPECT_EQ(t().FieldCount(), 5);
  EXPECT_EQ(t().Field(2).name, "D1");
  EXPECT_EQ(t().FieldNumber("since"), 5);
  EXPECT_EQ(t().FieldText(1), "Müller & Söh");  // cut to the field's 12 characters
  EXPECT_EQ(t().FieldText(2), "25.500");
  EXPECT_EQ(t().FieldText(3), "19");
  EXPECT_TRUE(t().FieldTrue("ok"));
  EXPECT_EQ(t().FieldText(5), "20240102");
  ASSERT_TRUE(t().Go(Move::Next));
  EXPECT_EQ(t().FieldText(2), "-0.125");
  EXPECT_EQ(t().FieldText(3), "");
  EXPECT_EQ(t().FieldText(4), "");

  // Header: change date from the clock, record count, code page mark, end mark.
  const std::string bytes = test::ReadBytes(path_);
  EXPECT_EQ(bytes[0], '\x03');
  EXPECT_EQ(std::string(bytes.substr(1, 7)), std::string("\x7e\x0c\x0a\x02\x00\x00\x00", 7));
  EXPECT_EQ(bytes[29], '\x01');
  EXPECT_EQ(bytes.back(), '\x1A');
  EXPECT_EQ(bytes.size(), 32u + 5 * 32 + 1 + 2 * 33 + 1);
  EXPECT_NE(bytes.find("M\x81ller & S\x94"), std::string::npos);  // CP437 on disk
}

TEST_F(TableTest, ReplaceByNameChecksTypeAndWidth) {
  Make({{"a", "1", "1"}});
  struct Case {
    const char* name;
    DbfError (*write)(DbfTable&);
    DbfError error;
  };
  const Case cases[] = {
      {"number too wide", [](DbfTable& t) { return t.ReplaceReal("D1", 123456.0L); },
       DbfError::ValueTooLarge},
      {"integer too wide", [](DbfTable& t) { return t.ReplaceInt("Z", 1000); },
       DbfError::ValueTooLarge},
      {"text into number", [](DbfTable& t) { return t.ReplaceText("Z", "zehn"); },
       DbfError::BadValue},
      {"bad date", [](DbfTable& t) { return t.ReplaceText("SINCE", "20230229"); },
       DbfError::BadValue},
      {"logical into number", [](DbfTable& t) { return t.ReplaceLogical("D1", true); },
       DbfError::TypeMismatch},
      {"unknown field", [](DbfTable& t) { return t.ReplaceInt("X", 1); }, DbfError::NoSuchField},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.write(t()), c.error);
    EXPECT_FALSE(t().Modified());
  }
  EXPECT_EQ(t().ReplaceReal("d1", 1234.5678L), DbfError::None);
  EXPECT_EQ(t().ReplaceInt("Z", -99), DbfError::None);
  EXPECT_EQ(t().ReplaceLogical("OK", false), DbfError::None);
  EXPECT_EQ(t().Post(), DbfError::None);
  Reopen();
  EXPECT_EQ(t().FieldText(2), "1234.568");
  EXPECT_EQ(t().FieldText(3), "-99");
  EXPECT_EQ(t().FieldText(4), "F");
}

TEST_F(TableTest, DeletedRecordsAreHiddenOnRequestAndPackRemovesThem) {
  Make({{"a"}, {"b"}, {"c"}, {"d"}});
  for (int rec : {1, 3}) {
    ASSERT_EQ(t().GoRecord(rec), DbfError::None);
    ASSERT_EQ(t().SetDeleted(true), DbfError::None);
    ASSERT_EQ(t().Post(), DbfError::None);
  }
  Reopen();
  EXPECT_EQ(Column(1), (std::vector<std::string>{"a", "b", "c", "d"}));
  t().SetShowDeleted(false);
  EXPECT_EQ(Column(1), (std::vector<std::string>{"b", "d"}));
  ASSERT_TRUE(t().Go(Move::First));
  EXPECT_EQ(t().RecordNumber(), 2);
  ASSERT_TRUE(t().Go(Move::Next));
  EXPECT_EQ(t().RecordNumber(), 4);
  EXPECT_FALSE(t().Go(Move::Next));
  EXPECT_EQ(t().RecordNumber(), 4);

  ASSERT_EQ(t().Pack(), DbfError::None);
  EXPECT_EQ(t().RecordCount(), 2);
  Reopen();
  EXPECT_EQ(t().RecordCount(), 2);
  EXPECT_EQ(Column(1), (std::vector<std::string>{"b", "d"}));
  EXPECT_EQ(test::ReadBytes(path_).size(), 32u + 5 * 32 + 1 + 2 * 33 + 1);
}

TEST_F(TableTest, FailedWritesLeaveTableAndFileAsTheyWere) {
  Make({{"a", "1"}});
  const std::string before = test::ReadBytes(path_);
  const fs::path moved = dir_ / "elsewhere.dbf";
  fs::rename(path_, moved);
  fs::create_directory(path_);  // the file cannot be opened for writing now

  ASSERT_EQ(t().SetFieldText(1, "b"), DbfError::None);
  EXPECT_EQ(t().Post(), DbfError::WriteFailed);
  EXPECT_EQ(t().StoredText(1, 1), "a");
  EXPECT_EQ(t().AppendBlank(), DbfError::WriteFailed);
  t().CancelEdit();
  EXPECT_EQ(t().AppendBlank(), DbfError::WriteFailed);
  EXPECT_EQ(t().RecordCount(), 1);
  EXPECT_EQ(t().SetDeleted(true), DbfError::None);
  EXPECT_EQ(t().Pack(), DbfError::WriteFailed);
  EXPECT_EQ(t().RecordCount(), 1);
  EXPECT_EQ(test::ReadBytes(moved), before);
}

TEST_F(TableTest, IndexOrdersFindsAndFollowsChanges) {
  Make({{"C", "30"}, {"A", "4.5"}, {"B", "100"}, {"A", "12"}});
  const fs::path ndx = dir_ / "parts.ndx";
  ASSERT_EQ(t().CreateIndex("D1", ndx), DbfError::None);
  EXPECT_EQ(Column(2), (std::vector<std::string>{"4.500", "12.000", "30.000", "100.000"}));
  ASSERT_EQ(t().CreateIndex("name", ndx), DbfError::None);
  EXPECT_EQ(Column(1), (std::vector<std::string>{"A", "A", "B", "C"}));

  EXPECT_TRUE(t().FindKey("B"));
  EXPECT_EQ(t().RecordNumber(), 3);
  EXPECT_TRUE(t().FindKey("A"));
  EXPECT_EQ(t().RecordNumber(), 2);  // the first of equal keys
  EXPECT_FALSE(t().FindKey("D"));
  EXPECT_FALSE(t().FindKey("a"));  // exact, case counts
  EXPECT_EQ(t().RecordNumber(), 2);

  // A changed key and an appended record move in the order and reach the file.
  ASSERT_EQ(t().SetFieldText(1, "Z"), DbfError::None);
  ASSERT_EQ(t().Post(), DbfError::None);
  ASSERT_EQ(t().AppendBlank(), DbfError::None);
  ASSERT_EQ(t().SetFieldText(1, "AA"), DbfError::None);
  ASSERT_EQ(t().Post(), DbfError::None);
  EXPECT_EQ(Column(1), (std::vector<std::string>{"A", "AA", "B", "C", "Z"}));
  Reopen();
  ASSERT_EQ(t().OpenIndex(ndx), DbfError::None);
  EXPECT_EQ(Column(1), (std::vector<std::string>{"A", "AA", "B", "C", "Z"}));
  EXPECT_TRUE(t().FindKey("Z"));
  EXPECT_EQ(t().RecordNumber(), 2);
}

TEST_F(TableTest, NumericKeysFindNumbersWrittenEitherWay) {
  Make({{"x", "4.5"}, {"y", "12"}, {"z", "0.125"}});
  ASSERT_EQ(t().CreateIndex("D1", dir_ / "d1.ndx"), DbfError::None);
  struct Case {
    const char* key;
    int record;  // 0: not found
  };
  const Case cases[] = {{"12", 2},    {"12.000", 2}, {" 4,5", 1},
                        {"0.125", 3}, {"4.4", 0},    {"abc", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(t().FindKey(c.key), c.record != 0);
    if (c.record != 0) {
      EXPECT_EQ(t().RecordNumber(), c.record);
    }
  }
}

TEST_F(TableTest, IndexOfAnotherStateOfTheTableIsRefused) {
  Make({{"b"}, {"a"}});
  const fs::path ndx = dir_ / "name.ndx";
  ASSERT_EQ(t().CreateIndex("NAME", ndx), DbfError::None);
  t().CloseIndex();
  ASSERT_EQ(t().AppendBlank(), DbfError::None);  // the index file does not know this one
  EXPECT_EQ(t().OpenIndex(ndx), DbfError::IndexMismatch);
  EXPECT_EQ(t().Index(), nullptr);
  ASSERT_EQ(t().CreateIndex("Z", ndx), DbfError::None);
  Reopen();
  ASSERT_EQ(t().GoRecord(1), DbfError::None);
  ASSERT_EQ(t().SetFieldText(3, "7"), DbfError::None);  // changed while the index was closed
  ASSERT_EQ(t().Post(), DbfError::None);
  EXPECT_EQ(t().OpenIndex(ndx), DbfError::IndexMismatch);
  EXPECT_EQ(t().OpenIndex(dir_ / "missing.ndx"), DbfError::IndexOpenFailed);
  test::WriteBytes(dir_ / "short.ndx", std::string(100, '\0'));
  EXPECT_EQ(t().OpenIndex(dir_ / "short.ndx"), DbfError::IndexCorrupt);
}

TEST_F(TableTest, SearchFindsTextInAnyFieldInAnyCase) {
  Make({{"Welle", "10"}, {"Nabe GG", "20"}, {"Zahnrad", "30"}, {"NABE St", "40"}});
  ASSERT_TRUE(t().Search("nabe", true));
  EXPECT_EQ(t().RecordNumber(), 2);
  ASSERT_TRUE(t().Search("nabe", false));
  EXPECT_EQ(t().RecordNumber(), 4);
  EXPECT_FALSE(t().Search("nabe", false));
  EXPECT_EQ(t().RecordNumber(), 4);
  ASSERT_TRUE(t().Search("30.0", true));  // numbers as shown
  EXPECT_EQ(t().RecordNumber(), 3);
  Make({{"Größe"}, {"GRÖSSE"}, {"größe"}});
  ASSERT_TRUE(t().Search("GRÖ", true));
  EXPECT_EQ(t().RecordNumber(), 1);
  ASSERT_TRUE(t().Search("GRÖ", false));
  EXPECT_EQ(t().RecordNumber(), 2);
  ASSERT_TRUE(t().Search("GRÖ", false));
  EXPECT_EQ(t().RecordNumber(), 3);
}

// A valid table of two records of one text field of 4 characters.
std::string SmallTable() {
  std::string b(32, '\0');
  b[0] = 3;
  b[4] = 2;   // records
  b[8] = 65;  // header length 32 + 32 + 1
  b[10] = 5;  // record length
  std::string d(32, '\0');
  d.replace(0, 4, "NAME");
  d[11] = 'C';
  d[16] = 4;
  return b + d + "\r" + " abcd*efgh" + "\x1a";
}

TEST(DbfReader, DamagedTablesAreReportedNotRead) {
  const std::string good = SmallTable();
  ASSERT_EQ(DbfTable::FromBytes(good).error, DbfError::None);
  auto with = [&](std::size_t at, char c) {
    std::string b = good;
    b[at] = c;
    return b;
  };
  struct Case {
    const char* name;
    std::string bytes;
    DbfError error;
  };
  const Case cases[] = {
      {"empty file", "", DbfError::NotATable},
      {"header cut", good.substr(0, 20), DbfError::Truncated},
      {"descriptors cut", good.substr(0, 50), DbfError::Truncated},
      {"last record cut", good.substr(0, good.size() - 3), DbfError::Truncated},
      {"record count too high", with(4, 3), DbfError::Truncated},
      {"unknown version", with(0, 0x42), DbfError::NotATable},
      {"field beyond the record", with(32 + 16, 9), DbfError::BadFields},
      {"field of length 0", with(32 + 16, 0), DbfError::BadFields},
      {"no end of descriptors", with(64, 'X'), DbfError::BadFields},
      {"header length too small", with(8, 40), DbfError::NotATable},
      {"record length 0", with(10, 0), DbfError::NotATable},
      {"field name empty", with(32, '\0'), DbfError::BadFields},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const DbfOpen o = DbfTable::FromBytes(c.bytes);
    EXPECT_FALSE(o.table.has_value());
    EXPECT_EQ(o.error, c.error);
  }
  // Without the end mark (some writers leave it out) the table reads.
  const DbfOpen o = DbfTable::FromBytes(good.substr(0, good.size() - 1));
  ASSERT_TRUE(o.table.has_value());
  EXPECT_EQ(o.table->StoredText(2, 1), "efgh");
  EXPECT_TRUE(o.table->StoredDeleted(2));
}

}  // namespace
}  // namespace kv40::tables
