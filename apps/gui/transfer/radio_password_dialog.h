#pragma once
// CDlgRadioPassword (template 141): the password the radio asks for before a
// transfer, digits only and at most 8 of them, shown as bullets.
#include <string>

#include <QDialog>

#include "toolkit/form_builder.h"

class QLineEdit;

namespace vex::gui {

class CDlgRadioPassword : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 141;
  static constexpr int kPasswordEdit = 1132;
  static constexpr int kMaxDigits = 8;

  explicit CDlgRadioPassword(QWidget* parent = nullptr);
  std::string password() const;
  QLineEdit* edit() const { return edit_; }

 protected:
  // A password dialog of another template: its edit and its texts.
  CDlgRadioPassword(const FormDef& form, int editId, QWidget* parent);

 private:
  QLineEdit* edit_ = nullptr;
};

// CDlgPassword ("Password", template 6359): a password of the radio data,
// digits only and at most 8 of them, typed in the clear.
class CDlgPassword : public CDlgRadioPassword {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 6359;
  static constexpr int kPasswordEdit = 6361;

  explicit CDlgPassword(QWidget* parent = nullptr);
};

}  // namespace vex::gui
