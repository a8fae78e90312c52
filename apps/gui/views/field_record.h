#pragma once
// The fields of one area of the library's field table that a form shows,
// moved between their bytes and a view record: what every settings view and
// sheet page does without code of its own.
#include <cstdint>
#include <span>

#include "core/schema/schema.h"
#include "toolkit/view_record.h"

class QWidget;

namespace vex::gui {

// Fills the record from `bytes` for every field of `area` whose control
// `form` holds: check boxes from the bits, lists and texts as shown, range
// edits and digit-pair edits as raw values and bytes.
void loadFieldRecord(FieldArea area, std::span<const std::uint8_t> bytes, const QWidget* form, ViewRecord& record);
// Writes the record's entries back into `bytes`. A text that no option
// matches, and fields shown as plain text, leave their bytes as they were.
void storeFieldRecord(FieldArea area, std::span<std::uint8_t> bytes, const QWidget* form, const ViewRecord& record);

}  // namespace vex::gui
