// The batch report "/I" end to end: the real program in a folder of its own writes both sheets
// and the message section as tab-separated text into <name>.txt, or ends with 1 and says why.
#include <filesystem>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "model/docu_data.h"
#include "model/input_file_format.h"
#include "model/spec_state.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace kv40 {
namespace {
namespace fs = std::filesystem;

const fs::path kSamples = KV40_SOURCE_DATA_DIR;
const fs::path kReports = fs::path(KV40_TEST_DATA_DIR) / "reports";

std::set<std::string> FilesIn(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(dir))
    names.insert(e.path().filename().string());
  return names;
}

// The text without the header lines that differ from run to run: the title line with date and
// time, and the report file's own name after it.
std::string WithoutRunLines(const std::string& text) {
  std::string out;
  bool skipNext = false;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    const std::string line = text.substr(start, end - start);
    const bool title = line.starts_with("KV40   Passverzahnung DIN 5482 V1.3\t");
    if (!title && !skipNext) out += line + '\n';
    skipNext = title;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return out;
}

TEST(BatchReport, WritesBothSheetsAsTabSeparatedTextIntoTheCurrentFolder) {
  struct Case {
    const char* name;
    fs::path input;
    bool messages;
  };
  const Case cases[] = {
      {"sample without messages", kSamples / "beispiel1.k40", false},
      {"overload: with the message section", kReports / "ueberlast.k40", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempDir dir;
    test::TempDir temp;  // the configured folder for temporary files
    const std::string name = c.input.filename().string();
    fs::copy_file(c.input, dir / name);
    const auto r = test::RunKv40({name, "/I", "/NOGUI"}, dir.path(), {{"TEMP", temp.path()}});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string report = c.input.stem().string() + ".txt";
    EXPECT_EQ(FilesIn(dir.path()), (std::set<std::string>{name, report}));
    const std::string text = test::ReadBytes(dir / report);
    EXPECT_TRUE(text.starts_with("KV40   Passverzahnung DIN 5482 V1.3\t")) << text.substr(0, 200);
    EXPECT_NE(text.find("Teilkreisdurchmesser\td\tmm\t   48,000\t   48,000\n"), std::string::npos);
    EXPECT_NE(text.find("FESTIGKEIT NACH NIEMANN (1981)\n"), std::string::npos);
    EXPECT_EQ(text.find("═"), std::string::npos);  // no frames in tab-separated text
    EXPECT_EQ(text.find('\f'), std::string::npos);
    EXPECT_EQ(text.find("BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN") != std::string::npos,
              c.messages);
    if (c.messages) {
      // exactly the tab-separated export of the same file, checked by hand once
      EXPECT_TRUE(WithoutRunLines(text) ==
                  WithoutRunLines(test::ReadBytes(kReports / "sheets_tab.txt")))
          << text;
    }
  }
}

TEST(BatchReport, EndsWithOneWhenTheReportCannotBeWritten) {
  struct Case {
    const char* name;
    bool directoryInPlace;  // else: a folder nobody may write in, root included
  };
  const Case cases[] = {
      {"a folder in place of the report file", true},
      {"a read-only folder", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempDir dir;
    fs::copy_file(kSamples / "beispiel1.k40", dir / "beispiel1.k40");
    fs::path cwd = dir.path();
    std::string input = "beispiel1.k40";
    if (c.directoryInPlace) {
      fs::create_directory(dir / "beispiel1.txt");
    } else {
      cwd = "/proc";  // no file can be created there, not even by root
      input = (dir / "beispiel1.k40").string();
    }
    const auto r = test::RunKv40({input, "/I", "/NOGUI"}, cwd);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Bericht beispiel1.txt wurde nicht geschrieben."), std::string::npos)
        << r.err;
    if (c.directoryInPlace) {
      EXPECT_TRUE(fs::is_empty(dir / "beispiel1.txt"));
    }
    EXPECT_FALSE(fs::exists("/proc/beispiel1.txt"));
  }
}

TEST(BatchReport, FailedCalculationEndsWithOneAndItsMessages) {
  test::TempDir dir;
  model::SpecState connection;
  model::InitDefaults(connection);  // no dimension block: z = 0
  model::DocuData docu;
  test::WriteBytes(dir / "leer.k40", model::InputFileBytes(connection, docu, {}).bytes);
  const auto r = test::RunKv40({"leer.k40", "/I", "/NOGUI"}, dir.path());
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("Fatal  : z = 0 !"), std::string::npos) << r.err;
  EXPECT_EQ(FilesIn(dir.path()), std::set<std::string>{"leer.k40"});
}

}  // namespace
}  // namespace kv40
