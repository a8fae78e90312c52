#include "views/view_atis.h"

namespace vex::gui {
namespace {

constexpr FormLine kLines[] = {
    fieldLine(SchemaField(FieldArea::Atis, "atis_code"), {.allowed = "0123456789"}),  // decimal digits only
    fieldLine(SchemaField(FieldArea::Atis, "pretime")),
};
constexpr SettingsForm kForm{CViewAtis::kTemplateId, "ATIS", {90, 80}, kLines};

}  // namespace

CViewAtis::CViewAtis(QWidget* parent) : CSettingsView(kForm, FieldArea::Atis, parent) {}

}  // namespace vex::gui
