// Speed of the user's long operations on the real window: a manual fetch, a count, a sort.
#include <benchmark/benchmark.h>

#include "visitor_text_generator.h"
#include "window_bench_support.h"

namespace {

BenchWindow& Window() {
  static BenchWindow window;
  return window;
}

void ManualFetch(benchmark::State& state) {
  const auto records = static_cast<std::size_t>(state.range(0));
  const VisitorText visitors = GenerateVisitorText(records);
  WindowControls& controls = Window().Controls();
  controls.SetEditText(control::宝贝标题1, visitors.lineStart);
  controls.SetEditText(control::宝贝标题, visitors.itemTitle);
  controls.SetEditText(control::编辑框5, visitors.text);
  double worst = 0;
  for (auto _ : state) {
    ResponsivenessProbe probe;
    const auto started = std::chrono::steady_clock::now();
    Window().Click(control::按钮1);
    BenchWindow::WaitForWorkers();
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    worst = std::max(worst, probe.WorstLatencyMs());
    if (controls.RowCount(control::超级列表框1) != static_cast<int>(records)) state.SkipWithError("rows missing");
  }
  state.counters["rows"] = static_cast<double>(records);
  state.counters["worst_event_wait_ms"] = worst;
  state.counters["peak_MiB"] = PeakMemoryMiB();
  state.counters["text_MB"] = static_cast<double>(visitors.text.size()) / 1e6;
}
BENCHMARK(ManualFetch)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->UseManualTime()->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The loader putting a stored visitor text into the box, from its worker.
void LoadVisitorTextIntoTheBox(benchmark::State& state) {
  const VisitorText visitors = GenerateVisitorText(static_cast<std::size_t>(state.range(0)));
  WindowControls& controls = Window().Controls();
  double worst = 0;
  for (auto _ : state) {
    ResponsivenessProbe probe;
    const auto started = std::chrono::steady_clock::now();
    StartWorker([&] { controls.SetEditText(control::编辑框5, visitors.text); });
    BenchWindow::WaitForWorkers();
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    worst = std::max(worst, probe.WorstLatencyMs());
  }
  state.counters["text_MB"] = static_cast<double>(visitors.text.size()) / 1e6;
  state.counters["worst_event_wait_ms"] = worst;
  state.counters["peak_MiB"] = PeakMemoryMiB();
}
BENCHMARK(LoadVisitorTextIntoTheBox)->Arg(650'000)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

void FillRecords(std::size_t records, std::size_t distinct) {
  WindowControls& controls = Window().Controls();
  controls.DeleteAllRows(control::超级列表框1);
  std::mt19937 random(3);
  controls.RunAsOneOperation([&] {
    for (std::size_t i = 0; i < records; ++i) {
      const int row = controls.AppendRow(control::超级列表框1);
      controls.SetCellText(control::超级列表框1, row, 1, "source " + std::to_string(random() % distinct));
    }
  });
}

void CountEntrySources(benchmark::State& state) {
  FillRecords(static_cast<std::size_t>(state.range(0)), 5'000);
  double worst = 0;
  for (auto _ : state) {
    ResponsivenessProbe probe;
    const auto started = std::chrono::steady_clock::now();
    Window().Click(control::按钮4);
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    QCoreApplication::processEvents();
    worst = std::max(worst, probe.WorstLatencyMs());
  }
  state.counters["distinct"] = Window().Controls().RowCount(control::超级列表框2);
  state.counters["worst_event_wait_ms"] = worst;
}
BENCHMARK(CountEntrySources)->Arg(100'000)->Arg(1'000'000)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void SortStatistics(benchmark::State& state) {
  WindowControls& controls = Window().Controls();
  controls.DeleteAllRows(control::超级列表框2);
  std::mt19937 random(5);
  controls.RunAsOneOperation([&] {
    for (int i = 0; i < 10'000; ++i) {
      const int row = controls.AppendRow(control::超级列表框2);
      controls.SetCellText(control::超级列表框2, row, 0, std::to_string(random() % 1000));
      controls.SetCellText(control::超级列表框2, row, 1, FromUtf8("来源") + std::to_string(random() % 100000));
    }
  });
  Window().Choose(control::组合框_排序列, static_cast<int>(state.range(0)));
  int direction = 0;
  for (auto _ : state) {
    // Each sort reverses the last one, so every one moves every row.
    state.PauseTiming();
    Window().Choose(control::组合框_升降序, direction);
    direction = 1 - direction;
    state.ResumeTiming();
    Window().Click(control::按钮5);
  }
  state.SetLabel(state.range(0) == 0 ? "by count" : "by source");
}
BENCHMARK(SortStatistics)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
