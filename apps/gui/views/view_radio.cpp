#include "views/view_radio.h"

#include "adapters/settings.h"
#include "adapters/texts.h"
#include "base/text_ids.h"
#include "config/app_settings.h"
#include "core/schema/schema_table.h"
#include "workflow/radio_info_text.h"

namespace vex::gui {
namespace {

// The facts the settings hold, not the data.
constexpr int kFreqRange = 1113;
constexpr int kFirmware = 1117;
constexpr int kSignaling = 1119;

consteval const FieldDef& info(std::string_view key) { return SchemaField(FieldArea::RadioInfo, key); }
constexpr LineLook kShown{.kind = ControlKind::ReadOnlyEdit};

constexpr FormLine kLines[] = {
    fieldLine(info("model_name"), kShown),
    ownLine(text::kRadioRange, "Frequency Range[MHz]", kFreqRange, ControlKind::ReadOnlyEdit),
    fieldLine(info("serial_number"), kShown),
    ownLine(text::kRadioFirmware, "Firmware Version", kFirmware, ControlKind::ReadOnlyEdit),
    ownLine(text::kRadioSignaling, "Signaling Type", kSignaling, ControlKind::ReadOnlyEdit),
    fieldLine(info("last_programmed"), kShown),
};
constexpr SettingsForm kForm{
    CViewRadio::kTemplateId, "Radio Information", {.label = 110, .control = 150, .top = 14}, kLines};

}  // namespace

CViewRadio::CViewRadio(QWidget* parent) : CSettingsView(kForm, FieldArea::RadioInfo, parent) {}

void CViewRadio::loadRecord(ViewRecord& record) {
  CSettingsView::loadRecord(record);  // model name, serial number, programming date
  record.texts[kFreqRange] = settings::freqRange();
  record.texts[kFirmware] = FirmwareVersionText(settings::firmwareVersion());
  record.texts[kSignaling] = SignallingTypeText(settings::signalType(), settings::current().texts());
}

}  // namespace vex::gui
