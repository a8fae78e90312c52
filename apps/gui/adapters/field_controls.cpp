#include "adapters/field_controls.h"

namespace vex::gui {
namespace {

constexpr int kFindingKeyBase = 0x10000;

}  // namespace

const FieldDef* fieldOfControl(FieldArea area, int control) {
  if (control == 0) return nullptr;
  for (const FieldDef& field : FieldTable())
    if (field.area == area && field.control == control) return &field;
  return nullptr;
}

int invalidLogKey(const Finding& finding) {
  const int control = controlOf(finding.field);
  const int id = control != 0 ? control - 1 : (finding.field ? finding.field->label : 0);
  return finding.itemKey + kFindingKeyBase + id;
}

}  // namespace vex::gui
