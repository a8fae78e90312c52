#include "workflow/alert_tone_sound.h"

#include <string>

#include "config/language_texts.h"
#include "config/range_edit.h"
#include "core/schema/schema.h"
#include "core/schema/schema_table.h"

namespace vex {
namespace {

constexpr SchemaArray kFrequencies{FieldArea::AlertTone, "tone1_hz"};
constexpr SchemaArray kDurations{FieldArea::AlertTone, "tone1_ms"};
static_assert(kFrequencies.size() == static_cast<std::size_t>(AlertTonePattern::kSegments));

// The number a range field's edit shows for its raw value; 0 for "off".
int ShownNumber(const FieldDef& field, std::span<const std::uint8_t> record, const LanguageTexts& texts) {
  const long raw = ReadField(field, record);
  if (field.kind == FieldKind::RangeOff && raw == 0) return 0;
  const auto rule = texts.optionList(field.list).rangeRule();
  if (!rule || !rule->usable()) return 0;
  return static_cast<int>(RangeEditNumberOfRaw(*rule, raw));
}

}  // namespace

AlertTonePattern AlertTonePatternOf(std::span<const std::uint8_t> record, const LanguageTexts& texts) {
  AlertTonePattern pattern;
  pattern.cycles = static_cast<int>(ReadField(SchemaField(FieldArea::AlertTone, "cycle"), record));
  if (pattern.cycles == 0) pattern.cycles = AlertTonePattern::kContinuousCycles;
  pattern.pauseSeconds = ShownNumber(SchemaField(FieldArea::AlertTone, "beep_segments"), record, texts);
  for (std::size_t k = 0; k < kFrequencies.size(); ++k)
    pattern.segments[k] = {ShownNumber(kFrequencies[k], record, texts), ShownNumber(kDurations[k], record, texts)};
  return pattern;
}

}  // namespace vex
