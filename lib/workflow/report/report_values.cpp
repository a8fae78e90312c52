#include "workflow/report/report_values.h"

#include "base/text_ids.h"
#include "config/language_texts.h"
#include "core/container.h"
#include "core/sections/ptt_id_section.h"
#include "workflow/field_text.h"

namespace vex {
namespace {

// How many records the list a reference field points into holds: a channel
// names a personality and a scan list, a scan list names channels.
std::size_t ReferencedRecords(const FieldDef& field, const RadioDataContainer& data) {
  switch (field.kind) {
    case FieldKind::PersonalityIndex: return data.personalities().size();
    case FieldKind::ScanListNumber: return data.scanLists().size();
    default: return data.channels().size();
  }
}

std::string ReferenceText(const FieldDef& field, long raw, const RadioDataContainer& data, const LanguageTexts& texts) {
  const std::size_t records = ReferencedRecords(field, data);
  const long number = field.kind == FieldKind::PersonalityIndex ? raw + 1 : raw;
  if (number == 0 && field.list != 0) {
    const auto options = texts.optionList(field.list).pairs();
    return options.empty() ? std::string() : options.front().text;
  }
  if (number < 1 || static_cast<std::size_t>(number) > records) return {};
  return std::to_string(number);
}

}  // namespace

std::string PrintedFieldText(const FieldDef& field, std::span<const std::uint8_t> bytes, const RadioDataContainer& data,
                             const LanguageTexts& texts) {
  const long raw = ReadField(field, bytes);
  switch (field.kind) {
    case FieldKind::Flag:
    case FieldKind::InvertedFlag: {
      const bool on = (raw != 0) == (field.kind == FieldKind::Flag);
      return texts.labelText(on ? text::kWordOn : text::kWordOff);
    }
    case FieldKind::ScanListNumber:
    case FieldKind::ChannelNumber:
    case FieldKind::PersonalityIndex: return ReferenceText(field, raw, data, texts);
    default: break;
  }
  // Its view corrects a stored ID that no radio accepts before showing it.
  if (field.area == FieldArea::PttId && field.key == "primary_id")
    return PttIdSection::primaryIdText(static_cast<std::uint16_t>(raw));
  if (UsesOptionList(field)) return FieldOptionText(field, raw, texts).value_or("");
  return PlainFieldText(field, bytes);
}

}  // namespace vex
