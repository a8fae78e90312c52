#include "factory/data_watch_models.h"

#include <QColor>

namespace vex::gui {

int DataWatchGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(DataWatch::kRows);
}

int DataWatchGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(DataWatch::kColumns);
}

QVariant DataWatchGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const std::size_t address = addressOf(index);
  switch (role) {
    case Qt::DisplayRole: return QString::fromStdString(WatchCellText(watch_.watched()[address]));
    case Qt::BackgroundRole: return watch_.isHighlighted(address) ? QVariant(kChangedCellColour) : QVariant();
    case Qt::ForegroundRole: return watch_.isHighlighted(address) ? QVariant(QColor(Qt::black)) : QVariant();
    case Qt::TextAlignmentRole: return int(Qt::AlignRight | Qt::AlignVCenter);
    default: return {};
  }
}

QVariant DataWatchGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (section < 0) return {};
  const auto s = static_cast<std::size_t>(section);
  if (role == Qt::DisplayRole)
    return QString::fromStdString(orientation == Qt::Vertical ? WatchRowHeader(s) : WatchColumnHeader(s));
  if (role == Qt::TextAlignmentRole)
    return orientation == Qt::Vertical ? int(Qt::AlignRight | Qt::AlignVCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
  return {};
}

QModelIndex DataWatchGridModel::indexOf(std::size_t address) const {
  return index(static_cast<int>(DataWatch::RowOf(address)), static_cast<int>(DataWatch::ColumnOf(address)));
}

std::size_t DataWatchGridModel::addressOf(const QModelIndex& index) const {
  return DataWatch::AddressOf(static_cast<std::size_t>(index.row()), static_cast<std::size_t>(index.column()));
}

void DataWatchGridModel::cellsChanged(std::size_t first, std::size_t last) {
  // One notice for the rows in between: the views repaint what they show.
  emit dataChanged(index(static_cast<int>(DataWatch::RowOf(first)), 0),
                   index(static_cast<int>(DataWatch::RowOf(last)), static_cast<int>(DataWatch::kColumns) - 1));
}

int DataWatchLineModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shown_; }

QVariant DataWatchLineModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || role != Qt::DisplayRole || index.row() >= shown_) return {};
  return QString::fromStdString(WatchLineText(watch_.changes()[static_cast<std::size_t>(index.row())]));
}

void DataWatchLineModel::linesAppended(std::size_t first) {
  const int count = static_cast<int>(watch_.changes().size());
  if (count <= static_cast<int>(first)) return;
  beginInsertRows({}, static_cast<int>(first), count - 1);
  shown_ = count;
  endInsertRows();
}

void DataWatchLineModel::reset() {
  beginResetModel();
  shown_ = static_cast<int>(watch_.changes().size());
  endResetModel();
}

}  // namespace vex::gui
