// The program as a user starts it from a shell: usage, refusals, batch runs, GUI module.
#include <sys/stat.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/codepage.h"
#include "base/text_file.h"
#include "model/input_file_format.h"
#include "model/spec_state.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace kv40 {
namespace {
namespace fs = std::filesystem;

const fs::path kData = KV40_SOURCE_DATA_DIR;

std::set<std::string> FilesIn(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& e : fs::recursive_directory_iterator(dir))
    names.insert(e.path().string());
  return names;
}

TEST(Batch, UsageScreenGoesToStandardOutput) {
  test::TempDir dir;
  for (const char* sw : {"/?", "?"}) {
    SCOPED_TRACE(sw);
    const auto r = test::RunKv40({sw}, dir.path());
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.starts_with("KV40 Command Line Mode\n")) << r.out;
    EXPECT_NE(r.out.find("Example: wKV40 test.k40 /CAD1:1     ->  test.dxf\n"), std::string::npos);
    EXPECT_GE(std::count(r.out.begin(), r.out.end(), '\n'), 20);
  }
}

TEST(Batch, NameWithoutExtensionIsRefused) {
  test::TempDir dir;
  const auto r = test::RunKv40({"x"}, dir.path());
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_NE(r.err.find("Erweiterung .k40 muß mit angegeben werden"), std::string::npos) << r.err;
}

TEST(Batch, MissingFileEndsWithOneAndWritesNothing) {
  test::TempDir dir;
  const auto before = FilesIn(dir.path());
  for (const char* sw : {"/I", "/CAD1:1", "/JSON"}) {
    SCOPED_TRACE(sw);
    const auto r = test::RunKv40({"missing.k40", sw, "/NOGUI"}, dir.path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("missing.k40"), std::string::npos) << r.err;
    EXPECT_EQ(FilesIn(dir.path()), before);
  }
}

TEST(Batch, SampleRunsEndWithZero) {
  test::TempDir dir;
  fs::copy_file(kData / "beispiel1.k40", dir / "beispiel1.k40");
  for (const char* sw : {"/CAD1:99", "/CAD2:1", "/I"}) {
    SCOPED_TRACE(sw);
    const auto r = test::RunKv40({"beispiel1.k40", sw, "/NOGUI"}, dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
  }
}

TEST(Batch, JsonHasResultsAndMessages) {
  test::TempDir dir;
  fs::copy_file(kData / "beispiel1.k40", dir / "beispiel1.k40");
  auto r = test::RunKv40({"beispiel1.k40", "/JSON", "/NOGUI"}, dir.path());
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string json = test::ReadBytes(dir / "beispiel1.json");
  EXPECT_NE(json.find("\"fatal\": false"), std::string::npos) << json.substr(0, 400);
  EXPECT_NE(json.find("\"MdR\""), std::string::npos);
  EXPECT_NE(json.find("\"xemaxM\""), std::string::npos);

  // The defaults without a dimension block: z = 0 is the one and only finding.
  model::SpecState connection;
  model::InitDefaults(connection);
  model::DocuData docu;
  test::WriteBytes(dir / "leer.k40", model::InputFileBytes(connection, docu, {}).bytes);
  r = test::RunKv40({"leer.k40", "/JSON", "/NOGUI"}, dir.path());
  EXPECT_EQ(r.exitCode, 1);  // written all the same, and the failure said
  EXPECT_NE(r.err.find("Fatal  : z = 0 !"), std::string::npos) << r.err;
  const std::string empty = test::ReadBytes(dir / "leer.json");
  EXPECT_NE(empty.find("\"fatal\": true"), std::string::npos);
  const auto messages = empty.find("\"messages\"");
  ASSERT_NE(messages, std::string::npos);
  EXPECT_EQ(empty.substr(messages, empty.find(']', messages) - messages + 1),
            "\"messages\": [\"Fatal  : z = 0 !\"]");
}

// The sample with one line changed, as a careless or hostile user would write it.
std::string SampleWith(int line, const std::string& text) {
  std::vector<std::string> lines = base::SplitLines(test::ReadBytes(kData / "beispiel1.k40")).lines;
  lines.at(static_cast<std::size_t>(line - 1)) = text;
  std::string bytes;
  for (const std::string& l : lines)
    bytes += base::Utf8ToCp437(l).bytes + "\r\n";
  return bytes;
}

TEST(Batch, BadInputFilesAreRefusedOrSaidNeverPassedAsGood) {
  struct Case {
    const char* name;
    int line;
    std::string text;
    int exitCode;
    std::string err;  // standard error holds this
  };
  const std::string esc = std::string("Text \x1b[2J mit ") + '\a' + " und " + '\0' + " darin";
  const Case cases[] = {
      {"connection kind 0", 48, "0", 1, "Fatal  : connKind nicht in 1..3 !"},
      {"connection kind 9", 48, "9", 1, "Fatal  : connKind nicht in 1..3 !"},
      {"a billion teeth", 104, "1000000000", 1, "Fatal  : z nicht in 2..1000 !"},
      {"the most negative teeth", 104, "-2147483648", 1, "Fatal  : z nicht in 2..1000 !"},
      {"a negative shaft", 104, "-5", 1, "Fatal  : z nicht in 2..1000 !"},
      {"a huge face width", 15, "1e999", 1, "Fatal  : b0 nicht in 0.1..10000 !"},
      {"a tiny face width", 15, "1e-999", 1, "Fatal  : b0 nicht in 0.1..10000 !"},
      {"below any number: 0, the default width", 15, "1e-5000", 0, ""},
      {"beyond the ISO table", 100, "3151", 1, "Fatal  : d1 nicht in 1..3150 !"},
      {"no application factor", 81, "0", 1, "Fatal  : KA nicht in 0.1..10 !"},
      {"a negative torque", 79, "-800", 1, "Fatal  : TN nicht in 0.001..1e7 !"},
      {"a word for a number", 15, "dreissig", 0,
       "Zeile 15: \"dreissig\" ist keine Zahl und wurde als 0 gelesen"},
      {"control characters in a text", 6, esc, 0, ""},
  };
  test::TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::WriteBytes(dir / "t.k40", SampleWith(c.line, c.text));
    for (const char* sw : {"/JSON", "/I"}) {
      SCOPED_TRACE(sw);
      fs::remove(dir / "t.txt");
      const auto r = test::RunKv40({"t.k40", sw, "/NOGUI"}, dir.path());
      EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
      EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
    // the JSON is written in every case: its fatal flag says what happened, and it holds no
    // number a JSON reader would take as infinite
    const std::string json = test::ReadBytes(dir / "t.json");
    EXPECT_NE(json.find(c.exitCode == 0 ? "\"fatal\": false" : "\"fatal\": true"),
              std::string::npos);
    for (const char* bad : {"e+999", "Inf", "inf", "NaN", "nan", "2147483647,"})
      EXPECT_EQ(json.find(bad), std::string::npos) << bad;
    // a report is only written for a good run; it has no control characters
    EXPECT_EQ(fs::exists(dir / "t.txt"), c.exitCode == 0);
    for (const char ch : test::ReadBytes(dir / "t.txt"))
      EXPECT_FALSE(static_cast<unsigned char>(ch) < 0x20 && ch != '\t' && ch != '\n')
          << static_cast<int>(ch);
  }
}

TEST(Batch, FifoInputOrConfigurationNeverHangs) {
  test::TempDir dir;
  ASSERT_EQ(mkfifo((dir / "fifo.k40").c_str(), 0600), 0);
  auto r = test::RunProgram(KV40_BINARY, {"fifo.k40", "/I", "/NOGUI"}, dir.path(), {}, 30);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("fifo.k40 kann nicht gelesen werden"), std::string::npos) << r.err;

  fs::copy_file(kData / "beispiel1.k40", dir / "beispiel1.k40");
  fs::create_directories(dir / "home");
  ASSERT_EQ(mkfifo((dir / "home" / "KV40.cfg").c_str(), 0600), 0);
  r = test::RunProgram(KV40_BINARY, {"beispiel1.k40", "/JSON", "/NOGUI"}, dir.path(), {}, 30);
  EXPECT_EQ(r.exitCode, 0) << r.err;  // the shipped configuration serves instead
  EXPECT_NE(r.err.find("KV40.cfg kann nicht gelesen werden"), std::string::npos) << r.err;
}

