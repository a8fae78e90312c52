#pragma once

namespace vex {

// The data version this program writes and compares radios and files against.
inline constexpr char kProgramDataVersion[] = "1.03.11";
// Radios and files whose first four version characters exceed this are too new.
inline constexpr char kNewestAcceptedVersion[] = "1.03";

}  // namespace vex
