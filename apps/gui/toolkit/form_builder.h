#pragma once
// One shared form builder: a dialog template is a table of controls (id, kind,
// default text, place in dialog units); buildForm turns it into widgets placed
// absolutely, each tagged with its control id.
#include <span>

#include <QWidget>

namespace vex::gui {

enum class ControlKind {
  Label,          // static text
  Group,          // group box frame
  Button,         // push button
  Check,          // check box
  Radio,          // radio button (one group per parent)
  Combo,          // drop-down list
  Edit,           // plain text edit
  ReadOnlyEdit,   // text edit the user cannot change
  ByteEdit,       // byte-limited text edit
  DigitEdit,      // digits-only edit
  DigitPairEdit,  // digit pairs shown as bytes
  RangeEdit,      // number edit with a range rule
  RangeOffEdit,   // range edit where 0 reads "off"
  List,           // list box
  FreqEdit,       // frequency in MHz, pulled into the band (CFreqEdit)
  CtcssCombo,     // CTCSS tone list that takes typed tones
  CdcssCombo,     // CDCSS code list that takes typed octal codes
};

struct ControlSpec {
  int id;
  ControlKind kind;
  const char* text;
  int x, y, width, height;  // dialog units
};

struct FormSpec {
  int templateId;
  const char* title;
  int width, height;  // dialog units
  std::span<const ControlSpec> controls;
};

// Converts dialog units to pixels with the font metrics of `reference`.
QRect dialogUnitsToPixels(const QWidget* reference, int x, int y, int width, int height);

// Builds every control of `formSpec` as a child of `form` and sizes the form.
void buildForm(QWidget* form, const FormSpec& formSpec);

// Builds one control (used by the builder and by forms with extra controls).
QWidget* buildControl(QWidget* form, const ControlSpec& control);

}  // namespace vex::gui
