#include "views/placeholder_view.h"

namespace vex::gui {
namespace {

FormDef placeholderForm(int templateId) {
  static constexpr ControlDef kControls[] = {
      {0, ControlKind::Label, "This view is not available yet.", 12, 12, 220, 12},
  };
  return FormDef{templateId, "", 240, 36, kControls};
}

}  // namespace

CPlaceholderView::CPlaceholderView(int templateId, QWidget* parent)
    : CCustomFormView(placeholderForm(templateId), parent) {}

CPlaceholderRecordView::CPlaceholderRecordView(int templateId, RecordKind list, LastRecordDelete lastRecord,
                                               QWidget* parent)
    : CRecordView(placeholderForm(templateId), list, lastRecord, parent) {}

}  // namespace vex::gui
