#include "transfer/radio_password_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "toolkit/control_id.h"
#include "toolkit/form_builder.h"
#include "toolkit/translate.h"

namespace vex::gui {
namespace {

using K = ControlKind;
constexpr ControlSpec kControls[] = {
    {1131, K::Label, "Password:", 10, 12, 50, 10},
    {CDlgRadioPassword::kPasswordEdit, K::DigitEdit, "", 62, 10, 80, 14},
    {1, K::Button, "OK", 38, 34, 50, 14},
    {2, K::Button, "Cancel", 92, 34, 50, 14},
};
constexpr FormSpec kForm{CDlgRadioPassword::kTemplateId, "Radio Password", 152, 56, kControls};

}  // namespace

CDlgRadioPassword::CDlgRadioPassword(QWidget* parent) : QDialog(parent) {
  buildForm(this, kForm);
  edit_ = findControlAs<QLineEdit>(this, kPasswordEdit);
  edit_->setMaxLength(kMaxDigits);
  edit_->setEchoMode(QLineEdit::Password);
  auto* ok = findControlAs<QPushButton>(this, 1);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(findControlAs<QPushButton>(this, 2), &QPushButton::clicked, this, &QDialog::reject);
  translateWindow(this, kTemplateId);
  edit_->setFocus();
}

std::string CDlgRadioPassword::password() const {
  // The edit admits digits only; keep that true for text set by other means.
  std::string digits;
  for (QChar c : edit_->text())
    if (c >= '0' && c <= '9' && digits.size() < kMaxDigits) digits += static_cast<char>(c.unicode());
  return digits;
}

}  // namespace vex::gui
