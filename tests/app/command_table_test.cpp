// Commands of the menu table run without a window: the Dokument menu, the OLE menu and
// Help → History, each through its table entry.
#include "app/command_table.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/input_file.h"
#include "support/quiet_shell.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::app {
namespace {
namespace fs = std::filesystem;

const fs::path kData = KV40_SOURCE_DATA_DIR;

// Answers the change dialog with OK or Abbrechen; records refreshes and item states.
struct DocuShell final : test::QuietShell {
  void Refresh() override { ++refreshes; }
  void SetItemEnabled(const std::string& name, bool on) override {
    items.push_back(name + (on ? " on" : " off"));
  }
  std::optional<docu::ChangeEntryForm> EditChangeEntryForm(
      const docu::ChangeEntryForm& shown) override {
    if (!ok) return std::nullopt;
    docu::ChangeEntryForm f = shown;
    f.changeText = "geändert";
    return f;
  }
  std::optional<docu::DocumentsForm> EditDocumentsForm(const docu::DocumentsForm& shown) override {
    if (!ok) return std::nullopt;
    return shown;
  }
  bool ok = true;
  int refreshes = 0;
  std::vector<std::string> items;
};

void RunItem(const char* name, Program& p, Shell& shell) {
  for (const MenuEntry& e : CommandTable()) {
    if (std::string(e.name) != name) continue;
    ASSERT_NE(e.handler, nullptr) << name;
    e.handler(p, shell);
    return;
  }
  FAIL() << name << " not in the table";
}

TEST(CommandTable, DokumentMenu) {
  struct Case {
    const char* item;
    bool ok;
    int changesBefore;
    int changesAfter;
    bool modified;
    int refreshes;
    std::size_t shownLists;
  };
  const Case cases[] = {
      {"mi_docuNewChange", true, 0, 1, true, 1, 1},
      {"mi_docuNewChange", false, 0, 0, false, 0, 0},
      {"mi_docuModifyChanges", true, 1, 1, true, 1, 1},
      {"mi_docuModifyChanges", false, 1, 1, false, 0, 0},
      {"mi_docudeleteChange", true, 2, 1, true, 1, 1},
      {"mi_docuShowChanges1", true, 1, 1, false, 0, 1},
      {"mi_DocumentSetup", true, 0, 0, true, 0, 0},
      {"mi_DocumentSetup", false, 0, 0, false, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.item) + (c.ok ? " OK" : " Abbrechen"));
    test::TempDir dir;
    test::TestProgram t;
    t.p.config.tempDir = dir.path().string() + "/";
    t.p.docu.changeCount = c.changesBefore;
    DocuShell shell;
    shell.ok = c.ok;
    RunItem(c.item, t.p, shell);
    EXPECT_EQ(t.p.docu.changeCount, c.changesAfter);
    EXPECT_EQ(t.p.modified, c.modified);
    EXPECT_EQ(shell.refreshes, c.refreshes);
    EXPECT_EQ(t.desktop.shown.size(), c.shownLists);
  }
}

TEST(CommandTable, UnsavedChangesStayModifiedAfterShowingTheList) {
  test::TempDir dir;
  test::TestProgram t;
  t.p.config.tempDir = dir.path().string() + "/";
  t.p.modified = true;
  DocuShell shell;
  RunItem("mi_docuShowChanges1", t.p, shell);
  EXPECT_TRUE(t.p.modified);
}

TEST(CommandTable, StartExcelEnablesTheExport) {
  test::TempDir dir;
  test::TestProgram t;
  t.p.config.tempDir = dir.path().string() + "/";
  t.p.dataDir = dir.path().string() + "/";
  DocuShell shell;
  RunItem("mi_OleStartExcel", t.p, shell);  // nothing saved yet
  EXPECT_TRUE(shell.items.empty());
  test::WriteBytes(dir / "w.k40", test::ReadBytes(kData / "beispiel1.k40"));
  t.p.currentFile = "w";
  RunItem("mi_OleStartExcel", t.p, shell);
  EXPECT_EQ(shell.items, std::vector<std::string>{"mi_OleExportExcel on"});
  EXPECT_TRUE(fs::exists(dir / "w.xlsx"));
}

TEST(CommandTable, HistoryOnTheTextScreen) {
  test::TestProgram t;
  DocuShell shell;
  RunItem("mi_helpHistory", t.p, shell);
  const auto shown = t.ui.Of(test::PromptKind::TextScreen);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].caption, "History");
  ASSERT_FALSE(shown[0].items.empty());
  EXPECT_EQ(shown[0].items[0], "KV40   Passverzahnung DIN 5482 - Versionsgeschichte");
}

}  // namespace
}  // namespace kv40::app
