#include "adapters/field_controls.h"

namespace vex::gui {
namespace {

using A = FieldArea;

constexpr int kFindingKeyBase = 0x10000;

// Add a view's controls here when its fields come from the table.
constexpr FieldControl kControls[] = {
    {A::RadioInfo, "model_name", 1111},
    {A::RadioInfo, "serial_number", 1115},
    {A::RadioInfo, "last_programmed", 1121},

    {A::Misc, "vox_gain_level", 1406},
    {A::Misc, "vox_inhibit_on_receive", 1409},
    {A::Misc, "vox_delay_time", 1408},
    {A::Misc, "carrier_squelch_level", 1404},
    {A::Misc, "battery_save", 1410},
    {A::Misc, "ctcss_tail_revert", 1402},
    {A::Misc, "low_power_alert_gap_time", 1414},
    {A::Misc, "battery_save_mode", 1412},

    // Fields that validation reports (channel options page, scan pages).
    {A::Channel, "personality", 3703},
    {A::Channel, "scan_list", 3706},
    {A::ScanList, "designated_channel", 3850},
    {A::ScanList, "priority_channel", 3836},
    {A::ScanList, "member_1", 3873},
    {A::ScanList, "member_2", 3874},
    {A::ScanList, "member_3", 3875},
    {A::ScanList, "member_4", 3876},
    {A::ScanList, "member_5", 3877},
    {A::ScanList, "member_6", 3878},
    {A::ScanList, "member_7", 3879},
    {A::ScanList, "member_8", 3880},
    {A::ScanList, "member_9", 3881},
    {A::ScanList, "member_10", 3882},
    {A::ScanList, "member_11", 3883},
    {A::ScanList, "member_12", 3884},
    {A::ScanList, "member_13", 3885},
    {A::ScanList, "member_14", 3886},
    {A::ScanList, "member_15", 3887},
    {A::ScanList, "member_16", 3888},
};

}  // namespace

std::span<const FieldControl> fieldControls() { return kControls; }

const FieldSpec* fieldOfControl(FieldArea area, int control) {
  for (const FieldControl& entry : kControls)
    if (entry.area == area && entry.control == control) return FindField(area, entry.field);
  return nullptr;
}

int controlOf(const FieldSpec* field) {
  if (!field) return 0;
  for (const FieldControl& entry : kControls)
    if (entry.area == field->area && entry.field == field->key) return entry.control;
  return 0;
}

int invalidLogKey(const Finding& finding) {
  const int control = controlOf(finding.field);
  const int id = control != 0 ? control - 1 : (finding.field ? finding.field->label : 0);
  return finding.itemKey + kFindingKeyBase + id;
}

}  // namespace vex::gui
