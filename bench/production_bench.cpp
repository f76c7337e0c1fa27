// Time of the production drawing of shaft and hub (both sheets, entry 8) generated and written
// as a DXF file, for the sample connection beispiel1.k40.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "app/program.h"
#include "cad/production_drawing.h"
#include "calc/driver.h"
#include "model/batch_ui.h"
#include "model/input_file.h"
#include "model/process_desktop.h"

namespace {

namespace fs = std::filesystem;
using namespace kv40;

struct BatchProgram {
  BatchProgram() {
    model::InitDefaults(p.connection);
    p.ui = &ui;
    p.desktop = &desktop;
    p.clock = &clock;
    p.random = &random;
    dir = fs::temp_directory_path() / "kv40_production_bench";
    fs::create_directories(dir);
    p.batchCad = true;
    p.config.tempDir = dir.string() + "/";
    if (!model::LoadInputFile(p, std::string(KV40_SOURCE_DATA_DIR) + "/beispiel1.k40")) {
      p.cancel = true;
    }
    calc::RecalcAll(p.connection, p.fmt(), p.cancel);
    p.currentFile = (dir / "sheets").string();
  }
  ~BatchProgram() { fs::remove_all(dir); }

  std::ostringstream errors, output;
  model::BatchUi ui{errors, output};
  model::ProcessDesktop desktop;
  base::FixedClock clock{{2026, 12, 10, 10, 30, 0}};
  base::SeededRandom random{1};
  app::Program p;
  fs::path dir;
};

void BM_ProductionDrawingBothSheetsDxf(benchmark::State& state) {
  BatchProgram b;
  for (auto _ : state) {
    b.p.cancel = false;
    cad::DrawProductionEntry(b.p, cad::CadDevice::Dxf, cad::ProductionEntry::BothSheets);
    if (b.p.cancel) state.SkipWithError("the drawing was cancelled");
  }
  state.counters["bytes"] = static_cast<double>(fs::file_size(b.dir / "sheets.dxf"));
}
BENCHMARK(BM_ProductionDrawingBothSheetsDxf)->Unit(benchmark::kMillisecond);

}  // namespace
