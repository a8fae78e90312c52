#include "views/view_dos.h"

#include <QCheckBox>

#include "base/text_ids.h"

namespace vex::gui {
namespace {

constexpr FormLine kLines[] = {
    fieldLine(SchemaField(FieldArea::Dos, "dos_enable")),
    fieldLine(SchemaField(FieldArea::Dos, "dos_pre_mute_duration")),
    // The post-mute duration is not a setting of these radios.
    ownLine(text::kDosPostMuteLabel, "DOS Post-Mute Duration[ms]", text::kDosPostMuteList, ControlKind::Combo,
            {.style = kStyleHidden}),
};
constexpr SettingsForm kForm{CViewDos::kTemplateId, "DOS", {110, 70}, kLines};

}  // namespace

CViewDos::CViewDos(QWidget* parent) : CSettingsView(kForm, FieldArea::Dos, parent) {}

void CViewDos::applyDependentEnabling(int changedId) {
  if (changedId != 0 && changedId != kEnable) return;
  auto* enable = qobject_cast<QCheckBox*>(control(kEnable));
  setControlEnabled(kPreMute, enable && enable->isChecked());
}

}  // namespace vex::gui
