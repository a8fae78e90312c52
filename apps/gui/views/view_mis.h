#pragma once
// CViewMis: the radio's general operating options (VOX, squelch, battery
// save, low-battery alert, CTCSS tail handling) in the misc section. Its
// fields come from the field table; the view adds only its enabling rule.
#include "views/settings_view.h"

namespace vex::gui {

class CViewMis : public CSettingsView {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 1400;
  explicit CViewMis(QWidget* parent = nullptr);

 protected:
  void applyDependentEnabling(int changedId) override;
};

}  // namespace vex::gui
