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
// digits only and at most 8 of them, shown as bullets. A new password is
// typed twice, and OK takes it only when both entries agree, since a typo
// would lock its owner out of the radio.
class CDlgPassword : public CDlgRadioPassword {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 6359;
  static constexpr int kPasswordEdit = 6361;
  static constexpr int kAgainEdit = 6363;
  static constexpr int kDifferNote = 6364;

  enum class Entry { Once, Twice };
  explicit CDlgPassword(QWidget* parent = nullptr, Entry entry = Entry::Once);
  QLineEdit* againEdit() const { return again_; }

 private:
  void compare();
  QLineEdit* again_ = nullptr;
};

}  // namespace vex::gui
