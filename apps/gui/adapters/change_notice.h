#pragma once
// The change notice that channel, personality and scan views announce with
// WM_DATA_CHANGED. lib/core defines it; this stand-in keeps its members until
// core/change_notice.h is on main.
#include <string>

namespace vex::gui {

struct ChangeNotice {
  void* window = nullptr;
  int controlId = 0;
  int kind = 0;
  std::string text1, text2, text3, text4;
  int extra = 0;
  int key = 0;
};

}  // namespace vex::gui
