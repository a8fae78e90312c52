#pragma once
// CChildFrame: one MDI child window holding the navigation bar and one form view.
#include <QMdiSubWindow>

#include "workspace/view_table.h"

namespace vex::gui {

class CCustomFormView;
class CNavBar;

class CChildFrame : public QMdiSubWindow {
  Q_OBJECT
 public:
  CChildFrame(const ViewEntry& entry, CCustomFormView* view, QWidget* parent = nullptr);

  const ViewEntry& entry() const { return entry_; }
  CCustomFormView* view() const { return view_; }
  CNavBar* navBar() const { return navBar_; }

  // WM_NAV_STATE and WM_NAV_POSITION, passed to the bar.
  void navState(int multiRecord, int code);
  void navPosition(int position, int count);
  // Resizes the frame so the whole form shows.
  void fitToForm();
  // Moves the frame, once shown, so that it lies whole inside the visible
  // workspace, title bar and buttons included.
  void keepInsideArea();
  // Places the frame opened after `others` open frames: one title bar lower
  // and further right than the one before, as Cascade lays them out, from
  // the top left again when the next step would leave the workspace.
  void placeInCascade(int others);
  void frameCommand(int command);
  // Closed: its view stored and it waits for deletion.
  bool isClosing() const { return closed_; }

 signals:
  void printRequested(CChildFrame* frame);
  // The frame closes; it is deleted once control returns to the event loop.
  void closing();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The space the frames have. Before the main window shows, that is the
  // screen less the tree bar beside it and the menu, tool and status bars.
  QSize areaSpace() const;
  void move(int k);
  void buildFrameMenu();
  ViewEntry entry_;
  CCustomFormView* view_;
  CNavBar* navBar_;
  bool closed_ = false;
};

}  // namespace vex::gui
