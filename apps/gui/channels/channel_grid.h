#pragma once
// CChannelGrid: the channel list's grid. Whole rows are channels: it copies
// selected rows as full rows of tab-separated text, hands pasted text to the
// view (which knows how rows map to channels), asks the view to delete the
// selected rows on Delete, and reports a double-click on a row's number.
#include <vector>

#include "toolkit/grid.h"

namespace vex::gui {

class CChannelGrid : public CGrid {
  Q_OBJECT
 public:
  explicit CChannelGrid(QWidget* parent = nullptr);

  // The rows whose every cell is selected, top to bottom.
  std::vector<int> selectedWholeRows() const;
  // The rows that hold a selected cell, top to bottom.
  std::vector<int> selectedRows() const;

  QString selectionText() const override;
  void pasteText(const QString& text) override;

 signals:
  void pasteRequested(const QString& text);
  void deleteRowsRequested();
  void rowHeaderActivated(int row);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vex::gui
