#pragma once
// CViewScan: the scan list on a Scan configuration and a Channel list page.
// Moves and the Add limit (one scan list) come from the record view. When
// channels come or go (notices of kind 4 and 5) the pages store and then
// offer the channels that exist now.
#include "views/record_view.h"

namespace vex::gui {

class CConfigPage;
class CChannelListPage;

class CViewScan : public CRecordView {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 3801;
  explicit CViewScan(QWidget* parent = nullptr);

 protected:
  void noticeReceived(const ChangeNotice& notice) override;

 private:
  CConfigPage* config_;
  CChannelListPage* members_;
};

}  // namespace vex::gui
