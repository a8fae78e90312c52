#pragma once

#include <string>
#include <string_view>

namespace vex {

// What a single profile-file line is.
struct ProfileLineKind {
  enum Kind { Other, Section, Key } kind = Other;
  std::string_view name;   // section or key name, trimmed
  std::string_view value;  // key value, trimmed
};

std::string_view TrimBlanks(std::string_view text);
std::string FoldAscii(std::string_view text);
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);
ProfileLineKind ClassifyProfileLine(std::string_view line);

}  // namespace vex
