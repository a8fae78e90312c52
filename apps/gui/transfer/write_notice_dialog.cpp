#include "transfer/write_notice_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "adapters/texts.h"
#include "base/text_ids.h"
#include "toolkit/control_id.h"
#include "toolkit/form_builder.h"
#include "toolkit/translate.h"

namespace vex::gui {
namespace {

using K = ControlKind;
constexpr ControlDef kControls[] = {
    {CDlgWriteNotice::kText, K::Label, "", 10, 8, 220, 60},
    {CDlgWriteNotice::kSwitchOff, K::Check, "Do not show this notice again", 10, 72, 220, 12},
    {1, K::Button, "OK", 126, 90, 50, 14},
    {2, K::Button, "Cancel", 180, 90, 50, 14},
};
constexpr FormDef kForm{CDlgWriteNotice::kTemplateId, "Warning", 240, 112, kControls};

}  // namespace

CDlgWriteNotice::CDlgWriteNotice(const QString& text, QWidget* parent) : QDialog(parent) {
  buildForm(this, kForm);
  check_ = findControlAs<QCheckBox>(this, kSwitchOff);
  auto* ok = findControlAs<QPushButton>(this, 1);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(findControlAs<QPushButton>(this, 2), &QPushButton::clicked, this, &QDialog::reject);
  translateWindow(this, kTemplateId);
  // The caption stays "Warning" when the language file has none for 1137.
  if (windowTitle().isEmpty()) setWindowTitle(QStringLiteral("Warning"));
  auto* label = findControlAs<QLabel>(this, kText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setText(text);
}

bool CDlgWriteNotice::switchOff() const { return check_->isChecked(); }
void CDlgWriteNotice::setSwitchOff(bool on) { check_->setChecked(on); }

QString writeNoticeText(bool readSet, bool writeSet, bool powerOnSet) {
  std::string text;
  if (readSet) text += texts::label(text::kNoticeReadPassword) + "\n";
  if (writeSet) text += texts::label(text::kNoticeWritePassword) + "\n";
  if (powerOnSet) text += texts::label(text::kNoticePowerOnPassword) + "\n";
  text += texts::label(text::kNoticeClosing);
  return QString::fromStdString(text);
}

}  // namespace vex::gui
