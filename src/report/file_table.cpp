// Scanning a folder of input data files into preview rows.
#include "report/file_table.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <ctime>

#include "base/text.h"
#include "base/text_file.h"
#include "calc/driver.h"
#include "model/input_file_format.h"
#include "model/session.h"

namespace kv40::report {
namespace {
namespace fs = std::filesystem;

constexpr const char* kUnreadable = "Fehler: Datei nicht lesbar";
constexpr const char* kNoResult = "Fehler: Ergebnis ungültig";

bool IsInputFile(const fs::directory_entry& e) {
  std::error_code ec;
  return e.is_regular_file(ec) && base::EqualsIgnoringCase(e.path().extension().string(),
                                                           std::string(".") + model::kFileExt);
}

std::string FailedCalculation(const model::MessageLog& log) {
  for (int i = 1; i <= log.messageCount; ++i) {
    const std::string& m = log.Message(i);
    if (m.starts_with("Fatal")) return "Fehler: Berechnung: " + base::Trim(m.substr(9));
  }
  return "Fehler: Berechnung abgebrochen";
}

// Every number the row shows must be finite: a failed result is never shown as a value.
bool FiniteResults(const model::SpecState& s) {
  for (Extended v : {s.dB, s.mn, s.alpha, s.x[1], s.b0, s.TN, s.Tmax, s.Seq[1], s.Seq[2], s.Smax[1],
                     s.Smax[2]}) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

}  // namespace

std::vector<fs::path> InputFilesOf(const std::string& folder) {
  std::vector<fs::path> files;
  std::error_code ec;
  for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (IsInputFile(*it)) files.push_back(it->path());
  }
  std::sort(files.begin(), files.end(),
            [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });
  return files;
}

std::string FileDate(const fs::path& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return {};
  std::tm tm{};
  if (localtime_r(&st.st_mtime, &tm) == nullptr) return {};
  return base::IntZeroPad(tm.tm_year + 1900, 4) + "/" + base::IntZeroPad(tm.tm_mon + 1, 2) + "/" +
         base::IntZeroPad(tm.tm_mday, 2);
}

PreviewRow ScanFile(const fs::path& path, const model::SpecState& defaults,
                    const base::NumberFormat& nf) {
  const std::string date = FileDate(path);
  const base::ReadResult read = base::ReadTextFile(path);
  if (!read.text) return FailedRow(path.string(), date, kUnreadable);
  model::InputFileParse parsed = model::ParseInputFile(*read.text, defaults, model::DocuData{});
  if (!parsed.ok) {
    return FailedRow(
        path.string(), date,
        "Fehler: Datei unvollständig (Zeile " + std::to_string(parsed.missingLine) + " fehlt)");
  }
  model::SpecState& s = parsed.connection;
  bool cancel = false;
  calc::RecalcAll(s, nf, cancel);
  if (cancel || s.log.fatal) return FailedRow(path.string(), date, FailedCalculation(s.log));
  if (!FiniteResults(s)) return FailedRow(path.string(), date, kNoResult);
  return ResultRow(s, nf, path.string(), date);
}

PreviewGrid ScanFiles(const std::vector<fs::path>& files, const base::NumberFormat& nf,
                      const ScanProgress& progress) {
  PreviewGrid grid;
  grid.headings = PreviewHeadings(nf);
  grid.rows.reserve(files.size());
  model::SpecState defaults;
  model::InitDefaults(defaults);
  int done = 0;
  for (const fs::path& file : files) {
    grid.rows.push_back(ScanFile(file, defaults, nf));
    if (progress && !progress(++done, file.filename().string())) break;
  }
  return grid;
}

}  // namespace kv40::report
