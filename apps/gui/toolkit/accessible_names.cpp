#include "toolkit/accessible_names.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>

#include "toolkit/control_id.h"

namespace vex::gui {
namespace {

constexpr const char* kGivenNameProperty = "vexLabelName";

// "&Device:" and "设备(&D)：" read as "Device" and "设备".
QString spokenText(QString text) {
  static const QRegularExpression bracketedKey(QStringLiteral("\\(&.\\)"));
  text.remove(bracketedKey);
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  text = text.trimmed();
  while (text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0xFF1A))) text.chop(1);
  return text.trimmed();
}

bool isField(const QWidget* widget) {
  return widget->focusPolicy() != Qt::NoFocus && !qobject_cast<const QAbstractButton*>(widget) &&
         !qobject_cast<const QGroupBox*>(widget) && !qobject_cast<const QLabel*>(widget);
}

}  // namespace

void nameFieldsByTheirLabels(QWidget* window) {
  QLabel* label = nullptr;
  bool first = false;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (controlId(widget) <= 0) continue;
    if (auto* found = qobject_cast<QLabel*>(widget)) {
      label = spokenText(found->text()).isEmpty() ? nullptr : found;
      first = true;
      continue;
    }
    if (!isField(widget)) {
      label = nullptr;  // a button or a group ends what the label names
      continue;
    }
    if (!label) continue;
    const bool given = widget->property(kGivenNameProperty).toBool();
    if (!widget->accessibleName().isEmpty() && !given) continue;
    widget->setAccessibleName(spokenText(label->text()));
    widget->setProperty(kGivenNameProperty, true);
    if (first && !label->buddy()) label->setBuddy(widget);
    first = false;
  }
}

}  // namespace vex::gui
