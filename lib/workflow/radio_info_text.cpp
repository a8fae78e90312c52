#include "workflow/radio_info_text.h"

#include "base/text_ids.h"
#include "config/language_texts.h"
#include "core/container.h"
#include "core/schema/schema.h"

namespace vex {
namespace {

std::string SectionText(RadioDataContainer& data, std::string_view key) {
  const FieldDef* field = FindField(FieldArea::RadioInfo, key);
  return field ? PlainFieldText(*field, AreaBytes(data, FieldArea::RadioInfo)) : std::string();
}

}  // namespace

std::string FirmwareVersionText(std::string_view version) { return "V" + std::string(version.substr(0, 7)); }

std::string SignallingTypeText(int signal, const LanguageTexts& texts) {
  return texts.optionList(text::kModelSignalingList).valueToText(signal);
}

RadioInfoTexts RadioInfoTextsOf(RadioDataContainer& data, const ModelState& model, const LanguageTexts& texts) {
  return {SectionText(data, "model_name"),        model.freqRange,
          SectionText(data, "serial_number"),     SignallingTypeText(model.signal, texts),
          FirmwareVersionText(model.dataVersion), SectionText(data, "last_programmed")};
}

}  // namespace vex
