#include "workspace/nav_state.h"

namespace vex::gui {

NavState computeNavState(int most, int count, int position) {
  if (most == 0) return {0, 0};
  if (most == 1) return {1, 7};
  // A file or radio may bring one record more than Add makes: such a list
  // is full, and its last record is the last of the list, not number `most`.
  if (count >= most) {
    if (position <= 1) return {1, 2};
    if (position >= count) return {1, 4};
    return {1, 6};
  }
  if (count <= 1) return {1, 1};
  if (position <= 1) return {1, 0};
  if (position >= count) return {1, 3};
  return {1, 5};
}

}  // namespace vex::gui
