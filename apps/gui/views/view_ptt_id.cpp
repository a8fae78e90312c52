#include "views/view_ptt_id.h"

#include <QLabel>

#include "adapters/radio_data.h"
#include "core/schema/schema_table.h"
#include "core/sections/ptt_id_section.h"
#include "toolkit/edits.h"

namespace vex::gui {
namespace {

enum : int {
  kGroupIdLabel = 1662,
  kType = 1665,
  kPretime = 1667,
  kPreamble = 1669,
  kSideTone = 1670,
  kShortBeep = 1671
};

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

using K = ControlKind;
constexpr ControlDef kControls[] = {
    {1660, K::Label, "PRIMARY ID", 12, 10, 100, 12},
    {CViewPttId::kPrimaryId, K::Custom, "", 116, 9, 60, 13, 0, 4, kIdDigits, 0, createPrimaryIdEdit},
    // The group ID is not a setting of these radios.
    {kGroupIdLabel, K::Label, "GROUP ID", 12, 28, 100, 12, kStyleHidden},
    {CViewPttId::kGroupId, K::Custom, "", 116, 27, 60, 13, kStyleHidden, 3, kIdDigits, 0, createGroupIdEdit},
    {1664, K::Label, "PTTID TYPE", 12, 28, 100, 12},
    {kType, K::Combo, "", 116, 27, 110, 13},
    {1666, K::Label, "PRETIME", 12, 46, 100, 12},
    {kPretime, K::Combo, "", 116, 45, 110, 13},
    {1668, K::Label, "Preamble Bit Sync", 12, 64, 100, 12},
    {kPreamble, K::Combo, "", 116, 63, 110, 13},
    {kSideTone, K::Check, "SIDE TONE", 12, 82, 100, 12},
    {kShortBeep, K::Check, "SHORT BEEP", 116, 82, 110, 12},
    {CViewPttId::kFixedNote, K::Label, "The radio always keeps its fixed PTT ID.", 12, 100, 214, 24},
};
constexpr FormDef kForm{CViewPttId::kTemplateId, "PTT ID", 238, 130, kControls};

}  // namespace

CViewPttId::CViewPttId(QWidget* parent) : CSettingsView(kForm, FieldArea::PttId, parent) {
  qobject_cast<QLabel*>(control(kFixedNote))->setWordWrap(true);
}

void CViewPttId::initialUpdate() {
  CSettingsView::initialUpdate();
  const int settings[] = {kPrimaryId, kType, kPretime, kPreamble, kSideTone, kShortBeep};
  for (int id : settings) control(id)->setEnabled(false);
}

void CViewPttId::loadRecord(ViewRecord& record) {
  CSettingsView::loadRecord(record);
  const auto id = static_cast<std::uint16_t>(radio_data::fieldValue(SchemaField(FieldArea::PttId, "primary_id")));
  record.texts[kPrimaryId] = PttIdSection::primaryIdText(id);
}

}  // namespace vex::gui
