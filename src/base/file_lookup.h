// Finding a file whose name may be written in another letter case (files made on systems
// that ignore case keep whatever case they were given).
#pragma once

#include <filesystem>
#include <string>

namespace kv40::base {

// folder + name when that exists; else the first entry of folder in sorted order whose name
// equals name without regard to ASCII case; else folder + name. An empty folder means the
// current folder, and the result is then the bare name.
std::filesystem::path FindIgnoringCase(const std::string& folder, const std::string& name);

}  // namespace kv40::base
