#include "views/view_atis.h"

namespace vex::gui {
namespace {

using K = ControlKind;
constexpr ControlDef kControls[] = {
    {4594, K::Label, "ATIS Code", 12, 10, 90, 12},
    {CViewAtis::kCode, K::DigitPairEdit, "", 106, 9, 80, 13, 0, 12, "0123456789"},  // decimal digits only
    {4591, K::Label, "Pretime [ms]", 12, 28, 90, 12},
    {CViewAtis::kPretime, K::Combo, "", 106, 27, 80, 13},
};
constexpr FormDef kForm{CViewAtis::kTemplateId, "ATIS", 200, 50, kControls};

}  // namespace

CViewAtis::CViewAtis(QWidget* parent) : CSettingsView(kForm, FieldArea::Atis, parent) {}

}  // namespace vex::gui
