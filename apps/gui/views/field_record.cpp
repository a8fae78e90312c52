#include "views/field_record.h"

#include <algorithm>

#include "adapters/settings.h"
#include "config/app_settings.h"
#include "toolkit/control_id.h"
#include "toolkit/edits.h"
#include "workflow/field_text.h"

namespace vex::gui {
namespace {

// The fields of `area` with a control in `form`, with that control's id.
template <class Action>
void forEachShownField(FieldArea area, const QWidget* form, Action&& action) {
  for (const FieldDef& field : FieldTable()) {
    if (field.area != area || field.control == 0) continue;
    if (QWidget* control = findControl(form, field.control)) action(field, field.control, control);
  }
}

const LanguageTexts& languageTexts() { return settings::current().texts(); }

}  // namespace

void loadFieldRecord(FieldArea area, std::span<const std::uint8_t> bytes, const QWidget* form, ViewRecord& record) {
  forEachShownField(area, form, [&](const FieldDef& field, int id, QWidget* control) {
    const long raw = ReadField(field, bytes);
    switch (field.kind) {
      case FieldKind::Flag: record.flags[id] = raw != 0 ? 1 : 0; return;
      case FieldKind::InvertedFlag: record.flags[id] = raw == 0 ? 1 : 0; return;
      case FieldKind::Bytes: {
        const auto own = FieldBytes(field, bytes);
        record.bytes[id].assign(own.begin(), own.end());
        return;
      }
      default: break;
    }
    if (qobject_cast<RangeEdit*>(control)) {
      record.raws[id] = raw;
    } else if (UsesOptionList(field)) {
      // No option for the raw value: no selection, and the field stays as it is.
      record.texts[id] = FieldOptionText(field, raw, languageTexts()).value_or("");
    } else {
      record.texts[id] = PlainFieldText(field, bytes);
    }
  });
}

void storeFieldRecord(FieldArea area, std::span<std::uint8_t> bytes, const QWidget* form, const ViewRecord& record) {
  forEachShownField(area, form, [&](const FieldDef& field, int id, QWidget*) {
    if (auto flag = record.flags.find(id); flag != record.flags.end()) {
      const bool ticked = flag->second != 0;
      WriteField(field, bytes, field.kind == FieldKind::InvertedFlag ? !ticked : ticked);
    } else if (auto raw = record.raws.find(id); raw != record.raws.end()) {
      WriteField(field, bytes, raw->second);
    } else if (auto stored = record.bytes.find(id); stored != record.bytes.end()) {
      const auto own = bytes.subspan(std::min<std::size_t>(field.offset, bytes.size()));
      std::copy_n(stored->second.begin(), std::min({stored->second.size(), own.size(), std::size_t{field.width}}),
                  own.begin());
    } else if (auto text = record.texts.find(id); text != record.texts.end() && UsesOptionList(field)) {
      const long value = FieldOptionValue(field, text->second, languageTexts());
      if (value >= 0) WriteField(field, bytes, value);
    }
  });
}

}  // namespace vex::gui
