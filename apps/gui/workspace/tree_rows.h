#pragma once
// The tree table's rows as items of a tree widget, under a root item. The
// navigation tree and the print-selection tree both grow from it.
#include <functional>

#include <QString>

class QTreeWidgetItem;

namespace vex::gui {

struct TreeRow;

// Makes the item of one row under `parent` with its shown text (the label in
// the language, else the row's default text); null leaves the row and every
// row below it out.
using TreeRowMaker = std::function<QTreeWidgetItem*(const TreeRow& row, const QString& shown, QTreeWidgetItem* parent)>;

void addTreeRows(QTreeWidgetItem* root, const TreeRowMaker& make);

}  // namespace vex::gui
