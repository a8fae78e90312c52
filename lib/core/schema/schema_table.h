// The schema of the radio memory: every field of every section and record,
// described once. Offsets count within the section or record buffer, which
// holds the image's big-endian fields least significant byte first (the
// kind says which those are). Ids are label text ids: option list or range
// rule, caption, and the control that shows the field. Everything that reads
// or writes a field takes its place, encoding, domain and default from here.
#pragma once

#include <algorithm>
#include <array>
#include <stdexcept>

#include "core/image_layout.h"
#include "core/schema/field_expansion.h"

namespace vex {

inline constexpr std::array<AreaDef, 14> kAreas{{
    {FieldArea::RadioInfo, "radio_info", layout::kRadioInfo.length, 0xFF},
    {FieldArea::Keys, "keys", layout::kKeys.length, 0},
    {FieldArea::Misc, "misc", layout::kMiscFirst.length + layout::kMiscSecond.length + layout::kShared.length, 0},
    {FieldArea::Passwords, "passwords", layout::kPasswords.length, 0},
    {FieldArea::Atis, "atis", layout::kAtis.length, 0},
    {FieldArea::PttId, "ptt_id", layout::kPttId.length, 0},
    {FieldArea::Dos, "dos", layout::kDos.length, 0},
    {FieldArea::TestFreq, "test_freq", layout::kTestFreq.length, 0},
    {FieldArea::Embedded, "embedded", layout::kEmbedded.length, 0},
    // Bytes 0..3 and 40..43 stand for the links to the radio information and the shared area.
    {FieldArea::Factory, "factory", layout::kFactory.length + 8, 0xFF},
    {FieldArea::Channel, "channel", layout::kChannelArea.recordSize, 0xFF},
    {FieldArea::Personality, "personality", layout::kPersonalityArea.recordSize, 0xFF},
    {FieldArea::ScanList, "scan_list", layout::kScanListArea.recordSize, 0xFF},
    {FieldArea::AlertTone, "alert_tone", layout::kAlertToneArea.recordSize, 0xFF},
}};

namespace schema_detail {

using A = FieldArea;
using K = FieldKind;
using D = DefaultRule;
constexpr DefaultRule kComputed = DefaultRule::Computed;
constexpr std::uint8_t kUnlistedAlias = kUnlisted | kAlias;

// Rows leave out the trailing members they do not need.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
// clang-format off
inline constexpr auto kRows = std::to_array<FieldRow>({
  // name                      area            place          kind                ids                 default              repeat      flags   grid
  {"model_name",               A::RadioInfo,   {0, 12},       K::Text,            {0, 1110, 1111},    {0}},
  {"serial_number",            A::RadioInfo,   {56, 16},      K::Text,            {0, 1114, 1115},    {'-'}},
  {"last_programmed",          A::RadioInfo,   {16, 6},       K::TimeStamp,       {0, 1120, 1121},    {20000101}},
  {"programmed_century",       A::RadioInfo,   {22},          K::Number,          {},                 {20},                {},         kUnlisted},
  {"reserved_23",              A::RadioInfo,   {23},          K::Reserved,        {},                 {0},                 {},         kUnlisted},
  {"vhf",                      A::RadioInfo,   {12, 1, 0x80}, K::Flag,            {0, 4849, 4850},    {0},                 {},         kUnlisted},
  {"reserved_12",              A::RadioInfo,   {12, 1, 0x7F}, K::Reserved,        {},                 {0},                 {},         kUnlisted},
  {"range_id",                 A::RadioInfo,   {13, 2},       K::NumberHighFirst, {0, 4851, 4852},    {0xFFFF},            {},         kUnlisted},
  {"band_lower_edge",          A::RadioInfo,   {24, 4},       K::NumberHighFirst, {0, 4818, 4819},    {0xFFFFFFFF},        {},         kUnlisted},
  {"band_upper_edge",          A::RadioInfo,   {28, 4},       K::NumberHighFirst, {0, 4820, 4821},    {0xFFFFFFFF},        {},         kUnlisted},

  {"key_a2",                   A::Keys,        {1},           K::ListValue,       {6605, 6613, 6614}, {0}},
  {"key_a3",                   A::Keys,        {2},           K::ListValue,       {6605, 6615, 6616}, {24}},
  {"key_b2",                   A::Keys,        {4},           K::ListValue,       {6605, 6619, 6620}, {0}},
  {"key_b3",                   A::Keys,        {5},           K::ListValue,       {6605, 6621, 6622}, {17}},
  {"reserved_24",              A::Keys,        {24},          K::Reserved,        {},                 {1},                 {},         kUnlisted},

  {"vox_gain_level",           A::Misc,        {5, 1, 0x07},  K::ListValue,       {1406, 1405, 1406}, {3}},
  {"vox_inhibit_on_receive",   A::Misc,        {5, 1, 0x08},  K::Flag,            {0, 1409, 1409},    {1}},
  {"vox_delay_time",           A::Misc,        {6},           K::ListValue,       {1408, 1407, 1408}, {15}},
  {"carrier_squelch_level",    A::Misc,        {8},           K::ListValue,       {1404, 1403, 1404}, {5}},
  {"battery_save",             A::Misc,        {36, 1, 0x01}, K::Flag,            {0, 1410, 1410},    {1}},
  {"ctcss_tail_revert",        A::Misc,        {36, 1, 0x02}, K::ListValue,       {1402, 1401, 1402}, {1}},
  {"low_power_alert_gap_time", A::Misc,        {37},          K::ListValue,       {1414, 1413, 1414}, {10}},
  {"battery_save_mode",        A::Misc,        {40, 1, 0x07}, K::ListValue,       {1412, 1411, 1412}, {1}},
  {"reserved_23",              A::Misc,        {23, 2},       K::NumberBe,        {},                 {0},                 {},         kUnlisted},
  // The area shared with the factory data (image 222..253).
  {"reserved_41",              A::Misc,        {41, 6},       K::Reserved,        {},                 {0xFF},              {},         kUnlisted},
  {"reserved_47",              A::Misc,        {47, 2},       K::NumberBe,        {},                 {0xFFFF},            {},         kUnlisted},
  {"reserved_49",              A::Misc,        {49},          K::Reserved,        {},                 {0xFF},              {},         kUnlisted},
  {"wide_volume",              A::Misc,        {50},          K::Number,          {},                 {0xFF},              {},         kUnlisted},
  {"narrow_volume",            A::Misc,        {51},          K::Number,          {},                 {0xFF},              {},         kUnlisted},
  {"reserved_52",              A::Misc,        {52, 21},      K::Reserved,        {},                 {0xFF},              {},         kUnlisted},

  {"atis_code",                A::Atis,        {0, 6},        K::Bytes,           {0, 4594, 4595},    {0x99}},
  {"pretime",                  A::Atis,        {6},           K::ListValue,       {4592, 4591, 4592}, {3}},

  {"primary_id",               A::PttId,       {0, 2},        K::HexNumber,       {0, 1660, 1661},    {1}},
  {"ptt_id_type",              A::PttId,       {2},           K::ListValue,       {1665, 1664, 1665}, {0}},
  {"side_tone",                A::PttId,       {3, 1, 0x01},  K::InvertedFlag,    {0, 1670, 1670},    {1}},
  {"short_beep",               A::PttId,       {3, 1, 0x02},  K::InvertedFlag,    {0, 1671, 1671},    {0}},
  {"reserved_3",               A::PttId,       {3, 1, 0xFC},  K::Reserved,        {},                 {0xFC},              {},         kUnlisted},
  {"pretime",                  A::PttId,       {4},           K::ListValue,       {1667, 1666, 1667}, {25}},
  {"preamble_bit_sync",        A::PttId,       {5},           K::ListValue,       {1669, 1668, 1669}, {5}},

  {"dos_enable",               A::Dos,         {0, 1, 0x01},  K::Flag,            {0, 4666, 4666},    {0}},
  {"reserved_0",               A::Dos,         {0, 1, 0xFE},  K::Reserved,        {},                 {0x20},              {},         kUnlisted},
  {"dos_pre_mute_duration",    A::Dos,         {1},           K::ListValue,       {4670, 4669, 4670}, {15}},

  {"test_%_rx",                A::TestFreq,    {0, 4},        K::TestFrequency,   {0, 4012},          {0, kComputed},      {16, 10},   kSharedLabel},
  {"test_%_tx",                A::TestFreq,    {4, 4},        K::TestFrequency,   {0, 4012},          {0, kComputed},      {16, 10},   kSharedLabel},
  {"test_%_rx_step",           A::TestFreq,    {8},           K::StepCode,        {},                 {0, kComputed},      {16, 10},   kUnlisted},
  {"test_%_tx_step",           A::TestFreq,    {9},           K::StepCode,        {},                 {0, kComputed},      {16, 10},   kUnlisted},
  {"five_point_%_rx",          A::TestFreq,    {160, 4},      K::TestFrequency,   {0, 4013},          {0, kComputed},      {5, 4},     kSharedLabel},
  {"five_point_%_tx",          A::TestFreq,    {180, 4},      K::TestFrequency,   {0, 4013},          {0, kComputed},      {5, 4},     kSharedLabel},
  {"five_point_%_rx_step",     A::TestFreq,    {200, 1, 0x0F},K::StepCode,        {},                 {0, kComputed},      {5, 1},     kUnlisted},
  {"five_point_%_tx_step",     A::TestFreq,    {200, 1, 0xF0},K::StepCode,        {},                 {0, kComputed},      {5, 1},     kUnlisted},

  {"power_on_password",        A::Passwords,   {0, 8},        K::Text,            {0, 6352, 6353},    {0}},
  {"write_password",           A::Passwords,   {8, 8},        K::Text,            {0, 6354, 6355},    {0}},
  {"read_password",            A::Passwords,   {16, 8},       K::Text,            {0, 6356, 6357},    {0}},

  // Texts padded with spaces; one whose first byte is 0xFF is empty.
  {"embedded_password",        A::Embedded,    {0, 8},        K::Text,            {},                 {0},                 {},         kUnlisted},
  {"embedded_text",            A::Embedded,    {8, 8},        K::Text,            {},                 {0},                 {},         kUnlisted},
  {"message_%",                A::Embedded,    {16, 32},      K::Text,            {0, 4702, 4703},    {0},                 {4, 32, 2}, kUnlisted},

  {"tune_switch",              A::Factory,     {4},           K::Number,          {0, 4843, 4844},    {0xFF},              {},         kUnlisted},
  {"oscillator",               A::Factory,     {5},           K::Number,          {0, 4822, 4823},    {0xFF},              {},         kUnlisted},
  {"middle_frequency",         A::Factory,     {6},           K::Number,          {0, 4824, 4825},    {0xFF},              {},         kUnlisted},
  {"open_channels",            A::Factory,     {7},           K::Number,          {0, 4812, 4813},    {0xFF},              {},         kUnlisted},
  {"signalling",               A::Factory,     {8},           K::Number,          {0, 4847, 4848},    {0xFF},              {},         kUnlisted},
  {"reserved_15",              A::Factory,     {15, 4},       K::NumberBe,        {},                 {0xFFFFFFFF},        {},         kUnlisted},
  {"reserved_19",              A::Factory,     {19, 4},       K::NumberBe,        {},                 {0xFFFFFFFF},        {},         kUnlisted},
  {"reserved_24",              A::Factory,     {24, 2},       K::NumberBe,        {},                 {0xFFFF},            {},         kUnlisted},

  {"rx_frequency",             A::Channel,     {4, 4},        K::Frequency,       {0, 3665, 3666},    {0, kComputed},      {},         0,      {1, 100}},
  {"tx_frequency",             A::Channel,     {8, 4},        K::Frequency,       {0, 3674, 3675},    {0, kComputed},      {},         0,      {5, 100}},
  {"rx_tone_type",             A::Channel,     {13, 1, 0xC0}, K::ListPosition,    {3668, 3667, 3668}, {1, kComputed},      {},         kAlias, {2, 100}},
  {"rx_tone",                  A::Channel,     {12, 2},       K::ToneWord,        {0, 3669},          {0, kComputed}},
  {"tx_tone_type",             A::Channel,     {15, 1, 0xC0}, K::ListPosition,    {3677, 3676, 3677}, {1, kComputed},      {},         kAlias, {6, 100}},
  {"tx_tone",                  A::Channel,     {14, 2},       K::ToneWord,        {0, 3678},          {0, kComputed}},
  {"spacing",                  A::Channel,     {17, 1, 0x0F}, K::ListPosition,    {3661, 3660, 3661}, {0},                 {},         0,      {9, 100},  "12.5 kHz,25 kHz"},
  {"power",                    A::Channel,     {17, 1, 0xF0}, K::ListPosition,    {3663, 3662, 3663}, {0},                 {},         0,      {10, 60},  "Low,High"},
  {"personality",              A::Channel,     {18},          K::PersonalityIndex,{3703, 3702, 3703}, {0},                 {},         0,      {11, 60}},
  {"scan_list",                A::Channel,     {19},          K::ScanListNumber,  {3706, 3705, 3706}, {1},                 {},         0,      {12, 100}},
  {"auto_start_scan",          A::Channel,     {20, 1, 0x40}, K::Flag,            {3708, 3707, 3707}, {0, kComputed},      {},         0,      {13, 100}},
  {"atis",                     A::Channel,     {20, 1, 0x80}, K::Flag,            {0, 3714, 3714},    {0}},
  {"rx_ctcss",                 A::Channel,     {12, 2},       K::CtcssTone,       {0, 3669, 3670},    {0, kComputed},      {},         kUnlistedAlias, {3, 50}},
  {"rx_cdcss",                 A::Channel,     {12, 2},       K::CdcssCode,       {0, 3671, 3672},    {0, kComputed},      {},         kUnlistedAlias, {4, 50}},
  {"tx_ctcss",                 A::Channel,     {14, 2},       K::CtcssTone,       {0, 3678, 3679},    {0, kComputed},      {},         kUnlistedAlias, {7, 50}},
  {"tx_cdcss",                 A::Channel,     {14, 2},       K::CdcssCode,       {0, 3680, 3681},    {0, kComputed},      {},         kUnlistedAlias, {8, 50}},
  {"rx_step",                  A::Channel,     {16, 1, 0x0F}, K::StepCode,        {},                 {0, kComputed},      {},         kUnlisted},
  {"tx_step",                  A::Channel,     {16, 1, 0xF0}, K::StepCode,        {},                 {0, kComputed},      {},         kUnlisted},
  {"reserved_20",              A::Channel,     {20, 1, 0x3F}, K::Reserved,        {},                 {0},                 {},         kUnlisted},
  {"reserved_21",              A::Channel,     {21},          K::Reserved,        {},                 {0xFC},              {},         kUnlisted},
  {"reserved_22",              A::Channel,     {22, 2},       K::Reserved,        {},                 {0},                 {},         kUnlisted},

  {"tx_admit",                 A::Personality, {12},          K::ListPosition,    {2321, 2320, 2321}, {1}},
  {"tx_time_out",              A::Personality, {14},          K::ListPosition,    {2325, 2324, 2325}, {60}},
  {"tot_pre_alert",            A::Personality, {15},          K::ListPosition,    {2327, 2326, 2327}, {10}},
  {"tot_rekey",                A::Personality, {16},          K::ListPosition,    {2329, 2328, 2329}, {0}},
  {"tot_reset",                A::Personality, {17},          K::ListPosition,    {2331, 2330, 2331}, {0}},
  {"busy_channel_lockout",     A::Personality, {13, 1, 0x02}, K::Flag,            {0, 2341, 2341},    {0}},
  {"rx_squelch_mode",          A::Personality, {8},           K::ListPosition,    {2351, 2350, 2351}, {1}},
  // The circular chain of the personality records, written by the encoder.
  {"previous_link",            A::Personality, {0, 2},        K::Number,          {},                 {0xFFFF},            {},         kUnlisted},
  {"next_link",                A::Personality, {2, 2},        K::Number,          {},                 {0xFFFF},            {},         kUnlisted},
  {"reserved_4",               A::Personality, {4},           K::Reserved,        {},                 {0x40},              {},         kUnlisted},
  {"reserved_5",               A::Personality, {5},           K::Reserved,        {},                 {0xC0},              {},         kUnlisted},
  {"reserved_7",               A::Personality, {7},           K::Reserved,        {},                 {0},                 {},         kUnlisted},
  {"reserved_9",               A::Personality, {9, 2},        K::Reserved,        {},                 {0},                 {},         kUnlisted},
  {"reserved_11",              A::Personality, {11},          K::Reserved,        {},                 {0xFC},              {},         kUnlisted},
  {"reserved_13",              A::Personality, {13, 1, 0xFD}, K::Reserved,        {},                 {0},                 {},         kUnlisted},
  {"reserved_18",              A::Personality, {18},          K::Reserved,        {},                 {0},                 {},         kUnlisted},
  {"reserved_19",              A::Personality, {19},          K::Reserved,        {},                 {1},                 {},         kUnlisted},
  {"reserved_20",              A::Personality, {20, 2},       K::Reserved,        {},                 {10},                {},         kUnlisted},

  {"entries",                  A::ScanList,    {4},           K::ListPosition,    {3943, 3940, 3943}, {16}},
  {"scan_mode",                A::ScanList,    {5, 1, 0x06},  K::ListPosition,    {3830, 3829, 3830}, {3}},
  {"tx_mode",                  A::ScanList,    {13, 1, 0x07}, K::ListPosition,    {3846, 3845, 3846}, {0}},
  {"talkback",                 A::ScanList,    {13, 1, 0x08}, K::Flag,            {0, 3861, 3861},    {1}},
  {"hang_time",                A::ScanList,    {16},          K::ListPosition,    {3848, 3847, 3848}, {3}},
  {"scan_start_alert",         A::ScanList,    {17, 1, 0x01}, K::Flag,            {0, 3855, 3855},    {1}},
  {"scan_end_alert",           A::ScanList,    {17, 1, 0x02}, K::Flag,            {0, 3856, 3856},    {1}},
  {"priority_scan_alert",      A::ScanList,    {17, 1, 0x04}, K::Flag,            {0, 3860, 3860},    {1}},
  {"include_current_channel",  A::ScanList,    {17, 1, 0x10}, K::Flag,            {0, 3857, 3857},    {0}},
  {"nuisance_delete",          A::ScanList,    {17, 1, 0x80}, K::Flag,            {0, 3854, 3854},    {0},                 {},         kHiddenControl},
  {"nuisance_reset",           A::ScanList,    {18, 1, 0x01}, K::Flag,            {0, 3853, 3853},    {1},                 {},         kHiddenControl},
  {"priority_mode",            A::ScanList,    {7, 1, 0x03},  K::ListPosition,    {3834, 3833, 3834}, {0}},
  {"priority_delete_add",      A::ScanList,    {7, 1, 0x04},  K::Flag,            {0, 3837, 3837},    {0},                 {},         kHiddenControl},
  {"priority_sweep_time",      A::ScanList,    {8},           K::ListPosition,    {3844, 3843, 3844}, {8}},
  {"designated_channel",       A::ScanList,    {14, 2},       K::ChannelNumber,   {0, 3849, 3850},    {1}},
  {"priority_channel",         A::ScanList,    {9, 2},        K::ChannelNumber,   {0, 3835, 3836},    {1}},
  {"member_%",                 A::ScanList,    {24, 2},       K::ChannelNumber,   {0, 3905, 3873},    {0, D::Numbered},    {16, 2}},
  {"further_channel",          A::ScanList,    {11, 2},       K::ChannelNumber,   {},                 {2},                 {},         kUnlisted},
  {"reserved_5",               A::ScanList,    {5, 1, 0xF9},  K::Reserved,        {},                 {0xE0},              {},         kUnlisted},
  {"reserved_6",               A::ScanList,    {6},           K::Reserved,        {},                 {25},                {},         kUnlisted},
  {"reserved_7",               A::ScanList,    {7, 1, 0xF8},  K::Reserved,        {},                 {0xC0},              {},         kUnlisted},
  {"reserved_13",              A::ScanList,    {13, 1, 0xF0}, K::Reserved,        {},                 {0xF0},              {},         kUnlisted},
  {"reserved_17",              A::ScanList,    {17, 1, 0x68}, K::Reserved,        {},                 {0x08},              {},         kUnlisted},
  {"reserved_21",              A::ScanList,    {21},          K::Reserved,        {},                 {4},                 {},         kUnlisted},
  {"reserved_22",              A::ScanList,    {22},          K::Reserved,        {},                 {50},                {},         kUnlisted},
  {"reserved_23",              A::ScanList,    {23},          K::Reserved,        {},                 {20},                {},         kUnlisted},

  {"cycle",                    A::AlertTone,   {0},           K::ListValue,       {5003, 5012, 5003}, {1}},
  {"beep_segments",            A::AlertTone,   {1},           K::Range,           {5018, 5013, 5018}, {3}},
  {"tone%_hz",                 A::AlertTone,   {2},           K::RangeOff,        {5004, 5056, 5004}, {50, D::FirstApart, 100}, {8, 2}},
  {"tone%_ms",                 A::AlertTone,   {3},           K::Range,           {5019, 5015, 5019}, {0, D::FirstApart, 10},   {8, 2}, kSharedLabel},
});
// clang-format on
#pragma GCC diagnostic pop

inline constexpr auto kNames = ExpandNames<FieldCount(kRows)>(kRows);

}  // namespace schema_detail

// Every field, element by element, in the order of the schema's rows.
inline constexpr auto kFields = schema_detail::ExpandFields(schema_detail::kRows, schema_detail::kNames);

// The field of `area` named `key`, found while compiling: a name that is
// not in the schema does not compile.
consteval const FieldDef& SchemaField(FieldArea area, std::string_view key) {
  for (const FieldDef& field : kFields)
    if (field.area == area && field.key == key) return field;
  throw std::invalid_argument("no such field in the schema");
}

// The elements of an array row, found by the name of its first element.
class SchemaArray {
 public:
  consteval SchemaArray(FieldArea area, std::string_view firstKey) : first_(&SchemaField(area, firstKey)) {
    for (const FieldDef& field : kFields)
      if (field.row == first_->row) {
        if (field.index == 1) step_ = static_cast<std::size_t>(&field - first_);
        count_ = field.index + 1u;
      }
  }
  constexpr std::size_t size() const { return count_; }
  // Element `i` (0-based); the last one for an index beyond it.
  constexpr const FieldDef& operator[](std::size_t i) const { return first_[std::min(i, count_ - 1) * step_]; }

 private:
  const FieldDef* first_;
  std::size_t count_ = 1;
  std::size_t step_ = 0;
};

}  // namespace vex
