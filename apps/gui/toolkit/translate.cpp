#include "toolkit/translate.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

#include "adapters/texts.h"
#include "toolkit/accessible_names.h"
#include "toolkit/control_id.h"
#include "toolkit/edits.h"
#include "toolkit/form_fit.h"

namespace vex::gui {

void fillCombo(QComboBox* combo, int id) {
  for (const texts::Option& option : texts::options(id))
    combo->addItem(QString::fromStdString(option.text), QVariant::fromValue<qlonglong>(option.value));
}

void translateWindow(QWidget* window, int dialogId) {
  if (const std::string title = texts::label(dialogId); !title.empty())
    window->setWindowTitle(QString::fromStdString(title));
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    const int id = controlId(widget);
    if (id <= 0) continue;
    if (texts::controlDisabled(id)) widget->setEnabled(false);
    const std::string text = texts::label(id);
    if (text.empty()) continue;
    const QString qtext = QString::fromStdString(text);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      combo->clear();  // translating again must not add the options twice
      fillCombo(combo, id);
    } else if (auto* range = qobject_cast<RangeEdit*>(widget)) {
      if (auto rule = texts::rangeRule(id)) range->setRule(*rule);
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
      list->clear();
      for (const texts::Option& option : texts::options(id)) {
        auto* item = new QListWidgetItem(QString::fromStdString(option.text), list);
        item->setData(Qt::UserRole, QVariant::fromValue<qlonglong>(option.value));
      }
    } else if (qobject_cast<QAbstractItemView*>(widget) || qobject_cast<QPlainTextEdit*>(widget)) {
      widget->setAccessibleName(spokenText(qtext));  // a grid, list or text box shows no text of its own
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      button->setText(qtext);
      if (!button->toolTip().isEmpty()) button->setToolTip(qtext);  // an image button's tip
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
      label->setText(qtext);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
      group->setTitle(qtext);
    }
  }
  nameFieldsByTheirLabels(window);
  fitFormsToTexts(window);
}

}  // namespace vex::gui
