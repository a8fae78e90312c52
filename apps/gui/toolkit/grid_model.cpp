#include "toolkit/grid_model.h"

#include <algorithm>

#include <QApplication>
#include <QPalette>

namespace vex::gui {

CGridModel::CGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void CGridModel::reset(std::vector<GridColumn> columns, int rows) {
  beginResetModel();
  columns_ = std::move(columns);
  rows_ = std::max(rows, 0);
  cells_.assign(static_cast<std::size_t>(rows_) * columns_.size(), Cell{});
  rowHeaders_.assign(static_cast<std::size_t>(rows_), QString());
  endResetModel();
}

void CGridModel::setRowCount(int rows) {
  rows = std::max(rows, 0);
  if (rows == rows_) return;
  if (rows < rows_) {
    beginRemoveRows({}, rows, rows_ - 1);
    rows_ = rows;
    cells_.resize(static_cast<std::size_t>(rows_) * columns_.size());
    rowHeaders_.resize(static_cast<std::size_t>(rows_));
    endRemoveRows();
  } else {
    beginInsertRows({}, rows_, rows - 1);
    rows_ = rows;
    cells_.resize(static_cast<std::size_t>(rows_) * columns_.size());
    rowHeaders_.resize(static_cast<std::size_t>(rows_));
    endInsertRows();
  }
}

void CGridModel::insertRow(int row) {
  row = std::clamp(row, 0, rows_);
  beginInsertRows({}, row, row);
  const auto at = cells_.begin() + static_cast<std::ptrdiff_t>(row * columnCount());
  cells_.insert(at, columns_.size(), Cell{});
  rowHeaders_.insert(rowHeaders_.begin() + row, QString());
  ++rows_;
  endInsertRows();
}

void CGridModel::removeRow(int row) {
  if (row < 0 || row >= rows_) return;
  beginRemoveRows({}, row, row);
  const auto at = cells_.begin() + static_cast<std::ptrdiff_t>(row * columnCount());
  cells_.erase(at, at + columnCount());
  rowHeaders_.erase(rowHeaders_.begin() + row);
  --rows_;
  endRemoveRows();
}

bool CGridModel::contains(int row, int column) const {
  return row >= 0 && row < rows_ && column >= 0 && column < columnCount();
}

void CGridModel::setRowHeader(int row, const QString& text) {
  if (row < 0 || row >= rows_) return;
  rowHeaders_[static_cast<std::size_t>(row)] = text;
  emit headerDataChanged(Qt::Vertical, row, row);
}

void CGridModel::setRowHeaders(const std::vector<QString>& texts) {
  for (std::size_t r = 0; r < texts.size() && r < rowHeaders_.size(); ++r) rowHeaders_[r] = texts[r];
  if (rows_ > 0) emit headerDataChanged(Qt::Vertical, 0, rows_ - 1);
}

QString CGridModel::text(int row, int column) const {
  return contains(row, column) ? cell(row, column).text : QString();
}

void CGridModel::setText(int row, int column, const QString& text) {
  if (!contains(row, column) || cell(row, column).text == text) return;
  cell(row, column).text = text;
  const QModelIndex changed = index(row, column);
  emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
}

void CGridModel::setRowTexts(int row, const std::vector<QString>& texts) {
  if (row < 0 || row >= rows_) return;
  const int columns = std::min<int>(static_cast<int>(texts.size()), columnCount());
  for (int c = 0; c < columns; ++c) cell(row, c).text = texts[static_cast<std::size_t>(c)];
  if (columns > 0) emit dataChanged(index(row, 0), index(row, columns - 1), {Qt::DisplayRole, Qt::EditRole});
}

void CGridModel::fill(const std::function<QString(int, int)>& text) {
  beginResetModel();
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < columnCount(); ++c) cell(r, c).text = text(r, c);
  endResetModel();
}

