#include "toolkit/form_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "toolkit/control_id.h"
#include "toolkit/controls.h"
#include "toolkit/edits.h"
#include "toolkit/form_fit.h"
#include "toolkit/images.h"

namespace vex::gui {
namespace {

QSize baseUnits(const QWidget* reference) {
  const QFontMetrics fm(reference ? reference->font() : QFont());
  static const QString sample = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  const int width = (fm.horizontalAdvance(sample) / 26 + 1) / 2;
  return {std::max(width, 4), std::max(fm.height(), 8)};
}

QWidget* createWidget(const ControlDef& def, const QString& text, QWidget* parent) {
  switch (def.kind) {
    case ControlKind::Label: {
      auto* label = new QLabel(text, parent);
      label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      return label;
    }
    case ControlKind::Group: return new QGroupBox(text, parent);
    case ControlKind::Button: return new QPushButton(text, parent);
    case ControlKind::Check: return new QCheckBox(text, parent);
    case ControlKind::Radio: return new QRadioButton(text, parent);
    case ControlKind::Combo: return new QComboBox(parent);
    case ControlKind::EditableCombo: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(true);
      combo->setInsertPolicy(QComboBox::NoInsert);
      combo->setLineEdit(new CharFilterEdit(combo, QString()));
      return combo;
    }
    case ControlKind::Edit:
      if (def.style & kStyleMultiLine) return new QPlainTextEdit(text, parent);
      return new QLineEdit(text, parent);
    case ControlKind::ReadOnlyEdit: {
      auto* edit = new QLineEdit(text, parent);
      edit->setReadOnly(true);
      return edit;
    }
    case ControlKind::ByteEdit: return new ByteLimitedEdit(parent);
    case ControlKind::DigitEdit: return new CharFilterEdit(parent);
    case ControlKind::DigitPairEdit: return new DigitPairEdit(parent);
    case ControlKind::RangeEdit: return new RangeEdit(parent);
    case ControlKind::RangeOffEdit: return new RangeOffEdit(parent);
    case ControlKind::Spin: return new CSpinButton(def.linked, parent);
    case ControlKind::ImageButton: {
      auto* button = new QPushButton(parent);
      button->setIcon(imageIcon(def.linked));
      button->setToolTip(text);
      return button;
    }
    case ControlKind::Painted: return new CPaintedControl(parent);
    case ControlKind::List: return new QListWidget(parent);
    case ControlKind::Custom:
      if (def.create) return def.create(parent);
      break;
  }
  return new QWidget(parent);
}

// Read-only, length and character limits where the control has them.
void applyLimits(QWidget* widget, const ControlDef& def) {
  QLineEdit* edit = qobject_cast<QLineEdit*>(widget);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) edit = combo->lineEdit();
  if (auto* bytes = qobject_cast<ByteLimitedEdit*>(widget)) {
    if (def.maxLength > 0) bytes->setMaxBytes(def.maxLength);
  } else if (auto* digits = qobject_cast<DigitPairEdit*>(widget)) {
    if (def.maxLength > 0) digits->setDigits(def.maxLength);
  } else if (edit && def.maxLength > 0) {
    edit->setMaxLength(def.maxLength);
  }
  if (edit && def.allowed) limitCharacters(edit, QString::fromUtf8(def.allowed));
  if (def.style & kStyleReadOnly) {
    if (edit) edit->setReadOnly(true);
    if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) text->setReadOnly(true);
  }
  if (def.style & kStyleHidden) widget->hide();
}

}  // namespace

QRect dialogUnitsToPixels(const QWidget* reference, int x, int y, int width, int height) {
  const QSize unit = baseUnits(reference);
  return QRect(x * unit.width() / 4, y * unit.height() / 8, width * unit.width() / 4, height * unit.height() / 8);
}

QWidget* buildControl(QWidget* form, const ControlDef& control) {
  QWidget* widget = createWidget(control, QString::fromUtf8(control.text ? control.text : ""), form);
  if (control.id > 0) setControlId(widget, control.id);
  widget->setGeometry(dialogUnitsToPixels(form, control.x, control.y, control.width, control.height));
  applyLimits(widget, control);
  if (control.kind == ControlKind::Group) widget->lower();
  return widget;
}

void buildForm(QWidget* form, const FormDef& formDef) {
  for (const ControlDef& control : formDef.controls) buildControl(form, control);
  const QRect size = dialogUnitsToPixels(form, 0, 0, formDef.width, formDef.height);
  form->setFixedSize(size.size());
  form->setWindowTitle(QString::fromUtf8(formDef.title ? formDef.title : ""));
  markBuiltForm(form);  // translateWindow fits it to its texts
}

}  // namespace vex::gui
