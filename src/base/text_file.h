// Line-oriented text files in the DOS code page: a complete reader and a safe writer.
#pragma once

#include <cerrno>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv40::base {

// A file's lines, decoded from CP437 to UTF-8. Lines end with CR LF, LF or a lone CR;
// a final line without an ending counts, an empty tail after the last ending does not.
struct TextLines {
  std::vector<std::string> lines;
};

struct ReadResult {
  std::optional<TextLines> text;  // empty on failure
  int error = 0;                  // errno of the failure
};

inline constexpr std::uintmax_t kMaxTextFileBytes = 16u << 20;

ReadResult ReadTextFile(const std::filesystem::path& path);

// The error of a path that is neither a regular file nor a folder (a FIFO, a device, a socket).
inline constexpr int kNotRegularFile = ENODEV;

// Opens a regular file for reading without ever blocking (a FIFO would wait for a writer):
// the descriptor, or minus the errno (EISDIR for a folder, kNotRegularFile for anything else
// that is not a regular file).
int OpenRegularFile(const std::filesystem::path& path);

// A whole regular file's bytes, unchanged. error: 0, or an errno (EISDIR for a folder,
// kNotRegularFile for a FIFO or device, EFBIG above maxBytes, EIO for a failed read); bytes
// are empty then.
struct BytesResult {
  std::optional<std::string> bytes;
  int error = 0;
};
BytesResult ReadFileBytes(const std::filesystem::path& path, std::uintmax_t maxBytes);
// Splits raw CP437 bytes into decoded lines (the part of ReadTextFile after reading).
TextLines SplitLines(std::string_view bytes);

// Sequential access to lines as a historic "readln" loop sees them.
class LineCursor {
 public:
  explicit LineCursor(const TextLines& text) : lines_(text.lines) {}
  bool AtEnd() const { return next_ >= lines_.size(); }
  // The next line; nullopt at the end of the file.
  std::optional<std::string> Next();
  std::size_t LineNumber() const { return next_; }  // lines consumed so far

 private:
  const std::vector<std::string>& lines_;
  std::size_t next_ = 0;
};

// Writes a text file safely: lines collect in memory and Commit writes them to a temporary
// file in the target's folder, which is renamed over the target only when complete.
// A failed or abandoned write leaves the old file as it was.
class SafeTextWriter {
 public:
  explicit SafeTextWriter(std::filesystem::path target, std::string_view lineEnd = "\r\n");
  SafeTextWriter(const SafeTextWriter&) = delete;
  SafeTextWriter& operator=(const SafeTextWriter&) = delete;

  // Appends one line (UTF-8, converted to CP437).
  void WriteLine(std::string_view utf8);
  // Appends bytes unchanged (already CP437).
  void WriteRaw(std::string_view bytes);
  // Writes and renames. False on failure; error() then holds the errno.
  bool Commit();

  int error() const { return error_; }
  // Some character had no CP437 form and was written as "?".
  bool lossy() const { return lossy_; }
  const std::string& bytes() const { return buffer_; }

 private:
  std::filesystem::path target_;
  std::string lineEnd_;
  std::string buffer_;
  int error_ = 0;
  bool lossy_ = false;
};

// Writes bytes to path safely (temporary file in the same folder, then rename).
// Returns 0 or the errno of the failure. durable: the bytes reach the disk before the rename
// (files the user keeps); reports, which are made again at will, skip that wait.
int WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                        bool durable = true);

// The historic error numbers the messages are chosen by: 100 read error, 101 disk full,
// 106 bad numeric format; any other errno e gives 1000 + e.
int DosErrorCode(int errnoValue);

}  // namespace kv40::base
