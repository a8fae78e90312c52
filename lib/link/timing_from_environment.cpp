#include "link/timing_from_environment.h"

#include <cstdlib>
#include <cstring>

namespace vex {

bool QuickLinkTimingRequested() {
  const char* value = std::getenv(kLinkTimingVariable);
  return value != nullptr && std::strcmp(value, "quick") == 0;
}

LinkTiming QuickLinkTiming() {
  LinkTiming t;
  t.configurePause = std::chrono::microseconds(500);
  t.requestPause = std::chrono::microseconds(1500);
  t.writePause = std::chrono::microseconds(0);
  return t;
}

LinkTiming LinkTimingFromEnvironment() { return QuickLinkTimingRequested() ? QuickLinkTiming() : LinkTiming{}; }

}  // namespace vex
