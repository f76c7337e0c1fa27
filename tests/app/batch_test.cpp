// The program as a user starts it from a shell: usage, refusals, batch runs, GUI module.
#include <filesystem>
#include <set>

#include <gtest/gtest.h>

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
  for (const char* sw : {"/CAD1:99", "/CAD1:1", "/CAD5:13", "/I"}) {
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
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string empty = test::ReadBytes(dir / "leer.json");
  EXPECT_NE(empty.find("\"fatal\": true"), std::string::npos);
  const auto messages = empty.find("\"messages\"");
  ASSERT_NE(messages, std::string::npos);
  EXPECT_EQ(empty.substr(messages, empty.find(']', messages) - messages + 1),
            "\"messages\": [\"Fatal  : z = 0 !\"]");
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
