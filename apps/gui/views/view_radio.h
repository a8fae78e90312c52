#pragma once
// CViewRadio: read-only facts that identify the radio data.
#include "views/settings_view.h"

namespace vex::gui {

class CViewRadio : public CSettingsView {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 1109;
  explicit CViewRadio(QWidget* parent = nullptr);

 protected:
  void loadRecord(ViewRecord& record) override;
  void storeRecord(const ViewRecord&) override {}  // nothing on it can be edited
};

}  // namespace vex::gui
