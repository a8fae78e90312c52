#include "views/property_page.h"

#include <QApplication>

#include "help/help_window.h"
#include "toolkit/control_id.h"
#include "toolkit/translate.h"

namespace vex::gui {

CPropertyPage::CPropertyPage(const FormDef& formDef, std::optional<FieldArea> area, QWidget* parent)
    : QWidget(parent), RecordForm(area), templateId_(formDef.templateId) {
  setObjectName(QStringLiteral("page%1").arg(formDef.templateId));
  buildForm(this, formDef);
}

CPropertyPage::CPropertyPage(const SettingsForm& form, FieldArea area, QWidget* parent)
    : CPropertyPage(LaidOutForm(form).def(), area, parent) {}

QWidget* CPropertyPage::control(int id) const { return findControl(this, id); }

void CPropertyPage::initialUpdate() {
  if (opened_) return;
  translateWindow(this, templateId_);
  connectUserChanges(this, this, [this](int id) { userChanged(id); });
  opened_ = true;
}

std::span<std::uint8_t> CPropertyPage::recordBytes() const { return bytes_ ? bytes_() : std::span<std::uint8_t>(); }

void CPropertyPage::showContextHelp(int id, int viewTemplateId) const {
  if (id == 0) id = controlIdAround(QApplication::focusWidget(), this);
  HelpWindow::showContext({id, templateId_, viewTemplateId});
}

}  // namespace vex::gui
