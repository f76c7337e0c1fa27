// Workbooks for the spreadsheet program: one sheet of cells written as an .xlsx file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv40::report {

// Rows of cell texts; row 0 goes to spreadsheet row 1, cell 0 to column A.
using SheetCells = std::vector<std::vector<std::string>>;

// A cell text that is a plain decimal number ("12", " -0.050", "30,00", blanks around it
// allowed) is stored as a number, as a spreadsheet takes typed-in numbers; anything else,
// leading zeros included ("007"), stays text. nullopt: text.
std::optional<double> CellNumber(std::string_view text);

// Writes the cells as a workbook of one sheet. The file appears only when complete (temporary
// file in the same folder, then renamed); the library's own scratch files go to workDir.
// Returns an empty text, or what went wrong.
std::string WriteWorkbook(const std::filesystem::path& path, const SheetCells& cells,
                          const std::string& workDir);

}  // namespace kv40::report
