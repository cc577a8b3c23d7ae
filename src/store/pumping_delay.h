#pragma once

#include <cstdint>
#include <optional>

#include "platform/window_controls.h"

// Waits while the window's events go on being processed. The unit gives the milliseconds
// per unit of the duration: 0 milliseconds, 1 seconds, 2 minutes, 3 hours, any other value
// that many milliseconds. With neither duration nor unit the wait does not end in practice;
// an omitted duration with a unit ends at once.
bool PumpingDelay(WindowControls& window, std::optional<std::int32_t> duration = std::nullopt,
                  std::optional<std::int64_t> unit = std::nullopt);

// The wait in units of 100 nanoseconds, negative meaning relative to now, saturated where
// the arithmetic would overflow.
std::int64_t PumpingDelayDueTime(std::optional<std::int32_t> duration, std::optional<std::int64_t> unit);
