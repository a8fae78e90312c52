#pragma once
// Which record moves are possible: the state the main frame sends to a child
// frame's navigation bar.
namespace vex::gui {

struct NavState {
  int multiRecord;  // 0: the view edits no list
  int code;         // state code 0..9
};

// From the view's most records, the records in its list and the position shown (1-based).
NavState computeNavState(int mostRecords, int count, int position);

}  // namespace vex::gui
