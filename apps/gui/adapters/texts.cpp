#include "adapters/texts.h"

#include "adapters/settings.h"
#include "base/text_ids.h"
#include "config/app_settings.h"
#include "config/safe_format.h"

namespace vex::gui::texts {

std::string label(int id) { return settings::current().labelText(id); }
std::string message(int id) { return settings::current().messageText(id); }

std::optional<std::string> labelIfPresent(int id) {
  std::string text;
  if (!settings::current().textWithPresence(id, TextFamily::Label, text)) return std::nullopt;
  return text;
}

std::string portName(int port) {
  const std::string format = message(text::kMsgPortPane);
  return formatText(format.empty() ? std::string("COM%d") : format, port);
}

std::string currentPortName() {
  const std::string& device = settings::current().portDevice();
  return device.empty() ? portName(settings::comPort()) : device;
}

std::string formatWithInt(const std::string& format, long value) { return formatText(format, value); }

bool controlDisabled(int id) { return settings::current().isControlDisabled(id); }

std::vector<Option> options(int id) { return settings::current().optionList(id).pairs(); }
std::optional<RangeRule> rangeRule(int id) { return settings::current().optionList(id).rangeRule(); }
std::string valueToText(int id, long raw) { return settings::current().optionList(id).valueToText(raw); }
long textToValue(int id, std::string_view text) { return settings::current().optionList(id).textToValue(text); }

std::string labelWithoutMnemonic(int id) {
  std::string text = label(id);
  // "帮助主题(&H)": the bracketed key goes whole; "&Help Topics": the marker only.
  if (const std::size_t open = text.find("(&"); open != std::string::npos && text.find(')', open) == open + 3)
    text.erase(open, 4);
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size() && text[i + 1] == '&') ++i;  // "&&" is one "&"
    else if (text[i] == '&') continue;
    plain += text[i];
  }
  return plain;
}

}  // namespace vex::gui::texts
