#include "views/view_mis.h"

#include <QCheckBox>

#include "base/text_ids.h"
#include "core/schema/schema_table.h"

namespace vex::gui {
namespace {

consteval const FieldDef& misc(std::string_view key) { return SchemaField(FieldArea::Misc, key); }
constexpr int kBatterySave = misc("battery_save").control;
constexpr int kBatterySaveMode = misc("battery_save_mode").control;

constexpr FormLine kLines[] = {
    groupLine(text::kMiscVoxGroup, "VOX"),
    fieldLine(misc("vox_gain_level")),
    fieldLine(misc("vox_delay_time")),
    fieldLine(misc("vox_inhibit_on_receive")),
    groupLine(text::kMiscSquelchGroup, "Squelch"),
    fieldLine(misc("carrier_squelch_level")),
    fieldLine(misc("ctcss_tail_revert")),
    groupLine(text::kMiscBatteryGroup, "Battery"),
    fieldLine(misc("battery_save")),
    fieldLine(misc("battery_save_mode")),
    fieldLine(misc("low_power_alert_gap_time")),
};
constexpr SettingsForm kForm{CViewMis::kTemplateId, "Miscellaneous", {130, 90, 300}, kLines};

}  // namespace

CViewMis::CViewMis(QWidget* parent) : CSettingsView(kForm, FieldArea::Misc, parent) {}

void CViewMis::applyDependentEnabling(int changedId) {
  if (changedId != 0 && changedId != kBatterySave) return;
  auto* batterySave = qobject_cast<QCheckBox*>(control(kBatterySave));
  setControlEnabled(kBatterySaveMode, batterySave && batterySave->isChecked());
}

}  // namespace vex::gui
