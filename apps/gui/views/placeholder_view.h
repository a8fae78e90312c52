#pragma once
// A form for views that this release does not offer yet.
#include "views/custom_form_view.h"

namespace vex::gui {

class CPlaceholderView : public CCustomFormView {
  Q_OBJECT
 public:
  CPlaceholderView(int templateId, QWidget* parent = nullptr);
};

}  // namespace vex::gui
