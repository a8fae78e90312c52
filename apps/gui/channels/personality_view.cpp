#include "channels/personality_view.h"

#include "channels/personality_pages.h"
#include "views/property_sheet.h"

namespace vex::gui {
namespace {

// The view's own form is empty: the sheet fills it.
constexpr FormDef kForm{CViewPersonality::kTemplateId, "Personality", 10, 10, {}};

}  // namespace

CViewPersonality::CViewPersonality(QWidget* parent)
    : CRecordView(kForm, RecordKind::Personality, LastRecordDelete::LeaveNoCurrent, parent) {
  CPropertySheet* pages = createSheet();
  pages->addPage(new CPersonalityRXTXPage);
  pages->addPage(new CPersonalitySquelchPage);
  fitFormToSheet();
}

}  // namespace vex::gui
