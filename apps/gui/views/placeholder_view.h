#pragma once
// A form for views that this release does not offer yet.
#include "views/custom_form_view.h"

namespace vex::gui {

class CPlaceholderView : public CCustomFormView {
  Q_OBJECT
 public:
  CPlaceholderView(int templateId, QWidget* parent = nullptr);
  // Keeps the record position the frame moves it to.
  long handleMessage(int message, long wParam, long lParam, const ChangeNotice* notice = nullptr) override;
  int position() const override { return position_; }

 private:
  int position_ = 1;
};

}  // namespace vex::gui
