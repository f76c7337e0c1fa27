// An always-on assertion for broken invariants (never for bad input).
#pragma once

#include <cstdio>
#include <cstdlib>

#define KV40_CHECK(cond)                                                                     \
  do {                                                                                       \
    if (!(cond)) [[unlikely]] {                                                              \
      std::fprintf(stderr, "KV40: internal error: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
      std::abort();                                                                          \
    }                                                                                        \
  } while (false)
