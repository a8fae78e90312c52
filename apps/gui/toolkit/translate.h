#pragma once
// Applies the language data to a window built from a template: caption,
// disable flags, control texts, combo and list options, range rules.
class QWidget;
class QComboBox;

namespace vex::gui {

// Caption from label text `dialogId` when it is not empty; then every
// descendant with a control id is disabled when flagged for the model and
// gets its text, options or range rule from its label text, and each field
// the name of its label (accessible_names.h). Last, the forms inside are
// fitted to their new texts (form_fit.h).
void translateWindow(QWidget* window, int dialogId);

// Adds the options of `id` to a combo box as text with the raw value as data.
void fillCombo(QComboBox* combo, int id);

}  // namespace vex::gui
