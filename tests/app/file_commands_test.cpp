// File commands without a window: recent-file captions, recent files that are gone, the user
// folder of the user mode, and what the program end writes.
#include "app/file_commands.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "app/commands.h"
#include "app/startup.h"
#include "config/config_file.h"
#include "model/input_file_format.h"
#include "model/recent_files.h"
#include "support/quiet_shell.h"
#include "support/sample_connection.h"
#include "support/spline_blocks.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::app {
namespace {
namespace fs = std::filesystem;

// Records what the commands ask of the window.
struct RecordingShell final : test::QuietShell {
  void Refresh() override { ++refreshes; }
  void UpdateTitle() override { ++titles; }
  void ApplyCaptions() override { ++captions; }
  int refreshes = 0;
  int titles = 0;
  int captions = 0;
};

TEST(FileCommands, RecentItemCaptions) {
  struct Case {
    const char* name;
    int i;
    std::string path;
    std::string caption;
  };
  const Case cases[] = {
      {"short path as it is", 1, "/home/anna/welle.k40", "&1 /home/anna/welle.k40"},
      {"49 characters stay whole", 2, "/home/anna/" + std::string(34, 'a') + ".k40",
       "&2 /home/anna/" + std::string(34, 'a') + ".k40"},
      {"50 characters keep the first folder and the file", 3,
       "/home/anna/" + std::string(35, 'a') + ".k40",
       "&3 /home/.../" + std::string(35, 'a') + ".k40"},
      {"backslashes too", 4, "C:\\KV40\\" + std::string(40, 'd') + "\\w.k40", "&4 C:\\...\\w.k40"},
      {"one separator only: whole", 1, "/" + std::string(60, 'x') + ".k40",
       "&1 /" + std::string(60, 'x') + ".k40"},
      // 49 characters in 51 bytes
      {"umlauts count as one character", 1, "/home/" + std::string(36, 'a') + "/äö.k40",
       "&1 /home/" + std::string(36, 'a') + "/äö.k40"},
      {"an ampersand is no access key", 2, "/daten/a&b.k40", "&2 /daten/a&&b.k40"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RecentItemCaption(c.i, c.path), c.caption);
  }
}

TEST(FileCommands, RecentFileThatIsGoneLeavesTheListWithANotice) {
  test::TempDir dir;
  test::TestProgram t;
  RecordingShell shell;
  t.p.connection.b0 = 17;
  t.p.currentFile = "alt";
  t.p.recentFiles = {(dir / "a.k40").string(), (dir / "weg.k40").string(), (dir / "c.k40").string(),
                     ""};
  OpenRecentFile(t.p, shell, 2);
  EXPECT_EQ(t.p.recentFiles, (std::array<std::string, 4>{(dir / "a.k40").string(),
                                                         (dir / "c.k40").string(), "", ""}));
  EXPECT_EQ(t.ui.MessageTexts(),
            std::vector<std::string>{"File " + (dir / "weg.k40").string() + " not found !"});
  EXPECT_EQ(shell.captions, 1);
  EXPECT_EQ(shell.titles, 1);
  EXPECT_EQ(t.p.currentFile, "alt");
  EXPECT_EQ(t.p.connection.b0, 17);
}

TEST(FileCommands, OpenCalculatesTheLoadedFile) {
  test::TempDir dir;
  test::TestProgram sample;
  test::FillSampleConnection(sample.p.connection, sample.p.docu);
  const base::OemText bytes =
      model::InputFileBytes(sample.p.connection, sample.p.docu, sample.p.fmt());
  test::WriteBytes(dir / "welle.k40", bytes.bytes);

  test::TestProgram t;
  t.p.dataDir = "/nowhere/";
  t.p.modified = true;
  model::AddMessage(t.p.connection.log, "Warnung: alt");
  t.ui.AnswerYesNo(true);  // "Bisherige Eingaben verwerfen ?"
  t.ui.AnswerOpenFile((dir / "welle.k40").string());
  FileOpen(t.p);
  ASSERT_FALSE(t.p.cancel);
  EXPECT_EQ(t.p.currentFile, "welle");
  EXPECT_FALSE(t.p.modified);
  for (int i = 1; i <= t.p.connection.log.messageCount; ++i)  // recalculated after loading
    EXPECT_NE(t.p.connection.log.Message(i), "Warnung: alt");
  EXPECT_EQ(t.p.connection.z[2], -26);  // from the DIN 5482 block

  // a file that cannot be read keeps the connection, and nothing is calculated
  test::WriteBytes(dir / "kaputt.k40", "KV40\r\n");
  model::AddMessage(t.p.connection.log, "Warnung: alt");
  t.ui.AnswerOpenFile((dir / "kaputt.k40").string());
  EXPECT_FALSE(OpenInputFile(t.p, ""));
  EXPECT_TRUE(t.p.cancel);
  EXPECT_TRUE(test::HasMessage(t.p.connection, "Warnung: alt"));
}

TEST(FileCommands, DiscardingUnsavedWorkIsNeverTheDefault) {
  // An unnamed, changed connection: "Nein" is preselected, so Enter keeps the work.
  for (const bool yes : {false, true}) {
    SCOPED_TRACE(yes);
    test::TestProgram t;
    t.p.modified = true;
    t.ui.AnswerYesNo(yes);
    AskSaveChanges(t.p);
    const auto asked = t.ui.Of(test::PromptKind::YesNo);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "Bisherige Eingaben verwerfen ?");
    EXPECT_EQ(asked[0].preselect, 0);  // "Nein"
    EXPECT_EQ(t.p.cancel, !yes);
    EXPECT_EQ(t.p.modified, !yes);
  }
}

