#pragma once

class QWidget;

namespace vex::gui {

// Starts vexprog: options, settings and language, the document, the main
// frame and the splash, then runs the event loop.
int runApplication(int argc, char** argv);

// Shows a window maximized; it first covers the screen's available area so
// that it is full size even where no window manager maximizes it.
void showMaximizedOnScreen(QWidget* window);

}  // namespace vex::gui
