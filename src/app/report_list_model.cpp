#include "app/report_list_model.h"

#include "app/qt_text.h"

ReportListModel::ReportListModel(QStringList headers, QObject* parent)
    : QAbstractTableModel(parent), headers_(std::move(headers)) {}

int ReportListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_);
}

int ReportListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant ReportListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !Exists(index.row(), index.column())) return {};
  return ToQString(rows_[static_cast<std::size_t>(index.row())].cells[static_cast<std::size_t>(index.column())]);
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= headers_.size())
    return {};
  return headers_[section];
}

bool ReportListModel::Exists(int row, int column) const {
  return row >= 0 && static_cast<std::size_t>(row) < rows_.size() && column >= 0 &&
         column < headers_.size();
}

int ReportListModel::AppendRow() {
  const int row = RowCount();
  if (bulk_ == 0) beginInsertRows({}, row, row);
  rows_.push_back(Row{std::vector<Text>(static_cast<std::size_t>(headers_.size())), 0});
  if (bulk_ == 0) {
    shown_ = rows_.size();
    endInsertRows();
  }
  return row;
}

void ReportListModel::EndBulk() {
  if (--bulk_ > 0 || rows_.size() == shown_) return;
  beginInsertRows({}, static_cast<int>(shown_), RowCount() - 1);
  shown_ = rows_.size();
  endInsertRows();
}

void ReportListModel::SetCellText(int row, int column, const Text& text) {
  if (!Exists(row, column)) return;
  rows_[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)] = text;
  if (static_cast<std::size_t>(row) < shown_) emit dataChanged(index(row, column), index(row, column));
}

Text ReportListModel::CellText(int row, int column) const {
  return Exists(row, column) ? rows_[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)]
                             : Text();
}

void ReportListModel::DeleteAllRows() {
  beginResetModel();
  rows_.clear();
  shown_ = 0;
  endResetModel();
}

void ReportListModel::SetItemData(int row, std::uint32_t data) {
  if (Exists(row, 0)) rows_[static_cast<std::size_t>(row)].itemData = data;
}

void ReportListModel::SortRows(std::intptr_t sortValue, const RowComparison& compare) {
  // A stable merge sort of row positions: it stays within bounds and ends whatever the
  // comparison answers, consistent or not.
  std::vector<std::size_t> order(rows_.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::vector<std::size_t> merged(order.size());
  auto laterGoesFirst = [&](std::size_t earlier, std::size_t later) {
    return compare(rows_[later].itemData, rows_[earlier].itemData, sortValue) < 0;
  };
  for (std::size_t width = 1; width < order.size(); width *= 2) {
    for (std::size_t left = 0; left < order.size(); left += 2 * width) {
      const std::size_t middle = std::min(left + width, order.size());
      const std::size_t right = std::min(left + 2 * width, order.size());
      std::size_t a = left, b = middle, out = left;
      while (a < middle && b < right) merged[out++] = laterGoesFirst(order[a], order[b]) ? order[b++] : order[a++];
      while (a < middle) merged[out++] = order[a++];
      while (b < right) merged[out++] = order[b++];
    }
    order.swap(merged);
  }

  emit layoutAboutToBeChanged();
  std::deque<Row> sorted;
  std::vector<int> newPosition(rows_.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    newPosition[order[i]] = static_cast<int>(i);
    sorted.push_back(std::move(rows_[order[i]]));
  }
  rows_.swap(sorted);
  const QModelIndexList persistent = persistentIndexList();
  QModelIndexList moved;
  for (const QModelIndex& old : persistent)
    moved.append(index(newPosition[static_cast<std::size_t>(old.row())], old.column()));
  changePersistentIndexList(persistent, moved);
  emit layoutChanged();
}
