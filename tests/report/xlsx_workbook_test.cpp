// Which cell texts a workbook stores as numbers.
#include "report/xlsx_workbook.h"

#include <optional>

#include <gtest/gtest.h>

namespace kv40::report {
namespace {

TEST(XlsxWorkbook, CellNumbers) {
  struct Case {
    const char* text;
    std::optional<double> number;
  };
  const Case cases[] = {
      {"12", 12},
      {" -0.050 ", -0.05},
      {"30,00000", 30},
      {"+3.5", 3.5},
      {"0", 0},
      {"0.5", 0.5},
      {"007", std::nullopt},
      {"1.", std::nullopt},
      {".5", std::nullopt},
      {"1.2.3", std::nullopt},
      {"1e5", std::nullopt},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"50x2x24", std::nullopt},
      {"10.12.2026", std::nullopt},
      {"TRUE", std::nullopt},
      {"2026/12/10", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(CellNumber(c.text), c.number);
  }
}

}  // namespace
}  // namespace kv40::report
