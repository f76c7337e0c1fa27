// Little-endian integers in byte buffers, the random source and the case-blind file lookup.
#include "base/bytes.h"

#include <gtest/gtest.h>

#include <set>

#include "base/file_lookup.h"
#include "base/random.h"
#include "support/temp_dir.h"

namespace kv40::base {
namespace {

TEST(Bytes, WriteThenReadLittleEndian) {
  std::string b(8, '\0');
  PutU32(b, 0, 0xA1B2C3D4u);
  PutU16(b, 4, 0xFEDC);
  EXPECT_EQ(b.substr(0, 6), "\xD4\xC3\xB2\xA1\xDC\xFE");
  EXPECT_EQ(GetU32(b, 0), 0xA1B2C3D4u);
  EXPECT_EQ(GetU16(b, 4), 0xFEDC);
}

TEST(Random, SameSeedSameSequenceInUnitRange) {
  SeededRandom a(7), b(7), c(8);
  std::set<double> seen;
  bool differs = false;
  for (int i = 0; i < 1000; ++i) {
    const double x = a.Next();
    EXPECT_EQ(x, b.Next());
    differs = differs || x != c.Next();
    EXPECT_GE(x, 0.0);
    EXPECT_LT(x, 1.0);
    seen.insert(x);
  }
  EXPECT_TRUE(differs);
  EXPECT_GT(seen.size(), 990u);
}

TEST(FileLookup, ExactThenAnyCaseThenTheAskedName) {
  test::TempDir dir;
  test::WriteBytes(dir / "Kv40.ERR", "x");
  test::WriteBytes(dir / "kv40.err.bak", "x");
  const std::string folder = dir.path().string() + "/";
  EXPECT_EQ(FindIgnoringCase(folder, "KV40.err"), dir / "Kv40.ERR");
  test::WriteBytes(dir / "KV40.err", "x");
  EXPECT_EQ(FindIgnoringCase(folder, "KV40.err"), dir / "KV40.err");
  EXPECT_EQ(FindIgnoringCase(folder, "missing.hlp"), dir / "missing.hlp");
}

}  // namespace
}  // namespace kv40::base
