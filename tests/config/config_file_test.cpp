// KV40.cfg on disk: the configuration folder, the shipped fall-back, writing, folder checks.
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "config/config_file.h"
#include "config/folders.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::config {

using model::Config;
using model::kDefaultPlotCommand;
using model::kDefaultProgram;
using model::TextWindowRect;
namespace {
namespace fs = std::filesystem;

const ScreenInfo kScreen{1280, 1024, 96, 0, 0};

std::string Slash(const fs::path& dir) {
  return dir.string() + "/";
}

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value != nullptr) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(ConfigFolder, HomeVariableFirst) {
  test::TempDir dir;
  {
    ScopedEnv kv40Home("KV40_HOME", dir.path().c_str());
    EXPECT_EQ(DefaultConfigDir(), Slash(dir.path()));
  }
  ScopedEnv kv40Home("KV40_HOME", nullptr);
  ScopedEnv home("HOME", "/home/anna");
  EXPECT_EQ(DefaultConfigDir(), "/home/anna/.config/kv40/");
  app::Program p;
  p.configDir = "/etc/kv40/";
  EXPECT_EQ(ConfigFileName(p), fs::path("/etc/kv40/KV40.cfg"));
}

// Without a file of the user's own the shipped one is read; its folders lie in the
// bundled data folder, and the user's configuration folder stays where it was.
TEST(ReadConfig, FallsBackToTheShippedFile) {
  test::TempDir home;
  test::TestProgram t;
  t.p.configDir = Slash(home.path());
  t.p.startDir = "/start/";
  EXPECT_TRUE(ReadConfig(t.p, kScreen));
  EXPECT_FALSE(t.p.cancel);
  const std::string data = BundledDataDir();
  EXPECT_EQ(t.p.configDir, Slash(home.path()));
  EXPECT_EQ(t.p.config.dataDir, data);
  EXPECT_EQ(t.p.config.pltDir, data);
  EXPECT_EQ(t.p.config.dbfDir, data);
  EXPECT_EQ(t.p.config.cadDir, data + "cad/");
  EXPECT_EQ(t.p.config.ediDir, data + "edi/");
  EXPECT_TRUE(fs::is_directory(t.p.config.cadDir));
  EXPECT_TRUE(fs::exists(data + "KV40.cfg"));
  EXPECT_EQ(t.p.config.resX, 1280 - 9);
}

TEST(ReadConfig, OwnFileWinsAndItsRelativeFoldersLieBesideIt) {
  test::TempDir home;
  Config own;
  own.cadDir = "zeichnungen";
  own.dbfDir = "C:\\tabellen\\";
  own.dataDir = "/abs/daten";
  own.linesPerPage = 50;
  test::WriteBytes(home / "KV40.cfg", ConfigBytes(own));
  test::TestProgram t;
  t.p.configDir = Slash(home.path());
  EXPECT_TRUE(ReadConfig(t.p, kScreen));
  EXPECT_EQ(t.p.config.linesPerPage, 50);
  EXPECT_EQ(t.p.config.cadDir, Slash(home / "zeichnungen"));
  EXPECT_EQ(t.p.config.dbfDir, Slash(home / "C:/tabellen"));
  EXPECT_EQ(t.p.config.dataDir, "/abs/daten/");
  EXPECT_EQ(t.p.config.tempDir, "");  // filled by the folder check
}

TEST(ReadConfig, AFifoOrFolderIsRefusedAndTheShippedFileServes) {
  for (const char* kind : {"FIFO", "folder"}) {
    SCOPED_TRACE(kind);
    test::TempDir home;
    const fs::path own = home / "KV40.cfg";
    if (std::string(kind) == "FIFO") {
      ASSERT_EQ(mkfifo(own.c_str(), 0600), 0);  // no writer: reading it must not wait
    } else {
      fs::create_directory(own);
    }
    test::TestProgram t;
    t.p.configDir = Slash(home.path());
    EXPECT_TRUE(ReadConfig(t.p, kScreen));
    EXPECT_EQ(t.ui.MessageTexts(),
              std::vector<std::string>{"Datei " + own.string() + " kann nicht gelesen werden !"});
    EXPECT_EQ(t.p.config.dataDir, BundledDataDir());
  }
}

