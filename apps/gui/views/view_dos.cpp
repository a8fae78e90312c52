#include "views/view_dos.h"

#include <QCheckBox>

namespace vex::gui {
namespace {

enum : int { kPostMuteLabel = 4667, kPostMute = 4668 };

using K = ControlKind;
constexpr ControlDef kControls[] = {
    {CViewDos::kEnable, K::Check, "DOS ENABLE", 12, 10, 160, 12},
    {4669, K::Label, "DOS Pre-Mute Duration[ms]", 12, 28, 110, 12},
    {CViewDos::kPreMute, K::Combo, "", 126, 27, 70, 13},
    // The post-mute duration is not a setting of these radios.
    {kPostMuteLabel, K::Label, "DOS Post-Mute Duration[ms]", 12, 46, 110, 12, kStyleHidden},
    {kPostMute, K::Combo, "", 126, 45, 70, 13, kStyleHidden},
};
constexpr FormDef kForm{CViewDos::kTemplateId, "DOS", 210, 50, kControls};

}  // namespace

CViewDos::CViewDos(QWidget* parent) : CSettingsView(kForm, FieldArea::Dos, parent) {}

void CViewDos::applyDependentEnabling(int changedId) {
  if (changedId != 0 && changedId != kEnable) return;
  auto* enable = qobject_cast<QCheckBox*>(control(kEnable));
  setControlEnabled(kPreMute, enable && enable->isChecked());
}

}  // namespace vex::gui
