#pragma once
// CViewPassword: the passwords the radio data carry. The read-data password
// is typed; the write/tune/dealer data password shows as bullets and changes
// only through the Password dialog; the power-on/keylock password is not
// offered. Each is up to eight digits.
#include <functional>
#include <optional>
#include <string>

#include "base/text_ids.h"
#include "core/schema/schema_table.h"
#include "views/settings_view.h"

namespace vex::gui {

class CViewPassword : public CSettingsView {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 6351;
  static constexpr int kPowerOn = SchemaField(FieldArea::Passwords, "power_on_password").control;
  static constexpr int kWrite = SchemaField(FieldArea::Passwords, "write_password").control;
  static constexpr int kRead = SchemaField(FieldArea::Passwords, "read_password").control;
  static constexpr int kChangeWrite = text::kPasswordChange;

  // Asks for a new write password: the text, or nothing on Cancel.
  using PasswordPrompt = std::function<std::optional<std::string>(QWidget* parent)>;

  explicit CViewPassword(QWidget* parent = nullptr);
  // Tests answer the Password dialog themselves.
  void setPasswordPrompt(PasswordPrompt prompt) { prompt_ = std::move(prompt); }

 protected:
  void loadRecord(ViewRecord& record) override;
  void storeRecord(const ViewRecord& record) override;

 private:
  void changeWritePassword();
  PasswordPrompt prompt_;
};

}  // namespace vex::gui
