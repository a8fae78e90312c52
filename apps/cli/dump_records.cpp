// The record lists of the dump: channels, personalities and scan lists.
#include "dump_fields.h"

#include "base/text_ids.h"

#include "config/range_edit.h"
#include "core/channel_encoding.h"

namespace vex::cli {

namespace {

constexpr std::uint8_t kAutoStartScan = 0x40;
constexpr std::uint8_t kAtis = 0x80;

std::string ToneText(std::uint16_t word) {
  switch (word >> 14) {
    case 1: return DecodeCtcss(word);
    case 2:
    case 3: return DecodeCdcss(word);
    default: return "";
  }
}

DumpRow ChannelRow(const ChannelRecord& r, std::size_t number, const LanguageTexts& texts) {
  return {
      DumpValue::Number("channel", std::to_string(number)),
      DumpValue::Number("rx_frequency", DecodeFrequency(r.rxFrequency())),
      DumpValue::Number("tx_frequency", DecodeFrequency(r.txFrequency())),
      {"rx_tone_type", ListText(texts, text::kChanRxTypeList, r.rxTone() >> 14)},
      {"rx_tone", ToneText(r.rxTone())},
      {"tx_tone_type", ListText(texts, text::kChanTxTypeList, r.txTone() >> 14)},
      {"tx_tone", ToneText(r.txTone())},
      {"spacing", ListText(texts, text::kChanSpacingList, r.spacingIndex())},
      {"power", ListText(texts, text::kChanPowerList, r.powerIndex())},
      DumpValue::Number("personality", std::to_string(r.personalityIndex() + 1)),
      DumpValue::Number("scan_list", r.scanListNumber() == 0 ? "None" : std::to_string(r.scanListNumber())),
      DumpValue::Flag("auto_start_scan", r.bytes[ChannelRecord::kFlags] & kAutoStartScan),
      DumpValue::Flag("atis", r.bytes[ChannelRecord::kFlags] & kAtis),
  };
}

// Personality fields (by position in their lists, as the pages store them).
const std::vector<FieldSpec> kPersonalityFields{
    {"tx_admit", text::kPersTxAdmitList, 12, 0xFF},
    {"tx_time_out", text::kPersTimeoutList, 14, 0xFF},
    {"tot_pre_alert", text::kPersPreAlertList, 15, 0xFF},
    {"tot_rekey", text::kPersRekeyList, 16, 0xFF},
    {"tot_reset", text::kPersResetList, 17, 0xFF},
    {"busy_channel_lockout", 0, 13, 0x02, Shown::Flag},
    {"rx_squelch_mode", text::kPersSquelchModeList, 8, 0xFF},
};

const std::vector<FieldSpec> kScanListFields{
    {"entries", text::kScanCountList, 4, 0xFF},
    {"scan_mode", text::kScanToneModeList, 5, 0x06},
    {"tx_mode", text::kScanTxModeList, 13, 0x07},
    {"talkback", 0, 13, 0x08, Shown::Flag},
    {"hang_time", text::kScanHangTimeList, 16, 0xFF},
    {"scan_start_alert", 0, 17, 0x01, Shown::Flag},
    {"scan_end_alert", 0, 17, 0x02, Shown::Flag},
    {"priority_scan_alert", 0, 17, 0x04, Shown::Flag},
    {"include_current_channel", 0, 17, 0x10, Shown::Flag},
    {"nuisance_delete", 0, 17, 0x80, Shown::Flag},
    {"nuisance_reset", 0, 18, 0x01, Shown::Flag},
    {"priority_mode", text::kScanPriorityModeList, 7, 0x03},
    {"priority_delete_add", 0, 7, 0x04, Shown::Flag},
    {"priority_sweep_time", text::kScanSweepTimeList, 8, 0xFF},
};

std::string ChannelNumberText(std::uint16_t number) { return number == 0 ? "None" : std::to_string(number); }

DumpRow ScanListRow(const ScanListRecord& r, std::size_t number, const LanguageTexts& texts) {
  DumpRow row{DumpValue::Number("scan_list", std::to_string(number))};
  for (const DumpValue& v : FieldValues(kScanListFields, r.bytes, texts)) row.push_back(v);
  row.push_back(DumpValue::Number("designated_channel", ChannelNumberText(r.word(ScanListRecord::kDesignatedChannel))));
  row.push_back(DumpValue::Number("priority_channel", ChannelNumberText(r.word(ScanListRecord::kPriorityChannel))));
  std::string members;
  for (std::size_t slot = 0; slot < layout::kScanListMemberCount; ++slot) {
    const std::uint16_t m = r.member(slot);
    if (m == 0 || m == 0xFF || m == 0xFFFF) continue;
    members += (members.empty() ? "" : " ") + std::to_string(m);
  }
  row.push_back({"members", members});
  return row;
}

// A range edit's text for a raw value; the number itself without a rule.
std::string RangeEditShown(const LanguageTexts& texts, int id, long raw, bool withOff) {
  const auto rule = texts.optionList(id).rangeRule();
  if (!rule || !rule->usable()) return std::to_string(raw);
  return withOff ? ShowRangeEditWithOff(*rule, raw, texts.messageText(text::kMsgOff)) : ShowRangeEdit(*rule, raw);
}

constexpr std::size_t kAlertSegments = 8;

DumpRow AlertToneRow(const AlertToneRecord& r, std::size_t number, const LanguageTexts& texts) {
  DumpRow row{DumpValue::Number("alert_tone", std::to_string(number)),
              {"cycle", ValueText(texts, text::kAlertCycleList, r.bytes[0])},
              {"beep_segments", RangeEditShown(texts, text::kAlertPauseRange, r.bytes[1], false)}};
  for (std::size_t k = 0; k < kAlertSegments; ++k) {
    const int id = static_cast<int>(k);
    row.push_back({"tone" + std::to_string(k + 1) + "_hz",
                   RangeEditShown(texts, text::kAlertFrequency1Range + id, r.bytes[2 + 2 * k], true)});
    row.push_back({"tone" + std::to_string(k + 1) + "_ms",
                   RangeEditShown(texts, text::kAlertDuration1Range + id, r.bytes[3 + 2 * k], false)});
  }
  return row;
}

}  // namespace

std::vector<DumpTable> RecordTables(RadioDataContainer& data, const LanguageTexts& texts) {
  DumpTable channels{"channels", {}};
  for (std::size_t i = 0; i < data.channels().size(); ++i) {
    channels.rows.push_back(ChannelRow(data.channels()[i].record(), i + 1, texts));
  }
  DumpTable personalities{"personalities", {}};
  for (std::size_t i = 0; i < data.personalities().size(); ++i) {
    DumpRow row{DumpValue::Number("personality", std::to_string(i + 1))};
    for (const DumpValue& v : FieldValues(kPersonalityFields, data.personalities()[i].record().bytes, texts)) {
      row.push_back(v);
    }
    personalities.rows.push_back(std::move(row));
  }
  DumpTable scanLists{"scan_lists", {}};
  for (std::size_t i = 0; i < data.scanLists().size(); ++i) {
    scanLists.rows.push_back(ScanListRow(data.scanLists()[i].record(), i + 1, texts));
  }
  DumpTable alertTones{"alert_tones", {}};
  for (std::size_t i = 0; i < data.alertTones().size(); ++i) {
    alertTones.rows.push_back(AlertToneRow(data.alertTones()[i].record(), i + 1, texts));
  }
  return {channels, personalities, scanLists, alertTones};
}

}  // namespace vex::cli
