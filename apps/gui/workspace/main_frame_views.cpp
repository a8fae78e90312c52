// The main frame's child frames: the open-view list, opening and closing
// frames, the navigation bars' state, the view messages and what views ask
// of the main frame.
#include <QMdiArea>
#include <QTimer>

#include "adapters/radio_data.h"
#include "adapters/texts.h"
#include "views/custom_form_view.h"
#include "views/messages.h"
#include "workspace/child_frame.h"
#include "workspace/main_frame.h"
#include "workspace/nav_state.h"
#include "workspace/nav_tree.h"

namespace vex::gui {
CChildFrame* CMainFrame::frameOf(int viewCommand) const {
  for (const OpenViewNode& node : openViews_)
    if (node.command == viewCommand && node.frame && !node.frame->isClosing()) return node.frame.data();
  return nullptr;
}

std::vector<CChildFrame*> CMainFrame::openFrames() const {
  std::vector<CChildFrame*> frames;
  for (const OpenViewNode& node : openViews_)
    if (node.frame && !node.frame->isClosing()) frames.push_back(node.frame.data());
  return frames;
}

CChildFrame* CMainFrame::frameOfView(const CCustomFormView* view) const {
  for (CChildFrame* frame : openFrames())
    if (frame->view() == view) return frame;
  return nullptr;
}

CChildFrame* CMainFrame::openView(int command, const QString& title, int record) {
  const int viewCommand = viewCommandFor(command);
  const ViewEntry* entry = findView(viewCommand);
  if (!entry) return nullptr;
  CChildFrame* frame = frameOf(viewCommand);
  if (frame) {
    frame->show();
    mdi_->setActiveSubWindow(frame);
  } else {
    frame = createFrame(*entry, title);
    auto node = std::find_if(openViews_.begin(), openViews_.end(),
                             [viewCommand](const OpenViewNode& n) { return n.command == viewCommand; });
    if (node != openViews_.end())
      node->frame = frame;
    else
      openViews_.push_back({viewCommand, frame, entry->viewClass});
  }
  if (!title.isEmpty()) frame->setWindowTitle(title);
  updateNavigation(frame, record);
  tree_->markItem(viewCommand, frame->view()->position());
  updateCheckMarks();
  return frame;
}

CChildFrame* CMainFrame::createFrame(const ViewEntry& entry, const QString& title) {
  CCustomFormView* view = createView(entry);
  auto* frame = new CChildFrame(entry, view);
  mdi_->addSubWindow(frame);
  view->initialUpdate();
  QString shown = title;
  if (shown.isEmpty()) shown = QString::fromStdString(texts::label(entry.command)).remove('&');
  if (shown.isEmpty()) shown = QString::fromUtf8(entry.defaultTitle);
  frame->setWindowTitle(shown);
  frame->fitToForm();
  connect(frame, &CChildFrame::closing, this, [this] { QTimer::singleShot(0, this, &CMainFrame::updateCheckMarks); });
  connect(frame, &CChildFrame::printRequested, this,
          [this](CChildFrame* printing) { emit printViewRequested(printing->view()->templateId()); });
  const int others = static_cast<int>(openFrames().size());
  frame->show();
  frame->placeInCascade(others);
  mdi_->setActiveSubWindow(frame);
  return frame;
}

void CMainFrame::frameActivated(QMdiSubWindow* window) {
  auto* frame = qobject_cast<CChildFrame*>(window);
  if (!frame || frame->isClosing()) return;
  frame->view()->restoreFocus();
  updateNavigation(frame);
  tree_->markItem(frame->entry().command, frame->view()->position());
}

void CMainFrame::updateNavigation(CChildFrame* frame, int goTo) {
  const ViewEntry& entry = frame->entry();
  CCustomFormView* view = frame->view();
  if (goTo > 0 && goTo != view->position()) view->deliver(WM_VIEW_NAVIGATE, goTo, kMoveTo);
  const int position = view->position();
  const int count = entry.list ? radio_data::recordCount(*entry.list) : 0;
  const NavState state = computeNavState(entry.mostRecords, count, position);
  frame->navState(state.multiRecord, state.code);
  if (state.multiRecord && entry.mostRecords > 1) frame->navPosition(position, count);
  if (entry.viewClass == ViewClass::Channel) frame->navState(1, 9);
}

void CMainFrame::listChanged(RecordKind list) {
  tree_->rebuildRecordChildren(list);
  for (CChildFrame* frame : openFrames())
    if (frame->entry().list == list) updateNavigation(frame);
}

void CMainFrame::sendToMainFrame(int message, long wParam, long lParam, const ChangeNotice* notice) {
  if (message == WM_DATA_CHANGED) {
    scheduleRecordEdits();
    for (CChildFrame* frame : openFrames()) frame->view()->deliver(WM_DATA_CHANGED, wParam, lParam, notice);
    // A record came or went: the tree and the bars follow the lists.
    if (notice && (notice->kind == ChangeNotice::kAdd || notice->kind == kMoveDelete))
      for (RecordKind list :
           {RecordKind::Channel, RecordKind::Personality, RecordKind::ScanList, RecordKind::AlertTone})
        listChanged(list);
    return;
  }
  if (message != WM_VIEW_NAVIGATE) return;
  // A view moved: every frame on the same list gets its bar state and
  // position (the view itself has moved already), and the tree follows.
  const ViewEntry* sender = findView(static_cast<ViewClass>(wParam));
  if (!sender || !sender->list) return;
  listChanged(*sender->list);
  if (CChildFrame* frame = frameOf(sender->command)) tree_->markItem(sender->command, frame->view()->position());
}

void CMainFrame::sendToViews(int message, std::optional<ViewClass> only) {
  for (CChildFrame* frame : openFrames())
    if (!only || frame->entry().viewClass == *only) frame->view()->deliver(message, 0, 0);
}

void CMainFrame::closeAllWindows() {
  for (CChildFrame* frame : openFrames()) frame->close();
  updateCheckMarks();
}

void CMainFrame::closeAllButThis() {
  auto* active = qobject_cast<CChildFrame*>(mdi_->activeSubWindow());
  for (CChildFrame* frame : openFrames())
    if (frame != active) frame->close();
  updateCheckMarks();
}

void CMainFrame::showView(int command, const std::string& title, int record) {
  openView(command, QString::fromStdString(title), record);
}

void CMainFrame::positionChanged(CCustomFormView* view) {
  CChildFrame* frame = frameOfView(view);
  if (!frame) return;
  updateNavigation(frame);
  tree_->markItem(frame->entry().command, view->position());
}

void CMainFrame::hideFrameOf(CCustomFormView* view) {
  if (CChildFrame* frame = frameOfView(view)) frame->hide();
}

void CMainFrame::closeFrameOf(CCustomFormView* view) {
  if (CChildFrame* frame = frameOfView(view)) QMetaObject::invokeMethod(frame, &QWidget::close, Qt::QueuedConnection);
}

void CMainFrame::refresh(int what) {
  if (what & kRefreshTree) fillTree();
  if (what & kRefreshStatus) updateStatusTexts();
  if (what & kRefreshRadioInfo) sendToViews(WM_VIEW_LOAD, ViewClass::Radio);
}

}  // namespace vex::gui
