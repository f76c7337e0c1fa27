// Reading whole CP437 text files and writing them through a temporary file and rename.
#include "base/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "base/codepage.h"

namespace kv40::base {

TextLines SplitLines(std::string_view bytes) {
  TextLines text;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const char ch = bytes[i];
    if (ch == '\r' || ch == '\n') {
      text.lines.push_back(Cp437ToUtf8(bytes.substr(start, i - start)));
      i += (ch == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < bytes.size()) text.lines.push_back(Cp437ToUtf8(bytes.substr(start)));
  return text;
}

int OpenRegularFile(const std::filesystem::path& path) {
  // Non-blocking, so that opening a FIFO does not wait for a writer that never comes.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return -(errno != 0 ? errno : ENOENT);
  struct stat st {};
  int error = 0;
  if (::fstat(fd, &st) != 0) {
    error = errno;
  } else if (S_ISDIR(st.st_mode)) {
    error = EISDIR;
  } else if (!S_ISREG(st.st_mode)) {
    error = kNotRegularFile;
  } else {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) error = errno;
  }
  if (error != 0) {
    ::close(fd);
    return -error;
  }
  return fd;
}

BytesResult ReadFileBytes(const std::filesystem::path& path, std::uintmax_t maxBytes) {
  BytesResult result;
  const int fd = OpenRegularFile(path);
  if (fd < 0) {
    result.error = -fd;
    return result;
  }
  std::string bytes;
  char chunk[65536];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      result.error = EIO;
      break;
    }
    if (n == 0) break;
    bytes.append(chunk, static_cast<std::size_t>(n));
    if (bytes.size() > maxBytes) {
      result.error = EFBIG;
      break;
    }
  }
  ::close(fd);
  if (result.error == 0) result.bytes = std::move(bytes);
  return result;
}

ReadResult ReadTextFile(const std::filesystem::path& path) {
  ReadResult result;
  BytesResult read = ReadFileBytes(path, kMaxTextFileBytes);
  result.error = read.error;
  if (read.bytes) result.text = SplitLines(*read.bytes);
  return result;
}

std::optional<std::string> LineCursor::Next() {
  if (AtEnd()) return std::nullopt;
  return lines_[next_++];
}

SafeTextWriter::SafeTextWriter(std::filesystem::path target, std::string_view lineEnd)
    : target_(std::move(target)), lineEnd_(lineEnd) {}

void SafeTextWriter::WriteLine(std::string_view utf8) {
  OemText oem = Utf8ToCp437(utf8);
  lossy_ = lossy_ || oem.lossy;
  buffer_ += oem.bytes;
  buffer_ += lineEnd_;
}

void SafeTextWriter::WriteRaw(std::string_view bytes) {
  buffer_ += bytes;
}

bool SafeTextWriter::Commit() {
  error_ = WriteFileAtomically(target_, buffer_);
  return error_ == 0;
}

int WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, bool durable) {
  std::filesystem::path dir = path.parent_path();
  if (dir.empty()) dir = ".";
  std::string pattern = (dir / ("." + path.filename().string() + ".XXXXXX")).string();
  const int fd = mkstemp(pattern.data());
  if (fd < 0) return errno;

  // Keep the permissions of the file we replace, but never its set-user-ID, set-group-ID or
  // sticky bit (a link to a program must not turn our output into one); a new file gets the
  // usual 0666 & ~umask.
  struct stat old {};
  mode_t mode = 0;
  if (stat(path.c_str(), &old) == 0) {
    mode = old.st_mode & 0777;
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }
  int err = fchmod(fd, mode) == 0 ? 0 : errno;

  std::size_t done = 0;
  while (err == 0 && done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      err = errno;
    } else {
      done += static_cast<std::size_t>(n);
    }
  }
  if (err == 0 && durable && ::fsync(fd) != 0) err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err == 0 && std::rename(pattern.c_str(), path.c_str()) != 0) err = errno;
  if (err != 0) ::unlink(pattern.c_str());
  return err;
}

int DosErrorCode(int errnoValue) {
  switch (errnoValue) {
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
      return 101;
    case EIO:
      return 100;
    default:
      // Kept apart from the historic numbers, which other errno values would collide with.
      return 1000 + errnoValue;
  }
}

}  // namespace kv40::base
