#pragma once
// Adapter over lib/config's language texts and option lists.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vex::gui::texts {

struct Option {
  long value;
  std::string text;
};

// The seven numbers of a range rule, in the order they are written.
struct RangeRule {
  int first = 0, step = 1, last = 0, divisor = 1, rawBase = 0, rawStep = 1, decimals = 0;
};

std::string label(int id);
// The label text when the language data has the key at all (an empty value
// counts as present), else nothing.
std::optional<std::string> labelIfPresent(int id);
// A text from the language data used as a format for one integer: a text
// whose conversions do not fit is returned as written.
std::string formatWithInt(const std::string& format, long value);
std::string message(int id);
bool controlDisabled(int id);

// Display options of a control's option list; a range rule gives one
// option per display number.
std::vector<Option> options(int id);
std::optional<RangeRule> rangeRule(int id);
std::string valueToText(int id, long raw);
long textToValue(int id, std::string_view text);  // -1: no option matches

// A label text up to its first '&'-free form for status prompts.
std::string labelWithoutMnemonic(int id);

}  // namespace vex::gui::texts
