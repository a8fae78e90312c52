#include "views/view_btn_key.h"

namespace vex::gui {
namespace {

using K = ControlKind;
constexpr ControlDef kControls[] = {
    {6613, K::Label, "A2()", 12, 10, 120, 12}, {6614, K::Combo, "", 136, 9, 124, 13},
    {6615, K::Label, "A3", 12, 28, 120, 12},   {6616, K::Combo, "", 136, 27, 124, 13},
    {6619, K::Label, "B2", 12, 46, 120, 12},   {6620, K::Combo, "", 136, 45, 124, 13},
    {6621, K::Label, "B3", 12, 64, 120, 12},   {6622, K::Combo, "", 136, 63, 124, 13},
};
constexpr FormDef kForm{CViewBtnKey::kTemplateId, "Keys", 272, 86, kControls};

}  // namespace

CViewBtnKey::CViewBtnKey(QWidget* parent) : CSettingsView(kForm, FieldArea::Keys, parent) {}

}  // namespace vex::gui