TEST(FileCommands, UnreadableRecentFileKeepsTheCurrentName) {
  test::TempDir dir;
  test::WriteBytes(dir / "kaputt.k40", "KV40\r\n");  // ends far too early
  test::TestProgram t;
  RecordingShell shell;
  t.p.currentFile = "alt";
  t.p.dataDir = "/daten/";
  t.p.recentFiles[0] = (dir / "kaputt.k40").string();
  OpenRecentFile(t.p, shell, 1);
  EXPECT_TRUE(t.p.cancel);
  EXPECT_EQ(t.p.currentFile, "alt");
  EXPECT_EQ(t.p.dataDir, "/daten/");
  EXPECT_EQ(shell.refreshes, 0);
}

TEST(StartUp, UserFolderMustBeOnePlainSubfolderOfTheDataFolder) {
  test::TempDir dir;
  fs::create_directories(dir / "daten" / "anna");
  fs::create_directories(dir / "anderswo");
  fs::create_directory_symlink(dir / "anderswo", dir / "daten" / "link");
  fs::create_directory_symlink(dir / "daten" / "anna", dir / "daten" / "anna2");
  test::WriteBytes(dir / "daten" / "datei", "");
  const std::string data = (dir / "daten").string() + "/";
  struct Case {
    const char* entry;
    bool valid;
  };
  const Case cases[] = {
      {"anna", true},   {"anna2", true},  // a link inside the data folder is fine
      {"", false},      {".", false},     {"..", false},   {"../anderswo", false},
      {"anna/", false}, {"\\", false},    {"a\\b", false}, {"link", false},  // leads outside
      {"datei", false}, {"fehlt", false}, {"/tmp", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    EXPECT_EQ(IsUserFolder(data, c.entry), c.valid);
  }
}

TEST(StartUp, UserPrompt) {
  test::TempDir dir;
  fs::create_directories(dir / "anna");
  struct Case {
    const char* name;
    std::optional<std::string> entry;  // nullopt: cancelled
    std::optional<int> end;
    std::vector<std::string> messages;
    std::string userFolder;
  };
  const Case cases[] = {
      {"cancelled", std::nullopt, 0, {}, ""},
      {"valid user", "anna", std::nullopt, {}, "anna/"},
      {"unknown user", "bert", 0, {"Ungültiges Passwort bert !"}, ""},
      {"way out", "..", 0, {"Ungültiges Passwort .. !"}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestProgram t;
    t.p.config.dataDir = dir.path().string();
    if (c.entry) {
      t.ui.AnswerText(*c.entry);
    } else {
      t.ui.Cancel(test::PromptKind::EnterText);
    }
    EXPECT_EQ(AskUser(t.p), c.end);
    EXPECT_EQ(t.ui.MessageTexts(), c.messages);
    EXPECT_EQ(t.p.userFolder, c.userFolder);
    const auto asked = t.ui.Of(test::PromptKind::EnterText);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "Passwort (User) eingeben ...");
    EXPECT_EQ(asked[0].maxLength, 8);
    EXPECT_EQ(asked[0].preset, "");
  }
}

TEST(FileCommands, ProgramEndWritesRecentFilesAndAChangedLanguage) {
  for (const bool languageChanged : {false, true}) {
    SCOPED_TRACE(languageChanged);
    test::TempDir dir;
    test::TestProgram t;
    t.p.configDir = dir.path().string() + "/";
    t.p.recentFiles[0] = "/daten/welle.k40";
    if (languageChanged) t.p.config.language = 8;
    ProgramEnd(t.p, 0);
    EXPECT_TRUE(fs::exists(dir / "KV40.cff"));
    EXPECT_EQ(fs::exists(dir / "KV40.cfg"), languageChanged);
    if (!languageChanged) continue;
    t.p.config = {};
    ASSERT_TRUE(config::ReadConfig(t.p, 1280, 1024));
    EXPECT_EQ(t.p.config.language, 8);
  }
}

}  // namespace
}  // namespace kv40::app
