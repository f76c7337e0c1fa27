// Replay of the tooth-form pictures' display lists into a 1920 x 1080 picture: the hub with
// the shaft in it (limit 100 ms), the same with the shaft rolled in 200 positions, and a shaft
// of 40 teeth with the envelopes of the tool.
#include <benchmark/benchmark.h>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>

#include "../tooth_bench_pictures.h"
#include "app/program.h"
#include "base/clock.h"
#include "cad/tooth_pictures.h"
#include "gui/cad/replay.h"
#include "model/batch_ui.h"

namespace {

using kv40::Extended;
namespace cad = kv40::cad;

QGuiApplication& App() {
  static int argc = 1;
  static char name[] = "kv40bench";
  static char* argv[] = {name, nullptr};
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QGuiApplication app(argc, argv);
  return app;
}

// Picture 5 of the part recorded for a 1920 x 1080 screen; part 0: the hub with the shaft
// rolled in it in 200 positions (tooth_bench_pictures.h).
void Replay(benchmark::State& state, int z, int part) {
  App();
  kv40::base::SystemClock clock;
  kv40::model::BatchUi ui;
  kv40::app::Program p;
  p.clock = &clock;
  p.ui = &ui;
  if (!kv40::bench::CalculateConnection(p, z)) state.SkipWithError("the calculation failed");
  p.graphic.ResX = 1920;
  p.graphic.ResY = 1080;
  p.toothForm.envelopesInternal = 200;
  if (part == 0) {
    if (!kv40::bench::DrawRolledHub(p, cad::CadDevice::Screen)) state.SkipWithError("failed");
  } else {
    cad::ToothFormDrawing(p, cad::CadDevice::Screen, part, cad::kGearEnvelopePicture);
  }
  if (p.cancel) state.SkipWithError("the picture failed");
  QImage image(1920, 1080, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::black);
    QPainter painter(&image);
    kv40::cad::ReplayOptions o;
    o.keepGoing = [] { return true; };
    benchmark::DoNotOptimize(kv40::cad::ReplayDisplayList(p.graphic, painter, o));
  }
  state.counters["records"] = static_cast<double>(p.graphic.displayList.size());
}

void BM_ReplayHubGearWithEnvelopes(benchmark::State& state) {
  Replay(state, 24, 2);
}
void BM_ReplayShaftGearWithEnvelopes(benchmark::State& state) {
  Replay(state, 40, 1);
}

void BM_ReplayHubShaftRolled200(benchmark::State& state) {
  Replay(state, 24, 0);
}

BENCHMARK(BM_ReplayHubGearWithEnvelopes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReplayShaftGearWithEnvelopes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReplayHubShaftRolled200)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
