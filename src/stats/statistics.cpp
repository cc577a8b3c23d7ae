#include "stats/statistics.h"

#include <chrono>
#include <cmath>
#include <limits>
#include <string_view>
#include <unordered_map>

#include "stats/text_array_search.h"
#include "text/codepage.h"

namespace {

struct Literals {
  Text total = FromUtf8("共计");
  Text counted = FromUtf8("个　　　　　　统计");
  Text unit = FromUtf8("个");
};

const Literals& Words() {
  static const Literals words;
  return words;
}

constexpr int kCountColumn = 0;
constexpr int kSourceColumn = 1;

std::int32_t Difference(std::int32_t a, std::int32_t b) {
  // Formed in double precision; a difference beyond 32 bits keeps its sign.
  const double difference = static_cast<double>(a) - static_cast<double>(b);
  if (difference > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (difference < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(std::trunc(difference));
}

}  // namespace

void CountEntrySources(WindowControls& window, CountGeneration& generation) {
  const std::uint64_t self = ++generation.latest;
  window.DeleteAllRows(control::超级列表框2);
  const int records = window.RowCount(control::超级列表框1);
  TextArray sources;
  sources.reserve(static_cast<std::size_t>(records));
  for (int row = 0; row < records; ++row) sources.push_back(window.CellText(control::超级列表框1, row, 1));

  std::unordered_map<std::string_view, int> occurrences;
  for (const Text& source : sources) ++occurrences[source];
  TextArray distinct = sources;
  RemoveDuplicateTexts(distinct);

  // Rows are added in batches of one frame's time, so the list takes them in one go and
  // the window processes its events between batches.
  using Clock = std::chrono::steady_clock;
  constexpr auto kFrame = std::chrono::milliseconds(16);
  std::size_t next = 0;
  while (next < distinct.size()) {
    const bool added = window.RunAsOneOperation([&] {
      const auto frameEnd = Clock::now() + kFrame;
      do {
        const int row = window.AppendRow(control::超级列表框2);
        window.SetCellText(control::超级列表框2, row, 0, IntegerToText(occurrences[distinct[next]]));
        window.SetCellText(control::超级列表框2, row, 1, distinct[next]);
        ++next;
      } while (next < distinct.size() && Clock::now() < frameEnd);
      window.SetLabelText(control::透明标签1,
                          Concat(Words().total, IntegerToText(window.RowCount(control::超级列表框1)),
                                 Words().counted, IntegerToText(static_cast<std::int64_t>(next)), Words().unit));
    });
    if (!added || next == distinct.size()) return;  // the window is gone, or the count is done
    window.ProcessPendingEvents();
    if (generation.latest != self) return;  // a newer count has cleared the list and filled it
  }
}

std::int32_t CompareStatisticsRows(WindowControls& window, const TextCollation& collation, const Text& first,
                                   const Text& second) {
  const int column = window.CurrentSelection(control::组合框_排序列);
  const bool descending = window.CurrentSelection(control::组合框_升降序) == 1;
  if (column == kCountColumn) {
    const std::int32_t a = TextToInteger(first);
    const std::int32_t b = TextToInteger(second);
    return descending ? Difference(b, a) : Difference(a, b);
  }
  if (column == kSourceColumn) return descending ? collation.Compare(second, first) : collation.Compare(first, second);
  return 0;
}

void SortStatisticsList(WindowControls& window, const TextCollation& collation) {
  const int column = window.CurrentSelection(control::组合框_排序列);
  const int rows = window.RowCount(control::超级列表框2);
  // One key per row; a row's item data names its key by index.
  TextArray keys(static_cast<std::size_t>(rows));
  for (int row = 0; row < rows; ++row) {
    keys[static_cast<std::size_t>(row)] = window.CellText(control::超级列表框2, row, column);
    window.SetItemData(control::超级列表框2, row, static_cast<std::uint32_t>(row));
  }
  auto keyOf = [&](std::uint32_t data) -> const Text& {
    static const Text none;
    return data < keys.size() ? keys[data] : none;
  };
  window.SortRows(control::超级列表框2, 0, [&](std::uint32_t first, std::uint32_t second, std::intptr_t) {
    return CompareStatisticsRows(window, collation, keyOf(first), keyOf(second));
  });
}

void CopyClickedCell(WindowControls& window, Clipboard& clipboard, HitTestRecord& record, int x, int y,
                     int /*keyState*/) {
  record.x = x;
  record.y = y;
  window.SubItemHitTest(control::超级列表框2, record);
  const Text text = window.CellText(control::超级列表框2, record.item, record.subItem);
  clipboard.WriteText(text);
  window.SetLabelText(control::透明标签1, text);
}
