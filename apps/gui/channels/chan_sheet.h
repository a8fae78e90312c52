#pragma once
// CChanSheet: the channel view's two pages, Basic and Options. Besides the
// sheet's load, store and help, it gives both pages the channel to edit and
// passes change notices on to them.
#include "core/change_notice.h"
#include "views/property_sheet.h"

namespace vex::gui {

class CPageChanBasic;
class CPageChanMisc;

class CChanSheet : public CPropertySheet {
  Q_OBJECT
 public:
  CChanSheet(int rememberKey, QWidget* parent = nullptr);

  CPageChanBasic* basic() const { return basic_; }
  CPageChanMisc* misc() const { return misc_; }

  void setChannel(int key);
  // A notice from another view: the pages reload what it may have changed.
  void notice(const ChangeNotice& notice);

 private:
  CPageChanBasic* basic_;
  CPageChanMisc* misc_;
};

}  // namespace vex::gui
