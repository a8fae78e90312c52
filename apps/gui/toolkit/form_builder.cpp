#include "toolkit/form_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "toolkit/control_id.h"
#include "toolkit/edits.h"
#include "toolkit/entry_edits.h"

namespace vex::gui {
namespace {

QSize baseUnits(const QWidget* reference) {
  const QFontMetrics fm(reference ? reference->font() : QFont());
  static const QString sample = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  const int width = (fm.horizontalAdvance(sample) / 26 + 1) / 2;
  return {std::max(width, 4), std::max(fm.height(), 8)};
}

QWidget* createWidget(ControlKind kind, const QString& text, QWidget* parent) {
  switch (kind) {
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
    case ControlKind::Edit: return new QLineEdit(text, parent);
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
    case ControlKind::List: return new QListWidget(parent);
    case ControlKind::FreqEdit: return new CFreqEdit(parent);
    case ControlKind::CtcssCombo: {
      auto* combo = new QComboBox(parent);
      makeCtcssCombo(combo);
      return combo;
    }
    case ControlKind::CdcssCombo: {
      auto* combo = new QComboBox(parent);
      makeCdcssCombo(combo);
      return combo;
    }
  }
  return new QWidget(parent);
}

}  // namespace

QRect dialogUnitsToPixels(const QWidget* reference, int x, int y, int width, int height) {
  const QSize unit = baseUnits(reference);
  return QRect(x * unit.width() / 4, y * unit.height() / 8, width * unit.width() / 4, height * unit.height() / 8);
}

QWidget* buildControl(QWidget* form, const ControlSpec& control) {
  QWidget* widget = createWidget(control.kind, QString::fromUtf8(control.text ? control.text : ""), form);
  if (control.id > 0) setControlId(widget, control.id);
  widget->setGeometry(dialogUnitsToPixels(form, control.x, control.y, control.width, control.height));
  if (control.kind == ControlKind::Group) widget->lower();
  return widget;
}

void buildForm(QWidget* form, const FormSpec& formSpec) {
  for (const ControlSpec& control : formSpec.controls) buildControl(form, control);
  const QRect size = dialogUnitsToPixels(form, 0, 0, formSpec.width, formSpec.height);
  form->setFixedSize(size.size());
  form->setWindowTitle(QString::fromUtf8(formSpec.title ? formSpec.title : ""));
}

}  // namespace vex::gui
