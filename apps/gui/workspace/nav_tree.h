#pragma once
// CNavTree: the navigation tree of the main frame. The root is the model
// name; below it the rows of the tree table, and under each multi-record
// view's item one child per record of its list. Double-click or Enter opens
// an item's view; the marked item follows the record a view shows.
#include <QTreeWidget>

#include "core/record_keys.h"

namespace vex::gui {

class CNavTree : public QTreeWidget {
  Q_OBJECT
 public:
  // Item data: the tree row's id, and the record number of a record child (0 otherwise).
  static constexpr int kIdRole = Qt::UserRole;
  static constexpr int kRecordRole = Qt::UserRole + 1;

  explicit CNavTree(QWidget* parent = nullptr);

  // Rebuilds the whole tree from the tree table, the language and the level.
  void fill();
  // The record children of every item whose view edits `list`, one per record.
  void rebuildRecordChildren(RecordKind list);
  // Marks the item of a view command: its record child at `position` when it has one.
  void markItem(int viewCommand, int position);
  // The item of row `id` (record 0) or its record child.
  QTreeWidgetItem* item(int id, int record = 0) const;
  // The help context of the item with the caret and the template of the view it opens.
  int currentId() const;

 signals:
  // An item's view is to open: its id, its text as the frame title, and the record of a record child.
  void openRequested(int id, const QString& title, int record);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void addRecordChildren(QTreeWidgetItem* item, RecordKind list, int most);
  void activate(QTreeWidgetItem* item);
};

}  // namespace vex::gui