TEST(ReadConfig, NoFileAtAllGivesDefaultsAndCancel) {
  test::TempDir dir;
  test::TestProgram t;
  t.p.config.linesPerPage = 12;
  EXPECT_FALSE(ReadConfigFrom(t.p, dir / "KV40.cfg", dir / "shipped.cfg",
                              ScreenInfo{1920, 1080, 96, 1000, 954}));
  EXPECT_TRUE(t.p.cancel);
  EXPECT_EQ(t.p.config.linesPerPage, 66);
  EXPECT_EQ(t.p.config.resX, 1911);
  EXPECT_EQ(t.p.config.textWindow.height, 1000);
  EXPECT_TRUE(t.ui.prompts().empty());
}

TEST(WriteConfig, CreatesTheFolderAndReadsBack) {
  test::TempDir home;
  test::TestProgram t;
  t.p.configDir = Slash(home / "neu" / "kv40");
  t.p.config.fmt.decimalSeparator = 2;
  t.p.config.zoomFactor = 1.25L;
  t.p.config.titleBlockText = "Preis 5 €";  // no euro sign in the DOS code page
  ASSERT_TRUE(WriteConfig(t.p));
  EXPECT_EQ(test::ReadBytes(home / "neu" / "kv40" / "KV40.cfg"), ConfigBytes(t.p.config));
  EXPECT_EQ(t.ui.Of(test::PromptKind::MessageBox).size(), 1u);  // told about the "?"

  test::TestProgram again;
  again.p.configDir = t.p.configDir;
  ASSERT_TRUE(ReadConfig(again.p, kScreen));
  EXPECT_EQ(again.p.config.zoomFactor, 1.25L);
  EXPECT_EQ(again.p.config.fmt.decimalSeparator, 2);
  EXPECT_EQ(again.p.config.titleBlockText, "Preis 5 ?");
}

TEST(WriteConfig, FailureIsReported) {
  test::TempDir home;
  test::WriteBytes(home / "blocker", "x");  // a file where the folder should be
  test::TestProgram t;
  t.p.configDir = Slash(home / "blocker");
  EXPECT_FALSE(WriteConfig(t.p));
  EXPECT_TRUE(t.p.cancel);
  EXPECT_EQ(t.ui.MessageTexts().size(), 1u);
  EXPECT_EQ(test::ReadBytes(home / "blocker"), "x");
}

TEST(Folders, WritableAndExisting) {
  test::TempDir dir;
  test::WriteBytes(dir / "x.$$$", "keep");  // a user's own file of that name
  test::WriteBytes(dir / "file", "");
  EXPECT_TRUE(FolderWritable(dir.path().string()));
  EXPECT_EQ(test::ReadBytes(dir / "x.$$$"), "keep");
  EXPECT_TRUE(FolderExists(dir.path().string()));
  EXPECT_FALSE(FolderWritable((dir / "missing").string()));
  EXPECT_FALSE(FolderExists((dir / "missing").string()));
  EXPECT_FALSE(FolderWritable((dir / "file").string()));
  EXPECT_FALSE(FolderExists((dir / "file").string()));
  int entries = 0;  // no test file left behind
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path()))
    ++entries;
  EXPECT_EQ(entries, 2);
}

TEST(ValidateFolders, ReportsEachBadFolder) {
  struct Case {
    const char* name;
    std::string Config::*folder;
    const char* message;
  };
  const Case cases[] = {
      {"CAD", &Config::cadDir, "ungültiger CAD Ordner konfiguriert"},
      {"DBF", &Config::dbfDir, "ungültiger DBF Ordner konfiguriert"},
      {"PLT", &Config::pltDir, "ungültiger PLT Ordner konfiguriert"},
      {"EDI", &Config::ediDir, "ungültiger EDI Ordner konfiguriert"},
      {"data", &Config::dataDir, "ungültiger Data Ordner konfiguriert"},
  };
  test::TempDir dir;
  test::WriteBytes(dir / "file", "");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (const char* bad : {"missing", "file"}) {
      test::TestProgram t;
      for (auto f : {&Config::cadDir, &Config::dbfDir, &Config::pltDir, &Config::ediDir,
                     &Config::dataDir, &Config::tempDir}) {
        t.p.config.*f = Slash(dir.path());
      }
      t.p.config.*c.folder = (dir / bad).string();
      ValidateFolders(t.p);
      EXPECT_EQ(t.ui.MessageTexts(), std::vector<std::string>{c.message});
      EXPECT_FALSE(t.p.cancel);
    }
  }
}

