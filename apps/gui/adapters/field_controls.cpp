#include "adapters/field_controls.h"

namespace vex::gui {
namespace {

using A = FieldArea;

constexpr int kFindingKeyBase = 0x10000;

// Every control that shows a field of the library's table; a view's fields
// load and store through the rows of its area whose controls it holds.
constexpr FieldControl kControls[] = {
    {A::RadioInfo, "model_name", 1111},
    {A::RadioInfo, "serial_number", 1115},
    {A::RadioInfo, "last_programmed", 1121},

    {A::Keys, "key_a2", 6614},
    {A::Keys, "key_a3", 6616},
    {A::Keys, "key_b2", 6620},
    {A::Keys, "key_b3", 6622},

    {A::Misc, "vox_gain_level", 1406},
    {A::Misc, "vox_inhibit_on_receive", 1409},
    {A::Misc, "vox_delay_time", 1408},
    {A::Misc, "carrier_squelch_level", 1404},
    {A::Misc, "battery_save", 1410},
    {A::Misc, "ctcss_tail_revert", 1402},
    {A::Misc, "low_power_alert_gap_time", 1414},
    {A::Misc, "battery_save_mode", 1412},

    {A::Atis, "atis_code", 4595},
    {A::Atis, "pretime", 4592},

    {A::PttId, "primary_id", 1661},
    {A::PttId, "ptt_id_type", 1665},
    {A::PttId, "side_tone", 1670},
    {A::PttId, "short_beep", 1671},
    {A::PttId, "pretime", 1667},
    {A::PttId, "preamble_bit_sync", 1669},

    {A::Dos, "dos_enable", 4666},
    {A::Dos, "dos_pre_mute_duration", 4670},

    {A::Passwords, "power_on_password", 6353},
    {A::Passwords, "write_password", 6355},
    {A::Passwords, "read_password", 6357},

    {A::Channel, "spacing", 3661},
    {A::Channel, "power", 3663},
    {A::Channel, "rx_tone_type", 3668},
    {A::Channel, "tx_tone_type", 3677},
    {A::Channel, "personality", 3703},
    {A::Channel, "scan_list", 3706},
    {A::Channel, "auto_start_scan", 3707},
    {A::Channel, "atis", 3714},

    {A::Personality, "tx_admit", 2321},
    {A::Personality, "tx_time_out", 2325},
    {A::Personality, "tot_pre_alert", 2327},
    {A::Personality, "tot_rekey", 2329},
    {A::Personality, "tot_reset", 2331},
    {A::Personality, "busy_channel_lockout", 2341},
    {A::Personality, "rx_squelch_mode", 2351},

    {A::ScanList, "entries", 3943},
    {A::ScanList, "scan_mode", 3830},
    {A::ScanList, "tx_mode", 3846},
    {A::ScanList, "talkback", 3861},
    {A::ScanList, "hang_time", 3848},
    {A::ScanList, "scan_start_alert", 3855},
    {A::ScanList, "scan_end_alert", 3856},
    {A::ScanList, "priority_scan_alert", 3860},
    {A::ScanList, "include_current_channel", 3857},
    {A::ScanList, "nuisance_delete", 3854},
    {A::ScanList, "nuisance_reset", 3853},
    {A::ScanList, "priority_mode", 3834},
    {A::ScanList, "priority_delete_add", 3837},
    {A::ScanList, "priority_sweep_time", 3844},
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

    {A::AlertTone, "cycle", 5003},
    {A::AlertTone, "beep_segments", 5018},
    {A::AlertTone, "tone1_hz", 5004},
    {A::AlertTone, "tone2_hz", 5005},
    {A::AlertTone, "tone3_hz", 5006},
    {A::AlertTone, "tone4_hz", 5007},
    {A::AlertTone, "tone5_hz", 5008},
    {A::AlertTone, "tone6_hz", 5009},
    {A::AlertTone, "tone7_hz", 5010},
    {A::AlertTone, "tone8_hz", 5011},
    {A::AlertTone, "tone1_ms", 5019},
    {A::AlertTone, "tone2_ms", 5020},
    {A::AlertTone, "tone3_ms", 5021},
    {A::AlertTone, "tone4_ms", 5022},
    {A::AlertTone, "tone5_ms", 5023},
    {A::AlertTone, "tone6_ms", 5024},
    {A::AlertTone, "tone7_ms", 5025},
    {A::AlertTone, "tone8_ms", 5026},
};

}  // namespace

std::span<const FieldControl> fieldControls() { return kControls; }

const FieldDef* fieldOfControl(FieldArea area, int control) {
  for (const FieldControl& entry : kControls)
    if (entry.area == area && entry.control == control) return FindField(area, entry.field);
  return nullptr;
}

int controlOf(const FieldDef* field) {
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
