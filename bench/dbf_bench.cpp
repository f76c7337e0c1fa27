// Time to open a material table of 10 000 records, index it on the material number and find
// one key: what a material lookup costs before the browser shows.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tables/dbf_table.h"

namespace {

namespace fs = std::filesystem;
using namespace kv40::tables;

constexpr int kRecords = 10000;

// A table with the fields of the material master, filled with distinct material numbers.
fs::path MakeTable(const fs::path& dir) {
  const fs::path path = dir / "wkx1base.dbf";
  const std::vector<DbfField> fields = {
      {"WNR", 'C', 9, 0, 0},    {"NAME", 'C', 18, 0, 0}, {"KURZ", 'C', 9, 0, 0},
      {"WTYP", 'N', 2, 0, 0},   {"RM", 'N', 5, 0, 0},    {"RE", 'N', 5, 0, 0},
      {"HB", 'N', 5, 0, 0},     {"E", 'N', 8, 1, 0},     {"A5", 'N', 6, 1, 0},
      {"SIGW", 'N', 6, 0, 0},   {"TAUW", 'N', 6, 0, 0},  {"QUELLE", 'C', 35, 0, 0},
      {"BEMERK", 'C', 35, 0, 0}};
  DbfTable::Create(path, fields, {2026, 1, 1});
  DbfTable t = std::move(*DbfTable::Open(path).table);
  std::vector<std::string> records;
  for (int i = 0; i < kRecords; ++i) {
    std::string r = BlankRecord(t.layout());
    const int k = (i * 7919) % kRecords;
    char nr[16];
    std::snprintf(nr, sizeof nr, "%d.%04d", 1 + k / 10000, k % 10000);
    bool lossy = false;
    std::string bytes;
    EncodeText(t.Field(1), nr, bytes, lossy);
    r.replace(1, bytes.size(), bytes);
    EncodeText(t.Field(2), "Werkstoff " + std::to_string(k), bytes, lossy);
    r.replace(static_cast<std::size_t>(t.Field(2).offset), bytes.size(), bytes);
    EncodeInt(t.Field(6), 200 + k % 900, bytes);
    r.replace(static_cast<std::size_t>(t.Field(6).offset), bytes.size(), bytes);
    records.push_back(r);
  }
  t.AppendRecords(records);
  return path;
}

void BM_OpenIndexFind(benchmark::State& state) {
  char pattern[] = "/tmp/kv40bench.XXXXXX";
  const fs::path dir = mkdtemp(pattern);
  const fs::path path = MakeTable(dir);
  for (auto _ : state) {
    DbfOpen o = DbfTable::Open(path);
    DbfTable& t = *o.table;
    t.CreateIndex("WNR", dir / "wkx1base.ndx");
    const bool found = t.FindKey("1.4711");
    benchmark::DoNotOptimize(found);
    if (!found || t.RecordCount() != kRecords) state.SkipWithError("lookup failed");
  }
  fs::remove_all(dir);
}
BENCHMARK(BM_OpenIndexFind)->Unit(benchmark::kMillisecond);

}  // namespace
