#include "workspace/tree_rows.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "adapters/texts.h"
#include "workspace/view_table.h"

namespace vex::gui {

void addTreeRows(QTreeWidgetItem* root, const TreeRowMaker& make) {
  std::vector<QTreeWidgetItem*> parents{root};  // parents[d] = parent of a row of depth d
  for (const TreeRow& row : treeTable()) {
    const int depth = std::min<int>(row.depth, static_cast<int>(parents.size()) - 1);
    parents.resize(depth + 1);
    const std::optional<std::string> text = texts::labelIfPresent(row.id);
    const QString shown = text ? QString::fromStdString(*text) : QString::fromUtf8(row.defaultText);
    // A row left out takes its subtree with it: later deeper rows go under a dead parent.
    parents.push_back(parents.back() ? make(row, shown, parents.back()) : nullptr);
  }
}

}  // namespace vex::gui
