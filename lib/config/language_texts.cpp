#include "config/language_texts.h"

#include "config/profile_file.h"

#include <cstdio>

namespace vex {

namespace {

constexpr std::string_view kSetting = "Setting";

}  // namespace

std::string LanguageTexts::keyOf(std::string_view prefix, int n) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%05d", n);
  return std::string(prefix) + digits;
}

std::string LanguageTexts::messageText(int n) const {
  return ReadProfileString(file_, kSetting, keyOf("S01", n), "", kRoomText);
}

std::string LanguageTexts::labelText(int n) const {
  return ReadProfileString(file_, kSetting, keyOf("S02", n), "", kRoomLabel);
}

std::string LanguageTexts::modelText(int n) const {
  return ReadProfileString(file_, kSetting, keyOf("S03", n), "", kRoomText);
}

bool LanguageTexts::textWithPresence(int n, TextFamily family, std::string& text) const {
  const bool label = family == TextFamily::Label;
  auto found = FindProfileString(file_, kSetting, keyOf(label ? "S02" : "S01", n), label ? kRoomLabel : kRoomText);
  if (!found) return false;
  text = std::move(*found);
  return true;
}

bool LanguageTexts::isModelSupported(std::string_view modelId) const {
  // A missing file or entry supports no model, not the empty model ID.
  const std::string supported = modelText(kSupportedModelText);
  return !supported.empty() && supported == modelId;
}

bool LanguageTexts::isControlDisabled(std::string_view modelId, int n) const {
  if (modelId.empty()) return false;
  return ReadProfileInt(file_, modelId, keyOf("S00", n), 0) != 0;
}

std::vector<std::string> LanguageTexts::textList(int n) const {
  std::vector<std::string> list;
  std::string_view rest;
  const std::string entry = labelText(n);
  rest = entry;
  while (!rest.empty()) {
    const std::size_t semicolon = rest.find(';');
    const std::string_view item = rest.substr(0, semicolon);
    list.emplace_back(item.substr(0, item.find(',')));
    if (semicolon == std::string_view::npos) break;
    rest = rest.substr(semicolon + 1);
  }
  return list;
}

OptionList LanguageTexts::optionList(int n) const { return OptionList::parse(labelText(n)); }

}  // namespace vex
