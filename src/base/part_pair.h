// Arrays indexed from 1 as the formulas write them; PartPair: [1] = shaft, [2] = hub.
#pragma once

#include <array>
#include <cstdint>

#include "base/check.h"

namespace kv40 {

using Extended = long double;  // 80-bit extended on x86-64
using Word = std::uint16_t;

template <class T, int N>
struct Array1 {
  std::array<T, N> v{};

  constexpr T& operator[](int i) {
    KV40_CHECK(i >= 1 && i <= N);
    return v[static_cast<std::size_t>(i - 1)];
  }
  constexpr const T& operator[](int i) const {
    KV40_CHECK(i >= 1 && i <= N);
    return v[static_cast<std::size_t>(i - 1)];
  }
  static constexpr int size() { return N; }
  bool operator==(const Array1&) const = default;
};

template <class T>
using PartPair = Array1<T, 2>;

template <class T>
constexpr PartPair<T> Pair(T shaft, T hub) {
  return PartPair<T>{{shaft, hub}};
}

}  // namespace kv40
