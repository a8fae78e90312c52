#include "help/dialog_help.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>

#include "help/help_window.h"
#include "toolkit/control_id.h"

namespace vex::gui {

void DialogHelpFilter::install() {
  static DialogHelpFilter* filter = nullptr;
  if (!filter) {
    filter = new DialogHelpFilter(qApp);
    qApp->installEventFilter(filter);
  }
}

bool DialogHelpFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  auto* dialog = widget ? qobject_cast<QDialog*>(widget->window()) : nullptr;
  if (!dialog) return false;
  HelpWindow::showContext({controlIdAround(widget, dialog), dialog->property(kTemplateIdProperty).toInt()});
  return true;
}

}  // namespace vex::gui
