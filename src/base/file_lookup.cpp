// Case-blind file lookup.
#include "base/file_lookup.h"

#include <algorithm>
#include <vector>

#include "base/text.h"

namespace kv40::base {

namespace fs = std::filesystem;

fs::path FindIgnoringCase(const std::string& folder, const std::string& name) {
  const fs::path exact = folder.empty() ? fs::path(name) : fs::path(folder) / name;
  std::error_code ec;
  if (fs::exists(exact, ec)) return exact;

  const fs::path dir = folder.empty() ? fs::path(".") : fs::path(folder);
  std::vector<fs::path> candidates;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (EqualsIgnoringCase(it->path().filename().string(), name)) candidates.push_back(it->path());
  }
  if (candidates.empty()) return exact;
  std::sort(candidates.begin(), candidates.end());
  return folder.empty() ? candidates.front().filename() : candidates.front();
}

}  // namespace kv40::base
