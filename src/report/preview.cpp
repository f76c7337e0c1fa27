// The result preview's grid: headings, rows and sorting.
#include "report/preview.h"

#include <algorithm>
#include <filesystem>

#include "base/text.h"

namespace kv40::report {

PreviewCells PreviewHeadings(const base::NumberFormat& nf) {
  const std::string length = " [" + base::LengthUnit(nf) + "]";
  const std::string torque = " [" + base::TorqueUnit(nf) + "]";
  return {"File",        "Date  y/m/d",   "1 (Welle)",  "2 (Nabe)",   "dB" + length,
          "m" + length,  "alpha [°]",     "z",          "x",          "l" + length,
          "TN" + torque, "Tmax" + torque, "Material 1", "Material 2", "S eq 1",
          "S eq 2",      "S max 1",       "S max 2",    "Status"};
}

int PreviewColumnWidth(int column) {
  switch (column) {
    case 0:
      return 150;
    case 2:
    case 3:
      return 90;
    case 12:
    case 13:
      return 100;
    case kStatusColumn:
      return 260;  // a failure's reason is read whole
    default:
      return kDefaultColumnWidth;
  }
}

PreviewRow ResultRow(const model::SpecState& s, const base::NumberFormat& nf,
                     const std::string& path, const std::string& date) {
  PreviewRow row;
  row.path = path;
  PreviewCells& c = row.cells;
  c[0] = std::filesystem::path(path).filename().string();
  c[1] = date;
  c[2] = base::OemToWindow(nf, s.znr[1]);
  c[3] = base::OemToWindow(nf, s.znr[2]);
  c[4] = base::FormatLength(nf, 3, 2, s.dB);
  c[5] = base::FormatLength(nf, 2, 3, s.mn);
  c[6] = base::FormatFixed(nf, 3, 2, s.alpha);
  c[7] = base::IntBlankPad(s.z[1], 3);
  c[8] = base::FormatFixed(nf, 1, 3, s.x[1]);
  c[9] = base::FormatLength(nf, 2, 3, s.b0);
  c[10] = base::FormatTorque(nf, 5, 1, s.TN);
  c[11] = base::FormatTorque(nf, 5, 1, s.Tmax);
  c[12] = s.matname[1];
  c[13] = s.matname[2];
  c[14] = base::FormatFixed(nf, 3, 2, s.Seq[1]);
  c[15] = base::FormatFixed(nf, 3, 2, s.Seq[2]);
  c[16] = base::FormatFixed(nf, 3, 2, s.Smax[1]);
  c[17] = base::FormatFixed(nf, 3, 2, s.Smax[2]);
  return row;
}

PreviewRow FailedRow(const std::string& path, const std::string& date, const std::string& reason) {
  PreviewRow row;
  row.path = path;
  row.failed = true;
  row.cells[0] = std::filesystem::path(path).filename().string();
  row.cells[1] = date;
  row.cells[kStatusColumn] = reason;
  return row;
}

void SortPreview(PreviewGrid& grid, int column) {
  if (column < 0 || column >= kPreviewColumns) return;
  const auto col = static_cast<std::size_t>(column);
  // std::string compares by unsigned character codes, and UTF-8 keeps the code-point order
  std::stable_sort(
      grid.rows.begin(), grid.rows.end(),
      [col](const PreviewRow& a, const PreviewRow& b) { return a.cells[col] < b.cells[col]; });
}

}  // namespace kv40::report
