// Comparing output with expected files, and refreshing them on request.
#include "support/golden.h"

#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace kv40::test {

void ExpectGolden(const std::string& relative, std::string_view actual) {
  const std::filesystem::path path = std::filesystem::path(KV40_TEST_DATA_DIR) / relative;
  if (const char* update = std::getenv("KV40_UPDATE_GOLDEN"); update != nullptr && *update) {
    std::filesystem::create_directories(path.parent_path());
    WriteBytes(path, actual);
    ADD_FAILURE() << "expected file rewritten: " << path << " (check it, then commit it)";
    return;
  }
  ASSERT_TRUE(std::filesystem::exists(path)) << "missing expected file " << path;
  const std::string expected = ReadBytes(path);
  if (expected == actual) return;
  // Name the first line that differs; the whole text follows for a diff by eye.
  std::size_t line = 1;
  std::size_t i = 0;
  while (i < expected.size() && i < actual.size() && expected[i] == actual[i]) {
    if (expected[i] == '\n') ++line;
    ++i;
  }
  ADD_FAILURE() << relative << " differs from line " << line << "\n--- produced:\n" << actual;
}

}  // namespace kv40::test
