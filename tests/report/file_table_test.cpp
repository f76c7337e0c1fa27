// The file table over a folder: one row per input data file, each calculated on its own; files
// that cannot be read or calculated give failed rows with empty values.
#include "report/file_table.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calc/driver.h"
#include "model/input_file.h"
#include "model/input_file_format.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::report {
namespace {
namespace fs = std::filesystem;

const fs::path kData = KV40_SOURCE_DATA_DIR;

// The first n lines of a file (CR LF ends), as a file that was cut off.
std::string FirstLines(const std::string& bytes, int n) {
  std::size_t at = 0;
  for (int i = 0; i < n && at != std::string::npos; ++i)
    at = bytes.find('\n', at + 1);
  return bytes.substr(0, at == std::string::npos ? bytes.size() : at + 1);
}

// beispiel1 as the state after loading and calculating it.
model::SpecState Calculated(const fs::path& file) {
  test::TestProgram t;
  EXPECT_TRUE(model::LoadInputFile(t.p, file.string()));
  calc::RecalcAll(t.p.connection, t.p.fmt(), t.p.cancel);
  return t.p.connection;
}

class FileTable : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string sample = test::ReadBytes(kData / "beispiel1.k40");
    test::WriteBytes(dir / "a_beispiel1.k40", sample);
    test::WriteBytes(dir / "b_abgeschnitten.k40", FirstLines(sample, 40));
    test::WriteBytes(dir / "c_beispiel2.K40", test::ReadBytes(kData / "beispiel2.k40"));
    test::WriteBytes(dir / "d_leer.k40", "");
    // readable, but its dimension block has no teeth: the calculation fails
    test::TestProgram t;
    ASSERT_TRUE(model::LoadInputFile(t.p, (kData / "beispiel1.k40").string()));
    t.p.connection.z5482 = 0;
    test::WriteBytes(dir / "e_ohne_zaehne.k40",
                     model::InputFileBytes(t.p.connection, t.p.docu, t.p.fmt()).bytes);
    test::WriteBytes(dir / "notizen.txt", "keine Eingabedatei");
    fs::create_directory(dir / "ordner.k40");
  }

  test::TempDir dir;
  base::NumberFormat nf;
};

TEST_F(FileTable, OneRowPerFileFailedRowsEmpty) {
  const auto files = InputFilesOf(dir.path().string());
  std::vector<std::string> names;
  for (const auto& f : files)
    names.push_back(f.filename().string());
  EXPECT_EQ(names,
            (std::vector<std::string>{"a_beispiel1.k40", "b_abgeschnitten.k40", "c_beispiel2.K40",
                                      "d_leer.k40", "e_ohne_zaehne.k40"}));

  std::vector<std::string> progress;
  const PreviewGrid grid = ScanFiles(files, nf, [&](int done, const std::string& name) {
    progress.push_back(std::to_string(done) + " " + name);
    return true;
  });
  EXPECT_EQ(progress.size(), 5u);
  EXPECT_EQ(progress.back(), "5 e_ohne_zaehne.k40");
  ASSERT_EQ(grid.rows.size(), 5u);
  EXPECT_EQ(grid.headings, PreviewHeadings(nf));

  struct Case {
    const char* name;
    std::size_t row;
    bool failed;
    std::string status;
  };
  const Case cases[] = {
      {"good file", 0, false, ""},
      {"cut off", 1, true, "Fehler: Datei unvollständig (Zeile 41 fehlt)"},
      {"extension in capitals", 2, false, ""},
      {"empty file", 3, true, "Fehler: Datei unvollständig (Zeile 1 fehlt)"},
      {"calculation fails", 4, true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PreviewRow& row = grid.rows[c.row];
    EXPECT_EQ(row.failed, c.failed);
    EXPECT_EQ(row.path, files[c.row].string());
    EXPECT_EQ(row.cells[0], files[c.row].filename().string());
    EXPECT_EQ(row.cells[1], FileDate(files[c.row]));
    EXPECT_EQ(row.cells[1].size(), 10u);
    if (!c.failed) {
      EXPECT_EQ(row.cells[kStatusColumn], "");
      continue;
    }
    // never the values of the file before
    for (int col = 2; col < kStatusColumn; ++col)
      EXPECT_EQ(row.cells[static_cast<std::size_t>(col)], "") << "column " << col;
    if (!c.status.empty()) {
      EXPECT_EQ(row.cells[kStatusColumn], c.status);
    } else {
      EXPECT_TRUE(row.cells[kStatusColumn].starts_with("Fehler: Berechnung"))
          << row.cells[kStatusColumn];
    }
  }
  // the good rows hold the file's own results
  const model::SpecState one = Calculated(kData / "beispiel1.k40");
  EXPECT_EQ(grid.rows[0].cells, ResultRow(one, nf, files[0].string(), FileDate(files[0])).cells);
  const model::SpecState two = Calculated(kData / "beispiel2.k40");
  EXPECT_EQ(grid.rows[2].cells, ResultRow(two, nf, files[2].string(), FileDate(files[2])).cells);
}

TEST_F(FileTable, ScanStopsWhenCancelled) {
  const PreviewGrid grid = ScanFiles(InputFilesOf(dir.path().string()), nf,
                                     [](int done, const std::string&) { return done < 2; });
  EXPECT_EQ(grid.rows.size(), 2u);
  EXPECT_TRUE(ScanFiles(InputFilesOf((dir / "ordner.k40").string()), nf, {}).rows.empty())
      << "an empty folder gives the headings only";
}

}  // namespace
}  // namespace kv40::report
