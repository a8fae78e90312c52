#include "views/view_host.h"

namespace vex::gui {
namespace {
ViewHost* gHost = nullptr;
}

ViewHost* ViewHost::current() { return gHost; }
void ViewHost::setCurrent(ViewHost* host) { gHost = host; }

}  // namespace vex::gui
