#include "adapters/texts.h"

#include <cstdio>
#include <cstdlib>

#include "adapters/settings.h"
#include "adapters/standin_profile.h"
#include "config/app_settings.h"

// Stand-in lookups until lib/config's LanguageTexts and OptionList are on main.
namespace vex::gui::texts {
namespace {

std::string languageFile() { return settings::library().languageFile().string(); }

std::string key(const char* family, int id) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%s%05d", family, id);
  return buffer;
}

std::vector<std::string> splitItems(const std::string& text) {
  std::vector<std::string> items;
  std::size_t start = 0;
  while (start <= text.size()) {
    auto end = text.find(';', start);
    if (end == std::string::npos) end = text.size();
    if (end > start) items.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return items;
}

std::optional<RangeRule> parseRule(const std::string& item) {
  RangeRule r;
  if (std::sscanf(item.c_str(), "%d:%d:%d:%d:%d:%d:%d", &r.first, &r.step, &r.last, &r.divisor,
                  &r.rawBase, &r.rawStep, &r.decimals) != 7)
    return std::nullopt;
  if (r.step <= 0 || r.divisor == 0 || r.rawStep == 0 || r.decimals < 0 || r.decimals > 6)
    return std::nullopt;
  return r;
}

std::string displayNumber(const RangeRule& r, int n) {
  char buffer[64];
  if (r.decimals > 0)
    std::snprintf(buffer, sizeof buffer, "%.*f", r.decimals, static_cast<double>(n) / r.divisor);
  else
    std::snprintf(buffer, sizeof buffer, "%d", n / r.divisor);
  return buffer;
}

}  // namespace

std::string label(int id) { return standin::readProfileString(languageFile(), "Setting", key("S02", id)); }
std::optional<std::string> labelIfPresent(int id) {
  static const std::string kAbsent("\x01 absent");
  std::string text = standin::readProfileString(languageFile(), "Setting", key("S02", id), kAbsent);
  if (text == kAbsent) return std::nullopt;
  return text;
}

std::string formatWithInt(const std::string& format, long value) {
  std::string result;
  int conversions = 0;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') {
      result.push_back(format[i]);
      continue;
    }
    if (i + 1 < format.size() && format[i + 1] == '%') {
      result.push_back('%');
      ++i;
    } else if (i + 1 < format.size() && format[i + 1] == 'd' && ++conversions == 1) {
      result += std::to_string(value);
      ++i;
    } else {
      return format;
    }
  }
  return result;
}

std::string message(int id) { return standin::readProfileString(languageFile(), "Setting", key("S01", id)); }

bool controlDisabled(int id) {
  const std::string model = settings::modelId();
  if (model.empty()) return false;
  return standin::readProfileInt(languageFile(), model, key("S00", id), 0) != 0;
}

std::vector<Option> options(int id) {
  std::vector<Option> result;
  for (const std::string& item : splitItems(label(id))) {
    if (item.find(':') != std::string::npos) {
      if (auto r = parseRule(item)) {
        for (int n = r->first, k = 0; n <= r->last; n += r->step, ++k)
          result.push_back({r->rawBase + static_cast<long>(k) * r->rawStep, displayNumber(*r, n)});
      }
      continue;
    }
    auto dot = item.find('.');
    if (dot == std::string::npos || dot == 0) continue;
    result.push_back({std::strtol(item.c_str(), nullptr, 10), item.substr(dot + 1)});
  }
  return result;
}

std::optional<RangeRule> rangeRule(int id) {
  for (const std::string& item : splitItems(label(id)))
    if (item.find(':') != std::string::npos) return parseRule(item);
  return std::nullopt;
}

std::string valueToText(int id, long raw) {
  for (const Option& option : options(id))
    if (option.value == raw) return option.text;
  return {};
}

long textToValue(int id, std::string_view text) {
  for (const Option& option : options(id))
    if (option.text == text) return option.value;
  return -1;
}

std::string labelWithoutMnemonic(int id) {
  std::string text = label(id);
  auto amp = text.find('&');
  return amp == std::string::npos ? text : text.substr(0, amp);
}

}  // namespace vex::gui::texts
