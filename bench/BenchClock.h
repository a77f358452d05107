#pragma once
// The one clock of the benchmarks: milliseconds from a steady clock (QueryPerformanceCounter on Windows).
#include <chrono>

inline double NowMs() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
