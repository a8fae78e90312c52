#include "toolkit/view_record.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "toolkit/control_id.h"
#include "toolkit/edits.h"

namespace vex::gui {

void showRecord(QWidget* form, const ViewRecord& record) {
  for (const auto& [id, flag] : record.flags)
    if (auto* check = findControlAs<QAbstractButton>(form, id)) check->setChecked(flag != 0);
  for (const auto& [id, text] : record.texts) {
    QWidget* widget = findControl(form, id);
    const QString qtext = QString::fromStdString(text);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      const int index = text.empty() ? -1 : combo->findText(qtext, Qt::MatchExactly);
      if (index >= 0 || !combo->isEditable())
        combo->setCurrentIndex(index);
      else
        combo->setEditText(qtext);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      edit->setText(qtext);
    } else if (auto* lines = qobject_cast<QPlainTextEdit*>(widget)) {
      lines->setPlainText(qtext);
    }
  }
  for (const auto& [id, raw] : record.raws)
    if (auto* range = findControlAs<RangeEdit>(form, id)) range->setRaw(raw);
  for (const auto& [id, bytes] : record.bytes)
    if (auto* digits = findControlAs<DigitPairEdit>(form, id)) digits->setBytes(bytes);
}

void readRecord(const QWidget* form, ViewRecord& record) {
  for (auto& [id, flag] : record.flags)
    if (auto* check = findControlAs<QAbstractButton>(form, id)) flag = check->isChecked() ? 1 : 0;
  for (auto& [id, raw] : record.raws)
    if (auto* range = findControlAs<RangeEdit>(form, id)) raw = range->raw();
  for (auto& [id, bytes] : record.bytes)
    if (auto* digits = findControlAs<DigitPairEdit>(form, id)) bytes = digits->bytes();
  for (QWidget* widget : form->findChildren<QWidget*>()) {
    const int id = controlId(widget);
    if (id <= 0) continue;
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      if (combo->isEditable() && record.texts.count(id))
        record.texts[id] = combo->currentText().toStdString();
      else if (combo->currentIndex() < 0)
        record.texts.erase(id);
      else
        record.texts[id] = combo->currentText().toStdString();
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget);
               edit && record.texts.count(id) && !qobject_cast<RangeEdit*>(edit)) {
      record.texts[id] = edit->text().toStdString();
    } else if (auto* lines = qobject_cast<QPlainTextEdit*>(widget); lines && record.texts.count(id)) {
      record.texts[id] = lines->toPlainText().toStdString();
    }
  }
}

void connectUserChanges(QWidget* form, QObject* context, std::function<void(int id)> changed) {
  for (QWidget* widget : form->findChildren<QWidget*>()) {
    const int id = controlId(widget);
    if (id <= 0) continue;
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      QObject::connect(button, &QAbstractButton::clicked, context, [changed, id] { changed(id); });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      QObject::connect(combo, &QComboBox::activated, context, [changed, id] { changed(id); });
      if (QLineEdit* edit = combo->lineEdit())
        QObject::connect(edit, &QLineEdit::editingFinished, context, [changed, id] { changed(id); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && !edit->isReadOnly()) {
      QObject::connect(edit, &QLineEdit::editingFinished, context, [changed, id] { changed(id); });
    }
  }
}

}  // namespace vex::gui
