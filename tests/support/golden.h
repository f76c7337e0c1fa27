// Expected files for exact output formats, kept under tests/data.
//
// A test compares what it produced with the expected file byte for byte. When a change of the
// format is intended, run the test once with KV40_UPDATE_GOLDEN=1 in the environment: it then
// writes what it produced over the expected file (and fails, so that nobody forgets). Check the
// new file by hand, then commit it on its own with the reason.
#pragma once

#include <string>
#include <string_view>

namespace kv40::test {

// Compares actual with KV40_TEST_DATA_DIR/<relative> (a gtest expectation).
void ExpectGolden(const std::string& relative, std::string_view actual);

}  // namespace kv40::test
