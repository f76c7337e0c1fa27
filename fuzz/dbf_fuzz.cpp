// Fuzz target for the dBase table reader: any bytes either read as a table or give an error
// code; a table that reads can be walked, indexed on every field, searched and exported.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "tables/dbf_table.h"
#include "tables/dbf_transfer.h"

namespace {

void Require(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kv40::tables;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  DbfOpen o = DbfTable::FromBytes(bytes);
  Require(o.table.has_value() == (o.error == DbfError::None));
  if (!o.table) return 0;
  DbfTable& t = *o.table;
  Require(t.RecordCount() == 0 || t.RecordNumber() == 1);

  for (int n = 1; n <= t.FieldCount() && n <= 8; ++n) {
    if (t.CreateIndex(t.Field(n).name, "") != DbfError::None) continue;
    const NdxIndex& index = *t.Index();
    Require(index.entries().size() == static_cast<std::size_t>(t.RecordCount()));
    // What the index writer makes, the index reader reads back unchanged.
    const NdxParse back = NdxIndex::Parse(index.Bytes());
    Require(back.index.has_value());
    Require(back.index->entries().size() == index.entries().size());
    for (std::size_t i = 0; i < index.entries().size(); ++i) {
      Require(back.index->entries()[i].record == index.entries()[i].record);
      Require(index.SameKey(back.index->entries()[i], index.entries()[i]));
    }
    if (t.RecordCount() > 0) {
      const std::string key = t.StoredText(t.RecordCount(), n);
      if (t.FindKey(key)) {
        if (index.info().numeric) {
          Require(index.SameKey(t.KeyOf(t.RecordNumber()), t.KeyOf(t.RecordCount())));
        } else if (t.Field(n).length <= kMaxKeyLength) {
          Require(t.StoredText(t.RecordNumber(), n) == key);
        }
      }
    }
  }
  t.SetShowDeleted(false);
  int steps = 0;
  for (bool more = t.Go(Move::First); more && steps < 64; more = t.Go(Move::Next), ++steps) {
    Require(!t.Deleted());
    for (int n = 1; n <= t.FieldCount(); ++n)
      (void)t.FieldText(n);
  }
  if (t.RecordCount() > 0) (void)t.Search(t.StoredText(1, 1), true);
  // Every exported line splits back into one value per field.
  const std::string text = DelimitedText(t);
  std::size_t lines = 0;
  for (std::size_t at = 0; at < text.size(); at = text.find("\r\n", at) + 2)
    ++lines;
  Require(lines == t.Order().size());
  return 0;
}
