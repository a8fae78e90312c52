#include "views/view_password.h"

#include <QLineEdit>
#include <QPushButton>

#include "adapters/radio_data.h"
#include "core/sections/password_section.h"
#include "dialogs/radio_password_dialog.h"

namespace vex::gui {
namespace {

using Which = PasswordSection::Which;
constexpr int kLength = static_cast<int>(PasswordSection::kFieldLength);

consteval const FieldDef& password(std::string_view key) { return SchemaField(FieldArea::Passwords, key); }

constexpr FormLine kLines[] = {
    // The radio's power-on/keylock password is not offered.
    fieldLine(password("power_on_password"), {.kind = ControlKind::DigitEdit, .style = kStyleHidden}),
    fieldLine(password("write_password"), {.kind = ControlKind::ReadOnlyEdit, .maxLength = kLength}),
    ownLine(0, "", CViewPassword::kChangeWrite, ControlKind::Button, {.width = 18, .besidePrevious = true}, "..."),
    fieldLine(password("read_password"), {.kind = ControlKind::DigitEdit}),
};
constexpr SettingsForm kForm{CViewPassword::kTemplateId, "Passwords", {150, 70}, kLines};

constexpr std::pair<int, Which> kEdits[] = {{CViewPassword::kPowerOn, PasswordSection::kPowerOn},
                                            {CViewPassword::kWrite, PasswordSection::kWrite},
                                            {CViewPassword::kRead, PasswordSection::kRead}};

// Passwords are bytes. Each byte shows as the character of that code, so a
// field the view cannot otherwise show (an erased 0xFF, say) is stored back
// exactly as it came.
std::string shownText(const std::string& bytes) { return QString::fromLatin1(bytes).toStdString(); }
std::string storedBytes(const std::string& text) { return QString::fromStdString(text).toLatin1().toStdString(); }

std::optional<std::string> askWithDialog(QWidget* parent) {
  CDlgPassword dialog(parent, CDlgPassword::Entry::Twice);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.password();
}

}  // namespace

CViewPassword::CViewPassword(QWidget* parent) : CSettingsView(kForm, FieldArea::Passwords, parent) {
  qobject_cast<QLineEdit*>(control(kWrite))->setEchoMode(QLineEdit::Password);
  prompt_ = askWithDialog;
  connect(qobject_cast<QPushButton*>(control(kChangeWrite)), &QPushButton::clicked, this,
          &CViewPassword::changeWritePassword);
}

void CViewPassword::loadRecord(ViewRecord& record) {
  PasswordSection& section = radio_data::passwords();
  section.loadTexts();
  for (auto [id, which] : kEdits) record.texts[id] = shownText(section.text(which));
}

void CViewPassword::storeRecord(const ViewRecord& record) {
  PasswordSection& section = radio_data::passwords();
  for (auto [id, which] : kEdits) {
    auto text = record.texts.find(id);
    if (which != PasswordSection::kWrite && text != record.texts.end())
      section.setText(which, storedBytes(text->second));
  }
  section.storeTexts();
}

void CViewPassword::changeWritePassword() {
  if (std::optional<std::string> password = prompt_(this))
    radio_data::passwords().setText(PasswordSection::kWrite, *password);
  store();
  load();
}

}  // namespace vex::gui
