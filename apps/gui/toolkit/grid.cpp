#include "toolkit/grid.h"

#include <set>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>

#include "toolkit/edits.h"

namespace vex::gui {
namespace {

constexpr const char* kCornerTextProperty = "vexCornerText";
constexpr const char* kFrequencyCharacters = "0123456789.";
constexpr int kFrequencyLength = 9;

// Paints the corner text the way a header section is painted.
class CornerPainter : public QObject {
 public:
  explicit CornerPainter(CGrid* grid) : QObject(grid), grid_(grid) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button || event->type() != QEvent::Paint) return false;
    QStyleOptionHeader option;
    option.initFrom(button);
    option.rect = button->rect();
    option.text = grid_->cornerText();
    option.textAlignment = Qt::AlignRight | Qt::AlignVCenter;
    QPainter painter(button);
    button->style()->drawControl(QStyle::CE_Header, &option, &painter, button);
    return true;
  }

 private:
  CGrid* grid_;
};

}  // namespace

// The in-place editors: a line edit for typed cells, a combo box for
// drop-down cells (editable when the cell is), limited by the column.
class CGridDelegate : public QStyledItemDelegate {
 public:
  explicit CGridDelegate(CGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override {
    const CGridModel& model = *grid_->grid();
    const GridColumn& column = model.column(index.column());
    const CellKind kind = model.kind(index.row(), index.column());
    QString allowed = column.allowed;
    int maxLength = column.maxLength;
    if (kind == CellKind::Frequency) {
      if (allowed.isEmpty()) allowed = QString::fromLatin1(kFrequencyCharacters);
      if (maxLength == 0) maxLength = kFrequencyLength;
    }
    auto limit = [&](QLineEdit* edit) {
      if (maxLength > 0) edit->setMaxLength(maxLength);
      limitCharacters(edit, allowed);
    };
    switch (kind) {
      case CellKind::DisplayOnly: return nullptr;
      case CellKind::DropDown:
      case CellKind::EditableDropDown: {
        QStringList options;
        emit grid_->beginEdit(index.row(), index.column(), options);
        auto* combo = new QComboBox(parent);
        combo->setEditable(kind == CellKind::EditableDropDown);
        combo->addItems(options);
        if (QLineEdit* edit = combo->lineEdit()) limit(edit);
        return combo;
      }
      case CellKind::Text:
      case CellKind::Frequency: {
        QStringList unused;
        emit grid_->beginEdit(index.row(), index.column(), unused);
        auto* edit = new QLineEdit(parent);
        limit(edit);
        return edit;
      }
    }
    return nullptr;
  }

  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
      const int found = combo->findText(text, Qt::MatchExactly);
      if (found >= 0 || !combo->isEditable())
        combo->setCurrentIndex(found);
      else
        combo->setEditText(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
      // A typed key that started the edit is already in the editor.
      if (edit->text().isEmpty()) {
        edit->setText(text);
        edit->selectAll();
      }
    }
  }

  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
    QString text;
    if (auto* combo = qobject_cast<QComboBox*>(editor))
      text = combo->currentText();
    else if (auto* edit = qobject_cast<QLineEdit*>(editor))
      text = edit->text();
    if (model->setData(index, text, Qt::EditRole))
      emit grid_->endEdit(index.row(), index.column());
    else
      QApplication::beep();
  }

 private:
  CGrid* grid_;
};

CGrid::CGrid(QWidget* parent) : QTableView(parent), model_(new CGridModel(this)) {
  setModel(model_);
  setItemDelegate(new CGridDelegate(this));
  editTriggers_ = QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                  QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked;
  setEditTriggers(editTriggers_);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setTabKeyNavigation(true);
  setWordWrap(false);
  setTextElideMode(Qt::ElideRight);
  // Rows of one height: the grid never measures thousands of cells.
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  if (auto* corner = findChild<QAbstractButton*>()) corner->installEventFilter(new CornerPainter(this));
}

void CGrid::setColumns(std::vector<GridColumn> columns, int rows) {
  std::vector<int> widths;
  for (const GridColumn& column : columns) widths.push_back(column.width);
  model_->reset(std::move(columns), rows);
  for (std::size_t c = 0; c < widths.size(); ++c) setColumnWidth(static_cast<int>(c), widths[c]);
}

void CGrid::setCornerText(const QString& text) {
  setProperty(kCornerTextProperty, text);
  // The corner is as wide as the row headings: wide enough for its text too.
  const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
  verticalHeader()->setMinimumWidth(verticalHeader()->fontMetrics().horizontalAdvance(text) + 2 * margin + 4);
  viewport()->update();
  if (auto* corner = findChild<QAbstractButton*>()) corner->update();
}

QString CGrid::cornerText() const { return property(kCornerTextProperty).toString(); }

