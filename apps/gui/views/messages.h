#pragma once
// The view messages, with their historic numbers (WM_USER + n). They are
// delivered by CCustomFormView::handleMessage; a change notice travels as a
// pointer argument of its own, never inside an integer.
namespace vex::gui {

enum ViewMessage : int {
  WM_USER = 0x0400,
  WM_VIEW_LOAD = WM_USER + 100,
  WM_VIEW_STORE = WM_USER + 101,
  WM_VIEW_NAVIGATE = WM_USER + 102,
  WM_NAV_STATE = WM_USER + 103,
  WM_DATA_CHANGED = WM_USER + 104,
  WM_WATCH_UPDATE = WM_USER + 105,
  WM_NAV_POSITION = WM_USER + 106,
  WM_VIEW_SHOW_LIST = WM_USER + 107,
  WM_SHOW_TEXT = WM_USER + 116,
};

// wParam of WM_DATA_CHANGED when a change notice comes with it.
inline constexpr long kChangeNoticeTag = 0xEEEEFFFF;

// Record moves carried in lParam of WM_VIEW_NAVIGATE.
enum NavigateMove : int {
  kMoveFirst = 0,
  kMovePrevious = 1,
  kMoveNext = 2,
  kMoveLast = 3,
  kMoveAdd = 4,
  kMoveDelete = 5,
  kMoveTo = 6,
};

}  // namespace vex::gui
