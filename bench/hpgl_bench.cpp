// A help image of 5 000 HP-GL moves, parsed and drawn into the graphic window's display list.
#include <benchmark/benchmark.h>

#include <string>

#include "app/program.h"
#include "help/draw_hpgl.h"
#include "help/hpgl.h"

namespace {

// Pen moves in pairs, circles, arcs, labels and an encoded polyline: 5 000 moves in all.
std::string Plot() {
  std::string plot = "IN;SP1;PU0,0;";
  int moves = 0;
  for (int i = 0; moves < 4000; ++i) {
    plot += "PD" + std::to_string(i % 6400) + "," + std::to_string((i * 37) % 4800) + ";";
    ++moves;
    if (i % 50 == 0) {
      plot += "CI120;PU100,100;PD;AA200,200,45;SI0.2,0.3;LBText\x03;";
      moves += 2;
    }
  }
  plot += "PU0,0;PE";
  for (; moves < 5000; ++moves)
    plot += "O\xC5p\xC2";
  return plot + ";";
}

void BM_HelpImageIntoTheDisplayList(benchmark::State& state) {
  const std::string plot = Plot();
  kv40::app::Program p;
  for (auto _ : state) {
    p.graphic.displayList.Clear();
    kv40::help::GraphicCanvas canvas(p);
    kv40::help::InterpretHpgl(plot, p.help.hpgl, canvas);
    benchmark::DoNotOptimize(p.graphic.displayList.size());
  }
  state.counters["records"] = static_cast<double>(p.graphic.displayList.size());
}
BENCHMARK(BM_HelpImageIntoTheDisplayList)->Unit(benchmark::kMillisecond);

}  // namespace
