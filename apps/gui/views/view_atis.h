#pragma once
// CViewAtis: the radio's ATIS identity, a code of twelve decimal digits,
// and the pretime before it is sent.
#include "core/schema/schema_table.h"
#include "views/settings_view.h"

namespace vex::gui {

class CViewAtis : public CSettingsView {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 4590;
  static constexpr int kCode = SchemaField(FieldArea::Atis, "atis_code").control;
  static constexpr int kPretime = SchemaField(FieldArea::Atis, "pretime").control;

  explicit CViewAtis(QWidget* parent = nullptr);
};

}  // namespace vex::gui
