// Help → Homepage and Help → E-Mail: the manual in the configured browser, the prepared mail,
// and a message when the desktop cannot start either.
#include "app/help_commands.h"

#include <gtest/gtest.h>

#include "support/test_program.h"

namespace kv40::app {
namespace {

TEST(HelpCommands, TheManualOpensInTheConfiguredBrowser) {
  test::TestProgram t;
  t.p.config.htmlBrowser = "firefox";
  ShowManual(t.p);
  ASSERT_EQ(t.desktop.started.size(), 1u);
  EXPECT_EQ(t.desktop.started[0].first, "firefox");
  EXPECT_EQ(t.desktop.started[0].second, ManualFile().string());
  EXPECT_EQ(ManualFile().filename(), "index.html");
  EXPECT_FALSE(t.p.cancel);
  EXPECT_TRUE(t.ui.prompts().empty());
}

TEST(HelpCommands, ABrowserThatCannotStartIsSaid) {
  test::TestProgram t;
  t.p.config.htmlBrowser = "c:\\Programme\\Internet Explorer\\Iexplore.exe";
  t.desktop.result = false;
  ShowManual(t.p);
  EXPECT_TRUE(t.p.cancel);
  const auto texts = t.ui.MessageTexts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_NE(texts[0].find("Iexplore.exe\" kann nicht gestartet werden"), std::string::npos);
}

TEST(HelpCommands, ThePreparedMailAndAMailProgramThatCannotStart) {
  test::TestProgram t;
  t.p.currentFile = "welle a";
  const std::string url = MailUrl(t.p);
  EXPECT_EQ(url.rfind("mailto:kv40@example.org?subject=KV40%201.3%20-%20", 0), 0u) << url;
  EXPECT_NE(url.find("Version%201.3"), std::string::npos);
  EXPECT_NE(url.find("Plattform%3A%20Linux"), std::string::npos) << url;
  EXPECT_NE(url.find("Datei%3A%20welle%20a"), std::string::npos);

  WriteMail(t.p);
  EXPECT_EQ(t.desktop.urls, std::vector<std::string>{url});
  EXPECT_TRUE(t.ui.prompts().empty());
  t.desktop.result = false;
  WriteMail(t.p);
  EXPECT_TRUE(t.p.cancel);
  ASSERT_EQ(t.ui.MessageTexts().size(), 1u);
  EXPECT_NE(t.ui.MessageTexts()[0].find("E-Mail-Programm kann nicht gestartet werden"),
            std::string::npos);
}

}  // namespace
}  // namespace kv40::app
