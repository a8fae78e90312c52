#include "core/field_table.h"

#include <algorithm>
#include <bit>
#include <cstdio>

#include "base/text_ids.h"
#include "core/channel_encoding.h"
#include "core/container.h"
#include "core/time_stamp.h"

namespace vex {
namespace {

using A = FieldArea;
using K = FieldKind;
namespace t = text;

// clang-format off
constexpr FieldDef kFields[] = {
    // key                       area           offset mask width kind               list                          label
    {"model_name",               A::RadioInfo,  0,  0xFF, 12, K::Text,               0,                            t::kRadioModelName},
    {"serial_number",            A::RadioInfo,  56, 0xFF, 16, K::Text,               0,                            t::kRadioSerial},
    {"last_programmed",          A::RadioInfo,  16, 0xFF, 6,  K::TimeStamp,          0,                            t::kRadioProgrammedDate},

    {"key_a2",                   A::Keys,       1,  0xFF, 1,  K::ListValue,          t::kKeyFunctionList,          t::kKeyA2Label},
    {"key_a3",                   A::Keys,       2,  0xFF, 1,  K::ListValue,          t::kKeyFunctionList,          t::kKeyA3Label},
    {"key_b2",                   A::Keys,       4,  0xFF, 1,  K::ListValue,          t::kKeyFunctionList,          t::kKeyB2Label},
    {"key_b3",                   A::Keys,       5,  0xFF, 1,  K::ListValue,          t::kKeyFunctionList,          t::kKeyB3Label},

    {"vox_gain_level",           A::Misc,       5,  0x07, 1,  K::ListValue,          t::kMiscVoxGainList,          t::kMiscVoxGainLabel},
    {"vox_inhibit_on_receive",   A::Misc,       5,  0x08, 1,  K::Flag,               0,                            t::kMiscVoxInhibit},
    {"vox_delay_time",           A::Misc,       6,  0xFF, 1,  K::ListValue,          t::kMiscVoxDelayList,         t::kMiscVoxDelayLabel},
    {"carrier_squelch_level",    A::Misc,       8,  0xFF, 1,  K::ListValue,          t::kMiscSquelchList,          t::kMiscSquelchLabel},
    {"battery_save",             A::Misc,       36, 0x01, 1,  K::Flag,               0,                            t::kMiscBatterySave},
    {"ctcss_tail_revert",        A::Misc,       36, 0x02, 1,  K::ListValue,          t::kMiscTailRevertList,       t::kMiscTailRevertLabel},
    {"low_power_alert_gap_time", A::Misc,       37, 0xFF, 1,  K::ListValue,          t::kMiscLowBatteryGapList,    t::kMiscLowBatteryGapLabel},
    {"battery_save_mode",        A::Misc,       40, 0x07, 1,  K::ListValue,          t::kMiscBatterySaveModeList,  t::kMiscBatterySaveModeLabel},

    {"atis_code",                A::Atis,       0,  0xFF, 6,  K::Bytes,              0,                            t::kAtisCodeLabel},
    {"pretime",                  A::Atis,       6,  0xFF, 1,  K::ListValue,          t::kAtisPretimeList,          t::kAtisPretimeLabel},

    {"primary_id",               A::PttId,      0,  0xFF, 2,  K::HexNumber,          0,                            t::kPttPrimaryIdLabel},
    {"ptt_id_type",              A::PttId,      2,  0xFF, 1,  K::ListValue,          t::kPttTypeList,              t::kPttTypeLabel},
    {"side_tone",                A::PttId,      3,  0x01, 1,  K::InvertedFlag,       0,                            t::kPttSideTone},
    {"short_beep",               A::PttId,      3,  0x02, 1,  K::InvertedFlag,       0,                            t::kPttShortBeep},
    {"pretime",                  A::PttId,      4,  0xFF, 1,  K::ListValue,          t::kPttPretimeList,           t::kPttPretimeLabel},
    {"preamble_bit_sync",        A::PttId,      5,  0xFF, 1,  K::ListValue,          t::kPttPreambleList,          t::kPttPreambleLabel},

    {"dos_enable",               A::Dos,        0,  0x01, 1,  K::Flag,               0,                            t::kDosEnable},
    {"dos_pre_mute_duration",    A::Dos,        1,  0xFF, 1,  K::ListValue,          t::kDosPreMuteList,           t::kDosPreMuteLabel},

    {"test_1_rx",                A::TestFreq,   0,  0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_1_tx",                A::TestFreq,   4,  0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_2_rx",                A::TestFreq,   10, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_2_tx",                A::TestFreq,   14, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_3_rx",                A::TestFreq,   20, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_3_tx",                A::TestFreq,   24, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_4_rx",                A::TestFreq,   30, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_4_tx",                A::TestFreq,   34, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_5_rx",                A::TestFreq,   40, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_5_tx",                A::TestFreq,   44, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_6_rx",                A::TestFreq,   50, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_6_tx",                A::TestFreq,   54, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_7_rx",                A::TestFreq,   60, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_7_tx",                A::TestFreq,   64, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_8_rx",                A::TestFreq,   70, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_8_tx",                A::TestFreq,   74, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_9_rx",                A::TestFreq,   80, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_9_tx",                A::TestFreq,   84, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_10_rx",               A::TestFreq,   90, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_10_tx",               A::TestFreq,   94, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_11_rx",               A::TestFreq,   100, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_11_tx",               A::TestFreq,   104, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_12_rx",               A::TestFreq,   110, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_12_tx",               A::TestFreq,   114, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_13_rx",               A::TestFreq,   120, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_13_tx",               A::TestFreq,   124, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_14_rx",               A::TestFreq,   130, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_14_tx",               A::TestFreq,   134, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_15_rx",               A::TestFreq,   140, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_15_tx",               A::TestFreq,   144, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_16_rx",               A::TestFreq,   150, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"test_16_tx",               A::TestFreq,   154, 0xFF, 4,  K::TestFrequency,      0,                            t::kTestFreqLabel},
    {"five_point_1_rx",          A::TestFreq,   160, 0xFF, 4,  K::TestFrequency,      0,                            t::kFivePointLabel},
    {"five_point_1_tx",          A::TestFreq,   180, 0xFF, 4,  K::TestFrequency,      0,                            t::kFivePointLabel},
    {"five_point_2_rx",          A::TestFreq,   164, 0xFF, 4,  K::TestFrequency,      0,                            t::kFivePointLabel},
    {"five_point_2_tx",          A::TestFreq,   184, 0xFF, 4,  K::TestFrequency,      0,                            t::kFivePointLabel},
    {"five_point_3_rx",          A::TestFreq,   168, 0xFF, 4,  K::TestFrequency,      0,                            t::kFivePointLabel},
    {"five_point_3_tx",          A::TestFreq,   188, 0xFF, 4,  K::TestFrequency,      0,                            t::kFivePointLabel},
    {"five_point_4_rx",          A::TestFreq,   172, 0xFF, 4,  K::TestFrequency,      0,                            t::kFivePointLabel},
    {"five_point_4_tx",          A::TestFreq,   192, 0xFF, 4,  K::TestFrequency,      0,                            t::kFivePointLabel},
    {"five_point_5_rx",          A::TestFreq,   176, 0xFF, 4,  K::TestFrequency,      0,                            t::kFivePointLabel},
    {"five_point_5_tx",          A::TestFreq,   196, 0xFF, 4,  K::TestFrequency,      0,                            t::kFivePointLabel},

    {"power_on_password",        A::Passwords,  0,  0xFF, 8,  K::Text,               0,                            t::kPasswordPowerOnLabel},
    {"write_password",           A::Passwords,  8,  0xFF, 8,  K::Text,               0,                            t::kPasswordWriteLabel},
    {"read_password",            A::Passwords,  16, 0xFF, 8,  K::Text,               0,                            t::kPasswordReadLabel},

    {"rx_frequency",             A::Channel,    4,  0xFF, 4,  K::Frequency,          0,                            t::kChanRxFreqLabel},
    {"tx_frequency",             A::Channel,    8,  0xFF, 4,  K::Frequency,          0,                            t::kChanTxFreqLabel},
    {"rx_tone_type",             A::Channel,    13, 0xC0, 1,  K::ListPosition,       t::kChanRxTypeList,           t::kChanRxTypeLabel},
    {"rx_tone",                  A::Channel,    12, 0xFF, 2,  K::ToneWord,           0,                            t::kChanRxCtcssLabel},
    {"tx_tone_type",             A::Channel,    15, 0xC0, 1,  K::ListPosition,       t::kChanTxTypeList,           t::kChanTxTypeLabel},
    {"tx_tone",                  A::Channel,    14, 0xFF, 2,  K::ToneWord,           0,                            t::kChanTxCtcssLabel},
    {"spacing",                  A::Channel,    17, 0x0F, 1,  K::ListPosition,       t::kChanSpacingList,          t::kChanSpacingLabel},
    {"power",                    A::Channel,    17, 0xF0, 1,  K::ListPosition,       t::kChanPowerList,            t::kChanPowerLabel},
    {"personality",              A::Channel,    18, 0xFF, 1,  K::RecordIndex,        t::kChanPersonalityList,      t::kChanPersonalityLabel},
    {"scan_list",                A::Channel,    19, 0xFF, 1,  K::ListNumber,         t::kChanScanListList,         t::kChanScanListLabel},
    {"auto_start_scan",          A::Channel,    20, 0x40, 1,  K::Flag,               0,                            t::kChanAutoStartScan},
    {"atis",                     A::Channel,    20, 0x80, 1,  K::Flag,               0,                            t::kChanAtis},

    {"tx_admit",                 A::Personality, 12, 0xFF, 1, K::ListPosition,       t::kPersTxAdmitList,          t::kPersTxAdmitLabel},
    {"tx_time_out",              A::Personality, 14, 0xFF, 1, K::ListPosition,       t::kPersTimeoutList,          t::kPersTimeoutLabel},
    {"tot_pre_alert",            A::Personality, 15, 0xFF, 1, K::ListPosition,       t::kPersPreAlertList,         t::kPersPreAlertLabel},
    {"tot_rekey",                A::Personality, 16, 0xFF, 1, K::ListPosition,       t::kPersRekeyList,            t::kPersRekeyLabel},
    {"tot_reset",                A::Personality, 17, 0xFF, 1, K::ListPosition,       t::kPersResetList,            t::kPersResetLabel},
    {"busy_channel_lockout",     A::Personality, 13, 0x02, 1, K::Flag,               0,                            t::kPersBusyLockout},
    {"rx_squelch_mode",          A::Personality, 8,  0xFF, 1, K::ListPosition,       t::kPersSquelchModeList,      t::kPersSquelchModeLabel},

    {"entries",                  A::ScanList,   4,  0xFF, 1,  K::ListPosition,       t::kScanCountList,            t::kScanCountLabel},
    {"scan_mode",                A::ScanList,   5,  0x06, 1,  K::ListPosition,       t::kScanToneModeList,         t::kScanToneModeLabel},
    {"tx_mode",                  A::ScanList,   13, 0x07, 1,  K::ListPosition,       t::kScanTxModeList,           t::kScanTxModeLabel},
    {"talkback",                 A::ScanList,   13, 0x08, 1,  K::Flag,               0,                            t::kScanTalkback},
    {"hang_time",                A::ScanList,   16, 0xFF, 1,  K::ListPosition,       t::kScanHangTimeList,         t::kScanHangTimeLabel},
    {"scan_start_alert",         A::ScanList,   17, 0x01, 1,  K::Flag,               0,                            t::kScanStartAlert},
    {"scan_end_alert",           A::ScanList,   17, 0x02, 1,  K::Flag,               0,                            t::kScanEndAlert},
    {"priority_scan_alert",      A::ScanList,   17, 0x04, 1,  K::Flag,               0,                            t::kScanPriorityAlert},
    {"include_current_channel",  A::ScanList,   17, 0x10, 1,  K::Flag,               0,                            t::kScanIncludeCurrent},
    {"nuisance_delete",          A::ScanList,   17, 0x80, 1,  K::Flag,               0,                            t::kScanNuisanceDelete},
    {"nuisance_reset",           A::ScanList,   18, 0x01, 1,  K::Flag,               0,                            t::kScanNuisanceReset},
    {"priority_mode",            A::ScanList,   7,  0x03, 1,  K::ListPosition,       t::kScanPriorityModeList,     t::kScanPriorityModeLabel},
    {"priority_delete_add",      A::ScanList,   7,  0x04, 1,  K::Flag,               0,                            t::kScanPriorityDeleteAdd},
    {"priority_sweep_time",      A::ScanList,   8,  0xFF, 1,  K::ListPosition,       t::kScanSweepTimeList,        t::kScanSweepTimeLabel},
    {"designated_channel",       A::ScanList,   14, 0xFF, 2,  K::ListNumber,         0,                            t::kScanDesignatedLabel},
    {"priority_channel",         A::ScanList,   9,  0xFF, 2,  K::ListNumber,         0,                            t::kScanPriorityChannelLabel},
    {"member_1",                 A::ScanList,   24, 0xFF, 2,  K::ListNumber,         0,                            t::kScanSlot1Label},
    {"member_2",                 A::ScanList,   26, 0xFF, 2,  K::ListNumber,         0,                            t::kScanSlot2Label},
    {"member_3",                 A::ScanList,   28, 0xFF, 2,  K::ListNumber,         0,                            t::kScanSlot3Label},
    {"member_4",                 A::ScanList,   30, 0xFF, 2,  K::ListNumber,         0,                            t::kScanSlot4Label},
    {"member_5",                 A::ScanList,   32, 0xFF, 2,  K::ListNumber,         0,                            t::kScanSlot5Label},
    {"member_6",                 A::ScanList,   34, 0xFF, 2,  K::ListNumber,         0,                            t::kScanSlot6Label},
    {"member_7",                 A::ScanList,   36, 0xFF, 2,  K::ListNumber,         0,                            t::kScanSlot7Label},
    {"member_8",                 A::ScanList,   38, 0xFF, 2,  K::ListNumber,         0,                            t::kScanSlot8Label},
    {"member_9",                 A::ScanList,   40, 0xFF, 2,  K::ListNumber,         0,                            t::kScanSlot9Label},
    {"member_10",                A::ScanList,   42, 0xFF, 2,  K::ListNumber,         0,                            t::kScanSlot10Label},
    {"member_11",                A::ScanList,   44, 0xFF, 2,  K::ListNumber,         0,                            t::kScanSlot11Label},
    {"member_12",                A::ScanList,   46, 0xFF, 2,  K::ListNumber,         0,                            t::kScanSlot12Label},
    {"member_13",                A::ScanList,   48, 0xFF, 2,  K::ListNumber,         0,                            t::kScanSlot13Label},
    {"member_14",                A::ScanList,   50, 0xFF, 2,  K::ListNumber,         0,                            t::kScanSlot14Label},
    {"member_15",                A::ScanList,   52, 0xFF, 2,  K::ListNumber,         0,                            t::kScanSlot15Label},
    {"member_16",                A::ScanList,   54, 0xFF, 2,  K::ListNumber,         0,                            t::kScanSlot16Label},

    {"cycle",                    A::AlertTone,  0,  0xFF, 1,  K::ListValue,          t::kAlertCycleList,           t::kAlertCycleLabel},
    {"beep_segments",            A::AlertTone,  1,  0xFF, 1,  K::Range,              t::kAlertPauseRange,          t::kAlertPauseLabel},
    {"tone1_hz",                 A::AlertTone,  2,  0xFF, 1,  K::RangeOff,           t::kAlertFrequency1Range,     t::kAlertTone1Label},
    {"tone1_ms",                 A::AlertTone,  3,  0xFF, 1,  K::Range,              t::kAlertDuration1Range,      t::kAlertDurationColumn},
    {"tone2_hz",                 A::AlertTone,  4,  0xFF, 1,  K::RangeOff,           t::kAlertFrequency2Range,     t::kAlertTone2Label},
    {"tone2_ms",                 A::AlertTone,  5,  0xFF, 1,  K::Range,              t::kAlertDuration2Range,      t::kAlertDurationColumn},
    {"tone3_hz",                 A::AlertTone,  6,  0xFF, 1,  K::RangeOff,           t::kAlertFrequency3Range,     t::kAlertTone3Label},
    {"tone3_ms",                 A::AlertTone,  7,  0xFF, 1,  K::Range,              t::kAlertDuration3Range,      t::kAlertDurationColumn},
    {"tone4_hz",                 A::AlertTone,  8,  0xFF, 1,  K::RangeOff,           t::kAlertFrequency4Range,     t::kAlertTone4Label},
    {"tone4_ms",                 A::AlertTone,  9,  0xFF, 1,  K::Range,              t::kAlertDuration4Range,      t::kAlertDurationColumn},
    {"tone5_hz",                 A::AlertTone,  10, 0xFF, 1,  K::RangeOff,           t::kAlertFrequency5Range,     t::kAlertTone5Label},
    {"tone5_ms",                 A::AlertTone,  11, 0xFF, 1,  K::Range,              t::kAlertDuration5Range,      t::kAlertDurationColumn},
    {"tone6_hz",                 A::AlertTone,  12, 0xFF, 1,  K::RangeOff,           t::kAlertFrequency6Range,     t::kAlertTone6Label},
    {"tone6_ms",                 A::AlertTone,  13, 0xFF, 1,  K::Range,              t::kAlertDuration6Range,      t::kAlertDurationColumn},
    {"tone7_hz",                 A::AlertTone,  14, 0xFF, 1,  K::RangeOff,           t::kAlertFrequency7Range,     t::kAlertTone7Label},
    {"tone7_ms",                 A::AlertTone,  15, 0xFF, 1,  K::Range,              t::kAlertDuration7Range,      t::kAlertDurationColumn},
    {"tone8_hz",                 A::AlertTone,  16, 0xFF, 1,  K::RangeOff,           t::kAlertFrequency8Range,     t::kAlertTone8Label},
    {"tone8_ms",                 A::AlertTone,  17, 0xFF, 1,  K::Range,              t::kAlertDuration8Range,      t::kAlertDurationColumn},
};
// clang-format on

template <class Item>
std::span<std::uint8_t> RecordBytes(ItemList<Item>& list, std::size_t index) {
  Item* item = list.at(index);
  return item ? item->record().span() : std::span<std::uint8_t>();
}

std::string Hex(unsigned long value, int digits) {
  char text[24];
  std::snprintf(text, sizeof text, "%0*lX", digits, value);
  return text;
}

}  // namespace

std::span<const FieldDef> FieldTable() { return kFields; }

std::vector<const FieldDef*> FieldsOf(FieldArea area) {
  std::vector<const FieldDef*> fields;
  for (const FieldDef& field : kFields)
    if (field.area == area) fields.push_back(&field);
  return fields;
}

const FieldDef* FindField(FieldArea area, std::string_view key) {
  for (const FieldDef& field : kFields)
    if (field.area == area && field.key == key) return &field;
  return nullptr;
}

std::span<const std::uint8_t> FieldBytes(const FieldDef& field, std::span<const std::uint8_t> bytes) {
  if (field.width == 0 || bytes.size() < std::size_t{field.offset} + field.width) return {};
  return bytes.subspan(field.offset, field.width);
}

long ReadField(const FieldDef& field, std::span<const std::uint8_t> bytes) {
  const auto own = FieldBytes(field, bytes);
  if (own.empty()) return 0;
  if (field.width == 1) {
    const unsigned mask = field.mask;
    return static_cast<long>((own[0] & mask) >> std::countr_zero(mask | 0x100u));
  }
  unsigned long value = 0;
  for (std::size_t i = own.size(); i-- > 0;) value = (value << 8) | own[i];
  return static_cast<long>(value);
}

void WriteField(const FieldDef& field, std::span<std::uint8_t> bytes, long value) {
  if (field.width == 0 || bytes.size() < std::size_t{field.offset} + field.width) return;
  const auto raw = static_cast<unsigned long>(value);
  if (field.width == 1) {
    const unsigned mask = field.mask;
    const unsigned bits = static_cast<unsigned>(raw << std::countr_zero(mask | 0x100u)) & mask;
    bytes[field.offset] = static_cast<std::uint8_t>((bytes[field.offset] & ~mask) | bits);
    return;
  }
  for (std::size_t i = 0; i < field.width; ++i) bytes[field.offset + i] = static_cast<std::uint8_t>(raw >> (8 * i));
}

std::span<std::uint8_t> AreaBytes(RadioDataContainer& data, FieldArea area, std::size_t index) {
  switch (area) {
    case A::RadioInfo: return data.radioInfo().bytes();
    case A::Keys: return data.keys().bytes();
    case A::Misc: return data.misc().bytes();
    case A::Passwords: return data.passwords().bytes();
    case A::Atis: return data.atis().bytes();
    case A::PttId: return data.pttId().bytes();
    case A::Dos: return data.dos().bytes();
    case A::TestFreq: return data.testFreq().bytes();
    case A::Embedded: return data.embedded().bytes();
    case A::Factory: return data.factory().bytes();
    case A::Channel: return RecordBytes(data.channels(), index);
    case A::Personality: return RecordBytes(data.personalities(), index);
    case A::ScanList: return RecordBytes(data.scanLists(), index);
    case A::AlertTone: return RecordBytes(data.alertTones(), index);
  }
  return {};
}

std::string PlainFieldText(const FieldDef& field, std::span<const std::uint8_t> bytes) {
  const auto own = FieldBytes(field, bytes);
  const long raw = ReadField(field, bytes);
  switch (field.kind) {
    case K::Text: {
      const auto end = std::find_if(own.begin(), own.end(), [](std::uint8_t b) { return b == 0 || b == 0xFF; });
      return std::string(own.begin(), end);
    }
    case K::Bytes: {
      std::string digits;
      for (std::uint8_t b : own) digits += Hex(b, 2);
      return digits;
    }
    case K::HexNumber: return Hex(static_cast<unsigned long>(raw), 2 * field.width);
    case K::Frequency: return DecodeFrequency(static_cast<std::uint32_t>(raw));
    case K::TestFrequency: return raw == 0 ? std::string() : DecodeFrequency(static_cast<std::uint32_t>(raw));
    case K::ToneWord: {
      const auto word = static_cast<std::uint16_t>(raw);
      switch (word >> 14) {
        case 1: return DecodeCtcss(word);
        case 2:
        case 3: return DecodeCdcss(word);
        default: return "";
      }
    }
    case K::RecordIndex: return std::to_string(raw + 1);
    case K::TimeStamp: return ProgrammingDateText(own);
    default: return std::to_string(raw);
  }
}

}  // namespace vex
