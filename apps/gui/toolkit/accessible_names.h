#pragma once
// Names for screen readers: a form's label names the fields it stands for,
// as its mnemonic leads the keyboard to them, so every field reads as its
// label says.
#include <QString>

class QWidget;

namespace vex::gui {

// A label or caption as it is spoken: "&Device:" and "设备(&D)：" read as
// "Device" and "设备".
QString spokenText(QString text);

// Names the fields with a control id under `window`: each field of the
// memory schema by its label (under a heading its array shares, the row's
// label first: "1st Tone Duration[ms]"), any other field by the label that
// leads to it (its buddy) or else by the label before it in the template.
// The first field a label names becomes its buddy. Names set by the program
// itself stay; names given here are renewed when the texts change.
void nameFieldsByTheirLabels(QWidget* window);

}  // namespace vex::gui