TEST(Batch, WritingNeverMakesASetUidFileAndAFileSizeLimitIsAWriteError) {
  test::TempDir dir;
  fs::copy_file(kData / "beispiel1.k40", dir / "beispiel1.k40");
  test::WriteBytes(dir / "program", "#!/bin/sh\n");
  ASSERT_EQ(chmod((dir / "program").c_str(), 04755), 0);
  fs::create_symlink(dir / "program", dir / "beispiel1.json");
  auto r = test::RunKv40({"beispiel1.k40", "/JSON", "/NOGUI"}, dir.path());
  ASSERT_EQ(r.exitCode, 0) << r.err;
  struct stat st {};
  ASSERT_EQ(lstat((dir / "beispiel1.json").c_str(), &st), 0);
  EXPECT_TRUE(S_ISREG(st.st_mode));
  EXPECT_EQ(st.st_mode & 07000, 0u);

  // a limit of 1 KiB: the JSON does not fit; the old file stays, nothing is left behind
  const std::string before = test::ReadBytes(dir / "beispiel1.json");
  r = test::RunProgram("/bin/sh",
                       {"-c", "ulimit -f 2 && exec \"$0\" beispiel1.k40 /JSON /NOGUI", KV40_BINARY},
                       dir.path(), {{"KV40_HOME", (dir / "home").string()}}, 30);
  EXPECT_EQ(r.exitCode, 1) << r.err;
  EXPECT_NE(r.err.find("beispiel1.json kann nicht geschrieben werden"), std::string::npos) << r.err;
  EXPECT_EQ(test::ReadBytes(dir / "beispiel1.json"), before);
  for (const auto& e : fs::directory_iterator(dir.path()))
    EXPECT_FALSE(e.path().filename().string().starts_with(".beispiel1.json")) << e.path();
}

TEST(GuiModule, MissingOrBrokenModuleGivesAClearMessage) {
  test::TempDir dir;
  test::WriteBytes(dir / "broken.so", "this is not a shared library");
  for (const fs::path& module : {dir / "nonexistent.so", dir / "broken.so"}) {
    SCOPED_TRACE(module.string());
    const auto r = test::RunKv40(
        {}, dir.path(), {{"QT_QPA_PLATFORM", "offscreen"}, {"KV40_GUI_MODULE", module.string()}});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Bedienoberfläche"), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace kv40
