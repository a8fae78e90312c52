#pragma once
// Which control shows which field: the control id the schema gives the
// field. Views load and store the fields of their area whose controls their
// forms hold; the Invalid Log maps a finding to the control that shows it
// and to its entry key.
#include "core/invalid_log.h"
#include "core/schema/schema.h"

namespace vex::gui {

// The field of `area` that a control shows, or null.
const FieldDef* fieldOfControl(FieldArea area, int control);
// The control that shows a field, 0 when no view shows it.
inline int controlOf(const FieldDef* field) { return field ? field->control : 0; }

// The Invalid Log entry key of a finding: record key + 0x10000 + the id in
// front of the control that shows the field (control id - 1).
int invalidLogKey(const Finding& finding);

}  // namespace vex::gui
