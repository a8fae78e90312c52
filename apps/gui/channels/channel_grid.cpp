#include "channels/channel_grid.h"

#include <set>

#include <QHeaderView>
#include <QKeyEvent>

namespace vex::gui {

CChannelGrid::CChannelGrid(QWidget* parent) : CGrid(parent) {
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  connect(verticalHeader(), &QHeaderView::sectionDoubleClicked, this, &CChannelGrid::rowHeaderActivated);
}

std::vector<int> CChannelGrid::selectedWholeRows() const {
  std::vector<int> rows;
  if (!selectionModel()) return rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

std::vector<int> CChannelGrid::selectedRows() const {
  std::set<int> rows;
  if (selectionModel())
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) rows.insert(index.row());
  return {rows.begin(), rows.end()};
}

QString CChannelGrid::selectionText() const {
  const std::vector<int> rows = selectedWholeRows();
  if (rows.empty()) return CGrid::selectionText();
  std::vector<std::vector<QString>> cells;
  for (int row : rows) {
    cells.emplace_back();
    for (int column = 0; column < grid()->columnCount(); ++column) cells.back().push_back(grid()->text(row, column));
  }
  return tabSeparated(cells);
}

void CChannelGrid::pasteText(const QString& text) { emit pasteRequested(text); }

void CChannelGrid::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier && state() != EditingState &&
      editTriggers() != QAbstractItemView::NoEditTriggers) {
    emit deleteRowsRequested();
    return;
  }
  CGrid::keyPressEvent(event);
}

}  // namespace vex::gui
