// The result preview: a grid of key results, one row per input data file, that the File menu's
// table command fills and shows; sorting by a column; the window behind it as a seam.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "base/format.h"
#include "model/spec_state.h"

namespace kv40::report {

// "File", "Date  y/m/d", the results, and "Status": empty for a good row, the reason for a
// file that could not be read or calculated.
inline constexpr int kPreviewColumns = 19;
inline constexpr int kStatusColumn = 18;
inline constexpr int kDefaultColumnWidth = 48;  // pixels
inline constexpr int kPreviewHelp = 3400;

using PreviewCells = std::array<std::string, kPreviewColumns>;

struct PreviewRow {
  PreviewCells cells{};
  std::string path;     // the input data file
  bool failed = false;  // not read or not calculated: the value cells are empty
};

struct PreviewGrid {
  PreviewCells headings{};
  std::vector<PreviewRow> rows;
  std::string lastPicked;  // path of the row picked last; picking it again does nothing
};

// The headings with the length and torque units of the number settings.
PreviewCells PreviewHeadings(const base::NumberFormat& nf);
// Column widths in pixels: the file 150, the drawing numbers 90, the materials 100.
int PreviewColumnWidth(int column);

// The row of a calculated connection. date is "y/m/d".
PreviewRow ResultRow(const model::SpecState& s, const base::NumberFormat& nf,
                     const std::string& path, const std::string& date);
// The row of a file that could not be read or calculated: name, date and the reason only.
PreviewRow FailedRow(const std::string& path, const std::string& date, const std::string& reason);

// Sorts the rows ascending by the texts of one column, compared character code by character
// code; rows with equal texts keep their order. The headings stay.
void SortPreview(PreviewGrid& grid, int column);

// The windows of the file table: a progress window while the folder is scanned, then the grid.
class PreviewUi {
 public:
  virtual ~PreviewUi() = default;
  // The scan of `total` files begins.
  virtual void BeginScan(int total) = 0;
  // File `done` (1-based) of the scan is `name`. False when the user cancelled the scan.
  virtual bool ScanStep(int done, const std::string& name) = 0;
  virtual void EndScan() = 0;
  // Shows the grid until a row is picked (its index in grid.rows) or the window is left with
  // "E&xit" or its close box (nullopt).
  virtual std::optional<std::size_t> ShowPreview(PreviewGrid& grid, const std::string& caption) = 0;
};

}  // namespace kv40::report
