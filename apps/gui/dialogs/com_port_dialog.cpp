#include "dialogs/com_port_dialog.h"

#include <QButtonGroup>
#include <QRadioButton>

#include "base/text_ids.h"
#include "dialogs/dialog_buttons.h"
#include "toolkit/control_id.h"
#include "toolkit/form_builder.h"
#include "toolkit/translate.h"

namespace vex::gui {
namespace {

constexpr int kGroup = text::kPortGroup;
constexpr int kFirstButton = text::kPortButtonFirst;  // button 1020 + n stands for port n

constexpr ControlDef kControls[] = {
    {kGroup, ControlKind::Group, "Ports", 7, 4, 226, 112},
    {text::kPortButton1, ControlKind::Radio, "COM1", 14, 16, 106, 10},
    {text::kPortButton2, ControlKind::Radio, "COM2", 14, 28, 106, 10},
    {text::kPortButton3, ControlKind::Radio, "COM3", 14, 40, 106, 10},
    {text::kPortButton4, ControlKind::Radio, "COM4", 14, 52, 106, 10},
    {text::kPortButton5, ControlKind::Radio, "COM5", 14, 64, 106, 10},
    {text::kPortButton6, ControlKind::Radio, "COM6", 14, 76, 106, 10},
    {text::kPortButton7, ControlKind::Radio, "COM7", 14, 88, 106, 10},
    {text::kPortButton8, ControlKind::Radio, "COM8", 14, 100, 106, 10},
    {text::kPortButton9, ControlKind::Radio, "COM9", 122, 16, 106, 10},
    {text::kPortButton10, ControlKind::Radio, "COM10", 122, 28, 106, 10},
    {text::kPortButton11, ControlKind::Radio, "COM11", 122, 40, 106, 10},
    {text::kPortButton12, ControlKind::Radio, "COM12", 122, 52, 106, 10},
    {text::kPortButton13, ControlKind::Radio, "COM13", 122, 64, 106, 10},
    {text::kPortButton14, ControlKind::Radio, "COM14", 122, 76, 106, 10},
    {text::kPortButton15, ControlKind::Radio, "COM15", 122, 88, 106, 10},
    {text::kPortButton16, ControlKind::Radio, "COM16", 122, 100, 106, 10},
    {kIdOk, ControlKind::Button, "OK", 240, 8, 50, 14},
    {kIdCancel, ControlKind::Button, "Cancel", 240, 26, 50, 14},
    {kIdHelp, ControlKind::Button, "Help", 240, 44, 50, 14},
};
constexpr FormDef kForm{CDlgComPort::kTemplateId, "Communication Port", 297, 122, kControls};

}  // namespace

CDlgComPort::CDlgComPort(int initial, const PortStates& ports, QWidget* parent) : QDialog(parent) {
  buildForm(this, kForm);
  translateWindow(this, kTemplateId);
  connectStandardButtons(this, kTemplateId);
  auto* group = new QButtonGroup(this);
  for (int n = 1; n <= 16; ++n) {
    auto* button = findControlAs<QRadioButton>(this, kFirstButton + n - 1);
    if (!button) continue;
    group->addButton(button, n - 1);
    const PortState& port = ports[n - 1];
    if (!port.device.empty())
      button->setText(button->text() + QStringLiteral("  ") + QString::fromStdString(port.device));
    button->setEnabled(port.available);
    // A remembered port that cannot be opened is not offered as the choice.
    if (!port.available && initial == n - 1) initial = -1;
  }
  if (initial >= 0 && initial < 16) {
    if (auto* chosen = group->button(initial)) chosen->setChecked(true);
  }
}

int CDlgComPort::selection() const {
  for (int n = 0; n < 16; ++n)
    if (auto* button = findControlAs<QRadioButton>(this, kFirstButton + n); button && button->isChecked()) return n;
  return -1;
}

}  // namespace vex::gui
