#include "dialogs/dialog_buttons.h"

#include <QDialog>
#include <QPushButton>

#include "help/dialog_help.h"
#include "help/help_window.h"
#include "toolkit/control_id.h"

namespace vex::gui {

void connectStandardButtons(QDialog* dialog, int helpContext) {
  dialog->setProperty(kTemplateIdProperty, helpContext);  // F1 falls back to it
  if (auto* ok = findControlAs<QPushButton>(dialog, kIdOk)) {
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  }
  if (auto* cancel = findControlAs<QPushButton>(dialog, kIdCancel))
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  if (auto* help = findControlAs<QPushButton>(dialog, kIdHelp))
    QObject::connect(help, &QPushButton::clicked, dialog, [helpContext] { HelpWindow::showContext({helpContext}); });
}

}  // namespace vex::gui
