#include "workflow/field_text.h"

#include "base/text_ids.h"
#include "config/language_texts.h"
#include "config/range_edit.h"

namespace vex {

bool UsesOptionList(const FieldDef& field) {
  switch (field.kind) {
    case FieldKind::ListValue:
    case FieldKind::ListPosition:
    case FieldKind::Range:
    case FieldKind::RangeOff: return field.list != 0;
    default: return false;
  }
}

std::optional<std::string> FieldOptionText(const FieldDef& field, long raw, const LanguageTexts& texts) {
  if (!UsesOptionList(field)) return std::nullopt;
  const bool off = field.kind == FieldKind::RangeOff;
  return FieldOptionText(field, raw, texts.optionList(field.list), off ? texts.messageText(text::kMsgOff) : "");
}

std::optional<std::string> FieldOptionText(const FieldDef& field, long raw, const OptionList& options,
                                           std::string_view offText) {
  if (!UsesOptionList(field)) return std::nullopt;
  switch (field.kind) {
    case FieldKind::ListValue: {
      std::string text = options.valueToText(raw);
      if (text.empty()) return std::nullopt;
      return text;
    }
    case FieldKind::ListPosition: {
      const auto pairs = options.pairs();
      if (raw < 0 || static_cast<std::size_t>(raw) >= pairs.size()) return std::nullopt;
      return pairs[static_cast<std::size_t>(raw)].text;
    }
    case FieldKind::Range:
    case FieldKind::RangeOff: {
      const auto rule = options.rangeRule();
      if (!rule || !rule->usable()) return std::nullopt;
      if (field.kind == FieldKind::RangeOff) return ShowRangeEditWithOff(*rule, raw, std::string(offText));
      return ShowRangeEdit(*rule, raw);
    }
    default: return std::nullopt;
  }
}

std::string FieldDumpText(const FieldDef& field, std::span<const std::uint8_t> bytes, const LanguageTexts& texts) {
  const long raw = ReadField(field, bytes);
  switch (field.kind) {
    case FieldKind::Flag: return raw != 0 ? "on" : "off";
    case FieldKind::InvertedFlag: return raw == 0 ? "on" : "off";
    case FieldKind::ScanListNumber:
    case FieldKind::ChannelNumber:
      if (raw == 0) return "None";
      break;
    default: break;
  }
  if (UsesOptionList(field)) return FieldOptionText(field, raw, texts).value_or(std::to_string(raw));
  return PlainFieldText(field, bytes);
}

long FieldOptionValue(const FieldDef& field, std::string_view text, const LanguageTexts& texts) {
  if (!UsesOptionList(field)) return -1;
  const OptionList options = texts.optionList(field.list);
  switch (field.kind) {
    case FieldKind::ListValue: return options.textToValue(text);
    case FieldKind::ListPosition: {
      const auto pairs = options.pairs();
      for (std::size_t i = 0; i < pairs.size(); ++i)
        if (pairs[i].text == text) return static_cast<long>(i);
      return -1;
    }
    case FieldKind::Range:
    case FieldKind::RangeOff: {
      const auto rule = options.rangeRule();
      if (!rule || !rule->usable()) return -1;
      if (field.kind == FieldKind::RangeOff)
        return CommitRangeEditWithOff(*rule, text, texts.messageText(text::kMsgOff)).raw;
      return CommitRangeEdit(*rule, text).raw;
    }
    default: return -1;
  }
}

}  // namespace vex
