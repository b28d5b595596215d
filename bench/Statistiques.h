#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// What the benchmarks report of a series of timings.
namespace Statistiques {

using Horloge = std::chrono::steady_clock;

struct Mesure {
  double mediane, centile99;
};

inline Mesure Resumer(std::vector<double> durees) {
  std::sort(durees.begin(), durees.end());
  return {durees[durees.size() / 2], durees[durees.size() * 99 / 100]};
}

inline double Microsecondes(Horloge::time_point debut, Horloge::time_point fin) {
  return std::chrono::duration<double, std::micro>(fin - debut).count();
}

} // namespace Statistiques
