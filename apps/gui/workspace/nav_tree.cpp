#include "workspace/nav_tree.h"

#include <QKeyEvent>

#include "adapters/radio_data.h"
#include "adapters/settings.h"
#include "adapters/texts.h"
#include "toolkit/images.h"
#include "workspace/tree_rows.h"
#include "workspace/view_table.h"

namespace vex::gui {
namespace {

QIcon itemIcon(bool marked) { return imageIcon(marked ? kImageTreeItemMarked : kImageTreeItem); }

// The view table's entry of a tree row's own view when that view edits a list
// one record at a time (the Channel List shows them all: no record rows).
const ViewEntry* recordViewOf(int id) {
  const ViewEntry* entry = findView(id);
  return entry && entry->list && entry->viewClass != ViewClass::ChannelList ? entry : nullptr;
}

}  // namespace

CNavTree::CNavTree(QWidget* parent) : QTreeWidget(parent) {
  setObjectName(QStringLiteral("tree1017"));
  setHeaderHidden(true);
  setRootIsDecorated(true);
  connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { activate(item); });
  connect(this, &QTreeWidget::currentItemChanged, this, [](QTreeWidgetItem* current, QTreeWidgetItem* previous) {
    if (previous) previous->setIcon(0, itemIcon(false));
    if (current) current->setIcon(0, itemIcon(true));
  });
}

void CNavTree::fill() {
  clear();
  auto* root = new QTreeWidgetItem(this, {QString::fromStdString(settings::modelName())});
  root->setData(0, kIdRole, 0);
  addTreeRows(root, [this](const TreeRow& row, const QString& shown, QTreeWidgetItem* parent) -> QTreeWidgetItem* {
    if (shown.isEmpty() || !visibleAtLevel(row.id)) return nullptr;
    auto* item = new QTreeWidgetItem(parent, {shown});
    item->setData(0, kIdRole, row.id);
    item->setData(0, kRecordRole, 0);
    item->setIcon(0, itemIcon(false));
    if (const ViewEntry* entry = recordViewOf(row.id)) addRecordChildren(item, *entry->list, entry->mostRecords);
    return item;
  });
  expandAll();
  for (QTreeWidgetItemIterator it(this); *it; ++it)
    if ((*it)->data(0, kRecordRole).toInt() == 0 && recordViewOf((*it)->data(0, kIdRole).toInt()))
      (*it)->setExpanded(false);
  root->setExpanded(true);
}

void CNavTree::addRecordChildren(QTreeWidgetItem* item, RecordKind list, int most) {
  const int count = std::min(radio_data::recordCount(list), most);
  for (int k = item->childCount() + 1; k <= count; ++k) {
    auto* child = new QTreeWidgetItem(item, {item->text(0) + QString::number(k)});
    child->setData(0, kIdRole, item->data(0, kIdRole));
    child->setData(0, kRecordRole, k);
    child->setIcon(0, itemIcon(false));
  }
  while (item->childCount() > count) delete item->takeChild(item->childCount() - 1);
}

void CNavTree::rebuildRecordChildren(RecordKind list) {
  for (QTreeWidgetItemIterator it(this); *it; ++it) {
    QTreeWidgetItem* item = *it;
    if (item->data(0, kRecordRole).toInt() != 0) continue;
    const ViewEntry* entry = recordViewOf(item->data(0, kIdRole).toInt());
    if (entry && entry->list == list) addRecordChildren(item, list, entry->mostRecords);
  }
}

QTreeWidgetItem* CNavTree::item(int id, int record) const {
  for (QTreeWidgetItemIterator it(const_cast<CNavTree*>(this)); *it; ++it)
    if ((*it)->data(0, kIdRole).toInt() == id && (*it)->data(0, kRecordRole).toInt() == record) return *it;
  return nullptr;
}

void CNavTree::markItem(int viewCommand, int position) {
  QTreeWidgetItem* best = nullptr;
  for (QTreeWidgetItemIterator it(this); *it; ++it) {
    if (viewCommandFor((*it)->data(0, kIdRole).toInt()) != viewCommand) continue;
    const int record = (*it)->data(0, kRecordRole).toInt();
    if (!best || record == position) best = *it;
  }
  if (!best) return;
  setCurrentItem(best);
  scrollToItem(best);  // a record's row under a folded list unfolds it
}

int CNavTree::currentId() const {
  const QTreeWidgetItem* current = currentItem();
  return current ? current->data(0, kIdRole).toInt() : 0;
}

void CNavTree::activate(QTreeWidgetItem* item) {
  if (!item) return;
  emit openRequested(item->data(0, kIdRole).toInt(), item->text(0), item->data(0, kRecordRole).toInt());
}

void CNavTree::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (QTreeWidgetItem* item = currentItem()) {
      activate(item);
      if (item->childCount() > 0) item->setExpanded(!item->isExpanded());
    }
    return;
  }
  QTreeWidget::keyPressEvent(event);
}

}  // namespace vex::gui
