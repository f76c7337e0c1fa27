// Writing .xlsx workbooks with libxlsxwriter.
#include "report/xlsx_workbook.h"

#include <unistd.h>
#include <xlsxwriter.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "base/text.h"

namespace kv40::report {
namespace {
namespace fs = std::filesystem;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Digits only, no leading zero unless it is the only digit.
bool IsWholePart(std::string_view digits) {
  if (digits.empty()) return false;
  for (char c : digits) {
    if (!IsDigit(c)) return false;
  }
  return digits.size() == 1 || digits.front() != '0';
}

// A unique empty file beside path, for the workbook to be written into.
std::string ScratchBeside(const fs::path& path) {
  fs::path dir = path.parent_path();
  if (dir.empty()) dir = ".";
  std::string name = (dir / ("." + path.filename().string() + ".XXXXXX")).string();
  const int fd = mkstemp(name.data());
  if (fd < 0) return {};
  close(fd);
  return name;
}

}  // namespace

std::optional<double> CellNumber(std::string_view text) {
  std::string_view t = base::TrimView(text);
  std::string plain(t);
  std::size_t start = 0;
  if (!plain.empty() && (plain[0] == '-' || plain[0] == '+')) start = 1;
  const std::size_t mark = plain.find_first_of(".,", start);
  const std::string_view whole = std::string_view(plain).substr(start, mark - start);
  if (!IsWholePart(whole)) return std::nullopt;
  if (mark != std::string::npos) {
    const std::string_view decimals = std::string_view(plain).substr(mark + 1);
    if (decimals.empty()) return std::nullopt;
    for (char c : decimals) {
      if (!IsDigit(c)) return std::nullopt;
    }
    plain[mark] = '.';
  }
  if (plain[0] == '+') plain.erase(0, 1);
  double value = 0;
  const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (ec != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
  return value;
}

std::string WriteWorkbook(const fs::path& path, const SheetCells& cells,
                          const std::string& workDir) {
  const std::string scratch = ScratchBeside(path);
  if (scratch.empty()) return "Datei " + path.string() + " kann nicht angelegt werden";
  std::string tmpDir = workDir;
  lxw_workbook_options options{};
  options.constant_memory = LXW_FALSE;
  options.tmpdir = tmpDir.empty() ? nullptr : tmpDir.data();
  options.use_zip64 = LXW_FALSE;
  lxw_workbook* book = workbook_new_opt(scratch.c_str(), &options);
  lxw_worksheet* sheet = book != nullptr ? workbook_add_worksheet(book, nullptr) : nullptr;
  std::string failure;
  if (sheet == nullptr) failure = "Arbeitsmappe kann nicht angelegt werden";
  for (std::size_t r = 0; sheet != nullptr && failure.empty() && r < cells.size(); ++r) {
    for (std::size_t c = 0; c < cells[r].size(); ++c) {
      const std::string& text = cells[r][c];
      if (text.empty()) continue;
      const auto row = static_cast<lxw_row_t>(r);
      const auto col = static_cast<lxw_col_t>(c);
      const lxw_error error =
          CellNumber(text) ? worksheet_write_number(sheet, row, col, *CellNumber(text), nullptr)
                           : worksheet_write_string(sheet, row, col, text.c_str(), nullptr);
      if (error != LXW_NO_ERROR) {
        failure = lxw_strerror(error);
        break;
      }
    }
  }
  if (book != nullptr) {
    const lxw_error closed = workbook_close(book);
    if (failure.empty() && closed != LXW_NO_ERROR) failure = lxw_strerror(closed);
  }
  if (failure.empty()) {
    std::error_code ec;
    fs::rename(scratch, path, ec);
    if (!ec) return {};
    failure = ec.message();
  }
  std::error_code ignored;
  fs::remove(scratch, ignored);
  return "Arbeitsmappe " + path.string() + " wurde nicht geschrieben: " + failure;
}

}  // namespace kv40::report
