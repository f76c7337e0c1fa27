// The shipped help data: a text for every help number the program's code uses and every menu
// item, and a manual that tidy accepts and whose links all lead somewhere.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "app/command_table.h"
#include "app/menu_help.h"
#include "base/text_file.h"
#include "help/show_help.h"

namespace kv40::help {
namespace {
namespace fs = std::filesystem;

const fs::path kSourceDir = fs::path(KV40_TEST_DATA_DIR).parent_path().parent_path() / "src";

base::TextLines HelpFile(int n) {
  const fs::path file = fs::path(KV40_HELP_DIR) / (n < kHelpSplit ? "quentar.hlp" : "kv40.hlp");
  auto read = base::ReadTextFile(file);
  EXPECT_TRUE(read.text.has_value()) << file;
  return read.text ? *read.text : base::TextLines{};
}

bool HasEntry(int n) {
  return FindHelpEntryIn(HelpFile(n), n).found;
}

// Help numbers as the code writes them: named constants of help numbers, literals handed to
// the calls that take one, and the help context a command sets.
std::map<int, std::string> HelpNumbersInCode() {
  static const std::regex keyword(R"(Help|Hint|AddField|AddEdit|Check\(|Radios\(|helpContext)");
  static const std::regex constant(R"(\bk\w*Help\w*\s*=\s*(\d{4})\b)");
  static const std::regex argument(R"([(,?:]\s*(\d{4})\s*[),:;])");
  std::map<int, std::string> numbers;
  for (const auto& e : fs::recursive_directory_iterator(kSourceDir)) {
    const auto ext = e.path().extension();
    if (ext != ".cpp" && ext != ".h") continue;
    std::ifstream in(e.path());
    std::stringstream all;
    all << in.rdbuf();
    // one statement at a time, so that a call over several lines counts whole
    std::string text = all.str();
    std::size_t start = 0;
    while (start < text.size()) {
      std::size_t end = text.find(';', start);
      if (end == std::string::npos) end = text.size();
      std::string statement = text.substr(start, end + 1 - start);
      start = end + 1;
      if (!std::regex_search(statement, keyword)) continue;
      if (statement.find("kHelpSplit") != std::string::npos) continue;
      for (char& c : statement)
        if (c == '\n') c = ' ';
      const std::string where = e.path().filename().string();
      for (const auto* re : {&constant, &argument}) {
        for (std::sregex_iterator m(statement.begin(), statement.end(), *re), stop; m != stop; ++m)
          numbers.emplace(std::stoi((*m)[1].str()), where);
      }
    }
  }
  return numbers;
}

TEST(HelpData, EveryHelpNumberTheCodeUsesHasAText) {
  const auto numbers = HelpNumbersInCode();
  // the walk finds the numbers of the dialogs, their hints and the message help
  for (int n : {5030, 5150, 9020, 6120, 1970, 1210, 2055, 2300, 2350, 1605, 1040, 3210})
    EXPECT_EQ(numbers.count(n), 1u) << n;
  for (const auto& [n, where] : numbers)
    EXPECT_TRUE(HasEntry(n)) << "help number " << n << " of " << where << " has no text";
  EXPECT_TRUE(HasEntry(0));  // a dialog whose caller set no help context
}

TEST(HelpData, EveryMenuItemHasAHelpText) {
  for (const app::MenuEntry& e : app::CommandTable()) {
    if (app::IsSeparator(e)) continue;
    const int n = app::MenuHelpNumber(e.name);
    EXPECT_NE(n, 0) << e.name;
    if (n != 0) {
      EXPECT_TRUE(HasEntry(n)) << e.name << " " << n;
    }
  }
}

TEST(HelpData, EntriesWithImagesHaveTheirImageAndTheIndexNamesOnlyShippedImages) {
  for (int n : {5030, 5200, 5210, 9020, 6120, 6160, 6170, 6180, 5040}) {
    const HelpEntry e = FindHelpEntryIn(HelpFile(n), n);
    ASSERT_TRUE(e.found) << n;
    EXPECT_NE(e.image, "NULL") << n;
    EXPECT_TRUE(fs::is_regular_file(fs::path(KV40_HELP_DIR) / (e.image + ".plt"))) << e.image;
  }
  EXPECT_TRUE(fs::is_regular_file(fs::path(KV40_HELP_DIR) / "null.plt"));
  auto index = base::ReadTextFile(fs::path(KV40_HELP_DIR) / "kv40.dbh");
  ASSERT_TRUE(index.text);
  EXPECT_GE(index.text->lines.size(), 6u);
  for (const auto& line : index.text->lines) {
    const std::string name = line.substr(1, line.find('"', 1) - 1);
    EXPECT_TRUE(fs::is_regular_file(fs::path(KV40_HELP_DIR) / (name + ".plt"))) << line;
  }
}

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(HelpData, TheManualPassesTidyAndEveryLinkLeadsToASection) {
  const fs::path manual = fs::path(KV40_MANUAL_DIR) / "index.html";
  ASSERT_TRUE(fs::is_regular_file(manual));
  const std::string cmd = "tidy -q -e '" + manual.string() + "' 2>&1";
  std::string out;
  FILE* f = popen(cmd.c_str(), "r");
  ASSERT_NE(f, nullptr);
  char buf[512];
  while (std::fgets(buf, sizeof buf, f) != nullptr)
    out += buf;
  EXPECT_EQ(pclose(f), 0) << out;
  EXPECT_EQ(out, "");

  const std::string html = ReadAll(manual);
  std::set<std::string> ids;
  static const std::regex id(R"re(id="([^"]+)")re");
  for (std::sregex_iterator m(html.begin(), html.end(), id), end; m != end; ++m)
    ids.insert((*m)[1].str());
  static const std::regex href(R"re(href="#([^"]+)")re");
  int links = 0;
  for (std::sregex_iterator m(html.begin(), html.end(), href), end; m != end; ++m, ++links)
    EXPECT_EQ(ids.count((*m)[1].str()), 1u) << (*m)[1].str();
  // every help number of both files is linked from the index and has its section
  for (int file : {0, kHelpSplit}) {
    for (int n : HelpNumbers(HelpFile(file))) {
      EXPECT_EQ(ids.count("h" + std::to_string(n)), 1u) << n;
      EXPECT_NE(html.find("href=\"#h" + std::to_string(n) + "\""), std::string::npos) << n;
    }
  }
  EXPECT_GT(links, 150);
  static const std::regex img(R"re(<img src="([^"]+)")re");
  int images = 0;
  for (std::sregex_iterator m(html.begin(), html.end(), img), end; m != end; ++m, ++images)
    EXPECT_TRUE(fs::is_regular_file(manual.parent_path() / (*m)[1].str())) << (*m)[1].str();
  EXPECT_GE(images, 6);
}

}  // namespace
}  // namespace kv40::help
