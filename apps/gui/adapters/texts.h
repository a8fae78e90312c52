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
