#pragma once

#include "config/option_list.h"

#include <string>
#include <string_view>

namespace vex {

// Conversions of the range edit controls (numeric edits whose parameters come
// from a range rule). Pure functions: the GUI feeds the typed text and shows
// what they return.

struct RangeEditValue {
  std::string text;  // what the edit shows afterwards
  long raw = 0;      // the raw value to store
};

// The display number shown for a raw value: minimum + (raw - raw base) * step / raw step.
long RangeEditNumberOfRaw(const RangeRule& rule, long raw);

// The text shown for a display number: "%d" of it, or number / divisor with
// the decimals when decimals is above 0.
std::string RangeEditText(const RangeRule& rule, long number);

// The edit lost the focus: the text is read as a display number (with
// decimals: as a real number scaled by the divisor), rounded down to a
// multiple of the step and clamped to [first, last]; the raw value is
// raw base + (number - first) * raw step / step. Text that is no number
// reads as 0.
RangeEditValue CommitRangeEdit(const RangeRule& rule, std::string_view text);

// The text a range edit shows for a raw value.
std::string ShowRangeEdit(const RangeRule& rule, long raw);

// Range edit with off: offText (message text kMsgOff) stands for raw 0. Empty
// text, the off text, or a number that rounds down to 0 give raw 0 and show
// the off text; anything else commits as a range edit.
RangeEditValue CommitRangeEditWithOff(const RangeRule& rule, std::string_view text, std::string_view offText);

// The text shown for a raw value: the off text for 0, else as ShowRangeEdit.
std::string ShowRangeEditWithOff(const RangeRule& rule, long raw, std::string_view offText);

// One step of the edit's spin button (`up`: the arrow that counts upward):
// the shown number, rounded down to a multiple of the step, moves one step
// while it stays within [first, last]; stepping past an end, or from a
// number outside the range, gives the other end: up gives first, down last.
std::string SpinRangeEdit(const RangeRule& rule, std::string_view text, bool up);

// The same for a range edit with off, whose off lies beyond both ends: from
// off, up gives first and down last; down from first and up from last give off.
std::string SpinRangeEditWithOff(const RangeRule& rule, std::string_view text, bool up, std::string_view offText);

}  // namespace vex
