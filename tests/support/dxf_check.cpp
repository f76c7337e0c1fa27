// DXF files checked by ezdxf through tests/support/dxf_check.py.
#include "support/dxf_check.h"

#include <cstdio>
#include <fstream>

#include "support/temp_dir.h"

namespace kv40::test {
namespace {

std::string Script() {
  return std::string(KV40_TEST_DATA_DIR) + "/../support/dxf_check.py";
}

std::string Quoted(const std::string& s) {
  std::string out = "'";
  for (char c : s) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  return out + "'";
}

std::string Trimmed(std::string s) {
  while (!s.empty() && (s.back() == '\n' || s.back() == '\r'))
    s.pop_back();
  return s;
}

}  // namespace

std::string Shell(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return "popen failed";
  char buf[4096];
  std::size_t n = 0;
  while ((n = fread(buf, 1, sizeof buf, pipe)) > 0)
    out.append(buf, n);
  const int status = pclose(pipe);
  if (status != 0) out += "exit " + std::to_string(status);
  return out;
}

std::string EzdxfAudit(const std::filesystem::path& dxf, bool checkLayers) {
  return Trimmed(Shell("/usr/bin/python3 " + Quoted(Script()) + " audit " + Quoted(dxf.string()) +
                       (checkLayers ? " --layers" : "") + " 2>&1"));
}

std::string CompareWithDisplayList(const std::filesystem::path& dxf,
                                   const std::vector<std::string>& displayList) {
  const std::filesystem::path list = dxf.string() + ".list";
  {
    std::ofstream out(list, std::ios::binary);
    for (const std::string& line : displayList)
      out << line << '\n';
  }
  return Trimmed(Shell("/usr/bin/python3 " + Quoted(Script()) + " compare " + Quoted(dxf.string()) +
                       " " + Quoted(list.string()) + " 2>&1"));
}

}  // namespace kv40::test
