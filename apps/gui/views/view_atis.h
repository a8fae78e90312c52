#pragma once
// CViewAtis: the radio's ATIS identity, a code of twelve decimal digits,
// and the pretime before it is sent.
#include "views/settings_view.h"

namespace vex::gui {

class CViewAtis : public CSettingsView {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 4590;
  static constexpr int kCode = 4595;
  static constexpr int kPretime = 4592;
  explicit CViewAtis(QWidget* parent = nullptr);
};

}  // namespace vex::gui
