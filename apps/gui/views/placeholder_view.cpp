#include "views/placeholder_view.h"

#include <QLabel>

#include "views/messages.h"

namespace vex::gui {
namespace {

FormSpec placeholderForm(int templateId) {
  static constexpr ControlSpec kControls[] = {
      {0, ControlKind::Label, "This view is not available yet.", 12, 12, 220, 12},
  };
  return FormSpec{templateId, "", 240, 36, kControls};
}

}  // namespace

CPlaceholderView::CPlaceholderView(int templateId, QWidget* parent)
    : CCustomFormView(placeholderForm(templateId), parent) {}

long CPlaceholderView::handleMessage(int message, long wParam, long lParam, const ChangeNotice*) {
  if (message != WM_VIEW_NAVIGATE || lParam != kMoveTo || wParam < 1) return 0;
  position_ = static_cast<int>(wParam);
  return 1;
}

}  // namespace vex::gui
