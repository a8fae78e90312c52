#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vex {

// The language file chosen for a language index.
struct LanguageSelection {
  std::filesystem::path file;
  std::string name;
  int index = 0;
  std::optional<std::string> helpFile;  // absent when the file has no HelpFile
};

inline constexpr const char* kFallbackLanguageFile = "VEX_E.lng";

// Visits the *.lng files of the directory in name order (so the choice does
// not depend on the file system) and selects the first whose LanguageList item
// at the index equals its own Language name (absent: "English"). When none
// does, the selection is "English", VEX_E.lng of the directory and index 0.
LanguageSelection SelectLanguageFile(const std::filesystem::path& dataDir, int index);

}  // namespace vex
