#include "views/password_dialog.h"

#include "dialogs/dialog_buttons.h"
#include "toolkit/control_id.h"
#include "toolkit/edits.h"
#include "toolkit/form_builder.h"
#include "toolkit/translate.h"

namespace vex::gui {
namespace {

using K = ControlKind;
constexpr ControlSpec kControls[] = {
    {6360, K::Label, "Please Input Password:", 10, 8, 140, 10},
    {CDlgPassword::kEdit, K::DigitEdit, "", 10, 20, 140, 14},
    {kIdOk, K::Button, "OK", 46, 42, 50, 14},
    {kIdCancel, K::Button, "Cancel", 100, 42, 50, 14},
    {kIdHelp, K::Button, "Help", 100, 60, 50, 14},
};
constexpr FormSpec kForm{CDlgPassword::kTemplateId, "Password", 160, 64, kControls};

}  // namespace

CDlgPassword::CDlgPassword(QWidget* parent) : QDialog(parent) {
  buildForm(this, kForm);
  edit_ = findControlAs<CharFilterEdit>(this, kEdit);
  edit_->setMaxLength(kMaxDigits);
  findControl(this, kIdHelp)->hide();
  connectStandardButtons(this, kTemplateId);
  translateWindow(this, kTemplateId);
  edit_->setFocus();
}

std::string CDlgPassword::password() const { return edit_->allowedText().toStdString(); }

}  // namespace vex::gui
