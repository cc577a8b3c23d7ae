#include "store/pumping_delay.h"

#include <chrono>
#include <algorithm>
#include <cmath>
#include <limits>
#include <thread>

std::int64_t PumpingDelayDueTime(std::optional<std::int32_t> duration, std::optional<std::int64_t> unit) {
  const std::int64_t unitValue = unit.value_or(0);
  double count = 0;
  double multiplier = 0;
  if (!duration && unitValue == 0) {
    count = 18'000'000;
    multiplier = 18'000'000;
  } else {
    count = duration.value_or(0);
    switch (unitValue) {
      case 0: multiplier = 1; break;
      case 1: multiplier = 1'000; break;
      case 2: multiplier = 60'000; break;
      case 3: multiplier = 3'600'000; break;
      default: multiplier = static_cast<double>(unitValue); break;
    }
  }
  const double due = std::trunc(count * multiplier * -10'000.0);
  constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  if (due <= static_cast<double>(kMin)) return kMin;
  if (due >= static_cast<double>(kMax)) return kMax;
  return static_cast<std::int64_t>(due);
}

bool PumpingDelay(WindowControls& window, std::optional<std::int32_t> duration, std::optional<std::int64_t> unit) {
  using Clock = std::chrono::steady_clock;
  // A due time that is not in the future (zero, or a positive absolute time, which no caller
  // means) ends the wait at once; the longest wait is capped at some thirty years.
  const std::int64_t due = PumpingDelayDueTime(duration, unit);
  constexpr double kLongestNanoseconds = 1e18;
  const double nanoseconds = due < 0 ? std::min(-static_cast<double>(due) * 100.0, kLongestNanoseconds) : 0.0;
  const Clock::time_point deadline = Clock::now() + std::chrono::nanoseconds(static_cast<std::int64_t>(nanoseconds));
  for (;;) {
    window.ProcessPendingEvents();
    const auto left = deadline - Clock::now();
    if (left <= Clock::duration::zero()) return true;
    std::this_thread::sleep_for(std::min<Clock::duration>(left, std::chrono::milliseconds(2)));
  }
}
