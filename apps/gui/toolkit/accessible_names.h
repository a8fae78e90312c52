#pragma once
// Names for screen readers: a form's label names the fields that follow it
// in the form (as its mnemonic reaches the first of them), so every field
// reads as its label says.
class QWidget;

namespace vex::gui {

// Gives each field with a control id under `window` the text of the label
// before it as its accessible name, and makes the first such field the
// label's buddy. Names set by the program itself stay; names given here are
// renewed when the texts change.
void nameFieldsByTheirLabels(QWidget* window);

}  // namespace vex::gui
