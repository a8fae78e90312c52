#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

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

// The language a locale such as "zh_CN.UTF-8" asks for: the index of the
// first language file (in name order) whose Locale entry, a comma-separated
// list of language codes ("zh"), holds the locale's language code; 0 (the
// first language) when none does.
int LanguageIndexForLocale(const std::filesystem::path& dataDir, std::string_view locale);

// The locale that names the user's language: the first entry of LANGUAGE,
// else LC_ALL, else LC_MESSAGES, else LANG, whichever is set first; "" when
// none is.
std::string UserLocaleName();

}  // namespace vex
