#include "views/view_btn_key.h"

#include "core/schema/schema_table.h"

namespace vex::gui {
namespace {

consteval const FieldDef& key(std::string_view name) { return SchemaField(FieldArea::Keys, name); }

constexpr FormLine kLines[] = {fieldLine(key("key_a2")), fieldLine(key("key_a3")), fieldLine(key("key_b2")),
                               fieldLine(key("key_b3"))};
constexpr SettingsForm kForm{CViewBtnKey::kTemplateId, "Keys", {120, 124}, kLines};

}  // namespace

CViewBtnKey::CViewBtnKey(QWidget* parent) : CSettingsView(kForm, FieldArea::Keys, parent) {}

}  // namespace vex::gui
