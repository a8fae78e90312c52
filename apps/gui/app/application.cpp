#include "app/application.h"

#include <QApplication>

namespace vex::gui {

int runApplication(int argc, char** argv) {
  QApplication app(argc, argv);
  return 0;
}

}  // namespace vex::gui
