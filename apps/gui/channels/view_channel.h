#pragma once
// CViewChannel (view command 32822, template 3655): one channel at a time on
// two pages, moved through the list by the navigation bar. Every field edit
// is announced as a change notice; the channel list view opens from here.
#include "views/record_view.h"

namespace vex::gui {

class CChanSheet;

class CViewChannel : public CRecordView {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 3655;
  explicit CViewChannel(QWidget* parent = nullptr);

  CChanSheet* chanSheet() const { return sheet_; }
  long handleMessage(int message, long wParam, long lParam, const ChangeNotice* notice = nullptr) override;

 protected:
  void loadCurrent() override;
  void noticeReceived(const ChangeNotice& notice) override;
  void pageChanged(CPropertyPage* page, int id) override;

 private:
  // Hides this view and shows the channel list at the current channel.
  void showList();
  CChanSheet* sheet_;
};

}  // namespace vex::gui
