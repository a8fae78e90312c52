#include "workflow/radio_info_text.h"

#include "base/text_ids.h"
#include "config/language_texts.h"
#include "core/container.h"
#include "core/schema/schema.h"
#include "core/schema/schema_table.h"

namespace vex {
namespace {

std::string SectionText(RadioDataContainer& data, const FieldDef& field) {
  return PlainFieldText(field, AreaBytes(data, field.area));
}

}  // namespace

std::string FirmwareVersionText(std::string_view version) { return "V" + std::string(version.substr(0, 7)); }

std::string SignallingTypeText(int signal, const LanguageTexts& texts) {
  return texts.optionList(text::kModelSignalingList).valueToText(signal);
}

RadioInfoTexts RadioInfoTextsOf(RadioDataContainer& data, const ModelState& model, const LanguageTexts& texts) {
  using A = FieldArea;
  return {SectionText(data, SchemaField(A::RadioInfo, "model_name")),
          model.freqRange,
          SectionText(data, SchemaField(A::RadioInfo, "serial_number")),
          SignallingTypeText(model.signal, texts),
          FirmwareVersionText(model.dataVersion),
          SectionText(data, SchemaField(A::RadioInfo, "last_programmed"))};
}

}  // namespace vex
