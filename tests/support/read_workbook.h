// Reads a workbook back with an outside reader (Debian's python3-openpyxl), cell by cell.
#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace kv40::test {

// Every non-empty cell of the active sheet: "A1" -> "str:File", "E2" -> "int:50",
// "G2" -> "float:30.5". A workbook openpyxl cannot read gives one entry "error" -> its message.
std::map<std::string, std::string> ReadWorkbook(const std::filesystem::path& path);

}  // namespace kv40::test
