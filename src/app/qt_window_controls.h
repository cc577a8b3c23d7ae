#pragma once

#include <type_traits>

#include "app/main_window.h"
#include "app/report_list_model.h"
#include "app/window_thread.h"
#include "platform/clipboard.h"
#include "platform/window_controls.h"

// The control operations carried out on the real window, on the window's thread.
class QtWindowControls : public WindowControls {
 public:
  explicit QtWindowControls(MainWindow& window);

  Text EditText(ControlName box) override;
  void SetEditText(ControlName box, const Text& text) override;
  void AppendEditText(ControlName box, const Text& text) override;
  bool IsChecked(ControlName button) override;
  void Check(ControlName button) override;
  int CurrentSelection(ControlName list) override;
  void SetLabelText(ControlName label, const Text& text) override;
  void SetCaption(const Text& caption) override;
  void SetOuterWidth(int width) override;
  void Destroy() override;
  int AppendRow(ControlName list) override;
  void SetCellText(ControlName list, int row, int column, const Text& text) override;
  Text CellText(ControlName list, int row, int column) override;
  int RowCount(ControlName list) override;
  void DeleteAllRows(ControlName list) override;
  void SetItemData(ControlName list, int row, std::uint32_t data) override;
  void SortRows(ControlName list, std::intptr_t sortValue, const RowComparison& compare) override;
  void SubItemHitTest(ControlName list, HitTestRecord& record) override;
  bool RunAsOneOperation(const std::function<void()>& operations) override;
  void ProcessPendingEvents() override;

 private:
  template <class Operation>
  auto OnWindowThread(Operation operation) -> decltype(operation()) {
    using Result = decltype(operation());
    if constexpr (std::is_void_v<Result>) {
      thread_->Run(operation);
    } else {
      Result result{};
      thread_->Run([&] { result = operation(); });
      return result;
    }
  }
  ReportListModel* Rows(ControlName list) const;

  MainWindow& window_;  // touched only on the window's thread while it is open
  std::shared_ptr<WindowThread> thread_;
};

// The clipboard of the toolkit, read and written on the window's thread.
class QtClipboard : public Clipboard {
 public:
  explicit QtClipboard(std::shared_ptr<WindowThread> thread) : thread_(std::move(thread)) {}
  Text ReadText() override;
  void WriteText(const Text& text) override;

 private:
  std::shared_ptr<WindowThread> thread_;
};
