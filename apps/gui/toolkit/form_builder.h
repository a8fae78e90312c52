#pragma once
// One shared form builder: a dialog template is a table of controls (id, kind,
// default text, place in dialog units, and where a control needs them its
// style, limits and linked id); buildForm turns it into widgets placed
// absolutely, each tagged with its control id. Translating the form then
// widens what its texts need (form_fit.h).
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
  EditableCombo,  // drop-down list whose text may be typed (limited by maxLength and allowed)
  Edit,           // plain text edit (multi-line with kStyleMultiLine)
  ReadOnlyEdit,   // text edit the user cannot change
  ByteEdit,       // byte-limited text edit (maxLength counts bytes)
  DigitEdit,      // digits-only edit
  DigitPairEdit,  // digit pairs shown as bytes (maxLength: digits)
  RangeEdit,      // number edit with a range rule
  RangeOffEdit,   // range edit where 0 reads "off"
  Spin,           // spin button that steps the range edit `linked`
  ImageButton,    // push button showing image `linked`; its text is the tooltip
  Painted,        // an area the view paints (CPaintedControl)
  List,           // list box
  Custom,         // a control class of the view's own: `create` makes it
};

// Style flags of a control.
enum ControlStyle : unsigned {
  kStyleHidden = 1u << 0,     // built hidden
  kStyleReadOnly = 1u << 1,   // shown, not editable
  kStyleMultiLine = 1u << 2,  // edits: several lines
};

struct ControlDef {
  int id;
  ControlKind kind;
  const char* text;
  int x, y, width, height;  // dialog units
  unsigned style = 0;
  int maxLength = 0;                              // edits and editable combos: the most characters (byte edits: bytes)
  const char* allowed = nullptr;                  // edits and editable combos: the only characters accepted
  int linked = 0;                                 // spin buttons: the edit they step; image buttons: their image
  QWidget* (*create)(QWidget* parent) = nullptr;  // Custom: makes the control
};

struct FormDef {
  int templateId;
  const char* title;
  int width, height;  // dialog units
  std::span<const ControlDef> controls;
};

// Converts dialog units to pixels with the font metrics of `reference`.
QRect dialogUnitsToPixels(const QWidget* reference, int x, int y, int width, int height);

// Builds every control of `formDef` as a child of `form` and sizes the form.
void buildForm(QWidget* form, const FormDef& formDef);

// Builds one control (used by the builder and by forms with extra controls).
QWidget* buildControl(QWidget* form, const ControlDef& control);

}  // namespace vex::gui
