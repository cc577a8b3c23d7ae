#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <vector>

#include "platform/window_controls.h"

// The rows of one report list: cells as texts of the code page and one 32-bit item data
// value per row. Rows appended in a bulk operation reach the view in one insertion at its
// end, which keeps a fetch of 100,000 rows cheap.
class ReportListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  ReportListModel(QStringList headers, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  int AppendRow();
  void SetCellText(int row, int column, const Text& text);
  Text CellText(int row, int column) const;
  int RowCount() const { return static_cast<int>(rows_.size()); }
  void DeleteAllRows();
  void SetItemData(int row, std::uint32_t data);
  void SortRows(std::intptr_t sortValue, const RowComparison& compare);

  void BeginBulk() { ++bulk_; }
  void EndBulk();

 private:
  struct Row {
    std::vector<Text> cells;
    std::uint32_t itemData = 0;
  };
  bool Exists(int row, int column) const;

  QStringList headers_;
  std::deque<Row> rows_;  // grows without moving its rows, which a vector of a million would
  std::size_t shown_ = 0;  // rows the view has been told of
  int bulk_ = 0;
};
