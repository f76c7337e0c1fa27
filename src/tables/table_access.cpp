// The table access layer: opening with the write test, index, key search, records, browse.
#include "tables/table_access.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "base/utf8.h"
#include "config/config_file.h"
#include "config/folders.h"
#include "model/dialogs.h"
#include "model/message_log.h"
#include "tables/table_session.h"

namespace kv40::tables {
namespace fs = std::filesystem;
namespace {

constexpr const char* kNoWriteRight =
    "Kein Schreibrecht für dbf-Ordner !  Bearbeitung im Temporär-Ordner.";

// Creates "TEST.$$$" with one line in the folder and deletes it again.
bool FolderPassesWriteTest(const fs::path& folder) {
  const fs::path test = folder / "TEST.$$$";
  // non-blocking: a FIFO of that name must not make the check wait for a reader
  const int fd = ::open(test.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  constexpr std::string_view kLine = "DBF Write Check\r\n";
  const bool written =
      ::write(fd, kLine.data(), kLine.size()) == static_cast<ssize_t>(kLine.size());
  const bool closed = ::close(fd) == 0;
  ::unlink(test.c_str());
  return written && closed;
}

// The file may not be written: no write permission for us, or for nobody at all (which
// counts even for a super-user, like the read-only attribute of DOS).
bool ReadOnlyFile(const fs::path& file) {
  std::error_code ec;
  const fs::perms perms = fs::status(file, ec).permissions();
  if (ec) return true;
  constexpr fs::perms kAnyWrite =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  return ::access(file.c_str(), W_OK) != 0 || (perms & kAnyWrite) == fs::perms::none;
}

DbfTable* Table(TableSession& p) {
  return p.tables.table ? &*p.tables.table : nullptr;
}

// Used only where the program is built with its own tables (KV40_TABLE_DIR).
[[maybe_unused]] bool SameFolder(const std::string& a, const std::string& b) {
  std::error_code ec;
  return !a.empty() && !b.empty() && fs::equivalent(a, b, ec);
}

const DbfTable* Table(const TableSession& p) {
  return p.tables.table ? &*p.tables.table : nullptr;
}

void Check(TableSession& p, DbfError e) {
  if (e != DbfError::None) ShowDbfError(p, e);
}

}  // namespace

fs::path TablePath(const TableSession& p, const std::string& name) {
  const std::string file = name.find('.') == std::string::npos ? name + ".dbf" : name;
  const fs::path folder = p.config.dbfDir.empty() ? fs::path(".") : fs::path(p.config.dbfDir);
  const fs::path inFolder = folder / file;
  std::error_code ec;
  if (fs::exists(inFolder, ec)) return inFolder;
#ifdef KV40_TABLE_DIR
  const fs::path built = fs::path(KV40_TABLE_DIR) / file;
  if (SameFolder(folder.string(), config::BundledDataDir()) && fs::exists(built, ec)) return built;
#endif
  return inFolder;
}

fs::path TempFolder(const TableSession& p) {
  return fs::path(p.config.tempDir.empty() ? config::DefaultTempDir() : p.config.tempDir);
}

void ShowDbfError(TableSession& p, DbfError error) {
  model::ShowError(p, "DBF Error " + std::to_string(DbfErrorCode(error)));
  p.cancel = true;
}

bool OpenTableFile(TableSession& p, const fs::path& file) {
  TableState& s = State(p);
  CloseTable(p);
  DbfOpen o = DbfTable::Open(file, p.clock);
  if (!o.table) {
    ShowDbfError(p, o.error);
    return false;
  }
  s.table = std::move(o.table);
  s.file = file;
  s.inTempFolder = false;
  return true;
}

bool OpenTable(TableSession& p, const std::string& name) {
  const fs::path path = TablePath(p, name);
  if (!model::RequireFile(p, path)) return false;
  fs::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  if (FolderPassesWriteTest(folder) && !ReadOnlyFile(path)) return OpenTableFile(p, path);

  const fs::path copy = TempFolder(p) / path.filename();
  std::error_code ec;
  fs::copy_file(path, copy, fs::copy_options::overwrite_existing, ec);
  if (!ec) fs::permissions(copy, fs::perms::owner_write, fs::perm_options::add, ec);
  if (ec) {
    model::ReportCreateError(p, ec.value());
    return false;
  }
  if (!OpenTableFile(p, copy)) return false;
  State(p).inTempFolder = true;
  return true;
}

void CloseTable(TableSession& p) {
  TableState& s = State(p);
  s.table.reset();
  s.file.clear();
  s.inTempFolder = false;
}

bool TableOpen(const TableSession& p) {
  return Table(p) != nullptr;
}

void SetBrowserTitles(TableSession& p, const std::string& title1, const std::string& title2) {
  TableState& s = State(p);
  s.title1 = title1;
  s.title2 = title2;
}

void GoRecord(TableSession& p, int n) {
  DbfTable* t = Table(p);
  if (t == nullptr || t->RecordCount() == 0) return;
  if (n > t->RecordCount()) {
    model::AddMessage(p.connection.log, "DBF #" + std::to_string(n) + " not found.");
    n = t->RecordCount();
  }
  Check(p, t->GoRecord(std::max(n, 1)));
}

int RecordNumber(const TableSession& p) {
  const DbfTable* t = Table(p);
  return t ? t->RecordNumber() : 0;
}

int RecordCount(const TableSession& p) {
  const DbfTable* t = Table(p);
  return t ? t->RecordCount() : 0;
}

std::string FieldText(const TableSession& p, int n) {
  const DbfTable* t = Table(p);
  if (t == nullptr || n < 1 || n > t->FieldCount()) return {};
  return t->FieldText(n);
}

std::string FieldName(const TableSession& p, int n) {
  const DbfTable* t = Table(p);
  if (t == nullptr || n < 1 || n > t->FieldCount()) return {};
  return t->Field(n).name;
}

bool FieldByName(const TableSession& p, const std::string& name) {
  const DbfTable* t = Table(p);
  return t != nullptr && t->FieldTrue(name);
}

void WriteTextField(TableSession& p, const std::string& name, const std::string& text) {
  if (DbfTable* t = Table(p)) Check(p, t->ReplaceText(name, text));
}

void WriteIntField(TableSession& p, const std::string& name, std::int64_t value) {
  if (DbfTable* t = Table(p)) Check(p, t->ReplaceInt(name, value));
}

void WriteRealField(TableSession& p, const std::string& name, Extended value) {
  if (DbfTable* t = Table(p)) Check(p, t->ReplaceReal(name, value));
}

void WriteLogicalField(TableSession& p, const std::string& name, bool value) {
  if (DbfTable* t = Table(p)) Check(p, t->ReplaceLogical(name, value));
}

void Post(TableSession& p) {
  if (DbfTable* t = Table(p)) Check(p, t->Post());
}

void AppendRecord(TableSession& p) {
  if (DbfTable* t = Table(p)) Check(p, t->AppendBlank());
}

void MakeIndex(TableSession& p, const std::string& field, const std::string& table) {
  DbfTable* t = Table(p);
  if (t == nullptr) return;
  const fs::path ndx = TempFolder(p) / (table + ".ndx");
  std::error_code ec;
  if (fs::exists(ndx, ec)) {
    if (t->OpenIndex(ndx) == DbfError::None && t->IndexField() == t->FieldNumber(field)) return;
    t->CloseIndex();
    fs::remove(ndx, ec);
  }
  Check(p, t->CreateIndex(field, ndx));
}

bool FindKey(TableSession& p, const std::string& key) {
  DbfTable* t = Table(p);
  bool found = t != nullptr && t->FindKey(key);
  if (t != nullptr && !found && key.find('.') != std::string::npos) {
    std::string comma = key;
    std::replace(comma.begin(), comma.end(), '.', ',');
    found = t->FindKey(comma);
  }
  State(p).found = found;
  return found;
}

bool Found(const TableSession& p) {
  return p.tables.found;
}

bool Browse(TableSession& p, const std::string& mode, int kind) {
  TableState& s = State(p);
  DbfTable* t = Table(p);
  if (t == nullptr || s.browser == nullptr) {
    p.cancel = true;
    return false;
  }
  BrowseView view;
  view.mode = mode;
  view.pick = kind == 1;
  t->SetShowDeleted(!view.pick);
  if (view.pick) {
    view.caption = s.title2 + "   " + s.title1;
    if (t->RecordNumber() > 0 && t->Deleted()) t->Go(Move::First);
  } else {
    view.caption = s.title2 + "  " + s.title1 + "  (" + s.file.string() + ")";
    if (s.inTempFolder) model::ShowInfo(p, kNoWriteRight);
  }
  if (!s.browser->Show(p, view)) {
    p.cancel = true;
    return false;
  }
  p.cancel = false;
  Post(p);
  return !p.cancel;
}

}  // namespace kv40::tables
