#pragma once
// CDlgTuning ("Tuning", template 7002, command 32697): the tuning items of
// the language data on an open adjustment link. Double-clicking (or Enter
// on) an item reads its first sub-item's value and opens the Tune Sub Item
// dialog for it.
#include <vector>

#include <QDialog>

#include "base/text_ids.h"
#include "link/tune_items.h"

class QListWidget;

namespace vex {
class CRadioLink;
}

namespace vex::gui {

class CDlgTuning : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 7002;
  static constexpr int kList = text::kTuneItemList;
  static constexpr int kClose = text::kFactoryClose;

  explicit CDlgTuning(CRadioLink& link, QWidget* parent = nullptr);

  const std::vector<TuneItem>& items() const { return items_; }
  QListWidget* list() const { return list_; }
  // Reads the item's first value and runs its Tune Sub Item dialog.
  void openItem(int row);

 private:
  CRadioLink& link_;
  std::vector<TuneItem> items_;
  QListWidget* list_;
};

}  // namespace vex::gui
