#include "config/language_selection.h"

#include "config/profile_file.h"
#include "config/profile_syntax.h"

#include <algorithm>
#include <string_view>
#include <system_error>
#include <vector>

namespace vex {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSetting = "Setting";

std::vector<fs::path> LanguageFiles(const fs::path& dir) {
  std::vector<fs::path> files;
  std::error_code ec;
  fs::directory_iterator it(dir, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::error_code typeError;
    if (it->is_directory(typeError)) continue;
    if (!EqualsIgnoringAsciiCase(it->path().extension().string(), ".lng")) continue;
    files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// Item index of a comma-separated list, items as they stand.
std::optional<std::string> ListItem(std::string_view list, int index) {
  if (index < 0) return std::nullopt;
  for (int k = 0;; ++k) {
    const std::size_t comma = list.find(',');
    if (k == index) return std::string(list.substr(0, comma));
    if (comma == std::string_view::npos) return std::nullopt;
    list.remove_prefix(comma + 1);
  }
}

}  // namespace

LanguageSelection SelectLanguageFile(const fs::path& dataDir, int index) {
  LanguageSelection selection;
  selection.name = "English";
  selection.file = dataDir / kFallbackLanguageFile;
  selection.index = 0;
  for (const fs::path& file : LanguageFiles(dataDir)) {
    const std::string name = ReadProfileString(file, kSetting, "Language", "English", kRoomName);
    const std::string list = ReadProfileString(file, kSetting, "LanguageList", "", kRoomName);
    if (ListItem(list, index) == name) {
      selection.file = file;
      selection.name = name;
      selection.index = index;
      break;
    }
  }
  selection.helpFile = FindProfileString(selection.file, kSetting, "HelpFile", kRoomName);
  return selection;
}

}  // namespace vex
