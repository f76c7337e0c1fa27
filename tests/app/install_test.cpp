// The installed program: `cmake --install` into a fresh prefix, then the copy in bin/ runs on
// the data in share/kv40 and, for an interactive start, loads its module from lib/kv40.
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>

#include <gtest/gtest.h>

#include "support/run_program.h"
#include "support/temp_dir.h"

namespace kv40 {
namespace {
namespace fs = std::filesystem;

const fs::path kBuildDir = fs::path(KV40_BINARY).parent_path();
const fs::path kData = KV40_SOURCE_DATA_DIR;

class Installed : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    prefix_ = std::make_unique<test::TempDir>();
    const fs::path log = *prefix_ / "install.log";
    const std::string command = "cmake --install '" + kBuildDir.string() + "' --prefix '" +
                                prefix_->path().string() + "' > '" + log.string() + "' 2>&1";
    installed_ = std::system(command.c_str()) == 0;
    if (!installed_) installLog_ = test::ReadBytes(log);
  }
  static void TearDownTestSuite() { prefix_.reset(); }

  void SetUp() override { ASSERT_TRUE(installed_) << installLog_; }

  static fs::path Prefix() { return prefix_->path(); }
  static std::string Program() { return (Prefix() / "bin" / "kv40").string(); }
  // A user without files of their own: configuration and data folder in the test folder.
  static std::map<std::string, std::string> FreshUser(const fs::path& dir) {
    return {{"HOME", dir.string()},
            {"KV40_HOME", (dir / "config").string()},
            {"XDG_DATA_HOME", (dir / "xdg").string()}};
  }

  static std::unique_ptr<test::TempDir> prefix_;
  static bool installed_;
  static std::string installLog_;
};

std::unique_ptr<test::TempDir> Installed::prefix_;
bool Installed::installed_ = false;
std::string Installed::installLog_;

TEST_F(Installed, FilesAreInTheUsualPlaces) {
  for (const char* file :
       {"bin/kv40", "share/kv40/KV40.cfg", "share/kv40/KV40.err", "share/kv40/null.k40",
        "share/kv40/beispiel1.k40", "share/kv40/din5482.dbf", "share/kv40/wkx1base.dbf",
        "share/kv40/kv8wstyp.dbf", "share/kv40/printout.dbf", "share/applications/kv40.desktop",
        "share/icons/hicolor/scalable/apps/kv40.svg"}) {
    EXPECT_TRUE(fs::is_regular_file(Prefix() / file)) << file;
  }
  const std::string entry = test::ReadBytes(Prefix() / "share/applications/kv40.desktop");
  EXPECT_NE(entry.find("\nExec=kv40 %f\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("\nIcon=kv40\n"), std::string::npos) << entry;
}

// The installed configuration is the one read: its folders are taken relative to share/kv40,
// and a folder it names that is not there is reported.
TEST_F(Installed, BatchRunReadsTheInstalledConfiguration) {
  test::TempDir dir;
  fs::copy_file(kData / "beispiel1.k40", dir / "beispiel1.k40");
  auto r = test::RunProgram(Program(), {"beispiel1.k40", "/JSON", "/NOGUI"}, dir.path(),
                            FreshUser(dir.path()), 60);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err.find("ungültiger"), std::string::npos) << r.err;
  EXPECT_TRUE(fs::exists(dir / "beispiel1.json"));

  const fs::path cfg = Prefix() / "share/kv40/KV40.cfg";
  const std::string original = test::ReadBytes(cfg);
  std::string changed = original;
  const std::string plt = "PLT Ordner\r\n.\r\n";
  const auto at = changed.find(plt);
  ASSERT_NE(at, std::string::npos);
  changed.replace(at, plt.size(), "PLT Ordner\r\nfehlt\r\n");
  test::WriteBytes(cfg, changed);
  r = test::RunProgram(Program(), {"beispiel1.k40", "/JSON", "/NOGUI"}, dir.path(),
                       FreshUser(dir.path()), 60);
  test::WriteBytes(cfg, original);
  EXPECT_NE(r.err.find("ungültiger PLT Ordner konfiguriert"), std::string::npos) << r.err;
}

// An interactive start finds the module in lib/kv40, goes through the start-up on the
// installed data without any message box (one would wait for ever) and paints its window.
TEST_F(Installed, InteractiveStartPaintsItsWindow) {
  if (!fs::exists(Prefix() / "lib/kv40/libkv40gui.so")) GTEST_SKIP() << "built without GUI";
  test::TempDir dir;
  auto env = FreshUser(dir.path());
  env["QT_QPA_PLATFORM"] = "offscreen";
  env["KV40_QUIT_AFTER_PAINT"] = "1";
  env["KV40_GUI_MODULE"] = "";
  // Qt's own caches at exit are no concern of this test
  env["LSAN_OPTIONS"] = "detect_leaks=0";
  const auto r = test::RunProgram(Program(), {}, dir.path(), env, 60);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.err.find("KV40: erstes Bild nach "), std::string::npos) << r.err;
  // the program end wrote the recent files into the user's configuration folder
  EXPECT_TRUE(fs::exists(dir / "config" / "KV40.cff"));
}

}  // namespace
}  // namespace kv40
