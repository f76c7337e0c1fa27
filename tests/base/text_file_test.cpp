// The codec, line splitting and the safe writer.
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <filesystem>

#include <gtest/gtest.h>

#include "base/codepage.h"
#include "base/text_file.h"
#include "base/utf8.h"
#include "support/temp_dir.h"

namespace kv40::base {
namespace {

TEST(Codepage, RoundTripsEveryByte) {
  std::string all;
  for (int b = 0; b < 256; ++b)
    all.push_back(static_cast<char>(b));
  const OemText back = Utf8ToCp437(Cp437ToUtf8(all));
  EXPECT_FALSE(back.lossy);
  EXPECT_EQ(back.bytes, all);
}

TEST(Codepage, GermanTextsAndMissingCharacters) {
  struct Case {
    const char* name;
    std::string utf8;
    std::string oem;
    bool lossy;
  };
  const Case cases[] = {
      {"umlauts", "ÄNDERUNGEN für Maß", "\x8ENDERUNGEN f\x81r Ma\xE1", false},
      {"degree and micro", "30° µm", "30\xF8 \xE6m", false},
      {"euro has no form", "5 €", "5 ?", true},
      {"broken utf8", std::string("a\xC3"), "a?", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const OemText t = Utf8ToCp437(c.utf8);
    EXPECT_EQ(t.bytes, c.oem);
    EXPECT_EQ(t.lossy, c.lossy);
  }
}

TEST(Utf8, CutsCountCharacters) {
  EXPECT_EQ(CharCount("Größe"), 5u);
  EXPECT_EQ(CutChars("Größenänderung", 4), "Größ");
  EXPECT_EQ(SubChars("Äbc", 1, 5), "bc");
}

TEST(TextFile, SplitsEveryLineEnding) {
  const TextLines t = SplitLines("a\r\nb\nc\rd\r\n\r\ne");
  const std::vector<std::string> want = {"a", "b", "c", "d", "", "e"};
  EXPECT_EQ(t.lines, want);
  EXPECT_TRUE(SplitLines("").lines.empty());
}

TEST(TextFile, WriterReplacesOnlyWhenComplete) {
  test::TempDir dir;
  const auto path = dir / "a.k40";
  test::WriteBytes(path, "old contents\r\n");

  SafeTextWriter w(path);
  w.WriteLine("Zähne");
  ASSERT_TRUE(w.Commit());
  EXPECT_EQ(test::ReadBytes(path), "Z\x84hne\r\n");

  // A write that fails half-way (file size limit) leaves the previous file as it was.
  SafeTextWriter big(path);
  for (int i = 0; i < 1000; ++i)
    big.WriteLine("0123456789012345678901234567890123456789");
  struct rlimit old {};
  getrlimit(RLIMIT_FSIZE, &old);
  struct rlimit small = old;
  small.rlim_cur = 4096;
  auto prev = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  const bool ok = big.Commit();
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, prev);
  EXPECT_FALSE(ok);
  EXPECT_EQ(DosErrorCode(big.error()), 101);
  EXPECT_EQ(test::ReadBytes(path), "Z\x84hne\r\n");
  // no temporary file is left behind
  int files = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
    ++files;
  EXPECT_EQ(files, 1);
}

TEST(TextFile, ReadTakesRegularFilesOnlyAndNeverWaits) {
  test::TempDir dir;
  test::WriteBytes(dir / "file.k40", "a\r\nb\r\n");
  std::filesystem::create_directory(dir / "folder.k40");
  ASSERT_EQ(mkfifo((dir / "fifo.k40").c_str(), 0600), 0);  // no writer: a blocking open hangs
  struct Case {
    const char* name;
    std::filesystem::path path;
    int error;
  };
  const Case cases[] = {
      {"a file", dir / "file.k40", 0},
      {"missing", dir / "missing.k40", ENOENT},
      {"a folder", dir / "folder.k40", EISDIR},
      {"a FIFO", dir / "fifo.k40", kNotRegularFile},
      {"a device", "/dev/null", kNotRegularFile},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ReadResult r = ReadTextFile(c.path);
    EXPECT_EQ(r.error, c.error);
    EXPECT_EQ(r.text.has_value(), c.error == 0);
  }
}

TEST(TextFile, ReplacingNeverCopiesSetIdBits) {
  test::TempDir dir;
  // a set-uid program of ours, once replaced directly and once through a link to it
  const auto program = dir / "program";
  test::WriteBytes(program, "#!/bin/sh\n");
  ASSERT_EQ(chmod(program.c_str(), 06755), 0);
  const auto link = dir / "t.json";
  std::filesystem::create_symlink(program, link);
  for (const auto& path : {link, program}) {
    SCOPED_TRACE(path.filename().string());
    ASSERT_EQ(WriteFileAtomically(path, "{}\n"), 0);
    struct stat st {};
    ASSERT_EQ(lstat(path.c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(st.st_mode & 07777, 0755u);  // the permissions stay, the set-id bits go
  }
}

}  // namespace
}  // namespace kv40::base
