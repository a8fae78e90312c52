#pragma once
// CDlgPassword (template 6359): a new write/tune/dealer data password, up to
// eight digits; an empty entry clears the password.
#include <string>

#include <QDialog>

namespace vex::gui {

class CharFilterEdit;

class CDlgPassword : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 6359;
  static constexpr int kEdit = 6361;
  static constexpr int kMaxDigits = 8;

  explicit CDlgPassword(QWidget* parent = nullptr);
  std::string password() const;
  CharFilterEdit* edit() const { return edit_; }

 private:
  CharFilterEdit* edit_ = nullptr;
};

}  // namespace vex::gui
