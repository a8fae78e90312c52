#include "app/about_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "core/data_version.h"
#include "help/dialog_help.h"
#include "toolkit/control_id.h"
#include "toolkit/form_builder.h"
#include "toolkit/translate.h"

namespace vex::gui {
namespace {

using K = ControlKind;
constexpr ControlDef kControls[] = {
    {0, K::Label, "vexprog " VEX_GUI_VERSION, 12, 10, 180, 12},
    {1001, K::Label, "Programming software for PMR446 radios", 12, 26, 180, 12},
    {1002, K::Label, "", 12, 42, 180, 12},
    {1, K::Button, "OK", 150, 62, 50, 14},
};
constexpr FormDef kForm{CAboutDialog::kTemplateId, "About vexprog", 212, 84, kControls};

}  // namespace

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent) {
  buildForm(this, kForm);
  setProperty(kTemplateIdProperty, kTemplateId);
  if (auto* version = findControlAs<QLabel>(this, 1002))
    version->setText(QStringLiteral("Data version %1").arg(QString::fromLatin1(kProgramDataVersion)));
  auto* ok = findControlAs<QPushButton>(this, 1);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  translateWindow(this, kTemplateId);
}

}  // namespace vex::gui
