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

namespace {

using kv40::Extended;
namespace cad = kv40::cad;

// A connection dB x 2 x z entered as a self-defined block, its drawings in the temporary folder.
struct Connection {
  explicit Connection(int z) {
    kv40::model::SpecState& s = p.connection;
    kv40::model::InitDefaults(s);
    const Extended m = 2, dB = m * z + 2.2L;
    s.abm = 2;
    s.z5482 = z;
    s.mn5482 = m;
    s.xm = (dB - m * z - 1.1L * m) / 2;
    s.d1 = dB;
    s.d2 = m * z + 2 * s.xm - 0.9L * m;
    s.d3 = dB - 0.2L * m;
    s.d4 = m * z + 2 * s.xm - 1.1L * m;
    s.r1 = s.r2 = 0.32L;
    p.clock = &clock;
    p.ui = &ui;
    bool cancel = false;
    kv40::calc::RecalcAll(s, p.fmt(), cancel);
    p.batchCad = true;
    p.currentFile = (std::filesystem::temp_directory_path() / "kv40_tooth_bench").string();
  }
  ~Connection() { std::filesystem::remove(p.currentFile + ".dxf"); }
  kv40::base::SystemClock clock;
  kv40::model::BatchUi ui;
  kv40::app::Program p;
};

void Picture(benchmark::State& state, int z, int part, int picture, cad::CadDevice device) {
  Connection c(z);
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

// One step of turning the meshing picture: the shaft one degree further, recorded anew.
void BM_MeshingStep(benchmark::State& state) {
  Connection c(24);
  for (auto _ : state) {
    c.p.cancel = false;
    c.p.connection.rotAngle1 += 1;
    cad::ToothFormDrawing(c.p, cad::CadDevice::Screen, 0, cad::kMeshingPicture);
  }
}

BENCHMARK(BM_HubGearWithEnvelopesDxf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShaftGearWithEnvelopesDxf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HubGearWithEnvelopesScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShaftGearWithEnvelopesScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MeshingStep)->Unit(benchmark::kMillisecond);

}  // namespace
