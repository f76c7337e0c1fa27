// Our tables and indexes read by other dBase software, and theirs read by us:
// python3-dbf (tables, deleted flags, code page) and Perl's XBase::ndx (index order, finds).
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "tables/dbf_table.h"

namespace kv40::tables {
namespace {

namespace fs = std::filesystem;

// Runs a shell command; its standard output, or "exit <code>" appended when it failed.
std::string Shell(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return "popen failed";
  char buf[4096];
  std::size_t n = 0;
  while ((n = fread(buf, 1, sizeof buf, pipe)) > 0)
    out.append(buf, n);
  const int status = pclose(pipe);
  if (status != 0) out += "exit " + std::to_string(status);
  return out;
}

constexpr const char* kDumpScript = R"(
import sys, dbf
t = dbf.Table(sys.argv[1])
t.open()
print(t.codepage.name)
print(';'.join(t.structure()))
for r in t:
    vals = []
    for v in r:
        if isinstance(v, str): v = v.rstrip()
        elif hasattr(v, 'strftime'): v = v.strftime('%Y%m%d')
        vals.append(str(v))
    print(dbf.is_deleted(r), '|'.join(vals), sep='|')
)";

constexpr const char* kWriteScript = R"(
import sys, dbf
t = dbf.Table(sys.argv[1], 'nr C(9); name C(18); re N(5,0); fs N(6,2); ok L; since D',
              codepage='cp437')
t.open(dbf.READ_WRITE)
t.append(('1.0503', 'C45 Größe', 490, 1.2, True, dbf.Date(2024, 1, 2)))
t.append(('0.6020', 'EN-GJL-200', 230, -2.0, False, None))
t.append(('x', '', None, None, None, None))
dbf.delete(t[2])
t.close()
)";

constexpr const char* kAppendScript = R"(
import sys, dbf
t = dbf.Table(sys.argv[1])
t.open(dbf.READ_WRITE)
t.append(('Python Ä', 7.25, 8, True, dbf.Date(1999, 12, 31)))
dbf.delete(t[0])
t.close()
)";

// Walks the index in key order, then looks up every key of the second file.
constexpr const char* kNdxScript = R"(
use strict;
use XBase::Index;
my $ndx = XBase::Index->new($ARGV[0]) or die XBase::Index->errstr;
$ndx->prepare_select;
sub shown { my $k = shift; return $ndx->{key_type} ? sprintf('%.2f', $k) : $k =~ s/\s+$//r; }
while (my ($key, $rec) = $ndx->fetch) { print shown($key), "\t$rec\n"; }
open(my $keys, '<', $ARGV[1]) or die;
while (my $k = <$keys>) {
  chomp $k;
  $ndx->prepare_select_eq($k);
  my ($key, $rec) = $ndx->fetch;
  print "find ", shown($key), "\t$rec\n";
}
)";

class InteropTest : public ::testing::Test {
 protected:
  std::string Python(const char* script, const fs::path& table) {
    test::WriteBytes(dir_ / "script.py", script);
    return Shell("/usr/bin/python3 " + (dir_ / "script.py").string() + " " + table.string());
  }
  test::TempDir dir_;
};

TEST_F(InteropTest, PythonDbfReadsOurTable) {
  const fs::path path = dir_ / "ours.dbf";
  ASSERT_EQ(DbfTable::Create(path,
                             {{"NAME", 'C', 12, 0, 0},
                              {"D1", 'N', 8, 3, 0},
                              {"Z", 'N', 3, 0, 0},
                              {"OK", 'L', 1, 0, 0},
                              {"SINCE", 'D', 8, 0, 0}},
                             {2026, 12, 10}),
            DbfError::None);
  DbfOpen o = DbfTable::Open(path);
  ASSERT_TRUE(o.table);
  DbfTable& t = *o.table;
  const std::vector<std::vector<std::string>> rows = {
      {"Müller & Söhne", "25.5", "19", "T", "20240102"},
      {"", "-0,125"},
      {"gelöscht", "1", "0", "F"}};
  for (const auto& row : rows) {
    ASSERT_EQ(t.AppendBlank(), DbfError::None);
    for (std::size_t i = 0; i < row.size(); ++i)
      ASSERT_EQ(t.SetFieldText(static_cast<int>(i) + 1, row[i]), DbfError::None);
    ASSERT_EQ(t.SetDeleted(row[0] == "gelöscht"), DbfError::None);
    ASSERT_EQ(t.Post(), DbfError::None);
  }
  EXPECT_EQ(Python(kDumpScript, path),
            "cp437\n"
            "name C(12);d1 N(8,3);z N(3,0);ok L;since D\n"
            "False|Müller & Söh|25.5|19|True|20240102\n"
            "False||-0.125|None|None|None\n"
            "True|gelöscht|1.0|0|False|None\n");

  // python3-dbf writes into our table; we read what it wrote.
  EXPECT_EQ(Python(kAppendScript, path), "");
  o = DbfTable::Open(path);
  ASSERT_TRUE(o.table);
  ASSERT_EQ(o.table->RecordCount(), 4);
  EXPECT_TRUE(o.table->StoredDeleted(1));
  EXPECT_FALSE(o.table->StoredDeleted(2));
  std::vector<std::string> last;
  for (int n = 1; n <= 5; ++n)
    last.push_back(o.table->StoredText(4, n));
  EXPECT_EQ(last, (std::vector<std::string>{"Python Ä", "7.250", "8", "T", "19991231"}));
}

