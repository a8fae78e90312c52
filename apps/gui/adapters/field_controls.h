#pragma once
// Which control shows which field of the library's field table: the one
// mapping between the two. Views load and store the fields of their area
// whose controls their forms hold; the Invalid Log maps a finding to the
// control that shows it and to its entry key.
#include <span>
#include <string_view>
#include <vector>

#include "core/invalid_log.h"
#include "core/schema/schema.h"

namespace vex::gui {

struct FieldControl {
  FieldArea area;
  std::string_view field;  // the field's key in the library table
  int control;             // the control id that shows it
};

std::span<const FieldControl> fieldControls();
// The field a control of `area` shows, or null.
const FieldDef* fieldOfControl(FieldArea area, int control);
// The control that shows a field, 0 when no view shows it.
int controlOf(const FieldDef* field);

// The Invalid Log entry key of a finding: record key + 0x10000 + the id in
// front of the control that shows the field (control id - 1).
int invalidLogKey(const Finding& finding);

}  // namespace vex::gui
