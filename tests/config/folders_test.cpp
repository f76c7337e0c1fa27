// The folder check of the start-up, as the configuration dialog uses it on OK.
#include "config/folders.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace kv40::config {
namespace {

TEST(Folders, EmptyFoldersAreFilledAndBadOnesNamed) {
  test::TempDir dir;
  const std::string start = dir.path().string();
  model::Config c;
  c.dbfDir = (dir / "fehlt").string();
  c.cadDir = (dir / "fehlt2").string();
  const auto faults = CompleteAndCheckFolders(c, start);
  std::vector<std::string> messages;
  for (const auto& f : faults)
    messages.push_back(f.message);
  EXPECT_EQ(messages, (std::vector<std::string>{"ungültiger CAD Ordner konfiguriert",
                                                "ungültiger DBF Ordner konfiguriert"}));
  EXPECT_EQ(c.pltDir, start + "/");
  EXPECT_EQ(c.dataDir, start + "/");
  EXPECT_EQ(c.dbfDir, (dir / "fehlt").string() + "/");
  EXPECT_FALSE(c.tempDir.empty());
}

TEST(Folders, AFolderThatCannotBeWrittenIsNamed) {
  test::TempDir dir;
  test::WriteBytes(dir / "datei", "x");  // a file where a folder should be
  model::Config c;
  c.ediDir = (dir / "datei").string();
  const auto faults = CompleteAndCheckFolders(c, dir.path().string());
  ASSERT_EQ(faults.size(), 1u);
  EXPECT_EQ(faults[0].which, FolderFault::Edi);
  EXPECT_EQ(faults[0].message, "ungültiger EDI Ordner konfiguriert");
}

}  // namespace
}  // namespace kv40::config
