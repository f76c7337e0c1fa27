// Time of the tooth-form pictures: the heaviest ones written as DXF, and the meshing picture
// recorded for the screen at each step of a turn.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "app/program.h"
#include "base/clock.h"
#include "cad/tooth_pictures.h"
#include "calc/driver.h"
#include "model/batch_ui.h"
#include "tooth_bench_pictures.h"

namespace {

using kv40::Extended;
namespace cad = kv40::cad;

// A connection dB x 2 x z entered as a self-defined block, its drawings in the temporary folder.
struct Connection {
  explicit Connection(int z) {
    p.clock = &clock;
    p.ui = &ui;
    calculated = kv40::bench::CalculateConnection(p, z);
    p.batchCad = true;
    p.currentFile = (std::filesystem::temp_directory_path() / "kv40_tooth_bench").string();
  }
  ~Connection() { std::filesystem::remove(p.currentFile + ".dxf"); }
  kv40::base::SystemClock clock;
  kv40::model::BatchUi ui;
  kv40::app::Program p;
  bool calculated = false;
};

void Picture(benchmark::State& state, int z, int part, int picture, cad::CadDevice device) {
  Connection c(z);
  if (!c.calculated) state.SkipWithError("the calculation failed");
  c.p.toothForm.envelopesInternal = 200;
  c.p.toothForm.envelopesExternal = 30;
  for (auto _ : state) {
    c.p.cancel = false;
    cad::ToothFormDrawing(c.p, device, part, picture);
    if (c.p.cancel) state.SkipWithError("the picture failed");
  }
}

// Picture 5 of the hub (the shaft in the hub, 200 envelopes configured) as DXF: limit 150 ms.
void BM_HubGearWithEnvelopesDxf(benchmark::State& state) {
  Picture(state, 24, 2, cad::kGearEnvelopePicture, cad::CadDevice::Dxf);
}
// Picture 5 of a shaft of 40 teeth with 30 envelopes per space as DXF: limit 30 ms.
void BM_ShaftGearWithEnvelopesDxf(benchmark::State& state) {
  Picture(state, 40, 1, cad::kGearEnvelopePicture, cad::CadDevice::Dxf);
}
// The same two recorded for the screen (every insert drawn out).
void BM_HubGearWithEnvelopesScreen(benchmark::State& state) {
  Picture(state, 24, 2, cad::kGearEnvelopePicture, cad::CadDevice::Screen);
}
void BM_ShaftGearWithEnvelopesScreen(benchmark::State& state) {
  Picture(state, 40, 1, cad::kGearEnvelopePicture, cad::CadDevice::Screen);
}

// The hub's picture 5 with the shaft rolled in it in 200 positions (tooth_bench_pictures.h).
void RolledHub(benchmark::State& state, cad::CadDevice device) {
  Connection c(24);
  if (!c.calculated) state.SkipWithError("the calculation failed");
  c.p.toothForm.envelopesInternal = 200;
  for (auto _ : state) {
    c.p.cancel = false;
    if (!kv40::bench::DrawRolledHub(c.p, device)) state.SkipWithError("the picture failed");
  }
  state.counters["records"] = static_cast<double>(c.p.graphic.displayList.size());
}
void BM_HubShaftRolled200Dxf(benchmark::State& state) {
  RolledHub(state, cad::CadDevice::Dxf);
}
void BM_HubShaftRolled200Screen(benchmark::State& state) {
  RolledHub(state, cad::CadDevice::Screen);
}

// One step of turning the meshing picture: the shaft one degree further, recorded anew.
void BM_MeshingStep(benchmark::State& state) {
  Connection c(24);
  if (!c.calculated) state.SkipWithError("the calculation failed");
  for (auto _ : state) {
    c.p.cancel = false;
    c.p.connection.rotAngle1 += 1;
    cad::ToothFormDrawing(c.p, cad::CadDevice::Screen, 0, cad::kMeshingPicture);
    if (c.p.cancel) state.SkipWithError("the picture failed");
  }
}

BENCHMARK(BM_HubGearWithEnvelopesDxf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShaftGearWithEnvelopesDxf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HubGearWithEnvelopesScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShaftGearWithEnvelopesScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HubShaftRolled200Dxf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HubShaftRolled200Screen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MeshingStep)->Unit(benchmark::kMillisecond);

}  // namespace
