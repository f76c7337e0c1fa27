// Time of one complete recalculation of a typical spline connection (50 x 2 x 24).
#include <benchmark/benchmark.h>

#include "calc/driver.h"
#include "model/spec_state.h"

namespace {

using kv40::Extended;

// DIN 5480 W 50 x 2 x 24 entered as a self-defined block, with a load.
void TypicalBlock(kv40::model::SpecState& s) {
  kv40::model::InitDefaults(s);
  const Extended dB = 50, m = 2;
  const int z = 24;
  const Extended xm = (dB - m * z - 1.1L * m) / 2;
  s.abm = 2;
  s.z5482 = z;
  s.mn5482 = m;
  s.xm = xm;
  s.d1 = dB;
  s.d2 = m * z + 2 * xm - 0.9L * m;
  s.d3 = dB - 0.2L * m;
  s.d4 = m * z + 2 * xm - 1.1L * m;
  s.DM[1] = 4.0L;
  s.DM[2] = 3.5L;
  s.k[1] = 4;
  s.TN = 200;
  s.Tmax = 300;
}

void BM_RecalcAll(benchmark::State& state) {
  kv40::model::SpecState s;
  TypicalBlock(s);
  const kv40::base::NumberFormat nf;
  bool cancel = false;
  for (auto _ : state) {
    kv40::calc::RecalcAll(s, nf, cancel);
    benchmark::DoNotOptimize(s.MdR);
  }
}
BENCHMARK(BM_RecalcAll);

// A fixed number of runs, for counting instructions per call: run this benchmark alone under
// valgrind --tool=callgrind --toggle-collect='kv40::calc::RecalcAll*' and divide by 1000.
void BM_RecalcAllFixed(benchmark::State& state) {
  kv40::model::SpecState s;
  TypicalBlock(s);
  const kv40::base::NumberFormat nf;
  bool cancel = false;
  for (auto _ : state) {
    kv40::calc::RecalcAll(s, nf, cancel);
    benchmark::DoNotOptimize(s.MdR);
  }
}
BENCHMARK(BM_RecalcAllFixed)->Iterations(1000);

}  // namespace
