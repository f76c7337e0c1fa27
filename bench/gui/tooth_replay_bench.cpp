// Replay of the tooth-form pictures' display lists into a 1920 x 1080 picture: the hub with
// the shaft in it (limit 100 ms) and a shaft of 40 teeth with the envelopes of the tool.
#include <benchmark/benchmark.h>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>

#include "app/program.h"
#include "base/clock.h"
#include "cad/tooth_pictures.h"
#include "calc/driver.h"
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

void Replay(benchmark::State& state, int z, int part) {
  App();
  kv40::base::SystemClock clock;
  kv40::model::BatchUi ui;
  kv40::app::Program p;
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
  p.graphic.ResX = 1920;
  p.graphic.ResY = 1080;
  p.toothForm.envelopesInternal = 200;
  cad::ToothFormDrawing(p, cad::CadDevice::Screen, part, cad::kGearEnvelopePicture);
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

BENCHMARK(BM_ReplayHubGearWithEnvelopes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReplayShaftGearWithEnvelopes)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
