#pragma once
// The entry-source statistics: the count of each distinct source of the record list, the
// sorting of that list and the copy of a clicked cell.

#include <cstdint>

#include "platform/clipboard.h"
#include "platform/hit_test_record.h"
#include "platform/text_collation.h"
#include "platform/window_controls.h"

// Which count is the latest: a count started while another is still appending its rows
// supersedes it, so the list always ends as exactly one count's result.
struct CountGeneration {
  std::uint64_t latest = 0;
};

// Click handler of "统计".
void CountEntrySources(WindowControls& window, CountGeneration& generation);

// Click handler of "排序": by the count (numerically) or by the source (the locale's
// collation), ascending or descending, as the two drop-down lists say.
void SortStatisticsList(WindowControls& window, const TextCollation& collation);

// The comparison of two rows by their sort keys, reading both drop-down lists anew.
std::int32_t CompareStatisticsRows(WindowControls& window, const TextCollation& collation, const Text& first,
                                   const Text& second);

// Left-mouse-pressed handler of the statistics list: the cell under the press goes to the
// clipboard and the status label.
void CopyClickedCell(WindowControls& window, Clipboard& clipboard, HitTestRecord& record, int x, int y,
                     int keyState);
