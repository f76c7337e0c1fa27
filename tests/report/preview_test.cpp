// The preview grid: its headings and row formats, and sorting by a column.
#include "report/preview.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace kv40::report {
namespace {

TEST(Preview, RowFormatsAndHeadings) {
  model::SpecState s;
  model::InitDefaults(s);
  s.znr[1] = "KV40-0001-01";
  s.znr[2] = "KV40-0001-02";
  s.dB = 50;
  s.mn = 2;
  s.alpha = 30;
  s.z[1] = 24;
  s.x[1] = -0.05L;
  s.b0 = 20;
  s.TN = 800;
  s.Tmax = 1200;
  s.matname[1] = "42CrMo4";
  s.matname[2] = "C45";
  s.Seq = {2.345L, 3.5L};
  s.Smax = {1.5L, 10.124L};
  base::NumberFormat nf;
  const PreviewRow row = ResultRow(s, nf, "/daten/w.k40", "2026/12/10");
  // the number formats of the report (a leading blank for the sign)
  EXPECT_EQ(row.cells,
            (PreviewCells{"w.k40", "2026/12/10", "KV40-0001-01", "KV40-0001-02", " 50.00", " 2.000",
                          " 30.00", " 24", "-0.050", "20.000", "  800.0", " 1200.0", "42CrMo4",
                          "C45", "  2.35", "  3.50", "  1.50", " 10.12", ""}));
  EXPECT_EQ(PreviewHeadings(nf)[4], "dB [mm]");
  EXPECT_EQ(PreviewHeadings(nf)[10], "TN [Nm]");
  nf.inchUnits = 1;
  EXPECT_EQ(PreviewHeadings(nf)[4], "dB [in]");
  EXPECT_EQ(PreviewColumnWidth(0), 150);
  EXPECT_EQ(PreviewColumnWidth(3), 90);
  EXPECT_EQ(PreviewColumnWidth(12), 100);
  EXPECT_EQ(PreviewColumnWidth(7), kDefaultColumnWidth);
}

TEST(Preview, SortByColumnText) {
  PreviewGrid grid;
  const auto row = [](const std::string& file, const std::string& z) {
    PreviewRow r;
    r.path = file;
    r.cells[0] = file;
    r.cells[7] = z;
    return r;
  };
  grid.rows = {row("a", " 10"), row("b", "  9"), row("c", "100"), row("d", "  9"), row("ä", "")};
  SortPreview(grid, 7);
  std::vector<std::string> order;
  for (const auto& r : grid.rows)
    order.push_back(r.path);
  // texts, not numbers: blanks first; equal texts keep their order
  EXPECT_EQ(order, (std::vector<std::string>{"ä", "b", "d", "a", "c"}));
  SortPreview(grid, 0);
  order.clear();
  for (const auto& r : grid.rows)
    order.push_back(r.path);
  EXPECT_EQ(order, (std::vector<std::string>{"a", "b", "c", "d", "ä"})) << "by character code";
  SortPreview(grid, kPreviewColumns);  // no such column: nothing happens
  EXPECT_EQ(grid.rows[0].path, "a");
}

}  // namespace
}  // namespace kv40::report
