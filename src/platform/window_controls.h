#pragma once
// The operations the program performs on its window's controls, addressed by control name.
// Rows and columns are 0-based. Every operation may be called from the window's thread or
// from a worker; a worker's call is carried out on the window's thread while the worker
// waits. Once the window is gone every operation does nothing and yields the empty value.

#include <cstdint>
#include <functional>

#include "platform/control_names.h"
#include "platform/hit_test_record.h"
#include "text/text.h"

// The list's comparison routine for a sort: the item data of two rows and the sort value;
// negative puts the first row before the second.
using RowComparison = std::function<std::int32_t(std::uint32_t, std::uint32_t, std::intptr_t)>;

class WindowControls {
 public:
  virtual ~WindowControls() = default;

  // Edit boxes. Setting a text raises the box's text-changed event exactly once, after the
  // text is in place (also for an unchanged text); its handler has run when this returns.
  virtual Text EditText(ControlName box) = 0;
  virtual void SetEditText(ControlName box, const Text& text) = 0;
  virtual void AppendEditText(ControlName box, const Text& text) = 0;

  // Radio buttons: checking one from the program raises no clicked event.
  virtual bool IsChecked(ControlName button) = 0;
  virtual void Check(ControlName button) = 0;

  // Drop-down lists: 0-based index of the selected item, -1 when none is.
  virtual int CurrentSelection(ControlName list) = 0;

  virtual void SetLabelText(ControlName label, const Text& text) = 0;

  // The main window.
  virtual void SetCaption(const Text& caption) = 0;
  virtual void SetOuterWidth(int width) = 0;
  // Asks for the window to be destroyed and returns at once.
  virtual void Destroy() = 0;

  // Report lists. A cell or row that does not exist reads as the empty text.
  virtual int AppendRow(ControlName list) = 0;
  virtual void SetCellText(ControlName list, int row, int column, const Text& text) = 0;
  virtual Text CellText(ControlName list, int row, int column) = 0;
  virtual int RowCount(ControlName list) = 0;
  virtual void DeleteAllRows(ControlName list) = 0;
  virtual void SetItemData(ControlName list, int row, std::uint32_t data) = 0;
  // Reorders the rows by the comparison over their item data; every row keeps its cells.
  virtual void SortRows(ControlName list, std::intptr_t sortValue, const RowComparison& compare) = 0;
  // Fills in flags, item and sub-item of the cell under the record's point.
  virtual void SubItemHitTest(ControlName list, HitTestRecord& record) = 0;

  // Carries out several operations as one: from a worker, one wait for the window's thread
  // instead of one per operation; the operations and their results are the same. Yields
  // false when they were not carried out because the window is gone.
  virtual bool RunAsOneOperation(const std::function<void()>& operations) = 0;

  // Dispatches every window event already queued for the calling thread; a quit request
  // stays queued for the message loop.
  virtual void ProcessPendingEvents() = 0;
};
