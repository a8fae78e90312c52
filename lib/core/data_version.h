#pragma once

#include <cstddef>
#include <string_view>

namespace vex {

// The data version this program writes and compares radios and files against.
inline constexpr char kProgramDataVersion[] = "1.03.11";
// Radios and files whose first four version characters exceed this are too new.
inline constexpr char kNewestAcceptedVersion[] = "1.03";
// Opening a file whose data version is below this clears the first DOS byte
// (image byte 260): older programs left it undefined.
inline constexpr char kDosByteVersion[] = "1.02";

// Compares the first four characters of two version texts as unsigned bytes
// (a shorter text counts as padded with zeros): negative, zero or positive.
inline int CompareVersionPrefix(std::string_view version, std::string_view reference) {
  for (std::size_t i = 0; i < 4; ++i) {
    const auto a = static_cast<unsigned char>(i < version.size() ? version[i] : '\0');
    const auto b = static_cast<unsigned char>(i < reference.size() ? reference[i] : '\0');
    if (a != b) return a < b ? -1 : 1;
  }
  return 0;
}

}  // namespace vex
