#pragma once
// CGrid: the grid control of the views — a table view over CGridModel with
// a fixed header row and column, cells made from their column's kind (or a
// cell's own), in-place editing from the keyboard (typing starts an edit;
// Enter, Tab and the arrow keys move on, Tab out of the grid from its last
// cell), begin-edit, end-edit and click signals for the view, cell colours,
// a focus cell, and copy and paste of cell ranges as tab-separated text.
// Each column's definition decides what a cell shows, what may be typed or
// pasted into it, and how it is checked.
#include <QStringList>
#include <QTableView>

#include "toolkit/grid_model.h"

namespace vex::gui {

class CGrid : public QTableView {
  Q_OBJECT
 public:
  explicit CGrid(QWidget* parent = nullptr);

  CGridModel* grid() const { return model_; }
  // Columns and rows; every cell empty.
  void setColumns(std::vector<GridColumn> columns, int rows);
  // The text of the top left cell (above the row headers).
  void setCornerText(const QString& text);
  QString cornerText() const;
  void setEditable(bool editable);
  // The current cell, scrolled into view.
  void setFocusCell(int row, int column);
  // Selects a whole row (the view's current record).
  void selectRow(int row);

  // The selected range as tab-separated text (rows by line breaks).
  virtual QString selectionText() const;
  // Puts tab-separated text into the cells from the current cell on: each
  // text goes through its column's check; cells that refuse it, display-only
  // cells and cells outside the grid keep theirs. One value fills a whole
  // selected range. Every changed cell gets end-edit.
  virtual void pasteText(const QString& text);
  void copy();
  void paste();

 signals:
  // A click on a cell (row and column from 0), or outside the cells (-1, -1).
  void cellClicked(int row, int column);
  // A cell is about to be edited; a drop-down cell offers `options`, which
  // the view fills now.
  void beginEdit(int row, int column, QStringList& options);
  // A cell's new text is in the grid.
  void endEdit(int row, int column);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // Whether Tab (Shift+Tab) leaves the grid from its current cell.
  bool leavesByTab(const QKeyEvent* event) const;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

 private:
  friend class CGridDelegate;
  CGridModel* model_;
  EditTriggers editTriggers_;
};

// Tab-separated text of a block of cells, and back.
QString tabSeparated(const std::vector<std::vector<QString>>& rows);
std::vector<std::vector<QString>> parseTabSeparated(const QString& text);

}  // namespace vex::gui
