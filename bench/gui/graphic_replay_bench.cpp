// Replay of a display list of 10^6 lines into a 1920 x 1080 picture (limit: 1 s).
#include <benchmark/benchmark.h>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <random>

#include "gui/cad/replay.h"

namespace {

using kv40::cad::GraphicState;

constexpr int kLines = 1000000;

QGuiApplication& App() {
  static int argc = 1;
  static char name[] = "kv40bench";
  static char* argv[] = {name, nullptr};
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QGuiApplication app(argc, argv);
  return app;
}

// maxLength: longest line in world units; the world window is 400 x 225 units.
void Fill(GraphicState& g, double maxLength) {
  g.ResX = 1920;
  g.ResY = 1080;
  g.Header(0, 0, 400, 225);
  std::mt19937 random(42);
  std::uniform_real_distribution<double> x(0, 400), y(0, 225), d(-maxLength, maxLength);
  for (int i = 0; i < kLines; ++i) {
    if (i % 1000 == 0) g.SetColorAcad(i / 1000 % 7 + 1);
    const double x1 = x(random), y1 = y(random);
    g.line(x1, y1, x1 + d(random), y1 + d(random));
  }
}

void Replay(benchmark::State& state, double maxLength) {
  App();
  GraphicState g;
  Fill(g, maxLength);
  QImage image(1920, 1080, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::black);
    QPainter painter(&image);
    kv40::cad::ReplayOptions o;
    o.keepGoing = [] { return true; };
    benchmark::DoNotOptimize(kv40::cad::ReplayDisplayList(g, painter, o));
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}

// Outlines of drawings are chains of short segments: up to 2 units (about 10 pixels).
void BM_ReplayShortLines(benchmark::State& state) {
  Replay(state, 2);
}
// Lines anywhere across the picture, up to 100 units (about 480 pixels) in x and y.
void BM_ReplayLongLines(benchmark::State& state) {
  Replay(state, 100);
}

BENCHMARK(BM_ReplayShortLines)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReplayLongLines)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
