#include "views/view_mis.h"

#include <QCheckBox>

namespace vex::gui {
namespace {

enum : int {
  kCtcssTailRevert = 1402,
  kSquelch = 1404,
  kVoxGain = 1406,
  kVoxDelay = 1408,
  kVoxInhibit = 1409,
  kBatterySave = 1410,
  kBatterySaveMode = 1412,
  kLowPowerGap = 1414,
};

using K = ControlKind;
constexpr ControlDef kControls[] = {
    {0, K::Group, "VOX", 7, 6, 286, 64},
    {1405, K::Label, "VOX Gain Level", 16, 20, 130, 12},
    {kVoxGain, K::Combo, "", 150, 19, 90, 13},
    {1407, K::Label, "VOX Delay Time", 16, 36, 130, 12},
    {kVoxDelay, K::Combo, "", 150, 35, 90, 13},
    {kVoxInhibit, K::Check, "VOX Inhibit On Receive", 16, 52, 200, 12},
    {0, K::Group, "Squelch", 7, 76, 286, 48},
    {1403, K::Label, "Carrier Squelch Level", 16, 90, 130, 12},
    {kSquelch, K::Combo, "", 150, 89, 90, 13},
    {1401, K::Label, "CTCSS tail revert option", 16, 106, 130, 12},
    {kCtcssTailRevert, K::Combo, "", 150, 105, 90, 13},
    {0, K::Group, "Battery", 7, 130, 286, 64},
    {kBatterySave, K::Check, "Battery Save", 16, 144, 200, 12},
    {1411, K::Label, "Battery Save Mode", 16, 160, 130, 12},
    {kBatterySaveMode, K::Combo, "", 150, 159, 90, 13},
    {1413, K::Label, "Low Power Alert  Gap Time[s]", 16, 176, 130, 12},
    {kLowPowerGap, K::Combo, "", 150, 175, 90, 13},
};
constexpr FormDef kForm{CViewMis::kTemplateId, "Miscellaneous", 300, 202, kControls};

}  // namespace

CViewMis::CViewMis(QWidget* parent) : CSettingsView(kForm, FieldArea::Misc, parent) {}

void CViewMis::applyDependentEnabling(int changedId) {
  if (changedId != 0 && changedId != kBatterySave) return;
  auto* batterySave = qobject_cast<QCheckBox*>(control(kBatterySave));
  setControlEnabled(kBatterySaveMode, batterySave && batterySave->isChecked());
}

}  // namespace vex::gui
