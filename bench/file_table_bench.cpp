// File → Öffnen (Tabelle) without its windows: 10 000 input data files of one folder listed,
// each loaded into a scratch state, calculated and made into a preview row. The figure to watch
// is items_per_second (files per second, on one core).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "report/file_table.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 10000;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// kFiles copies of the two samples, each with its own nominal torque so that no two are alike.
void MakeFolder(const fs::path& dir) {
  const fs::path data = KV40_SOURCE_DATA_DIR;
  const std::string samples[] = {ReadAll(data / "beispiel1.k40"), ReadAll(data / "beispiel2.k40")};
  for (int i = 0; i < kFiles; ++i) {
    std::string text = samples[i % 2];
    const std::string torque = "\r\n" + std::to_string(500 + i) + ".0000000\r\n";
    const std::size_t at = text.find("\r\n800.0000000\r\n");
    if (at != std::string::npos) text.replace(at, 15, torque);
    std::ofstream(dir / ("datei" + std::to_string(i) + ".k40"), std::ios::binary) << text;
  }
}

void BM_ScanFolder(benchmark::State& state) {
  char pattern[] = "/tmp/kv40bench.XXXXXX";
  const fs::path dir = mkdtemp(pattern);
  MakeFolder(dir);
  const kv40::base::NumberFormat nf;
  for (auto _ : state) {
    const auto grid = kv40::report::ScanFiles(kv40::report::InputFilesOf(dir.string()), nf, {});
    benchmark::DoNotOptimize(grid.rows.data());
    int failed = 0;
    for (const auto& row : grid.rows)
      failed += row.failed ? 1 : 0;
    if (grid.rows.size() != static_cast<std::size_t>(kFiles) || failed != 0) {
      state.SkipWithError("not every file gave a good row");
    }
  }
  state.SetItemsProcessed(state.iterations() * kFiles);
  fs::remove_all(dir);
}
BENCHMARK(BM_ScanFolder)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
