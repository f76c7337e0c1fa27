// dBase III NDX index files: a B-tree of 512-byte pages over the keys of one field.
// The whole index is held as its ordered entries; the file is read by walking the tree
// and written by building the tree bottom-up.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tables/dbf_error.h"

namespace kv40::tables {

inline constexpr int kNdxPageSize = 512;
inline constexpr int kMaxKeyLength = 100;

struct NdxKeyInfo {
  std::string expression;  // the field name the index is built on
  bool numeric = false;    // keys are 8-byte doubles (numbers and dates), else text bytes
  int keyLength = 0;       // bytes of a key: 8 for numeric keys, else up to 100
};

struct NdxEntry {
  std::string key;    // text keys: CP437 bytes padded with blanks to the key length
  double number = 0;  // numeric keys
  std::uint32_t record = 0;
};

struct NdxParse;

class NdxIndex {
 public:
  NdxIndex() = default;
  // Sorts the entries (by key, then record number).
  NdxIndex(NdxKeyInfo info, std::vector<NdxEntry> entries);

  // Reads a file image: checks the header, walks the tree from its root, and requires the
  // leaves to come out in key order.
  static NdxParse Parse(std::string_view bytes);
  // The file image of this index.
  std::string Bytes() const;

  const NdxKeyInfo& info() const { return info_; }
  const std::vector<NdxEntry>& entries() const { return entries_; }

  // Position of the first entry with exactly this key; -1 when there is none.
  int Find(const NdxEntry& probe) const;
  // Position of the entry of this record with this key; -1 when there is none.
  int Position(const NdxEntry& entry) const;

  void Insert(NdxEntry entry);
  // Removes the entry with this key and record; false when it is not there.
  bool Remove(const NdxEntry& entry);

  bool Less(const NdxEntry& a, const NdxEntry& b) const;
  bool SameKey(const NdxEntry& a, const NdxEntry& b) const;

 private:
  NdxKeyInfo info_;
  std::vector<NdxEntry> entries_;
};

struct NdxParse {
  std::optional<NdxIndex> index;
  DbfError error = DbfError::None;
};

}  // namespace kv40::tables
