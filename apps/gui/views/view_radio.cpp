#include "views/view_radio.h"

#include <cstdio>

#include "adapters/radio_data.h"
#include "adapters/settings.h"
#include "adapters/texts.h"
#include "base/text_ids.h"
#include "base/field_text.h"
#include "core/image_layout.h"

namespace vex::gui {
namespace {

enum : int {
  kModelName = 1111,
  kFreqRange = 1113,
  kSerialNumber = 1115,
  kFirmware = 1117,
  kSignaling = 1119,
  kProgrammedDate = 1121,
  kSignalingOptions = text::kModelSignalingList,
};

using K = ControlKind;
constexpr ControlSpec kControls[] = {
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
constexpr FormSpec kForm{CViewRadio::kTemplateId, "Radio Information", 290, 126, kControls};

}  // namespace

std::string programmingDateText(std::span<const std::uint8_t, 6> stamp) {
  const int second = stamp[0] < 60 ? stamp[0] : 59;
  const int minute = stamp[1] < 60 ? stamp[1] : 59;
  const int hour = stamp[2] < 24 ? stamp[2] : 0;
  const int day = stamp[3] < 32 ? stamp[3] : 31;
  const int month = stamp[4] < 13 ? stamp[4] : 12;
  const int year = stamp[5] < 38 ? stamp[5] + 2000 : 2037;
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
  return text;
}

CViewRadio::CViewRadio(QWidget* parent) : CSettingsView(kForm, parent) {}

void CViewRadio::loadRecord(ViewRecord& record) {
  const auto info = radio_data::radioInfoBytes();
  record.texts[kModelName] = TextOfField(info.subspan(layout::kInfoModelName, layout::kInfoModelNameLength));
  record.texts[kFreqRange] = settings::freqRange();
  record.texts[kSerialNumber] = TextOfField(info.subspan(layout::kInfoSerial, layout::kInfoSerialLength));
  record.texts[kFirmware] = "V" + settings::firmwareVersion().substr(0, 7);
  record.texts[kSignaling] = texts::valueToText(kSignalingOptions, settings::signalType());
  record.texts[kProgrammedDate] = programmingDateText(info.subspan<layout::kInfoTimeStamp, 6>());
}

}  // namespace vex::gui
