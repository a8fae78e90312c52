#include "views/settings_form.h"

#include <algorithm>

namespace vex::gui {
namespace {

// Dialog units of the settings forms: margins, gaps and row heights.
constexpr int kMargin = 12;        // after the widest row
constexpr int kGroupMargin = 7;    // form edge to a group's frame
constexpr int kGroupInset = 9;     // a group's frame to its first column
constexpr int kGroupTitle = 14;    // a group's top to its first row
constexpr int kGroupBottom = 2;    // below a group's last row
constexpr int kGroupGap = 6;       // between two groups
constexpr int kGroupRowStep = 16;  // row to row inside a group
constexpr int kBottom = 4;         // below the last row's step
constexpr int kGap = 4;            // between the controls of a row
constexpr int kTextHeight = 12;    // labels and check boxes
constexpr int kControlHeight = 13;

ControlKind controlKindOf(const FieldDef& field) {
  switch (field.kind) {
    case FieldKind::ListValue:
    case FieldKind::ListPosition:
    case FieldKind::PersonalityIndex:
    case FieldKind::ScanListNumber: return ControlKind::Combo;
    case FieldKind::Flag:
    case FieldKind::InvertedFlag: return ControlKind::Check;
    case FieldKind::Range: return ControlKind::RangeEdit;
    case FieldKind::RangeOff: return ControlKind::RangeOffEdit;
    case FieldKind::Text: return ControlKind::ByteEdit;
    case FieldKind::Bytes: return ControlKind::DigitPairEdit;
    default: return ControlKind::ReadOnlyEdit;
  }
}

// The field's byte limit in the units its control counts; 0 for controls
// that take no typing.
int maxLengthOf(const FieldDef& field, ControlKind kind) {
  switch (kind) {
    case ControlKind::DigitPairEdit: return 2 * field.width;
    case ControlKind::ByteEdit:
    case ControlKind::DigitEdit:
    case ControlKind::Edit: return field.width;
    default: return 0;
  }
}

bool textHigh(ControlKind kind) {
  return kind == ControlKind::Label || kind == ControlKind::Check || kind == ControlKind::Radio;
}

// Places the lines row by row; a hidden line sits on the row of the line
// after it and takes no room.
class Layout {
 public:
  explicit Layout(const SettingsForm& form) : columns_(form.columns), lines_(form.lines) {
    grouped_ =
        std::any_of(lines_.begin(), lines_.end(), [](const FormLine& l) { return l.role == FormLine::Role::Group; });
    left_ = grouped_ ? kGroupMargin + kGroupInset : columns_.left;
    next_ = grouped_ ? 0 : columns_.top;
  }

  std::vector<ControlDef> place() {
    for (std::size_t i = 0; i < lines_.size(); ++i) placeLine(i);
    closeGroup();
    return std::move(controls_);
  }
  int width() const { return columns_.formWidth > 0 ? columns_.formWidth : right_ + kMargin; }
  int height() const {
    if (columns_.formHeight > 0) return columns_.formHeight;
    return grouped_ ? bottom_ + kGroupBottom + kGroupGap : next_ + kBottom;
  }

 private:
  bool besideNext(std::size_t i) const { return i + 1 < lines_.size() && lines_[i + 1].look.besidePrevious; }

  void add(const ControlDef& control, bool hidden) {
    controls_.push_back(control);
    if (hidden) return;
    right_ = std::max(right_, control.x + control.width);
    bottom_ = std::max(bottom_, control.y + control.height);
  }

  void closeGroup() {
    if (group_ < 0) return;
    ControlDef& frame = controls_[static_cast<std::size_t>(group_)];
    frame.height = next_ - frame.y + kGroupBottom;
    bottom_ = std::max(bottom_, frame.y + frame.height);
    next_ = frame.y + frame.height + kGroupGap;
    group_ = -1;
  }

  void placeLine(std::size_t i) {
    const FormLine& line = lines_[i];
    if (line.role == FormLine::Role::Group) {
      closeGroup();
      group_ = static_cast<int>(controls_.size());
      const int top = next_ == 0 ? kGroupGap : next_;
      add({line.id, ControlKind::Group, line.text, kGroupMargin, top, width() - 2 * kGroupMargin, 0}, false);
      next_ = top + kGroupTitle;
      return;
    }
    const bool hidden = (line.look.style & kStyleHidden) != 0;
    ControlKind kind = line.kind;
    int id = line.id, labelId = line.labelId, maxLength = line.look.maxLength;
    if (line.field) {
      kind = line.look.kind.value_or(controlKindOf(*line.field));
      id = line.field->control;
      labelId = kind == ControlKind::Check ? 0 : line.field->label;
      if (maxLength == 0) maxLength = maxLengthOf(*line.field, kind);
    }
    if (line.role == FormLine::Role::Note) {
      add({id, ControlKind::Label, line.text, left_, row_ = next_, columns_.label + kGap + columns_.control,
           line.look.height},
          hidden);
      advance(line.look.height);
      return;
    }
    const int y = line.look.besidePrevious ? row_ : next_;
    int x = line.look.besidePrevious ? lastRight_ + kGap : left_;
    if (labelId != 0) {
      add({labelId, ControlKind::Label, line.labelText, x, y, columns_.label, kTextHeight, line.look.style}, hidden);
      x += columns_.label + kGap;
    }
    int width = line.look.width;
    if (width == 0) {
      const bool spans = kind == ControlKind::Check && labelId == 0 && !line.look.besidePrevious && !besideNext(i);
      width = spans                        ? columns_.label + kGap + columns_.control
              : labelId == 0 && x == left_ ? columns_.label
                                           : columns_.control;
    }
    const int height = line.look.height > 0 ? line.look.height : textHigh(kind) ? kTextHeight : kControlHeight;
    const int top = textHigh(kind) ? y : y - 1;
    add({id, kind, line.text, x, top, width, height, line.look.style, maxLength, line.look.allowed, 0,
         line.look.create},
        hidden);
    if (hidden) return;
    lastRight_ = x + width;
    if (!line.look.besidePrevious) {
      row_ = y;
      advance(height);
    }
  }

  void advance(int height) {
    const int step = grouped_ ? kGroupRowStep : columns_.rowStep;
    next_ += std::max(step, height + step - kControlHeight);
  }

  FormColumns columns_;
  std::span<const FormLine> lines_;
  std::vector<ControlDef> controls_;
  bool grouped_ = false;
  int left_ = 0;
  int next_ = 0;       // top of the next row
  int row_ = 0;        // top of the current row
  int lastRight_ = 0;  // right edge of the current row's last control
  int right_ = 0;
  int bottom_ = 0;
  int group_ = -1;  // the open group's frame among the controls
};

}  // namespace

LaidOutForm::LaidOutForm(const SettingsForm& form) {
  Layout layout(form);
  controls_ = layout.place();
  def_ = {form.templateId, form.title, layout.width(), layout.height(), controls_};
}

}  // namespace vex::gui
