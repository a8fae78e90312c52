// A field's raw value as the language's texts show it, and back: option list
// entries by value or by position, range edits with and without "off".
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/schema/schema.h"

namespace vex {

class LanguageTexts;
class OptionList;

// The text of a raw value of a list or range field; nothing when the field's
// option list has no entry for it (or the field is of another kind).
std::optional<std::string> FieldOptionText(const FieldDef& field, long raw, const LanguageTexts& texts);

// The same with the field's option list and the text of "off" at hand.
std::optional<std::string> FieldOptionText(const FieldDef& field, long raw, const OptionList& options,
                                           std::string_view offText);

// The raw value of a text of a list or range field; -1 when the list has no
// entry with that text. Range fields correct the text as their edits do.
long FieldOptionValue(const FieldDef& field, std::string_view text, const LanguageTexts& texts);

// Whether the field's value is chosen from or typed through its option list.
bool UsesOptionList(const FieldDef& field);

// A field's text as dump and diff show it: list entries and range texts as
// the views show them (the number itself when the list has no entry), check
// boxes as on/off, record numbers 0 as "None", everything else as the
// library writes it.
std::string FieldDumpText(const FieldDef& field, std::span<const std::uint8_t> bytes, const LanguageTexts& texts);

}  // namespace vex
