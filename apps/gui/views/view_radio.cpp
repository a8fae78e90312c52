#include "views/view_radio.h"

#include "adapters/settings.h"
#include "adapters/texts.h"
#include "base/text_ids.h"
#include "config/app_settings.h"
#include "workflow/radio_info_text.h"

namespace vex::gui {
namespace {

enum : int {
  kModelName = 1111,
  kFreqRange = 1113,
  kSerialNumber = 1115,
  kFirmware = 1117,
  kSignaling = 1119,
  kProgrammedDate = 1121,
};

using K = ControlKind;
constexpr ControlDef kControls[] = {
    {1110, K::Label, "Model Name", 12, 14, 110, 12},
    {kModelName, K::ReadOnlyEdit, "", 126, 13, 150, 13},
    {1112, K::Label, "Frequency Range[MHz]", 12, 32, 110, 12},
    {kFreqRange, K::ReadOnlyEdit, "", 126, 31, 150, 13},
    {1114, K::Label, "Serial Number", 12, 50, 110, 12},
    {kSerialNumber, K::ReadOnlyEdit, "", 126, 49, 150, 13},
    {1116, K::Label, "Firmware Version", 12, 68, 110, 12},
    {kFirmware, K::ReadOnlyEdit, "", 126, 67, 150, 13},
    {1118, K::Label, "Signaling Type", 12, 86, 110, 12},
    {kSignaling, K::ReadOnlyEdit, "", 126, 85, 150, 13},
    {1120, K::Label, "Last Programmed Date", 12, 104, 110, 12},
    {kProgrammedDate, K::ReadOnlyEdit, "", 126, 103, 150, 13},
};
constexpr FormDef kForm{CViewRadio::kTemplateId, "Radio Information", 290, 126, kControls};

}  // namespace

CViewRadio::CViewRadio(QWidget* parent) : CSettingsView(kForm, FieldArea::RadioInfo, parent) {}

void CViewRadio::loadRecord(ViewRecord& record) {
  CSettingsView::loadRecord(record);  // model name, serial number, programming date
  record.texts[kFreqRange] = settings::freqRange();
  record.texts[kFirmware] = FirmwareVersionText(settings::firmwareVersion());
  record.texts[kSignaling] = SignallingTypeText(settings::signalType(), settings::current().texts());
}

}  // namespace vex::gui
