#pragma once
// CDlgPrintSelection: the tree of printable areas with a tick box each; OK
// selects the report sections of the ticked items. OK with nothing ticked
// asks again three times, then cancels.
#include <functional>

#include <QDialog>

#include "base/text_ids.h"

class QTreeWidget;

namespace vex {
class ReportSectionTable;
}

namespace vex::gui {

class CDlgPrintSelection : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = text::kCaptionPrintSelection;
  static constexpr int kTree = 7211;

  // Fills the table (titles looked up, nothing selected) and the tree.
  explicit CDlgPrintSelection(ReportSectionTable& table, QWidget* parent = nullptr);

  // What "Print Setup..." runs.
  void setPrintSetupHandler(std::function<void()> handler) { printSetup_ = std::move(handler); }
  // How a message about an empty selection is shown (an information box
  // unless a test says otherwise).
  void setMessageHandler(std::function<void(int)> handler) { showMessage_ = std::move(handler); }

  QTreeWidget* tree() const;
  void setAllTicked(bool ticked);
  void accept() override;

 private:
  void fillTree();

  ReportSectionTable& table_;
  std::function<void()> printSetup_;
  std::function<void(int)> showMessage_;
};

}  // namespace vex::gui
