// Field tables of the dump: where a value sits in a record or section and
// which language list turns it into the text the views show.
#pragma once

#include "dump_report.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace vex::cli {

// How a field's raw value becomes its text. Record views store the position
// of the chosen list entry; settings views store the entry's value.
enum class Shown { ByPosition, ByValue, Flag, InvertedFlag };

struct FieldSpec {
  std::string_view key;
  int list = 0;              // language list id (unused for flags)
  std::size_t offset = 0;    // byte within the record or section
  std::uint8_t mask = 0xFF;  // the field's bits within the byte
  Shown shown = Shown::ByPosition;
};

// Entry `index` of language list `list`, counted by position; the number
// itself when the list has no such entry.
std::string ListText(const LanguageTexts& texts, int list, long index);
// The text of the list entry whose value is `value`; the number itself when
// no entry has it.
std::string ValueText(const LanguageTexts& texts, int list, long value);
std::vector<DumpValue> FieldValues(const std::vector<FieldSpec>& fields, std::span<const std::uint8_t> bytes,
                                   const LanguageTexts& texts);

std::vector<DumpTable> RecordTables(RadioDataContainer& data, const LanguageTexts& texts);
std::vector<DumpGroup> SettingsGroups(RadioDataContainer& data, const LanguageTexts& texts);

}  // namespace vex::cli
