// The settings sections of the dump, each value as its view shows it.
#include "dump_fields.h"

#include "base/text_ids.h"

#include "core/image_layout.h"

#include <cstdio>

namespace vex::cli {

namespace {

const std::vector<FieldSpec> kMiscFields{
    {"vox_gain_level", text::kMiscVoxGainList, 5, 0x07, Shown::ByValue},
    {"vox_inhibit_on_receive", 0, 5, 0x08, Shown::Flag},
    {"vox_delay_time", text::kMiscVoxDelayList, 6, 0xFF, Shown::ByValue},
    {"carrier_squelch_level", text::kMiscSquelchList, 8, 0xFF, Shown::ByValue},
    {"battery_save", 0, 36, 0x01, Shown::Flag},
    {"ctcss_tail_revert", text::kMiscTailRevertList, 36, 0x02, Shown::ByValue},
    {"low_power_alert_gap_time", text::kMiscLowBatteryGapList, 37, 0xFF, Shown::ByValue},
    {"battery_save_mode", text::kMiscBatterySaveModeList, 40, 0x07, Shown::ByValue},
};

const std::vector<FieldSpec> kKeyFields{
    {"key_a2", text::kKeyA2List, 1, 0xFF, Shown::ByValue},
    {"key_a3", text::kKeyA3List, 2, 0xFF, Shown::ByValue},
    {"key_b2", text::kKeyB2List, 4, 0xFF, Shown::ByValue},
    {"key_b3", text::kKeyB3List, 5, 0xFF, Shown::ByValue},
};

const std::vector<FieldSpec> kPttIdFields{
    {"ptt_id_type", text::kPttTypeList, 2, 0xFF, Shown::ByValue},
    {"side_tone", 0, 3, 0x01, Shown::InvertedFlag},
    {"short_beep", 0, 3, 0x02, Shown::InvertedFlag},
    {"pretime", text::kPttPretimeList, 4, 0xFF, Shown::ByValue},
    {"preamble_bit_sync", text::kPttPreambleList, 5, 0xFF, Shown::ByValue},
};

const std::vector<FieldSpec> kDosFields{
    {"dos_enable", 0, 0, 0x01, Shown::Flag},
    {"dos_pre_mute_duration", text::kDosPreMuteList, 1, 0xFF, Shown::ByValue},
};

const std::vector<FieldSpec> kAtisFields{
    {"pretime", text::kAtisPretimeList, 6, 0xFF, Shown::ByValue},
};

// A text field of a section: the bytes up to the first zero or 0xFF.
std::string FieldText(std::span<const std::uint8_t> bytes, std::size_t first, std::size_t length) {
  std::string text;
  for (std::size_t i = first; i < first + length && i < bytes.size(); ++i) {
    if (bytes[i] == 0 || bytes[i] == 0xFF) break;
    text.push_back(static_cast<char>(bytes[i]));
  }
  return text;
}

std::string TimeStampText(std::span<const std::uint8_t> s) {
  // second, minute, hour, day, month, year % 100, century
  char text[32];
  std::snprintf(text, sizeof text, "%02u%02u-%02u-%02u %02u:%02u:%02u", s[6], s[5], s[4], s[3], s[2], s[1], s[0]);
  return text;
}

std::string HexDigits(std::span<const std::uint8_t> bytes) {
  std::string digits;
  static const char kHex[] = "0123456789ABCDEF";
  for (std::uint8_t b : bytes) {
    digits.push_back(kHex[b >> 4]);
    digits.push_back(kHex[b & 0x0F]);
  }
  return digits;
}

}  // namespace

std::vector<DumpGroup> SettingsGroups(RadioDataContainer& data, const LanguageTexts& texts) {
  const auto info = data.radioInfo().bytes();
  DumpGroup radioInfo{"radio_info",
                      {{"model_name", FieldText(info, layout::kInfoModelName, layout::kInfoModelNameLength)},
                       {"serial_number", FieldText(info, layout::kInfoSerial, layout::kInfoSerialLength)},
                       {"last_programmed", TimeStampText(info.subspan(layout::kInfoTimeStamp, 8))}}};

  DumpGroup atis{"atis", {{"atis_code", HexDigits(data.atis().bytes().first(6))}}};
  for (const DumpValue& v : FieldValues(kAtisFields, data.atis().bytes(), texts)) atis.values.push_back(v);

  const auto ptt = data.pttId().bytes();
  char primary[8];
  std::snprintf(primary, sizeof primary, "%04X", static_cast<unsigned>(ptt[0] | (ptt[1] << 8)));
  DumpGroup pttId{"ptt_id", {{"primary_id", primary}}};
  for (const DumpValue& v : FieldValues(kPttIdFields, ptt, texts)) pttId.values.push_back(v);

  return {
      radioInfo,
      {"keys", FieldValues(kKeyFields, data.keys().bytes(), texts)},
      {"misc", FieldValues(kMiscFields, data.misc().bytes(), texts)},
      atis,
      pttId,
      {"dos", FieldValues(kDosFields, data.dos().bytes(), texts)},
  };
}

}  // namespace vex::cli