CellKind CGridModel::kind(int row, int column) const {
  if (!contains(row, column)) return CellKind::DisplayOnly;
  return cell(row, column).kind.value_or(columns_[static_cast<std::size_t>(column)].kind);
}

void CGridModel::setKind(int row, int column, std::optional<CellKind> kind) {
  if (!contains(row, column)) return;
  cell(row, column).kind = kind;
  const QModelIndex changed = index(row, column);
  emit dataChanged(changed, changed, {Qt::BackgroundRole});
}

void CGridModel::setBackground(int row, int column, const QColor& colour) {
  if (!contains(row, column)) return;
  cell(row, column).background = colour;
  const QModelIndex changed = index(row, column);
  emit dataChanged(changed, changed, {Qt::BackgroundRole});
}

void CGridModel::setCells(const std::vector<CellUpdate>& updates) {
  int first = rows_;
  int last = -1;
  for (const CellUpdate& update : updates) {
    if (!contains(update.row, update.column)) continue;
    Cell& c = cell(update.row, update.column);
    c.text = update.text;
    c.background = update.background;
    first = std::min(first, update.row);
    last = std::max(last, update.row);
  }
  if (last < first) return;
  emit dataChanged(index(first, 0), index(last, columnCount() - 1),
                   {Qt::DisplayRole, Qt::EditRole, Qt::BackgroundRole});
}

QColor CGridModel::background(int row, int column) const {
  return contains(row, column) ? cell(row, column).background : QColor();
}

std::optional<QString> CGridModel::checked(int row, int column, const QString& text) const {
  if (!contains(row, column) || kind(row, column) == CellKind::DisplayOnly) return std::nullopt;
  const GridColumn& definition = columns_[static_cast<std::size_t>(column)];
  if (definition.maxLength > 0 && text.size() > definition.maxLength) return std::nullopt;
  if (!definition.allowed.isEmpty())
    for (QChar c : text)
      if (!definition.allowed.contains(c)) return std::nullopt;
  return definition.check ? definition.check(row, text) : std::optional<QString>(text);
}

int CGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }
int CGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant CGridModel::data(const QModelIndex& index, int role) const {
  if (!contains(index.row(), index.column())) return {};
  const Cell& c = cell(index.row(), index.column());
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return c.text;
    case Qt::BackgroundRole:
      if (c.background.isValid()) return c.background;
      if (kind(index.row(), index.column()) == CellKind::DisplayOnly)
        return QApplication::palette().color(QPalette::Button);
      return {};
    case Qt::ForegroundRole:
      // Text on a marked cell contrasts with the mark, whatever the palette.
      if (c.background.isValid()) return QColor(c.background.lightness() < 128 ? Qt::white : Qt::black);
      if (kind(index.row(), index.column()) == CellKind::DisplayOnly)
        return QApplication::palette().color(QPalette::ButtonText);
      return {};
    case Qt::TextAlignmentRole: return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::AccessibleTextRole: {
      // A screen reader reads a cell under its column's heading.
      const QString heading = columns_[static_cast<std::size_t>(index.column())].header.simplified();
      return c.text.isEmpty() ? heading : heading + QStringLiteral(": ") + c.text;
    }
    default: return {};
  }
}

bool CGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !contains(index.row(), index.column())) return false;
  const std::optional<QString> text = checked(index.row(), index.column(), value.toString());
  if (!text) return false;
  setText(index.row(), index.column(), *text);
  return true;
}

QVariant CGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
  if (orientation == Qt::Horizontal)
    return section >= 0 && section < columnCount() ? columns_[static_cast<std::size_t>(section)].header : QVariant();
  return section >= 0 && section < rows_ ? rowHeaders_[static_cast<std::size_t>(section)] : QVariant();
}

Qt::ItemFlags CGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (kind(index.row(), index.column()) != CellKind::DisplayOnly) flags |= Qt::ItemIsEditable;
  return flags;
}

}  // namespace vex::gui
