#pragma once
// CViewDos: DOS on or off and its pre-mute duration, which can be chosen
// only while DOS is on (and keeps its value while it is off).
#include "core/schema/schema_table.h"
#include "views/settings_view.h"

namespace vex::gui {

class CViewDos : public CSettingsView {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 4660;
  static constexpr int kEnable = SchemaField(FieldArea::Dos, "dos_enable").control;
  static constexpr int kPreMute = SchemaField(FieldArea::Dos, "dos_pre_mute_duration").control;

  explicit CViewDos(QWidget* parent = nullptr);

 protected:
  void applyDependentEnabling(int changedId) override;
};

}  // namespace vex::gui
