#pragma once
// Small windows (message boxes, the busy box) as wide as their titles: the
// window manager cuts a title its window is too narrow for, and a message
// box sizes itself by its text alone.
class QWidget;

namespace vex::gui {

// The width a window needs for its whole title next to the window manager's
// icon and buttons (a guess: the title bar's font and buttons are the window
// manager's own).
int widthForTitle(const QWidget& window);

// From now on every message box and progress box that shows grows to its
// title's width.
void fitDialogsToTheirTitles();

}  // namespace vex::gui
