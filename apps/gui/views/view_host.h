#pragma once
// What a view may ask of the main frame: the one upward channel, so views do
// not depend on the workspace classes. The main frame implements it; tests
// give hosts of their own (the defaults do nothing).
#include <string>

#include "core/change_notice.h"

namespace vex::gui {

class CCustomFormView;

class ViewHost {
 public:
  // What `refresh` brings in step with the data.
  enum Refresh : int {
    kRefreshTree = 1,       // the tree's root label and record children
    kRefreshStatus = 2,     // the status bar's model, range and port
    kRefreshRadioInfo = 4,  // every open Radio Information view reloads
  };

  virtual ~ViewHost() = default;
  virtual void sendToMainFrame(int message, long wParam, long lParam, const ChangeNotice* notice) = 0;

  // Opens (or activates) the view of a tree or Edit menu command; an empty
  // title takes the command's label text. A multi-record view shows record
  // `record` (from 1) when it is given.
  virtual void showView(int command, const std::string& title, int record = 0) {
    (void)command;
    (void)title;
    (void)record;
  }
  // A view made another record current without a move (a click in a list):
  // its navigation bar and the tree follow.
  virtual void positionChanged(CCustomFormView* view) { (void)view; }
  // Hides the frame of `view`; it stays open and comes back when its view
  // is opened again.
  virtual void hideFrameOf(CCustomFormView* view) { (void)view; }
  // Closes the frame of `view` once control has returned to the event loop,
  // so a view may ask for it from inside its own slots.
  virtual void closeFrameOf(CCustomFormView* view) { (void)view; }
  virtual void refresh(int what) { (void)what; }
  // A message box with message text `messageId` (an OK button).
  virtual void showMessageText(int messageId) { (void)messageId; }
  // A passing line in the status bar's message pane.
  virtual void showStatusText(const std::string& text) { (void)text; }

  static ViewHost* current();
  static void setCurrent(ViewHost* host);
};

}  // namespace vex::gui
