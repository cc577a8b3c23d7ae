#pragma once

#include <cstdint>

// The list view's sub-item hit-test record: the caller sets the point, the list fills in
// the rest. item is -1 when the point lies on no row.
struct HitTestRecord {
  std::int32_t x;
  std::int32_t y;
  std::uint32_t flags;
  std::int32_t item;
  std::int32_t subItem;
};
static_assert(sizeof(HitTestRecord) == 20);
