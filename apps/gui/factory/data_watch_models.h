#pragma once
// The data watch's grid and change list as Qt models over the library's
// DataWatch: a 512 x 16 table of the watched bytes (changed cells green) and
// the list of change lines. The view only displays them.
#include <QAbstractListModel>
#include <QAbstractTableModel>
#include <QColor>

#include "core/data_watch.h"

namespace vex::gui {

class DataWatchGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit DataWatchGridModel(DataWatch& watch, QObject* parent = nullptr)
      : QAbstractTableModel(parent), watch_(watch) {}

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  QModelIndex indexOf(std::size_t address) const;
  std::size_t addressOf(const QModelIndex& index) const;
  // Tells the views that the cells of the addresses first..last changed.
  void cellsChanged(std::size_t first, std::size_t last);

 private:
  DataWatch& watch_;
};

class DataWatchLineModel : public QAbstractListModel {
  Q_OBJECT
 public:
  explicit DataWatchLineModel(DataWatch& watch, QObject* parent = nullptr)
      : QAbstractListModel(parent), watch_(watch) {}

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  // The lines from `first` on were appended to the log.
  void linesAppended(std::size_t first);
  // The log was filled afresh or cleared.
  void reset();

 private:
  DataWatch& watch_;
  int shown_ = 0;
};

// The green of a changed cell.
inline const QColor kChangedCellColour{0, 255, 0};

}  // namespace vex::gui
