#pragma once

// Moments the benchmarks time, printed on the standard error with the
// monotonic clock in milliseconds, in builds configured with VOCADIX_MESURES.
#ifdef VOCADIX_MESURES
#include <chrono>
#include <cstdio>
inline void Mesurer(const char *moment) {
  const auto maintenant = std::chrono::steady_clock::now().time_since_epoch();
  std::fprintf(stderr, "vocadix-mesure %s %.3f\n", moment,
               std::chrono::duration<double, std::milli>(maintenant).count());
  std::fflush(stderr);
}
#else
inline void Mesurer(const char *) {}
#endif
