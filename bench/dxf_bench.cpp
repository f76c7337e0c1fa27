// Writing a large drawing as DXF through the kernel: 10^6 lines and a polyline of 10^5
// vertices with bulges (bench/dxf_vs_ezdxf.sh compares it with python3-ezdxf).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/program.h"
#include "base/clock.h"
#include "cad/kernel.h"
#include "model/batch_ui.h"

namespace {

using namespace kv40;

void DxfMillionLines(benchmark::State& state) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("kv40_dxf_bench_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  app::Program p;
  model::BatchUi ui;
  base::SystemClock clock;
  p.ui = &ui;
  p.clock = &clock;
  p.batchCad = true;
  p.toothForm.invPolyline = true;
  p.currentFile = (dir / "big").string();
  for (auto _ : state) {
    cad::CadBeginDrawing(p, cad::CadDevice::Dxf);
    cad::CadLimits(p, 0, 0, 1000, 1000);
    cad::CadTables(p, 0);
    cad::CadEntities(p);
    for (int i = 0; i < 1'000'000; ++i) {
      const double t = i * 1e-3;
      cad::CadLine(p, t, 0.5 * t, t + 1.25, 1000 - t);
    }
    cad::CadBeginPolyline(p);
    for (int i = 0; i < 100'000; ++i)
      cad::CadVertex(p, i * 0.01, (i % 2) * 0.5, (i % 3) * 0.1);
    cad::CadEndPolyline(p);
    cad::CadEndSection(p);
    cad::CadEndDrawing(p);
    if (p.cancel) state.SkipWithError("drawing failed");
  }
  state.counters["MB"] = static_cast<double>(std::filesystem::file_size(dir / "big.dxf")) / 1e6;
  std::filesystem::remove_all(dir);
}
BENCHMARK(DxfMillionLines)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
