// The notice shown before a write when the data sets radio passwords: the
// radio will ask for them afterwards, so the user should know them.
#pragma once

#include "core/sections/password_section.h"
#include "core/text_lookup.h"

#include <string>

namespace vex {

// One line for each password that is set (read, write/tune/dealer,
// power-on/keylock), then the closing question; "" when none is set.
std::string WriteWarningText(const PasswordSection& passwords, const TextLookup& labels);

}  // namespace vex
