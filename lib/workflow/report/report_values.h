// A field's value as a report prints it: what its view shows, in words where
// the view shows a state (check boxes print as On and Off).
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/schema/schema.h"

namespace vex {

class LanguageTexts;
class RadioDataContainer;

// List and range fields print their option text (nothing when the list has
// none for the value), check boxes label text 20 or 21, references to other
// records the record's number (nothing when there is no such record; a list's
// "none" entry for number 0), the PTT ID's primary ID as its view corrects
// it, everything else as the library writes it.
std::string PrintedFieldText(const FieldDef& field, std::span<const std::uint8_t> bytes, const RadioDataContainer& data,
                             const LanguageTexts& texts);

}  // namespace vex
