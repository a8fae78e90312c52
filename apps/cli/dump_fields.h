// The dump's view of the library's schema: each field's text as the
// views show it.
#pragma once

#include "dump_report.h"

#include <cstdint>
#include <span>

#include "core/schema/schema.h"
#include "workflow/field_text.h"

namespace vex::cli {

// Every field of an area, in table order.
std::vector<DumpValue> AreaValues(FieldArea area, std::span<const std::uint8_t> bytes, const LanguageTexts& texts);

std::vector<DumpTable> RecordTables(RadioDataContainer& data, const LanguageTexts& texts);
std::vector<DumpGroup> SettingsGroups(RadioDataContainer& data, const LanguageTexts& texts);

}  // namespace vex::cli
