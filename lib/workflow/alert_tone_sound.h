// The sound of a stored alert tone: its record read through the language's
// option lists, as the alert-tone view shows it.
#pragma once

#include <cstdint>
#include <span>

#include "core/alert_tone_pattern.h"

namespace vex {

class LanguageTexts;

// Cycles from the cycle field's raw value (0: continuous), the pause and each
// segment's frequency and duration as the numbers their range edits show
// ("off" and fields without a usable range rule read 0).
AlertTonePattern AlertTonePatternOf(std::span<const std::uint8_t> record, const LanguageTexts& texts);

}  // namespace vex
