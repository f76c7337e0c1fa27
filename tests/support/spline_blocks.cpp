// Dimension blocks and log queries for calculation tests.
#include "support/spline_blocks.h"

#include <algorithm>

namespace kv40::test {

void SelfDefinedBlock(model::SpecState& s, Extended dB, Extended m, int z) {
  model::InitDefaults(s);
  SetBlock(s, dB, m, z);
  // the defaults have no load, which the calculation refuses
  s.TN = kBlockTN;
  s.Tmax = kBlockTmax;
}

void SetBlock(model::SpecState& s, Extended dB, Extended m, int z) {
  const Extended xm = (dB - m * z - 1.1L * m) / 2;
  s.abm = 2;
  s.z5482 = z;
  s.mn5482 = m;
  s.xm = xm;
  s.d1 = dB;
  s.d2 = m * z + 2 * xm - 0.9L * m;
  s.d3 = dB - 0.2L * m;
  s.d4 = m * z + 2 * xm - 1.1L * m;
  s.tolfeld = Pair<Word>(8, 3);  // h / H: zero deviations
}

std::vector<std::string> Messages(const model::SpecState& s) {
  std::vector<std::string> out;
  for (int i = 1; i <= s.log.messageCount; ++i)
    out.push_back(s.log.Message(i));
  return out;
}

bool HasMessage(const model::SpecState& s, const std::string& text) {
  const auto all = Messages(s);
  return std::find(all.begin(), all.end(), text) != all.end();
}

}  // namespace kv40::test
