#include "views/view_password.h"

#include <QLineEdit>
#include <QPushButton>

#include "adapters/radio_data.h"
#include "core/sections/password_section.h"
#include "dialogs/radio_password_dialog.h"

namespace vex::gui {
namespace {

using K = ControlKind;
using Which = PasswordSection::Which;
constexpr int kLength = static_cast<int>(PasswordSection::kFieldLength);

constexpr ControlDef kControls[] = {
    // The radio's power-on/keylock password is not offered.
    {6352, K::Label, "Radio Power on/keylock Password", 12, 10, 150, 12, kStyleHidden},
    {CViewPassword::kPowerOn, K::DigitEdit, "", 166, 9, 70, 13, kStyleHidden, kLength},
    {6354, K::Label, "Radio Write/Tune/Dealer Data Password", 12, 10, 150, 12},
    {CViewPassword::kWrite, K::ReadOnlyEdit, "", 166, 9, 70, 13, 0, kLength},
    {CViewPassword::kChangeWrite, K::Button, "...", 240, 9, 18, 13},
    {6356, K::Label, "Radio Read Data Password", 12, 28, 150, 12},
    {CViewPassword::kRead, K::DigitEdit, "", 166, 27, 70, 13, 0, kLength},
};
constexpr FormDef kForm{CViewPassword::kTemplateId, "Passwords", 268, 50, kControls};

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
