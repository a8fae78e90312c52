#include "workflow/channel_row.h"

#include <algorithm>
#include <cctype>

#include "base/number_text.h"
#include "config/language_texts.h"
#include "core/frequency_entry.h"
#include "core/schema/schema.h"
#include "core/schema/schema_table.h"
#include "workflow/field_text.h"

namespace vex {
namespace {

using C = ChannelColumn;
using K = FieldKind;

// How the cells of a field kind are typed; cells of the other kinds are lists only.
struct TypedCell {
  FieldKind kind;
  ChannelCellEdit edit;
  std::string_view typable;
  int maxLength;
};
constexpr TypedCell kTypedCells[] = {
    {K::Frequency, ChannelCellEdit::Frequency, kFrequencyCharacters, kFrequencyTextLength},
    {K::CtcssTone, ChannelCellEdit::TypedChoice, kCtcssCharacters, kCtcssTextLength},
    {K::CdcssCode, ChannelCellEdit::TypedChoice, kCdcssDigits, kCdcssTextLength},
};

constexpr ChannelColumnDef ColumnOf(const FieldDef& field) {
  ChannelColumnDef column{static_cast<C>(field.column.position - 1),
                          field.label,
                          field.list,
                          &field,
                          field.column.width,
                          ChannelCellEdit::Choice,
                          {},
                          0};
  for (const TypedCell& typed : kTypedCells)
    if (typed.kind == field.kind) {
      column.edit = typed.edit;
      column.typable = typed.typable;
      column.maxLength = typed.maxLength;
    }
  return column;
}

// The channel fields with a place in the grid, in grid order.
constexpr auto kColumns = [] {
  std::array<ChannelColumnDef, kChannelColumnCount> columns{};
  for (const FieldDef& field : kFields) {
    const std::size_t position = field.column.position;
    if (field.area == FieldArea::Channel && position != 0 && position <= columns.size())
      columns[position - 1] = ColumnOf(field);
  }
  return columns;
}();
// Counted on the table rather than on kColumns' pointers: GCC's UBSan makes a
// pointer's null check no constant expression.
constexpr bool EveryColumnHasAField() {
  std::array<bool, kChannelColumnCount> placed{};
  for (const FieldDef& field : kFields) {
    const std::size_t position = field.column.position;
    if (field.area == FieldArea::Channel && position != 0 && position <= placed.size()) placed[position - 1] = true;
  }
  return std::all_of(placed.begin(), placed.end(), [](bool p) { return p; });
}
static_assert(EveryColumnHasAField(), "every grid column has its field");

constexpr int kMostLinkNumber = 0xFF;

const FieldDef& FieldOf(ChannelColumn column) { return *kColumns[IndexOf(column)].field; }

// The text of a list position, "" when the list has none.
std::string TextOf(ChannelColumn column, long raw, const LanguageTexts& texts) {
  return FieldOptionText(FieldOf(column), raw, texts).value_or("");
}

// The list position of a text, else `kept`.
int PositionOf(ChannelColumn column, const std::string& text, const LanguageTexts& texts, int kept) {
  const long value = FieldOptionValue(FieldOf(column), text, texts);
  return value >= 0 ? static_cast<int>(value) : kept;
}

std::string ScanListNoneText(const LanguageTexts& texts) {
  return texts.optionList(FieldOf(C::ScanList).list).valueToText(0);
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
  const bool charactersFit = text.find_first_not_of(kCtcssCharacters) == std::string_view::npos;
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
  at(C::AutoStartScan) = texts.optionList(FieldOf(C::AutoStartScan).list).valueToText(record.autoStartScan() ? 1 : 0);
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
    record.setPersonalityIndex(static_cast<std::uint8_t>(std::min(*personality, kMostLinkNumber) - 1));
  if (SameText(at(C::ScanList), ScanListNoneText(texts)))
    record.setScanListNumber(0);
  else if (const auto scanList = NumberOf(at(C::ScanList)))
    record.setScanListNumber(static_cast<std::uint8_t>(std::min(*scanList, kMostLinkNumber)));
  const long autoStart = texts.optionList(FieldOf(C::AutoStartScan).list).textToValue(at(C::AutoStartScan));
  if (autoStart >= 0) record.setAutoStartScan(autoStart != 0);
  return result;
}

bool ChannelColumnDef::inUse(const ChannelRecord& record) const {
  if (field->kind != K::CtcssTone && field->kind != K::CdcssCode) return true;
  const int type = static_cast<int>(ReadField(*field, record.bytes) >> 14);
  return UsesColumn(type, field->kind == K::CtcssTone);
}

std::vector<std::string> ChannelColumnDef::options(const ChannelRowContext& context) const {
  std::vector<std::string> options;
  switch (field->kind) {
    case K::Frequency: break;
    case K::CtcssTone: options = CtcssToneTexts(); break;
    case K::CdcssCode: options = CdcssCodeTexts(); break;
    case K::PersonalityIndex:
      for (std::size_t n = 1; n <= context.personalities; ++n) options.push_back(std::to_string(n));
      break;
    case K::ScanListNumber:
      options.push_back(ScanListNoneText(context.texts));
      for (std::size_t n = 1; n <= context.scanLists; ++n) options.push_back(std::to_string(n));
      break;
    default:
      for (const OptionPair& pair : context.texts.optionList(list).pairs()) options.push_back(pair.text);
      break;
  }
  return options;
}

std::optional<std::string> ChannelColumnDef::check(std::string_view text, const ChannelRowContext& context) const {
  const std::string typed = Trimmed(text);
  switch (field->kind) {
    case K::Frequency: {
      const bool charactersFit = typed.find_first_not_of(kFrequencyCharacters) == std::string::npos;
      if (!charactersFit || typed.size() > kFrequencyTextLength) return std::nullopt;
      if (!typed.empty() && !ParseLeadingReal(typed)) return std::nullopt;
      return CommitFrequencyCell(typed, context.band);
    }
    case K::CtcssTone:
      if (!IsCtcssText(typed)) return std::nullopt;
      return NormalizeCtcssText(typed);
    case K::CdcssCode: return NormalizeCdcssText(typed);
    default: {
      for (const std::string& option : options(context))
        if (SameText(option, typed)) return option;
      return std::nullopt;
    }
  }
}

}  // namespace vex
