#include "workflow/channel_row.h"

#include <algorithm>
#include <cctype>

#include "base/number_text.h"
#include "base/text_ids.h"
#include "config/language_texts.h"
#include "core/field_table.h"
#include "core/frequency_entry.h"
#include "workflow/field_text.h"

namespace vex {
namespace {

using C = ChannelColumn;
namespace t = text;

constexpr ChannelColumnDef kColumns[] = {
    {C::RxFrequency, t::kChanRxFreqLabel, 0},
    {C::RxType, t::kChanRxTypeLabel, t::kChanRxTypeList},
    {C::RxCtcss, t::kChanRxCtcssLabel, 0},
    {C::RxCdcss, t::kChanRxCdcssLabel, 0},
    {C::TxFrequency, t::kChanTxFreqLabel, 0},
    {C::TxType, t::kChanTxTypeLabel, t::kChanTxTypeList},
    {C::TxCtcss, t::kChanTxCtcssLabel, 0},
    {C::TxCdcss, t::kChanTxCdcssLabel, 0},
    {C::Spacing, t::kChanSpacingLabel, t::kChanSpacingList},
    {C::Power, t::kChanPowerLabel, t::kChanPowerList},
    {C::Personality, t::kChanPersonalityLabel, t::kChanPersonalityList},
    {C::ScanList, t::kChanScanListLabel, t::kChanScanListList},
    {C::AutoStartScan, t::kChanAutoStartScan, t::kChanAutoStartScanList},
};
static_assert(std::size(kColumns) == kChannelColumnCount);

constexpr int kMostLinkNumber = 0xFF;

// The field-table fields whose options are list positions.
const FieldDef* ListField(ChannelColumn column) {
  switch (column) {
    case C::RxType: return FindField(FieldArea::Channel, "rx_tone_type");
    case C::TxType: return FindField(FieldArea::Channel, "tx_tone_type");
    case C::Spacing: return FindField(FieldArea::Channel, "spacing");
    case C::Power: return FindField(FieldArea::Channel, "power");
    default: return nullptr;
  }
}

std::string TextOf(ChannelColumn column, long raw, const LanguageTexts& texts) {
  const FieldDef* field = ListField(column);
  return field ? FieldOptionText(*field, raw, texts).value_or("") : "";
}

// The list position of a text, else `kept`.
int PositionOf(ChannelColumn column, const std::string& text, const LanguageTexts& texts, int kept) {
  const FieldDef* field = ListField(column);
  const long value = field ? FieldOptionValue(*field, text, texts) : -1;
  return value >= 0 ? static_cast<int>(value) : kept;
}

std::string ScanListNoneText(const LanguageTexts& texts) {
  return texts.optionList(t::kChanScanListList).valueToText(0);
}

// A record number typed as text (1-based), when it reads as one.
std::optional<int> NumberOf(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
  if (text.empty() || text.size() > 3 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  return ParseLeadingInt(text);
}

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1));
}

bool IsCtcssText(std::string_view text) {
  if (text.empty() || text.size() > kCtcssTextLength) return false;
  const bool charactersFit =
      std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
  return charactersFit && ParseLeadingReal(text).has_value();
}

bool UsesColumn(int type, bool ctcssColumn) { return ctcssColumn ? type == kToneCtcss : type >= kToneCdcss; }

}  // namespace

std::span<const ChannelColumnDef> ChannelColumns() { return kColumns; }

const ChannelColumnDef& ChannelColumnOf(ChannelColumn column) { return kColumns[IndexOf(column)]; }

ChannelRow LoadChannelRow(const ChannelRecord& record, const ChannelRowContext& context) {
  const ChannelValueSet values = LoadChannelValues(record);
  const LanguageTexts& texts = context.texts;
  ChannelRow row;
  auto at = [&row](ChannelColumn column) -> std::string& { return row[IndexOf(column)]; };
  at(C::RxFrequency) = ShowFrequencyEntry(values.rxFrequency).text;
  at(C::RxType) = TextOf(C::RxType, values.rxType, texts);
  at(C::RxCtcss) = values.rxCtcss;
  at(C::RxCdcss) = values.rxCdcss;
  at(C::TxFrequency) = ShowFrequencyEntry(values.txFrequency).text;
  at(C::TxType) = TextOf(C::TxType, values.txType, texts);
  at(C::TxCtcss) = values.txCtcss;
  at(C::TxCdcss) = values.txCdcss;
  at(C::Spacing) = TextOf(C::Spacing, values.spacing, texts);
  at(C::Power) = TextOf(C::Power, values.power, texts);
  at(C::Personality) = std::to_string(record.personalityIndex() + 1);
  const int scanList = record.scanListNumber();
  at(C::ScanList) = scanList == 0 ? ScanListNoneText(texts) : std::to_string(scanList);
  const bool autoStart = (record.bytes[ChannelRecord::kFlags] & ChannelRecord::kAutoStartScanBit) != 0;
  at(C::AutoStartScan) = texts.optionList(t::kChanAutoStartScanList).valueToText(autoStart ? 1 : 0);
  return row;
}

