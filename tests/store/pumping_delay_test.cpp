#include <gtest/gtest.h>

#include <limits>

#include "store/pumping_delay.h"

namespace {

TEST(PumpingDelayDueTime, FollowsTheUnitTable) {
  const struct {
    std::optional<std::int32_t> duration;
    std::optional<std::int64_t> unit;
    std::int64_t due;
  } cases[] = {
      {500, std::nullopt, -5'000'000},
      {500, 0, -5'000'000},
      {500, 1, -5'000'000'000},
      {2, 2, -1'200'000'000},
      {1, 3, -36'000'000'000},
      {500, 7, -35'000'000},
      {std::nullopt, 1, 0},  // an omitted duration with a unit ends at once
      {std::nullopt, std::nullopt, -3'240'000'000'000'000'000},
      {std::nullopt, 0, -3'240'000'000'000'000'000},
      {-3, 0, 30'000},
      {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int64_t>::max(),
       std::numeric_limits<std::int64_t>::min()},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PumpingDelayDueTime(c.duration, c.unit), c.due)
        << c.duration.value_or(-1) << " unit " << c.unit.value_or(-1);
}

}  // namespace
