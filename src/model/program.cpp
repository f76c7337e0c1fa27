// Small queries on the program instance.
#include "model/program.h"

#include <algorithm>
#include <cctype>

namespace kv40::model {
namespace {
std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : static_cast<char>(c);
  });
  return s;
}
}  // namespace

bool HasSwitch(const Program& p, const std::string& sw) {
  const std::string want = Upper(sw);
  return std::any_of(p.args.begin(), p.args.end(),
                     [&](const std::string& a) { return Upper(a) == want; });
}

}  // namespace kv40::model
