// Workbooks read back with openpyxl through Debian's Python.
#include "support/read_workbook.h"

#include "support/run_program.h"

namespace kv40::test {
namespace {

constexpr const char* kScript = R"(
import sys, openpyxl
try:
    wb = openpyxl.load_workbook(sys.argv[1])
except Exception as e:
    print("error\t" + str(e).replace("\n", " "))
    sys.exit(0)
ws = wb.active
for row in ws.iter_rows():
    for c in row:
        if c.value is not None:
            v = str(c.value).replace("\n", "\\n")
            print(c.coordinate + "\t" + type(c.value).__name__ + ":" + v)
)";

}  // namespace

std::map<std::string, std::string> ReadWorkbook(const std::filesystem::path& path) {
  const RunResult run =
      RunProgram("/usr/bin/python3", {"-c", kScript, path.string()}, path.parent_path());
  std::map<std::string, std::string> cells;
  if (run.exitCode != 0) {
    cells["error"] = "python3 ended with " + std::to_string(run.exitCode) + ": " + run.err;
    return cells;
  }
  std::size_t start = 0;
  while (start < run.out.size()) {
    std::size_t end = run.out.find('\n', start);
    if (end == std::string::npos) end = run.out.size();
    const std::string line = run.out.substr(start, end - start);
    const std::size_t tab = line.find('\t');
    if (tab != std::string::npos) cells[line.substr(0, tab)] = line.substr(tab + 1);
    start = end + 1;
  }
  return cells;
}

}  // namespace kv40::test
