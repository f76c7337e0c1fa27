// Message boxes, the text screen, and the messages of failed file operations.
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "base/text.h"
#include "base/text_file.h"
#include "model/dialogs.h"

namespace kv40::model {
namespace {

constexpr int kTextScreenLines = 22;

std::string Shown(const Session& p, std::string_view text) {
  return base::WindowText(p.fmt(), text);
}

void FileError(Session& p, const std::string& text) {
  ShowError(p, text);
  p.cancel = true;
}

std::string NotFound(const std::filesystem::path& path) {
  return "Datei " + path.string() + " nicht gefunden oder kein Zugriffsrecht !";
}

}  // namespace

void ShowMessageBox(Session& p, const std::string& text, BoxKind kind) {
  const char* caption = "Meldung:";
  if (kind == BoxKind::Error) caption = "Fehler : ";
  if (kind == BoxKind::Help) caption = "Hilfe";
  p.GetUi().MessageBox(kind, caption, Shown(p, text));
}

void ShowInfo(Session& p, const std::string& text) {
  ShowMessageBox(p, text, BoxKind::Info);
}

void ShowError(Session& p, const std::string& text) {
  if (!p.showErrors) return;
  ShowMessageBox(p, text, BoxKind::Error);
}

void ShowBox(Session& p, const std::string& caption, const std::string& text) {
  p.GetUi().MessageBox(BoxKind::Plain, Shown(p, caption), Shown(p, text));
}

void ShowTextScreen(Session& p) {
  std::vector<std::string> lines;
  lines.reserve(kTextScreenLines);
  for (int i = 0; i < kTextScreenLines; ++i)
    lines.push_back(Shown(p, p.itemLines[static_cast<std::size_t>(i)]));
  p.GetUi().TextScreen(kProgramShortName, lines);
}

bool RequireFile(Session& p, const std::filesystem::path& path) {
  const int fd = base::OpenRegularFile(path);
  if (fd >= 0) {
    ::close(fd);
    return true;
  }
  // A folder, FIFO or device is there but is no file to read (a FIFO would block).
  const bool there = -fd == EISDIR || -fd == base::kNotRegularFile;
  FileError(p, there ? CannotReadMessage(path) : NotFound(path));
  return false;
}

std::string CannotReadMessage(const std::filesystem::path& path) {
  return "Datei " + path.string() + " kann nicht gelesen werden !";
}

void ReportWriteError(Session& p, int errnoValue) {
  switch (base::DosErrorCode(errnoValue)) {
    case 100:
      return FileError(p, "Lesefehler");
    case 101:
      return FileError(p, "Diskette/Platte voll");
    case 106:
      return FileError(p, "Falsches numerisches Format");
    default:
      return FileError(p, "Fehler bei Zugriff auf Diskette/Platte");
  }
}

void ReportCloseError(Session& p, int errnoValue) {
  FileError(p, base::DosErrorCode(errnoValue) == 101 ? "Diskette/Platte voll"
                                                     : "Fehler beim Schließen einer Datei");
}

void ReportCreateError(Session& p, int errnoValue) {
  FileError(p, base::DosErrorCode(errnoValue) == 101 ? "Diskette/Platte voll" : "file write error");
}

bool CopyTextFile(Session& p, const std::filesystem::path& from, const std::filesystem::path& to) {
  const base::ReadResult read = base::ReadTextFile(from);
  if (!read.text) {
    FileError(p, NotFound(from));
    return false;
  }
  std::string copy;
  for (const std::string& line : read.text->lines) {
    copy += line;
    copy += '\n';
  }
  if (const int error = base::WriteFileAtomically(to, copy); error != 0) {
    ReportWriteError(p, error);
    return false;
  }
  return true;
}

}  // namespace kv40::model
