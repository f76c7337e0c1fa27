// Fuzz target for the KV40.cfg reader: any bytes must read without a fault, and what is
// written from the result must read back to the same file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/text_file.h"
#include "config/config_file.h"
#include "config/config_format.h"

namespace {

const kv40::config::ScreenInfo kScreen{1280, 1024, 96, 800, 754};

void Require(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kv40;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const config::ParseResult first = config::ParseConfig(base::SplitLines(bytes), "/s/", kScreen);

  // Writing what was read and reading it again changes nothing more.
  const std::string written = config::ConfigBytes(first.config);
  const config::ParseResult second = config::ParseConfig(base::SplitLines(written), "/s/", kScreen);
  Require(second.complete);
  Require(config::ConfigBytes(second.config) == written);

  // Folder values of any shape resolve to folders with a trailing separator.
  model::Config resolved = first.config;
  config::ResolveFolders(resolved, "/base/dir");
  for (const std::string* folder : {&resolved.cadDir, &resolved.dataDir, &resolved.tempDir}) {
    Require(folder->empty() || folder->back() == '/');
  }
  return 0;
}
