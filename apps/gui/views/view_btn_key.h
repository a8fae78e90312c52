#pragma once
// CViewBtnKey: the functions of the radio's two programmable side keys
// (short and long press each) in the key section. The four lists offer their
// own entries and convert through the key-function list; no other byte of
// the section changes.
#include "views/settings_view.h"

namespace vex::gui {

class CViewBtnKey : public CSettingsView {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 6601;
  explicit CViewBtnKey(QWidget* parent = nullptr);
};

}  // namespace vex::gui
