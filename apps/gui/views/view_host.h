#pragma once
// What a view may ask of the main frame: the one upward channel, so views do
// not depend on the workspace classes.
#include "core/change_notice.h"

namespace vex::gui {

class ViewHost {
 public:
  virtual ~ViewHost() = default;
  virtual void sendToMainFrame(int message, long wParam, long lParam, const ChangeNotice* notice) = 0;

  static ViewHost* current();
  static void setCurrent(ViewHost* host);
};

}  // namespace vex::gui