void CGrid::setEditable(bool editable) {
  setEditTriggers(editable ? editTriggers_ : QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(editable);  // a grid only to look at is one Tab stop; the arrows move in it
}

bool CGrid::leavesByTab(const QKeyEvent* event) const {
  const bool backward = event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
  if (event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab) return false;
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
  const QModelIndex current = currentIndex();
  if (!current.isValid()) return true;
  if (backward) return current.row() == 0 && current.column() == 0;
  return current.row() == model_->rowCount() - 1 && current.column() == model_->columnCount() - 1;
}

// The program's own selections replace the selection whatever keys are held:
// QTableView would extend it while Shift or Ctrl is down (as after Ctrl+Z).
void CGrid::setFocusCell(int row, int column) {
  const QModelIndex cell = model_->index(row, column);
  if (!cell.isValid()) return;
  selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
  scrollTo(cell);
}

void CGrid::selectRow(int row) {
  const QModelIndex cell = model_->index(row, 0);
  if (cell.isValid()) selectionModel()->select(cell, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

QString CGrid::selectionText() const {
  const QModelIndexList selected = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
  if (selected.isEmpty()) {
    const QModelIndex current = currentIndex();
    return current.isValid() ? model_->text(current.row(), current.column()) : QString();
  }
  int top = selected.front().row(), bottom = top, left = selected.front().column(), right = left;
  for (const QModelIndex& index : selected) {
    top = std::min(top, index.row());
    bottom = std::max(bottom, index.row());
    left = std::min(left, index.column());
    right = std::max(right, index.column());
  }
  std::vector<std::vector<QString>> rows;
  for (int r = top; r <= bottom; ++r) {
    rows.emplace_back();
    for (int c = left; c <= right; ++c) rows.back().push_back(model_->text(r, c));
  }
  return tabSeparated(rows);
}

void CGrid::pasteText(const QString& text) {
  const std::vector<std::vector<QString>> rows = parseTabSeparated(text);
  const QModelIndex current = currentIndex();
  if (rows.empty() || !current.isValid()) return;
  // One value into a selected range fills the range; else the block starts at the current cell.
  std::vector<std::pair<int, int>> targets;
  std::vector<QString> values;
  const QModelIndexList selected = selectionModel()->selectedIndexes();
  if (rows.size() == 1 && rows.front().size() == 1 && selected.size() > 1) {
    for (const QModelIndex& index : selected) {
      targets.emplace_back(index.row(), index.column());
      values.push_back(rows.front().front());
    }
  } else {
    for (std::size_t r = 0; r < rows.size(); ++r)
      for (std::size_t c = 0; c < rows[r].size(); ++c) {
        targets.emplace_back(current.row() + static_cast<int>(r), current.column() + static_cast<int>(c));
        values.push_back(rows[r][c]);
      }
  }
  std::vector<std::pair<int, int>> changed;
  bool refused = false;
  for (std::size_t i = 0; i < targets.size(); ++i) {
    const auto [row, column] = targets[i];
    if (row >= model_->rowCount() || column >= model_->columnCount()) continue;
    const std::optional<QString> accepted = model_->checked(row, column, values[i]);
    if (!accepted) {
      refused = refused || model_->kind(row, column) != CellKind::DisplayOnly;
      continue;
    }
    if (*accepted == model_->text(row, column)) continue;
    model_->setText(row, column, *accepted);
    changed.emplace_back(row, column);
  }
  if (refused) QApplication::beep();
  for (const auto& [row, column] : changed) emit endEdit(row, column);
}

void CGrid::copy() { QApplication::clipboard()->setText(selectionText()); }
void CGrid::paste() { pasteText(QApplication::clipboard()->text()); }

void CGrid::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    copy();
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    if (editTriggers() != QAbstractItemView::NoEditTriggers) paste();
    return;
  }
  // Tab moves from cell to cell, and from the last cell (Shift+Tab: the
  // first) on to the next control: the keyboard is never kept inside.
  if (leavesByTab(event)) {
    event->ignore();
    return;
  }
  // Enter on a cell starts its edit; in an edit it commits and moves down (closeEditor).
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
    if (currentIndex().isValid() && edit(currentIndex(), QAbstractItemView::EditKeyPressed, event)) return;
  }
  QTableView::keyPressEvent(event);
}

void CGrid::mousePressEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  QTableView::mousePressEvent(event);
  if (index.isValid())
    emit cellClicked(index.row(), index.column());
  else
    emit cellClicked(-1, -1);
}

void CGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  QTableView::closeEditor(editor, hint);
  // Enter commits and moves on to the cell below, as Tab moves to the next.
  if (hint == QAbstractItemDelegate::SubmitModelCache) {
    const QModelIndex below = model_->index(currentIndex().row() + 1, currentIndex().column());
    if (below.isValid()) setCurrentIndex(below);
  }
}

QString tabSeparated(const std::vector<std::vector<QString>>& rows) {
  QStringList lines;
  for (const auto& row : rows) lines.push_back(QStringList(row.begin(), row.end()).join('\t'));
  return lines.join('\n');
}

std::vector<std::vector<QString>> parseTabSeparated(const QString& text) {
  QString body = text;
  body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (body.endsWith('\n')) body.chop(1);  // a last line break ends the block, it opens no row
  std::vector<std::vector<QString>> rows;
  if (body.isEmpty()) return rows;
  for (const QString& line : body.split('\n')) {
    const QStringList cells = line.split('\t');
    rows.emplace_back(cells.begin(), cells.end());
  }
  return rows;
}

}  // namespace vex::gui
