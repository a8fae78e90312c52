#include "dialogs/language_dialog.h"

#include <QComboBox>

#include "base/text_ids.h"
#include "dialogs/dialog_buttons.h"
#include "toolkit/control_id.h"
#include "toolkit/form_builder.h"
#include "toolkit/translate.h"

namespace vex::gui {
namespace {

constexpr int kLabel = text::kLanguageLabel;
constexpr int kList = text::kLanguageList;

constexpr ControlDef kControls[] = {
    {kLabel, ControlKind::Label, "Language:", 7, 9, 50, 10},
    {kList, ControlKind::Combo, "", 60, 7, 110, 14},
    {kIdOk, ControlKind::Button, "OK", 180, 7, 50, 14},
    {kIdCancel, ControlKind::Button, "Cancel", 180, 25, 50, 14},
    {kIdHelp, ControlKind::Button, "Help", 180, 43, 50, 14},
};
constexpr FormDef kForm{CDlgLanguage::kTemplateId, "Language", 237, 64, kControls};

}  // namespace

CDlgLanguage::CDlgLanguage(const std::vector<std::string>& languages, int currentIndex, QWidget* parent)
    : QDialog(parent), current_(currentIndex) {
  buildForm(this, kForm);
  translateWindow(this, kTemplateId);
  connectStandardButtons(this, kTemplateId);
  auto* list = findControlAs<QComboBox>(this, kList);
  list->clear();  // the languages are a text list, not an option list
  for (const std::string& language : languages) list->addItem(QString::fromStdString(language));
  list->setCurrentIndex(currentIndex >= 0 && currentIndex < list->count() ? currentIndex : -1);
}

void CDlgLanguage::accept() {
  const int selected = findControlAs<QComboBox>(this, kList)->currentIndex();
  if (selected < 0 || selected == current_) {
    reject();
    return;
  }
  chosen_ = selected;
  QDialog::accept();
}

}  // namespace vex::gui
