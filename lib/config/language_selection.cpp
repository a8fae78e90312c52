#include "config/language_selection.h"

#include "config/profile_file.h"
#include "config/profile_syntax.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
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

// "zh" of "zh_CN.UTF-8@euro", in lower case.
std::string LanguageCode(std::string_view locale) {
  const std::size_t end = locale.find_first_of("_.@:");
  std::string code(locale.substr(0, end));
  std::transform(code.begin(), code.end(), code.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return code;
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

int LanguageIndexForLocale(const fs::path& dataDir, std::string_view locale) {
  const std::string code = LanguageCode(locale);
  if (code.empty() || code == "c" || code == "posix") return 0;
  for (const fs::path& file : LanguageFiles(dataDir)) {
    const std::string codes = ReadProfileString(file, kSetting, "Locale", "", kRoomName);
    bool covered = false;
    for (int k = 0; !covered; ++k) {
      const std::optional<std::string> item = ListItem(codes, k);
      if (!item) break;
      covered = !item->empty() && LanguageCode(*item) == code;
    }
    if (!covered) continue;
    const std::string name = ReadProfileString(file, kSetting, "Language", "English", kRoomName);
    const std::string list = ReadProfileString(file, kSetting, "LanguageList", "", kRoomName);
    for (int index = 0;; ++index) {
      const std::optional<std::string> item = ListItem(list, index);
      if (!item) break;
      if (*item == name) return index;
    }
  }
  return 0;
}

std::string UserLocaleName() {
  for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (!value || !*value) continue;
    const std::string_view text(value);
    return std::string(text.substr(0, text.find(':')));
  }
  return {};
}

}  // namespace vex
