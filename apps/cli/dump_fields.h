// The dump's view of the library's field table: each field's text as the
// views show it.
#pragma once

#include "dump_report.h"

#include <cstdint>
#include <span>

#include "core/field_table.h"

namespace vex::cli {

// A field's text: list entries and range texts as the views show them (the
// number itself when the list has no entry), check boxes as on/off, record
// numbers 0 as "None", everything else as the library writes it.
std::string FieldDumpText(const FieldDef& field, std::span<const std::uint8_t> bytes, const LanguageTexts& texts);
// Every field of an area, in table order.
std::vector<DumpValue> AreaValues(FieldArea area, std::span<const std::uint8_t> bytes, const LanguageTexts& texts);

std::vector<DumpTable> RecordTables(RadioDataContainer& data, const LanguageTexts& texts);
std::vector<DumpGroup> SettingsGroups(RadioDataContainer& data, const LanguageTexts& texts);

}  // namespace vex::cli
