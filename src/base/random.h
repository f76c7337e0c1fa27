// The injectable random source: output that depends on chance (the freehand break lines of a
// drawing) draws from this, so that a test or a batch run can make it repeatable.
#pragma once

#include <cstdint>
#include <random>

namespace kv40::base {

class Random {
 public:
  virtual ~Random() = default;
  // Uniform in [0, 1).
  virtual double Next() = 0;
};

// A sequence that repeats for the same seed (std::mt19937_64, which every library implements
// alike). The program seeds it from the system; tests and batch runs with a fixed seed.
class SeededRandom final : public Random {
 public:
  explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
  double Next() override {
    // 53 random bits, the same on every platform (unlike std::uniform_real_distribution)
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
  }

 private:
  std::mt19937_64 engine_;
};

}  // namespace kv40::base
