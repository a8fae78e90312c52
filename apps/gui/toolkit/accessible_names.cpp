#include "toolkit/accessible_names.h"

#include <map>
#include <set>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include "core/schema/schema.h"
#include "toolkit/control_id.h"

namespace vex::gui {
namespace {

constexpr const char* kGivenNameProperty = "vexLabelName";

bool isField(const QWidget* widget) {
  return widget->focusPolicy() != Qt::NoFocus && !qobject_cast<const QAbstractButton*>(widget) &&
         !qobject_cast<const QGroupBox*>(widget) && !qobject_cast<const QLabel*>(widget);
}

// Names set by the program itself stay; those given here follow the texts.
bool mayName(const QWidget* widget) {
  return widget->accessibleName().isEmpty() || widget->property(kGivenNameProperty).toBool();
}

void giveName(QWidget* widget, const QString& name) {
  widget->setAccessibleName(name);
  widget->setProperty(kGivenNameProperty, true);
  // What is typed into a combo box goes to its edit, which reads as the combo box.
  if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit())
    combo->lineEdit()->setAccessibleName(name);
}

// The field before `field` in the same element of its array whose label is
// its own: it names the row a shared heading stands over ("1st Tone" for
// the duration under "Duration[ms]").
const FieldDef* rowField(const FieldDef& field) {
  const std::span<const FieldDef> table = FieldTable();
  for (std::size_t at = static_cast<std::size_t>(&field - table.data()); at-- > 0;) {
    const FieldDef& before = table[at];
    if (before.area != field.area || before.index != field.index || before.row >= field.row) return nullptr;
    if (!before.has(kSharedLabel) && before.label != 0) return &before;
  }
  return nullptr;
}

class FormControls {
 public:
  explicit FormControls(QWidget* window) {
    for (QWidget* widget : window->findChildren<QWidget*>())
      if (int id = controlId(widget); id > 0) byId_.emplace(id, widget);  // the first of an id, as findControl
  }
  QWidget* control(int id) const {
    const auto found = byId_.find(id);
    return found == byId_.end() ? nullptr : found->second;
  }
  QLabel* label(int id) const { return qobject_cast<QLabel*>(control(id)); }
  QString spoken(int labelId) const {
    const QLabel* found = label(labelId);
    return found ? spokenText(found->text()) : QString();
  }

 private:
  std::map<int, QWidget*> byId_;
};

// Each field of the memory schema that the window shows with its label is
// named by that label; the label leads the keyboard to it. Returns the named.
std::set<QWidget*> nameSchemaFields(const FormControls& form) {
  std::set<QWidget*> named;
  for (const FieldDef& field : FieldTable()) {
    if (field.control == 0 || field.label == 0 || field.label == field.control) continue;
    QWidget* widget = form.control(field.control);
    QLabel* label = form.label(field.label);
    if (!widget || !label || !isField(widget) || named.contains(widget)) continue;
    QString name = form.spoken(field.label);
    if (name.isEmpty()) continue;
    if (const FieldDef* row = field.has(kSharedLabel) ? rowField(field) : nullptr)
      if (const QString rowName = form.spoken(row->label); !rowName.isEmpty()) name = rowName + u' ' + name;
    named.insert(widget);
    if (!label->buddy()) label->setBuddy(widget);
    if (mayName(widget)) giveName(widget, name);
  }
  return named;
}

}  // namespace

QString spokenText(QString text) {
  static const QRegularExpression bracketedKey(QStringLiteral("\\(&.\\)"));
  text.remove(bracketedKey);
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  text = text.simplified();
  while (text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0xFF1A))) text.chop(1);
  return text.trimmed();
}

void nameFieldsByTheirLabels(QWidget* window) {
  const FormControls form(window);
  const std::set<QWidget*> named = nameSchemaFields(form);
  std::map<const QWidget*, const QLabel*> leading;  // a label that leads to a field names it
  for (const QLabel* label : window->findChildren<QLabel*>())
    if (label->buddy()) leading.emplace(label->buddy(), label);
  // The rest, in template order: a label names the fields after it up to the
  // next label, button or group.
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
      label = nullptr;
      continue;
    }
    if (named.contains(widget) || !mayName(widget)) continue;
    if (const auto lead = leading.find(widget); lead != leading.end()) {
      giveName(widget, spokenText(lead->second->text()));
    } else if (label) {
      giveName(widget, spokenText(label->text()));
      if (first && !label->buddy()) label->setBuddy(widget);
    }
    first = false;
  }
}

}  // namespace vex::gui
