// Records between tables and delimited text: both directions, code pages, and inputs that
// must not half-append.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "tables/dbf_transfer.h"

namespace kv40::tables {
namespace {

namespace fs = std::filesystem;

std::vector<DbfField> Fields() {
  return {
      {"NR", 'C', 9, 0, 0}, {"NAME", 'C', 18, 0, 0}, {"RE", 'N', 5, 0, 0}, {"OK", 'L', 1, 0, 0}};
}

class TransferTest : public ::testing::Test {
 protected:
  DbfTable Table(const fs::path& path, std::vector<DbfField> fields = Fields()) {
    EXPECT_EQ(DbfTable::Create(path, std::move(fields), {2026, 1, 2}), DbfError::None);
    DbfOpen o = DbfTable::Open(path);
    EXPECT_TRUE(o.table.has_value());
    return std::move(*o.table);
  }
  std::vector<std::string> Rows(const DbfTable& t) {
    std::vector<std::string> rows;
    for (int rec : t.Order()) {
      std::string row;
      for (int n = 1; n <= t.FieldCount(); ++n)
        row += (n > 1 ? "|" : "") + t.StoredText(rec, n);
      rows.push_back(row);
    }
    return rows;
  }
  test::TempDir dir_;
};

TEST_F(TransferTest, DelimitedTextRoundTrip) {
  DbfTable t = Table(dir_ / "a.dbf");
  const fs::path in = dir_ / "in.txt";
  // CP437 text ("\x94" is ö), quotes doubled inside a text, a comma inside quotes, a value
  // left out, blank lines and the end-of-file mark.
  test::WriteBytes(in,
                   "\"1.0503\",\"C45, \"\"blank\"\"\",490,T\r\n"
                   "\r\n"
                   "  \"0.6020\" , \"GJL-200 Gr\x94\xE1"
                   "e\" ,  230 \r\n"
                   "\"x\"\r\n\x1a");
  const TransferResult r = AppendDelimited(t, in);
  ASSERT_EQ(r.error, DbfError::None);
  EXPECT_EQ(r.records, 3);
  const std::vector<std::string> rows = {"1.0503|C45, \"blank\"|490|T", "0.6020|GJL-200 Größe|230|",
                                         "x|||"};
  EXPECT_EQ(Rows(t), rows);

  const fs::path out = dir_ / "out.txt";
  ASSERT_EQ(CopyToDelimited(t, out).error, DbfError::None);
  EXPECT_EQ(test::ReadBytes(out),
            "\"1.0503\",\"C45, \"\"blank\"\"\",490,T\r\n"
            "\"0.6020\",\"GJL-200 Gr\x94\xE1"
            "e\",230,\r\n"
            "\"x\",\"\",,\r\n");
  DbfTable copy = Table(dir_ / "b.dbf");
  ASSERT_EQ(AppendDelimited(copy, out).error, DbfError::None);
  EXPECT_EQ(Rows(copy), rows);
}

TEST_F(TransferTest, Utf8TextIsRecognised) {
  DbfTable t = Table(dir_ / "a.dbf");
  test::WriteBytes(dir_ / "u.txt", "\"1\",\"Größe µ\",1,F\n");
  const TransferResult r = AppendDelimited(t, dir_ / "u.txt");
  ASSERT_EQ(r.error, DbfError::None);
  EXPECT_FALSE(r.lossy);
  EXPECT_EQ(Rows(t), (std::vector<std::string>{"1|Größe µ|1|F"}));
}

TEST_F(TransferTest, ABadLineAppendsNothing) {
  DbfTable t = Table(dir_ / "a.dbf");
  struct Case {
    const char* name;
    const char* text;
    DbfError error;
    int line;
  };
  const Case cases[] = {
      {"quote not closed", "\"1\",\"a\",1,T\n\"2\",\"b,2,T\n", DbfError::DelimitedSyntax, 2},
      {"too many values", "\"1\",\"a\",1,T,5\n", DbfError::DelimitedSyntax, 1},
      {"text after a quote", "\"1\"x,\"a\"\n", DbfError::DelimitedSyntax, 1},
      {"number too wide", "\"1\",\"a\",1,T\n\"2\",\"b\",123456,T\n", DbfError::ValueTooLarge, 2},
      {"not a number", "\"1\",\"a\",zehn\n", DbfError::BadValue, 1},
      {"not a logical", "\"1\",\"a\",1,vielleicht\n", DbfError::BadValue, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::WriteBytes(dir_ / "bad.txt", c.text);
    const TransferResult r = AppendDelimited(t, dir_ / "bad.txt");
    EXPECT_EQ(r.error, c.error);
    EXPECT_EQ(r.line, c.line);
    EXPECT_EQ(t.RecordCount(), 0);
  }
  EXPECT_EQ(AppendDelimited(t, dir_ / "missing.txt").error, DbfError::OpenFailed);
}

TEST_F(TransferTest, AppendDbfTakesFieldsByNameAndSkipsDeleted) {
  const fs::path src = dir_ / "src.dbf";
  {
    DbfTable s =
        Table(src, {{"NAME", 'C', 30, 0, 0}, {"RE", 'N', 8, 1, 0}, {"EXTRA", 'C', 3, 0, 0}});
    for (const char* name : {"kept", "deleted", "long name cut to eighteen"}) {
      ASSERT_EQ(s.AppendBlank(), DbfError::None);
      ASSERT_EQ(s.ReplaceText("NAME", name), DbfError::None);
      ASSERT_EQ(s.ReplaceReal("RE", 355.0L), DbfError::None);
      ASSERT_EQ(s.SetDeleted(std::string(name) == "deleted"), DbfError::None);
      ASSERT_EQ(s.Post(), DbfError::None);
    }
  }
  DbfTable t = Table(dir_ / "t.dbf");
  const TransferResult r = AppendFromDbf(t, src);
  ASSERT_EQ(r.error, DbfError::None);
  EXPECT_EQ(r.records, 2);
  EXPECT_EQ(Rows(t), (std::vector<std::string>{"|kept|355|", "|long name cut to e|355|"}));

  // A value that does not fit stops the whole append.
  DbfTable narrow = Table(dir_ / "n.dbf", {{"RE", 'N', 2, 0, 0}});
  EXPECT_EQ(AppendFromDbf(narrow, src).error, DbfError::ValueTooLarge);
  EXPECT_EQ(narrow.RecordCount(), 0);
  EXPECT_EQ(AppendFromDbf(narrow, dir_ / "none.dbf").error, DbfError::OpenFailed);
}

}  // namespace
}  // namespace kv40::tables
