#pragma once
// Templates place controls in dialog units, measured for their default
// texts. A translated text or a larger font may need more room: fitting a
// form widens each label, check box, radio button, push button and group box
// whose text would be cut, moves the controls to its right on the same row
// along, grows the groups around them and finally the form itself. A hidden
// control takes no room: it keeps its width and only moves along.
class QWidget;

namespace vex::gui {

// Marks `form` as built from a template, so fitFormsToTexts fits it
// (translateWindow does, once the texts are in).
void markBuiltForm(QWidget* form);

// Fits every built form among `window` and its descendants, innermost first.
// Only widens and moves right: fitting again after a text change is safe.
void fitFormsToTexts(QWidget* window);

// The width `control` needs to show its text whole; 0 when it shows no text
// or arranges it some other way (word wrap, rich text).
int textFitWidth(const QWidget* control);

}  // namespace vex::gui
