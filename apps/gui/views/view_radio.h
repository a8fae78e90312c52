#pragma once
// CViewRadio: read-only facts that identify the radio data.
#include <cstdint>
#include <span>
#include <string>

#include "views/settings_view.h"

namespace vex::gui {

// "%Y-%m-%d %H:%M:%S" of the six stamp bytes (second, minute, hour, day,
// month, year - 2000), each replaced by its fallback when out of range.
std::string programmingDateText(std::span<const std::uint8_t, 6> stamp);

class CViewRadio : public CSettingsView {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 1109;
  explicit CViewRadio(QWidget* parent = nullptr);

 protected:
  void loadRecord(ViewRecord& record) override;
  void storeRecord(const ViewRecord&) override {}
};

}  // namespace vex::gui
