// The file table: every input data file of a folder loaded and calculated on its own, one
// preview row each. The open connection is never touched: each file is calculated in a
// scratch copy.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "base/format.h"
#include "report/preview.h"

namespace kv40::report {

// The ".k40" files of the folder (extension in any letter case), sorted by name.
std::vector<std::filesystem::path> InputFilesOf(const std::string& folder);

// The file's date as "y/m/d" ("2026/12/10"); empty when it has none.
std::string FileDate(const std::filesystem::path& path);

// One file read into a copy of `defaults` and calculated. A file that cannot be read, ends
// early, or whose calculation fails or gives no finite results gets a failed row.
PreviewRow ScanFile(const std::filesystem::path& path, const model::SpecState& defaults,
                    const base::NumberFormat& nf);

// Called after each file with the files done so far (1-based) and the file's name; false stops
// the scan.
using ScanProgress = std::function<bool(int done, const std::string& name)>;

// The grid of the files: the headings and one row per file scanned (fewer when stopped).
PreviewGrid ScanFiles(const std::vector<std::filesystem::path>& files, const base::NumberFormat& nf,
                      const ScanProgress& progress);

}  // namespace kv40::report
