// Start-up on the program instance: default file, start with a file, save-changes question.
#include "app/startup.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "app/file_commands.h"
#include "config/config_file.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::app {
namespace {
namespace fs = std::filesystem;

const fs::path kData = KV40_SOURCE_DATA_DIR;

// A configuration of its own whose folders all lie in a temporary folder.
struct StartFixture {
  test::TempDir dir;
  test::TestProgram t;

  explicit StartFixture(std::vector<std::string> args) {
    fs::create_directories(dir / "data");
    auto& c = t.p.config;
    for (std::string* folder : {&c.cadDir, &c.dbfDir, &c.tempDir, &c.ediDir, &c.pltDir}) {
      *folder = dir.path().string() + "/";
    }
    c.dataDir = (dir / "data").string() + "/";
    t.p.configDir = (dir / "home").string() + "/";
    EXPECT_TRUE(config::WriteConfig(t.p));
    t.p.config = model::Config{};
    t.p.args = std::move(args);
  }
  std::optional<int> Start() {
    return RunStartUp(t.p, ParseCommandLine(t.p.args), ScreenSize{1280, 1024});
  }
};

TEST(StartUp, DefaultFileIsLoadedAndLeavesNoCurrentFile) {
  StartFixture f({});
  fs::copy_file(kData / "beispiel1.k40", f.dir / "data" / "null.k40");
  EXPECT_EQ(f.Start(), std::nullopt);
  EXPECT_EQ(f.t.p.connection.z[1], 24);
  EXPECT_TRUE(f.t.p.currentFile.empty());
  EXPECT_EQ(WindowTitle(f.t.p), "KV40   Passverzahnung DIN 5482");
  EXPECT_FALSE(f.t.p.modified);
  EXPECT_EQ(f.t.p.connection.log.messageCount, 0);
  EXPECT_TRUE(f.t.ui.prompts().empty());
}

TEST(StartUp, WithoutDefaultFileTheBlockIsEmpty) {
  StartFixture f({});
  EXPECT_EQ(f.Start(), std::nullopt);
  ASSERT_EQ(f.t.p.connection.log.messageCount, 1);
  EXPECT_EQ(f.t.p.connection.log.Message(1), "Fatal  : z = 0 !");
}

TEST(StartUp, NewFileNameIsKeptAndTheFirstSaveCreatesIt) {
  test::TempDir work;
  const std::string name = (work / "neu.k40").string();
  StartFixture f({name});
  EXPECT_EQ(f.Start(), std::nullopt);
  EXPECT_EQ(f.t.p.currentFile, name);
  EXPECT_TRUE(f.t.p.startedWithFile);
  EXPECT_FALSE(fs::exists(name));
  EXPECT_EQ(WindowTitle(f.t.p), "KV40   Passverzahnung DIN 5482  -  " + name);

  f.t.p.connection.b0 = 33;
  f.t.p.modified = true;
  FileSave(f.t.p);
  EXPECT_FALSE(f.t.p.cancel);
  EXPECT_TRUE(fs::exists(name));
  EXPECT_FALSE(f.t.p.modified);
}

TEST(StartUp, ExistingFileIsWorkedOn) {
  test::TempDir work;
  fs::copy_file(kData / "beispiel2.k40", work / "b2.k40");
  StartFixture f({(work / "b2.k40").string()});
  EXPECT_EQ(f.Start(), std::nullopt);
  EXPECT_EQ(f.t.p.connection.z[1], 18);
  EXPECT_TRUE(f.t.p.startedWithFile);
  EXPECT_TRUE(f.t.p.dataDir.empty());
}

TEST(StartUp, EndsTheProgramWhereTheCommandLineSays) {
  struct Case {
    const char* name;
    std::vector<std::string> args;
    std::optional<int> exit;
  };
  const Case cases[] = {
      {"usage", {"/?"}, 0},
      {"name without extension", {"x"}, 0},
      {"missing batch file", {"fehlt.k40", "/I"}, 1},
      {"keep name", {"a.edi", "/E"}, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    StartFixture f(c.args);
    EXPECT_EQ(f.Start(), c.exit);
  }
}

TEST(FileCommands, SaveChangesQuestion) {
  struct Case {
    const char* name;
    std::string currentFile;
    std::optional<model::Answer> answer;  // to "Datei speichern (...) ?"
    std::optional<bool> drop;             // to "Bisherige Eingaben verwerfen ?"
    bool saved;
    bool cancel;
    bool modified;
  };
  const Case cases[] = {
      {"yes saves", "a", model::Answer::Yes, std::nullopt, true, false, false},
      {"no drops", "a", model::Answer::No, std::nullopt, false, false, false},
      {"cancel keeps", "a", model::Answer::Cancel, std::nullopt, false, true, true},
      {"no file: drop", "", std::nullopt, true, false, false, false},
      {"no file: keep", "", std::nullopt, false, false, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempDir dir;
    test::TestProgram t;
    t.p.dataDir = dir.path().string() + "/";
    t.p.currentFile = c.currentFile;
    t.p.modified = true;
    if (c.answer) t.ui.AnswerYesNoCancel(*c.answer);
    if (c.drop) t.ui.AnswerYesNo(*c.drop);
    AskSaveChanges(t.p);
    EXPECT_EQ(fs::exists(dir / "a.k40"), c.saved);
    EXPECT_EQ(t.p.cancel, c.cancel);
    EXPECT_EQ(t.p.modified, c.modified);
    if (c.answer) {
      ASSERT_FALSE(t.ui.prompts().empty());
      EXPECT_EQ(t.ui.prompts()[0].text, "Datei speichern (" + dir.path().string() + "/a.k40) ?");
    }
  }
}

}  // namespace
}  // namespace kv40::app
