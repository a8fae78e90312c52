#include "views/view_ptt_id.h"

#include <QLabel>

#include "adapters/radio_data.h"
#include "base/text_ids.h"
#include "core/sections/ptt_id_section.h"
#include "toolkit/edits.h"

namespace vex::gui {
namespace {

// Hexadecimal digits without F: an ID digit never exceeds E.
constexpr const char* kIdDigits = "0123456789abcdeABCDE";

// An ID edit: leaving it makes its text a valid ID.
template <std::string (*Corrected)(std::string_view)>
class IdEdit : public CharFilterEdit {
 public:
  explicit IdEdit(QWidget* parent) : CharFilterEdit(parent) {}

 protected:
  QString normalized(const QString& text) const override {
    return QString::fromStdString(Corrected(text.toStdString()));
  }
};
QWidget* createPrimaryIdEdit(QWidget* parent) { return new IdEdit<&PttIdSection::typedPrimaryId>(parent); }
QWidget* createGroupIdEdit(QWidget* parent) { return new IdEdit<&PttIdSection::typedGroupId>(parent); }

consteval const FieldDef& ptt(std::string_view key) { return SchemaField(FieldArea::PttId, key); }

constexpr FormLine kLines[] = {
    fieldLine(ptt("primary_id"), {.kind = ControlKind::Custom,
                                  .maxLength = 4,
                                  .allowed = kIdDigits,
                                  .create = createPrimaryIdEdit,
                                  .width = 60}),
    // The group ID is not a setting of these radios.
    ownLine(text::kPttGroupIdLabel, "GROUP ID", CViewPttId::kGroupId, ControlKind::Custom,
            {.style = kStyleHidden, .maxLength = 3, .allowed = kIdDigits, .create = createGroupIdEdit, .width = 60}),
    fieldLine(ptt("ptt_id_type")),
    fieldLine(ptt("pretime")),
    fieldLine(ptt("preamble_bit_sync")),
    fieldLine(ptt("side_tone")),
    fieldLine(ptt("short_beep"), {.besidePrevious = true}),
    noteLine(CViewPttId::kFixedNote, "The radio always keeps its fixed PTT ID.", 24),
};
constexpr SettingsForm kForm{CViewPttId::kTemplateId, "PTT ID", {100, 110}, kLines};

}  // namespace

CViewPttId::CViewPttId(QWidget* parent) : CSettingsView(kForm, FieldArea::PttId, parent) {
  qobject_cast<QLabel*>(control(kFixedNote))->setWordWrap(true);
}

void CViewPttId::initialUpdate() {
  CSettingsView::initialUpdate();
  for (const FormLine& line : kLines)
    if (line.field) control(line.field->control)->setEnabled(false);
}

void CViewPttId::loadRecord(ViewRecord& record) {
  CSettingsView::loadRecord(record);
  const auto id = static_cast<std::uint16_t>(radio_data::fieldValue(ptt("primary_id")));
  record.texts[kPrimaryId] = PttIdSection::primaryIdText(id);
}

}  // namespace vex::gui
