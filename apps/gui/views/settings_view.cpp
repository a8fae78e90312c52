#include "views/settings_view.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "adapters/texts.h"
#include "toolkit/control_id.h"
#include "toolkit/edits.h"
#include "toolkit/translate.h"
#include "views/messages.h"
#include "views/view_host.h"

namespace vex::gui {

CSettingsView::CSettingsView(const FormSpec& formSpec, QWidget* parent) : CCustomFormView(formSpec, parent) {}

void CSettingsView::initialUpdate() {
  translateWindow(form(), templateId());
  setWindowTitle(form()->windowTitle());
  load();
  connectControls();
  opened_ = true;
}

void CSettingsView::connectControls() {
  for (QWidget* widget : form()->findChildren<QWidget*>()) {
    const int id = controlId(widget);
    if (id <= 0) continue;
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      connect(button, &QAbstractButton::clicked, this, [this, id] { userChanged(id); });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      connect(combo, &QComboBox::activated, this, [this, id] { userChanged(id); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && !edit->isReadOnly()) {
      connect(edit, &QLineEdit::editingFinished, this, [this, id] { userChanged(id); });
    }
  }
}

long CSettingsView::handleMessage(int message, long, long, const ChangeNotice*) {
  switch (message) {
    case WM_VIEW_LOAD: load(); return 1;
    case WM_VIEW_STORE: store(); return 1;
    default: return 0;
  }
}

void CSettingsView::closing() {
  if (opened_) store();
}

void CSettingsView::load() {
  record_ = {};
  loadRecord(record_);
  showRecord();
}

void CSettingsView::store() {
  readControls();
  storeRecord(record_);
}

void CSettingsView::showRecord() {
  for (const auto& [id, flag] : record_.flags)
    if (auto* check = findControlAs<QAbstractButton>(form(), id)) check->setChecked(flag != 0);
  for (const auto& [id, text] : record_.texts) {
    QWidget* widget = control(id);
    const QString qtext = QString::fromStdString(text);
    if (auto* combo = qobject_cast<QComboBox*>(widget))
      combo->setCurrentIndex(text.empty() ? -1 : combo->findText(qtext, Qt::MatchExactly));
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
      edit->setText(qtext);
  }
  applyDependentEnabling(0);
}

void CSettingsView::readControls() {
  for (auto& [id, flag] : record_.flags)
    if (auto* check = findControlAs<QAbstractButton>(form(), id)) flag = check->isChecked() ? 1 : 0;
  for (QWidget* widget : form()->findChildren<QWidget*>()) {
    const int id = controlId(widget);
    if (id <= 0) continue;
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      if (combo->currentIndex() < 0)
        record_.texts.erase(id);
      else
        record_.texts[id] = combo->currentText().toStdString();
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && record_.texts.count(id)) {
      // A range edit corrects its text as losing the focus would.
      if (auto* range = qobject_cast<RangeEdit*>(edit)) range->raw();
      record_.texts[id] = edit->text().toStdString();
    }
  }
}

void CSettingsView::userChanged(int id) {
  if (!opened_) return;
  applyDependentEnabling(id);
  store();
  if (ViewHost* host = ViewHost::current()) host->sendToMainFrame(WM_DATA_CHANGED, 0, 0, nullptr);
}

void CSettingsView::setControlEnabled(int id, bool enabled) {
  if (QWidget* widget = control(id)) widget->setEnabled(enabled && !texts::controlDisabled(id));
}

}  // namespace vex::gui
