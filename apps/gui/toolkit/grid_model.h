#pragma once
// The grid's data: a table of cell texts with a fixed header row and a fixed
// header column, column definitions that decide how each column's cells are
// shown, edited, checked and pasted, per-cell overrides of the kind, and
// per-cell background colours.
#include <functional>
#include <optional>
#include <vector>

#include <QAbstractTableModel>
#include <QColor>
#include <QString>

namespace vex::gui {

// The cell kinds, numbered as the views give them to the grid.
enum class CellKind : int {
  DisplayOnly = 0,       // shows its text; not editable
  Text = 1,              // typed text
  DropDown = 2,          // a list to choose from
  EditableDropDown = 3,  // a list, or typed text
  Frequency = 5,         // typed MHz: digits and the decimal point
};

struct GridColumn {
  QString header{};
  int width = 80;
  CellKind kind = CellKind::Text;
  int maxLength = 0;  // typed texts: at most this many characters (0: no limit)
  QString allowed{};  // typed texts: only these characters (empty: any)
  // The text a cell of this column keeps for a text typed or pasted into it
  // (normalised), or nothing to refuse it. Unset: any text within the
  // limits above is kept as it is.
  std::function<std::optional<QString>(int row, const QString& text)> check{};
};

class CGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit CGridModel(QObject* parent = nullptr);

  // Rebuilds the table: columns (their definitions) and rows, all cells empty.
  void reset(std::vector<GridColumn> columns, int rows);
  void setRowCount(int rows);
  void insertRow(int row);
  void removeRow(int row);

  const GridColumn& column(int column) const { return columns_[static_cast<std::size_t>(column)]; }
  void setRowHeader(int row, const QString& text);
  void setRowHeaders(const std::vector<QString>& texts);

  QString text(int row, int column) const;
  void setText(int row, int column, const QString& text);
  // A whole row's texts at once (one change notification).
  void setRowTexts(int row, const std::vector<QString>& texts);
  // Fills every cell by row and column (one reset; for large grids).
  void fill(const std::function<QString(int row, int column)>& text);

  // The kind of one cell: its own when set, else its column's.
  CellKind kind(int row, int column) const;
  void setKind(int row, int column, std::optional<CellKind> kind);
  void setBackground(int row, int column, const QColor& colour);  // invalid colour: the default
  // Many cells' texts and backgrounds at once, with one change notification
  // for the rows they span (thousands of cells stay fast).
  struct CellUpdate {
    int row;
    int column;
    QString text;
    QColor background;
  };
  void setCells(const std::vector<CellUpdate>& updates);
  QColor background(int row, int column) const;
  // Applies a column's rules to a text for a cell; nothing when it is refused.
  std::optional<QString> checked(int row, int column, const QString& text) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  struct Cell {
    QString text;
    std::optional<CellKind> kind;
    QColor background;
  };
  Cell& cell(int row, int column) { return cells_[static_cast<std::size_t>(row * columnCount() + column)]; }
  const Cell& cell(int row, int column) const { return cells_[static_cast<std::size_t>(row * columnCount() + column)]; }
  bool contains(int row, int column) const;

  std::vector<GridColumn> columns_;
  std::vector<Cell> cells_;
  std::vector<QString> rowHeaders_;
  int rows_ = 0;
};

}  // namespace vex::gui