TEST_F(InteropTest, WeReadPythonDbfTable) {
  const fs::path path = dir_ / "theirs.dbf";
  ASSERT_EQ(Python(kWriteScript, path), "");
  DbfOpen o = DbfTable::Open(path);
  ASSERT_TRUE(o.table) << DbfErrorCode(o.error);
  const DbfTable& t = *o.table;
  EXPECT_EQ(t.layout().codePage, kCodePage437);
  ASSERT_EQ(t.FieldCount(), 6);
  EXPECT_EQ(t.Field(4).name, "FS");
  EXPECT_EQ(t.Field(4).decimals, 2);
  std::vector<std::string> rows;
  for (int rec = 1; rec <= t.RecordCount(); ++rec) {
    std::string row = t.StoredDeleted(rec) ? "*" : " ";
    for (int n = 1; n <= t.FieldCount(); ++n)
      row += "|" + t.StoredText(rec, n);
    rows.push_back(row);
  }
  EXPECT_EQ(rows, (std::vector<std::string>{" |1.0503|C45 Größe|490|1.20|T|20240102",
                                            " |0.6020|EN-GJL-200|230|-2.00|F|", "*|x|||||"}));
}

TEST_F(InteropTest, XBaseNdxReadsOurIndexInOrderAndFindsEveryKey) {
  const fs::path path = dir_ / "keys.dbf";
  ASSERT_EQ(DbfTable::Create(path, {{"NAME", 'C', 20, 0, 0}, {"VAL", 'N', 10, 2, 0}}, {2026, 1, 1}),
            DbfError::None);
  DbfOpen o = DbfTable::Open(path);
  ASSERT_TRUE(o.table);
  DbfTable& t = *o.table;
  std::vector<std::string> records;
  for (int i = 0; i < 2000; ++i) {
    const int k = (i * 7919) % 2000;  // a shuffled order, each key once, some twice below
    std::string rec = BlankRecord(t.layout());
    std::string name, val;
    bool lossy = false;
    ASSERT_EQ(EncodeText(t.Field(1), "Key " + std::to_string(k % 1500), name, lossy),
              DbfError::None);
    ASSERT_EQ(EncodeText(t.Field(2), std::to_string(k % 1700 - 850) + ".25", val, lossy),
              DbfError::None);
    rec.replace(1, 20, name);
    rec.replace(21, 10, val);
    records.push_back(rec);
  }
  ASSERT_EQ(t.AppendRecords(records), DbfError::None);

  for (const char* field : {"NAME", "VAL"}) {
    SCOPED_TRACE(field);
    const fs::path ndx = dir_ / (std::string(field) + ".ndx");
    ASSERT_EQ(t.CreateIndex(field, ndx), DbfError::None);
    std::string expected, keys;
    for (const NdxEntry& e : t.Index()->entries()) {
      const std::string key = t.StoredText(static_cast<int>(e.record), t.IndexField());
      expected += key + "\t" + std::to_string(e.record) + "\n";
      keys += key + "\n";
    }
    std::string finds;
    for (const NdxEntry& e : t.Index()->entries()) {
      const std::string key = t.StoredText(static_cast<int>(e.record), t.IndexField());
      const int first = t.Index()->Find(e);
      finds += "find " + key + "\t" +
               std::to_string(t.Index()->entries()[static_cast<std::size_t>(first)].record) + "\n";
    }
    test::WriteBytes(dir_ / "keys.txt", keys);
    test::WriteBytes(dir_ / "ndx.pl", kNdxScript);
    EXPECT_EQ(Shell("perl " + (dir_ / "ndx.pl").string() + " " + ndx.string() + " " +
                    (dir_ / "keys.txt").string()),
              expected + finds);
  }
}

}  // namespace
}  // namespace kv40::tables
