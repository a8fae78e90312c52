#include "dialogs/radio_password_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "toolkit/control_id.h"
#include "toolkit/form_builder.h"
#include "toolkit/translate.h"

namespace vex::gui {
namespace {

using K = ControlKind;
constexpr ControlDef kControls[] = {
    {1131, K::Label, "Password:", 10, 12, 50, 10},
    {CDlgRadioPassword::kPasswordEdit, K::DigitEdit, "", 62, 10, 80, 14},
    {1, K::Button, "OK", 38, 34, 50, 14},
    {2, K::Button, "Cancel", 92, 34, 50, 14},
};
constexpr FormDef kForm{CDlgRadioPassword::kTemplateId, "Radio Password", 152, 56, kControls};

constexpr ControlDef kDataControls[] = {
    {6360, K::Label, "Please Input Password:", 10, 8, 132, 10},
    {CDlgPassword::kPasswordEdit, K::DigitEdit, "", 10, 20, 132, 14},
    {1, K::Button, "OK", 38, 40, 50, 14},
    {2, K::Button, "Cancel", 92, 40, 50, 14},
};
constexpr FormDef kDataForm{CDlgPassword::kTemplateId, "Password", 152, 62, kDataControls};

constexpr ControlDef kNewControls[] = {
    {6360, K::Label, "Please Input Password:", 10, 8, 132, 10},
    {CDlgPassword::kPasswordEdit, K::DigitEdit, "", 10, 20, 132, 14},
    {6362, K::Label, "Enter it again:", 10, 38, 132, 10},
    {CDlgPassword::kAgainEdit, K::DigitEdit, "", 10, 50, 132, 14},
    {CDlgPassword::kDifferNote, K::Label, "The two entries differ.", 10, 67, 132, 10},
    {1, K::Button, "OK", 38, 80, 50, 14},
    {2, K::Button, "Cancel", 92, 80, 50, 14},
};
constexpr FormDef kNewForm{CDlgPassword::kTemplateId, "Password", 152, 102, kNewControls};

}  // namespace

CDlgRadioPassword::CDlgRadioPassword(QWidget* parent) : CDlgRadioPassword(kForm, kPasswordEdit, parent) {
  edit_->setEchoMode(QLineEdit::Password);
}

CDlgPassword::CDlgPassword(QWidget* parent, Entry entry)
    : CDlgRadioPassword(entry == Entry::Twice ? kNewForm : kDataForm, kPasswordEdit, parent) {
  edit()->setEchoMode(QLineEdit::Password);
  if (entry == Entry::Once) return;
  again_ = findControlAs<QLineEdit>(this, kAgainEdit);
  again_->setMaxLength(kMaxDigits);
  again_->setEchoMode(QLineEdit::Password);
  connect(edit(), &QLineEdit::textChanged, this, &CDlgPassword::compare);
  connect(again_, &QLineEdit::textChanged, this, &CDlgPassword::compare);
  compare();
}

void CDlgPassword::compare() {
  const bool same = edit()->text() == again_->text();
  findControlAs<QPushButton>(this, 1)->setEnabled(same);
  // The note shows once the second entry is being typed.
  findControl(this, kDifferNote)->setVisible(!same && !again_->text().isEmpty());
}

CDlgRadioPassword::CDlgRadioPassword(const FormDef& form, int editId, QWidget* parent) : QDialog(parent) {
  buildForm(this, form);
  edit_ = findControlAs<QLineEdit>(this, editId);
  edit_->setMaxLength(kMaxDigits);
  auto* ok = findControlAs<QPushButton>(this, 1);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(findControlAs<QPushButton>(this, 2), &QPushButton::clicked, this, &QDialog::reject);
  translateWindow(this, form.templateId);
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
