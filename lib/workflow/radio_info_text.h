// What identifies the radio data, as the radio information view shows it:
// the section's own texts and the current model's range, signalling type and
// firmware version.
#pragma once

#include <string>
#include <string_view>

#include "core/codeplug_header.h"

namespace vex {

class LanguageTexts;
class RadioDataContainer;

struct RadioInfoTexts {
  std::string modelName;     // the section's model name
  std::string freqRange;     // "lo-hi" in MHz
  std::string serialNumber;  // the section's serial number
  std::string signalling;    // the signalling type's option text
  std::string firmware;      // "V" and the version's first 7 characters
  std::string programmed;    // the programming date stamp
};

RadioInfoTexts RadioInfoTextsOf(RadioDataContainer& data, const ModelState& model, const LanguageTexts& texts);

// "V" followed by the first 7 characters of the version last read from a radio.
std::string FirmwareVersionText(std::string_view version);
// The option text of a signalling type (the Model Information dialog's list).
std::string SignallingTypeText(int signal, const LanguageTexts& texts);

}  // namespace vex
