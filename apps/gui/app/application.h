#pragma once

namespace vex::gui {

// Starts vexprog: options, settings and language, the document, the main
// frame and the splash, then runs the event loop.
int runApplication(int argc, char** argv);

}  // namespace vex::gui
