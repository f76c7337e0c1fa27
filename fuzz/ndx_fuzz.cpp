// Fuzz target for the NDX index reader: any bytes either read as an index in key order or
// give an error code; an index that reads writes back to one that reads the same, and every
// key is found.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "tables/ndx_index.h"

namespace {

void Require(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kv40::tables;
  const NdxParse first =
      NdxIndex::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
  Require(first.index.has_value() == (first.error == DbfError::None));
  if (!first.index) return 0;
  const NdxIndex& index = *first.index;
  const auto& entries = index.entries();
  for (std::size_t i = 1; i < entries.size(); ++i)
    Require(!index.Less(entries[i], entries[i - 1]));
  for (const NdxEntry& e : entries) {
    const int at = index.Find(e);
    Require(at >= 0 && index.SameKey(entries[static_cast<std::size_t>(at)], e));
    Require(index.Position(e) >= at);
  }
  const NdxParse second = NdxIndex::Parse(index.Bytes());
  Require(second.index.has_value());
  Require(second.index->entries().size() == entries.size());
  Require(second.index->info().numeric == index.info().numeric);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    Require(second.index->entries()[i].record == entries[i].record);
    Require(index.SameKey(second.index->entries()[i], entries[i]));
  }
  return 0;
}