ChannelStoreResult StoreChannelRow(const ChannelRow& row, const ChannelRowContext& context, ChannelRecord& record) {
  const LanguageTexts& texts = context.texts;
  auto at = [&row](ChannelColumn column) -> const std::string& { return row[IndexOf(column)]; };
  ChannelValueSet values = LoadChannelValues(record);
  const EncodedFrequency rx = EncodeFrequency(at(C::RxFrequency), FrequencyRounding::Nearest);
  const EncodedFrequency tx = EncodeFrequency(at(C::TxFrequency), FrequencyRounding::Nearest);
  values.rxFrequency = rx.value;
  values.rxStepCode = rx.stepCode;
  values.txFrequency = tx.value;
  values.txStepCode = tx.stepCode;
  values.rxType = PositionOf(C::RxType, at(C::RxType), texts, values.rxType);
  values.txType = PositionOf(C::TxType, at(C::TxType), texts, values.txType);
  values.rxCtcss = at(C::RxCtcss);
  values.rxCdcss = at(C::RxCdcss);
  values.txCtcss = at(C::TxCtcss);
  values.txCdcss = at(C::TxCdcss);
  values.spacing = PositionOf(C::Spacing, at(C::Spacing), texts, values.spacing);
  values.power = PositionOf(C::Power, at(C::Power), texts, values.power);
  const ChannelStoreResult result = StoreChannelValues(values, context.band, record);

  if (const auto personality = NumberOf(at(C::Personality)); personality && *personality >= 1)
    record.bytes[ChannelRecord::kPersonality] = static_cast<std::uint8_t>(std::min(*personality, kMostLinkNumber) - 1);
  if (SameText(at(C::ScanList), ScanListNoneText(texts)))
    record.bytes[ChannelRecord::kScanList] = 0;
  else if (const auto scanList = NumberOf(at(C::ScanList)))
    record.bytes[ChannelRecord::kScanList] = static_cast<std::uint8_t>(std::min(*scanList, kMostLinkNumber));
  const long autoStart = texts.optionList(t::kChanAutoStartScanList).textToValue(at(C::AutoStartScan));
  if (autoStart >= 0) {
    auto& flags = record.bytes[ChannelRecord::kFlags];
    flags = static_cast<std::uint8_t>(autoStart != 0 ? flags | ChannelRecord::kAutoStartScanBit
                                                     : flags & ~ChannelRecord::kAutoStartScanBit);
  }
  return result;
}

bool ChannelColumnInUse(ChannelColumn column, const ChannelRecord& record) {
  const int rxType = record.rxTone() >> 14;
  const int txType = record.txTone() >> 14;
  switch (column) {
    case C::RxCtcss: return UsesColumn(rxType, true);
    case C::RxCdcss: return UsesColumn(rxType, false);
    case C::TxCtcss: return UsesColumn(txType, true);
    case C::TxCdcss: return UsesColumn(txType, false);
    default: return true;
  }
}

std::vector<std::string> ChannelColumnOptions(ChannelColumn column, const ChannelRowContext& context) {
  std::vector<std::string> options;
  switch (column) {
    case C::RxFrequency:
    case C::TxFrequency: break;
    case C::RxCtcss:
    case C::TxCtcss: options = CtcssToneTexts(); break;
    case C::RxCdcss:
    case C::TxCdcss: options = CdcssCodeTexts(); break;
    case C::Personality:
      for (std::size_t n = 1; n <= context.personalities; ++n) options.push_back(std::to_string(n));
      break;
    case C::ScanList:
      options.push_back(ScanListNoneText(context.texts));
      for (std::size_t n = 1; n <= context.scanLists; ++n) options.push_back(std::to_string(n));
      break;
    default:
      for (const OptionPair& pair : context.texts.optionList(ChannelColumnOf(column).list).pairs())
        options.push_back(pair.text);
      break;
  }
  return options;
}

std::optional<std::string> CheckChannelCell(ChannelColumn column, std::string_view text,
                                            const ChannelRowContext& context) {
  const std::string typed = Trimmed(text);
  switch (column) {
    case C::RxFrequency:
    case C::TxFrequency: {
      const bool charactersFit =
          std::all_of(typed.begin(), typed.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
      if (!charactersFit || typed.size() > kFrequencyTextLength) return std::nullopt;
      if (!typed.empty() && !ParseLeadingReal(typed)) return std::nullopt;
      return CommitFrequencyCell(typed, context.band);
    }
    case C::RxCtcss:
    case C::TxCtcss:
      if (!IsCtcssText(typed)) return std::nullopt;
      return NormalizeCtcssText(typed);
    case C::RxCdcss:
    case C::TxCdcss: return NormalizeCdcssText(typed);
    default: {
      for (const std::string& option : ChannelColumnOptions(column, context))
        if (SameText(option, typed)) return option;
      return std::nullopt;
    }
  }
}

}  // namespace vex
