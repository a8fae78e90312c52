#include "workflow/alert_tone_sound.h"

#include <string>

#include "config/language_texts.h"
#include "config/range_edit.h"
#include "core/schema/schema.h"

namespace vex {
namespace {

// The number a range field's edit shows for its raw value; 0 for "off".
int ShownNumber(std::string_view key, std::span<const std::uint8_t> record, const LanguageTexts& texts) {
  const FieldDef* field = FindField(FieldArea::AlertTone, key);
  if (!field) return 0;
  const long raw = ReadField(*field, record);
  if (field->kind == FieldKind::RangeOff && raw == 0) return 0;
  const auto rule = texts.optionList(field->list).rangeRule();
  if (!rule || !rule->usable()) return 0;
  return static_cast<int>(RangeEditNumberOfRaw(*rule, raw));
}

}  // namespace

AlertTonePattern AlertTonePatternOf(std::span<const std::uint8_t> record, const LanguageTexts& texts) {
  AlertTonePattern pattern;
  const FieldDef* cycle = FindField(FieldArea::AlertTone, "cycle");
  pattern.cycles = cycle ? static_cast<int>(ReadField(*cycle, record)) : 1;
  if (pattern.cycles == 0) pattern.cycles = AlertTonePattern::kContinuousCycles;
  pattern.pauseSeconds = ShownNumber("beep_segments", record, texts);
  for (int k = 0; k < AlertTonePattern::kSegments; ++k) {
    const std::string tone = "tone" + std::to_string(k + 1);
    pattern.segments[static_cast<std::size_t>(k)] = {ShownNumber(tone + "_hz", record, texts),
                                                     ShownNumber(tone + "_ms", record, texts)};
  }
  return pattern;
}

}  // namespace vex
