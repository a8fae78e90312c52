#pragma once
// CDlgRadioPassword (template 141): the password the radio asks for before a
// transfer, digits only and at most 8 of them.
#include <string>

#include <QDialog>

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

 private:
  QLineEdit* edit_ = nullptr;
};

}  // namespace vex::gui