TEST(ValidateFolders, AsksForAnotherTempFolder) {
  test::TempDir dir;
  test::TempDir other;
  struct Case {
    const char* name;
    bool cancel;
    std::string want;
  };
  const Case cases[] = {
      {"new folder typed", false, Slash(other.path())},
      {"entry cancelled", true, (dir / "missing").string() + "/"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestProgram t;
    t.p.startDir = Slash(dir.path());
    t.p.config.tempDir = (dir / "missing").string();
    if (c.cancel) {
      t.ui.Cancel(test::PromptKind::EnterText);
    } else {
      t.ui.AnswerText(other.path().string());
    }
    ValidateFolders(t.p);
    EXPECT_EQ(t.ui.MessageTexts(),
              std::vector<std::string>{"ungültiger Ordner für temporäre Dateien konfiguriert"});
    const auto asked = t.ui.Of(test::PromptKind::EnterText);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "Ordner für temporäre Dateien");
    EXPECT_EQ(asked[0].maxLength, 60);
    EXPECT_EQ(asked[0].preset, (dir / "missing").string() + "/");
    EXPECT_EQ(t.p.config.tempDir, c.want);
    EXPECT_FALSE(t.p.cancel);
  }
}

TEST(ValidateFolders, FillsEmptyFoldersAndTheTemporaryOneIsTheUsersOwn) {
  test::TempDir start;
  test::TempDir env;  // stands in for /run/user/<uid>, ~/.cache, the home and a shared /tmp
  for (const char* d : {"run", "run-link", "run-open", "cache", "home", "elsewhere", "shared"})
    fs::create_directory(env / d);
  fs::create_directory_symlink(env / "elsewhere", env / "run-link" / "kv40");
  fs::create_directory(env / "run-open" / "kv40");
  fs::permissions(env / "run-open" / "kv40", fs::perms(0755));
  struct Case {
    const char* name;
    const char* runtime;  // XDG_RUNTIME_DIR
    const char* cache;    // XDG_CACHE_HOME
    fs::path want;
  };
  const Case cases[] = {
      {"the runtime folder first", "run", "cache", env / "run" / "kv40"},
      {"a kv40 there that is a link is not taken", "run-link", "cache", env / "cache" / "kv40"},
      {"one open to others is made private", "run-open", "cache", env / "run-open" / "kv40"},
      {"else the cache folder", nullptr, "cache", env / "cache" / "kv40"},
      {"else the cache folder of the home", nullptr, nullptr, env / "home" / ".cache" / "kv40"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string runtime = c.runtime ? (env / c.runtime).string() : "";
    const std::string cache = c.cache ? (env / c.cache).string() : "";
    ScopedEnv runtimeEnv("XDG_RUNTIME_DIR", c.runtime ? runtime.c_str() : nullptr);
    ScopedEnv cacheEnv("XDG_CACHE_HOME", c.cache ? cache.c_str() : nullptr);
    ScopedEnv homeEnv("HOME", (env / "home").c_str());
    ScopedEnv tempEnv("TEMP", (env / "shared").c_str());  // never the shared one
    test::TestProgram t;
    t.p.startDir = Slash(start.path());
    ValidateFolders(t.p);
    EXPECT_TRUE(t.ui.MessageTexts().empty());
    EXPECT_EQ(t.p.config.tempDir, Slash(c.want));
    EXPECT_EQ(fs::status(c.want).permissions(), fs::perms::owner_all);
    for (const std::string* f : {&t.p.config.cadDir, &t.p.config.dbfDir, &t.p.config.pltDir,
                                 &t.p.config.ediDir, &t.p.config.dataDir}) {
      EXPECT_EQ(*f, Slash(start.path()));
    }
  }
  EXPECT_TRUE(fs::is_empty(env / "elsewhere"));
}

}  // namespace
}  // namespace kv40::config
