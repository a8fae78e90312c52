#pragma once
// A settings form (of a settings view or a sheet page) as the list of what it shows, top to bottom: the schema's
// fields, the group captions between them and the few controls of the view's
// own. The form's geometry is made from that list, so a field's place is
// written once: its line. Fields take their label and control ids and the
// kind of their control from the schema.
#include <optional>
#include <span>
#include <vector>

#include "core/schema/field_types.h"
#include "toolkit/form_builder.h"

namespace vex::gui {

// What a line changes of the control its field would get.
struct LineLook {
  std::optional<ControlKind> kind = std::nullopt;  // fields: the kind of control their kind suggests
  unsigned style = 0;
  int maxLength = 0;  // fields: 0 takes the field's byte limit
  const char* allowed = nullptr;
  QWidget* (*create)(QWidget* parent) = nullptr;
  int width = 0;                // dialog units; 0 takes the column's
  int height = 0;               // dialog units; 0 takes the control kind's
  bool besidePrevious = false;  // on the previous line's row, right of its last control
};

struct FormLine {
  enum class Role : std::uint8_t { Field, Own, Group, Note };
  Role role;
  const FieldDef* field = nullptr;
  int id = 0;                  // lines of the view's own, groups and notes: the control id
  int labelId = 0;             // lines of the view's own: the label's id (0 none)
  const char* text = "";       // default text of a group, a note or a control of the view's own
  const char* labelText = "";  // default text of that control's label
  ControlKind kind = ControlKind::Label;
  LineLook look{};
};

constexpr FormLine fieldLine(const FieldDef& field, LineLook look = {}) {
  return {FormLine::Role::Field, &field, 0, 0, "", "", ControlKind::Label, look};
}
constexpr FormLine groupLine(int id, const char* caption) { return {FormLine::Role::Group, nullptr, id, 0, caption}; }
// A text across both columns, `height` dialog units tall.
constexpr FormLine noteLine(int id, const char* text, int height) {
  return {FormLine::Role::Note, nullptr, id, 0, text, "", ControlKind::Label, {.height = height}};
}
constexpr FormLine ownLine(int labelId, const char* labelText, int id, ControlKind kind, LineLook look = {},
                           const char* text = "") {
  return {FormLine::Role::Own, nullptr, id, labelId, text, labelText, kind, look};
}

// The columns and rows in dialog units. A form with groups gives its width
// and has rows of its groups' own; one without is as large as its rows
// unless it says otherwise (the pages of a sheet are as large as each other).
struct FormColumns {
  int label;    // width of the labels
  int control;  // width of the controls right of them
  int formWidth = 0;
  int formHeight = 0;
  int rowStep = 18;
  int left = 12;  // the form's edge to the labels
  int top = 10;   // the form's edge to the first row
};

struct SettingsForm {
  int templateId;
  const char* title;
  FormColumns columns;
  std::span<const FormLine> lines;
};

// The template a settings form's lines make, ready for the form builder.
class LaidOutForm {
 public:
  explicit LaidOutForm(const SettingsForm& form);
  const FormDef& def() const { return def_; }

 private:
  std::vector<ControlDef> controls_;
  FormDef def_;
};

}  // namespace vex::gui
