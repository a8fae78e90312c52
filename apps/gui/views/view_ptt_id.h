#pragma once
// CViewPttId: the PTT ID settings as the data hold them. The radio keeps a
// fixed PTT ID whatever the data say (its region is always written with the
// same bytes), so the view is read-only and says so: an edit here would be
// lost without a word.
#include "base/text_ids.h"
#include "core/schema/schema_table.h"
#include "views/settings_view.h"

namespace vex::gui {

class CViewPttId : public CSettingsView {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 1655;
  static constexpr int kPrimaryId = SchemaField(FieldArea::PttId, "primary_id").control;
  static constexpr int kGroupId = 1663;
  static constexpr int kFixedNote = text::kPttFixedNote;
  explicit CViewPttId(QWidget* parent = nullptr);

  void initialUpdate() override;

 protected:
  void loadRecord(ViewRecord& record) override;
  // Nothing is stored: the radio would not take it.
  void storeRecord(const ViewRecord&) override {}
};

}  // namespace vex::gui
