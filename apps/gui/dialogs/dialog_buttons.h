#pragma once
// The standard buttons of a template dialog: OK (id 1) accepts, Cancel (id 2)
// rejects and Help (id 9) opens the help topic of the dialog's template,
// which is also the topic F1 falls back to.
class QDialog;

namespace vex::gui {

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdHelp = 9;

void connectStandardButtons(QDialog* dialog, int helpContext);

}  // namespace vex::gui
