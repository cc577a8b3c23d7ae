// A thousand fetch–count–sort–copy cycles on the real window: no leak (the sanitizer build's
// leak checker runs at exit) and a live heap that stays flat.
#include <malloc.h>

#include <QComboBox>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer allocator's count of live heap bytes (freed memory waiting in its
// quarantine not included); GCC ships no header for it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

#include "window_fixture.h"

namespace {

std::size_t LiveHeapBytes() {
#if defined(__SANITIZE_ADDRESS__)
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}

using Soak = WindowTest;

TEST_F(Soak, AThousandCyclesKeepTheHeapFlat) {
  Controls().SetEditText(control::宝贝标题1, "A");
  Controls().SetEditText(control::宝贝标题, "B");
  Text visitors;
  for (int i = 0; i < 40; ++i) visitors += Concat("A src", IntegerToText(i % 7), G(" B\r\nloc\r\n访客1\r\n"));
  Controls().SetEditText(control::编辑框5, visitors);
  auto* statistics = Get<ReportList>(control::超级列表框2);
  std::size_t heapAfterWarmUp = 0;
  for (int cycle = 0; cycle < 1000; ++cycle) {
    Click(control::按钮1);
    StopWorkers();
    Click(control::按钮4);
    Get<QComboBox>(control::组合框_排序列)->setCurrentIndex(cycle % 2);
    Click(control::按钮5);
    QTest::mouseClick(statistics->viewport(), Qt::LeftButton, {}, QPoint(60, statistics->rowViewportPosition(cycle % 7) + 3));
    QCoreApplication::processEvents();
    ASSERT_EQ(Controls().RowCount(control::超级列表框1), 40) << "cycle " << cycle;
    ASSERT_EQ(Controls().RowCount(control::超级列表框2), 7) << "cycle " << cycle;
    if (cycle == 100) heapAfterWarmUp = LiveHeapBytes();
  }
  const std::size_t heapAtEnd = LiveHeapBytes();
  EXPECT_LT(heapAtEnd, heapAfterWarmUp + 2 * 1024 * 1024)
      << "the live heap grew from " << heapAfterWarmUp << " to " << heapAtEnd << " bytes";
}

}  // namespace
