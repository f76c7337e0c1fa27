// Save, Save As and Open of the input data file: choosing the path, the checks before writing,
// writing safely, and reading into the state only a file that was read completely.
#include "model/input_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "base/text.h"
#include "base/text_file.h"
#include "model/dialogs.h"
#include "model/input_file_format.h"

namespace kv40::model {
namespace {

namespace fs = std::filesystem;

constexpr const char* kArchiveRefusal =
    "File- und User- Befehle sind im Archivierungsmodus nicht möglich.";
constexpr const char* kOverwriteQuestion = " existiert bereits.   Überschreiben ?";
constexpr const char* kLossyNotice =
    "Einige Zeichen gibt es im DOS-Zeichensatz nicht; sie wurden als \"?\" gespeichert.";

void Fail(Session& p, const std::string& message) {
  ShowError(p, message);
  p.cancel = true;
}

// A program started on one file in archive mode works on that file only ("aktuell" is its
// working copy). Without archive mode the start file is forgotten at the first file command.
bool ArchiveRefuses(Session& p, const std::string& name) {
  if (!p.startedWithFile) return false;
  if (!p.config.archiveMode) {
    p.startedWithFile = false;
    return false;
  }
  if (name == kScratchFileWord) return false;
  Fail(p, kArchiveRefusal);
  return true;
}

// The name as currentFile keeps it: a dotted name would read as a path later, so it is kept
// with its folder and extension.
std::string CurrentName(const FileNameParts& parts) {
  if (parts.name.find('.') == std::string::npos) return parts.name;
  return parts.folder + parts.name + "." + kFileExt;
}

// Whether a file could be written at path, without touching a file that is already there:
// an existing file must open for writing and its folder must take the temporary file that
// replaces it; a new name is created exclusively and removed again.
bool CanWrite(const std::string& path) {
  std::error_code ec;
  if (path.empty()) return false;
  if (fs::exists(fs::symlink_status(path, ec))) {
    if (!fs::is_regular_file(path, ec)) return false;
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    fs::path dir = fs::path(path).parent_path();
    if (dir.empty()) dir = ".";
    std::string probe = (dir / ".kv40probe.XXXXXX").string();
    const int tmp = mkstemp(probe.data());
    if (tmp < 0) return false;
    ::close(tmp);
    return ::unlink(probe.c_str()) == 0;
  }
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  ::close(fd);
  return ::unlink(path.c_str()) == 0;
}

// Reads path into the state; nothing changes unless the whole file was read.
bool ReadInto(Session& p, const std::string& path) {
  if (!RequireFile(p, path)) return false;
  const base::ReadResult read = base::ReadTextFile(path);
  if (!read.text) {
    Fail(p, CannotReadMessage(path));
    return false;
  }
  InputFileParse parsed = ParseInputFile(*read.text, p.connection, p.docu);
  if (!parsed.ok) {
    Fail(p, "Datei " + path + " ist unvollständig oder beschädigt (Zeile " +
                std::to_string(parsed.missingLine) + " fehlt) !");
    return false;
  }
  p.connection = std::move(parsed.connection);
  p.docu = std::move(parsed.docu);
  p.modified = false;
  // Old files stay loadable, but a value that silently became 0 would pass for one typed in.
  if (const BadNumberLines& bad = parsed.badNumbers; bad.count > 0) {
    std::string text = "Datei " + path + ", Zeile " + std::to_string(bad.firstLine) + ": \"" +
                       bad.firstText + "\" ist keine Zahl und wurde als 0 gelesen";
    if (bad.count == 2) text += " (und 1 weitere Zeile)";
    if (bad.count > 2) text += " (und " + std::to_string(bad.count - 1) + " weitere Zeilen)";
    ShowInfo(p, text + ".");
  }
  return true;
}

}  // namespace

FileNameParts SplitFileName(std::string_view path) {
  FileNameParts parts;
  std::string_view file = path;
  if (const auto slash = path.find_last_of("/\\"); slash != std::string_view::npos) {
    parts.folder = std::string(path.substr(0, slash + 1));
    file = path.substr(slash + 1);
  }
  const auto dot = file.rfind('.');
  parts.name = std::string(dot == std::string_view::npos || dot == 0 ? file : file.substr(0, dot));
  return parts;
}

std::string InputFilePath(const Session& p, const std::string& name) {
  if (name.find('.') != std::string::npos) return name;
  return base::AddBackslash(p.dataDir) + name + "." + kFileExt;
}

void CheckOutputFile(Session& p, const std::string& path, bool askOverwrite) {
  std::error_code ec;
  if (askOverwrite && path.find(kScratchFileWord) == std::string::npos && fs::exists(path, ec)) {
    if (!AskYesNoCancel(p, path + kOverwriteQuestion)) {
      p.cancel = true;
      return;
    }
  }
  if (!CanWrite(path)) Fail(p, "Ungültiger Dateiname \"" + path + "\" !");
}

std::string ChooseOutputFile(Session& p, const std::string& name, bool askOverwrite) {
  if (ArchiveRefuses(p, name)) return {};
  if (!name.empty()) {
    const std::string path = InputFilePath(p, name);
    CheckOutputFile(p, path, askOverwrite);
    return p.cancel ? std::string() : path;
  }
  const auto chosen = p.GetUi().SaveFile(kInputFileFilter, p.dataDir);
  if (!chosen || chosen->empty()) {
    p.cancel = true;
    return {};
  }
  const FileNameParts parts = SplitFileName(*chosen);
  p.dataDir = parts.folder;
  const std::string current = CurrentName(parts);
  const std::string path = InputFilePath(p, current);
  CheckOutputFile(p, path, askOverwrite);
  if (p.cancel) return {};
  p.currentFile = current;
  return path;
}

void SaveInputFile(Session& p, const std::string& name) {
  // Save onto the file being worked on needs no question; Save As and other names do.
  const bool toCurrent = !name.empty() && name == p.currentFile;
  const std::string path = ChooseOutputFile(p, name, !toCurrent);
  if (p.cancel) return;
  const base::OemText file = InputFileBytes(p.connection, p.docu, p.fmt());
  if (const int error = base::WriteFileAtomically(path, file.bytes); error != 0) {
    ReportWriteError(p, error);
    return;
  }
  if (file.lossy) ShowInfo(p, kLossyNotice);
  // Only the current file now holds the inputs; a copy under another name does not.
  if (toCurrent || name.empty()) p.modified = false;
}

bool LoadInputFile(Session& p, const std::string& name) {
  if (ArchiveRefuses(p, name)) return false;
  std::string path;
  if (name.empty()) {
    const auto chosen = p.GetUi().OpenFile(kInputFileFilter, p.dataDir);
    if (!chosen || chosen->empty()) {
      p.cancel = true;
      return false;
    }
    const FileNameParts parts = SplitFileName(*chosen);
    p.dataDir = parts.folder;
    p.currentFile = CurrentName(parts);
    path = InputFilePath(p, p.currentFile);
  } else {
    if (name.find('.') == std::string::npos) p.currentFile = name;
    path = InputFilePath(p, name);
  }
  // A refused file must not stay the current one: Save would overwrite it without a question.
  if (ReadInto(p, path)) return true;
  if (path != name) p.currentFile.clear();
  return false;
}

bool LoadDefaultInputFile(Session& p) {
  const std::string path = base::AddBackslash(p.dataDir) + kDefaultInputFile;
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return false;
  const bool loaded = LoadInputFile(p, path);
  p.currentFile.clear();
  return loaded;
}

}  // namespace kv40::model
