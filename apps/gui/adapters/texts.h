#pragma once
// The GUI's text lookups in the selected language file (lib/config).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/option_list.h"

namespace vex::gui::texts {

using Option = OptionPair;
using vex::RangeRule;

std::string label(int id);
// The label text when the language data has the key at all (an empty value
// counts as present), else nothing.
std::optional<std::string> labelIfPresent(int id);
// A text from the language data used as a format for one integer: a text
// whose conversions do not fit is returned as written.
std::string formatWithInt(const std::string& format, long value);
std::string message(int id);
// The name of port n wherever the program shows it (status bar, write dialog).
std::string portName(int port);
// The port in use as the port dialog names it: the chosen device, else COMn.
std::string currentPortName();
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
