#pragma once
// CMainFrame: the MDI main window with the navigation tree, status bar,
// toolbar, log bars, menus and the open-view list; relays the view messages
// and answers the views' requests (ViewHost).
//
// main_frame.cpp       construction, bars, title, whole-workspace commands
// main_frame_menus.cpp the menus, their actions, status prompts and check marks
// main_frame_views.cpp the open-view list, child frames, navigation state,
//                      the view messages and the views' requests
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include <QMainWindow>
#include <QPointer>

#include "core/edit_history.h"
#include "views/view_host.h"
#include "workspace/log_bars.h"
#include "workspace/nav_tree.h"
#include "workspace/view_table.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class QToolBar;

namespace vex::gui {

class CChildFrame;

class CMainFrame : public QMainWindow, public ViewHost {
  Q_OBJECT
 public:
  enum CloseAnswer { kYes, kNo, kCancel };

  explicit CMainFrame(QWidget* parent = nullptr);
  ~CMainFrame() override;

  // Opens (or re-activates) the view of a tree or Edit menu command, showing
  // record `record` (1-based) of a multi-record view when it is not 0.
  CChildFrame* openView(int command, const QString& title = {}, int record = 0);
  CChildFrame* frameOf(int viewCommand) const;
  // The frames that are open (not closing).
  std::vector<CChildFrame*> openFrames() const;
  void runCommand(int command);

  // ViewHost: what the views ask of the main frame.
  void sendToMainFrame(int message, long wParam, long lParam, const ChangeNotice* notice) override;
  void showView(int command, const std::string& title, int record = 0) override;
  void positionChanged(CCustomFormView* view) override;
  void hideFrameOf(CCustomFormView* view) override;
  void closeFrameOf(CCustomFormView* view) override;
  void refresh(int what) override;
  void showMessageText(int messageId) override;
  void showStatusText(const std::string& text) override;

  // Rebuilds what depends on the language, level and current model.
  void fillTree();
  void buildMenus();
  void updateStatusTexts();
  void updateTitle();
  void setDocumentPath(const QString& path);
  // The open file's path, empty when none is open.
  const QString& documentPath() const { return documentPath_; }
  // New data replaced the old (New, Open, Read): they come from `path`
  // (empty: not from a file), the Invalid Log of the old data goes, and
  // nothing counts as changed. documentReplaced tells the file commands.
  void dataReplaced(const QString& path);
  // Whether the data differ from what was last opened, read or saved; the
  // open views commit what they hold first, so a pending edit counts.
  bool isModified();
  // The data were saved: the current state is the unmodified one.
  void dataSaved();
  // The data changed outside the views (an import): what changed since the
  // last step becomes one undo step, and the title shows the data modified.
  void recordEdits();
  // Undo or redo one edit (one store, one bulk edit or one record move); the
  // open views reload and keep their record.
  void undo();
  void redo();
  EditHistory& history() { return history_; }
  void selectTreeRoot();
  // After a language change: title, status bar, log bars, tree and menus.
  void retranslate();

  void memoryUpdate();
  // Every open view stores its edits (an edit being typed in is left first).
  void storeAllViews();
  // Sends a message to the view of every open frame (of one class when given).
  void sendToViews(int message, std::optional<ViewClass> only = std::nullopt);
  // Closes every frame (they are deleted once control returns to the event loop).
  void closeAllWindows();
  void closeAllButThis();

  // Test and start-up hooks: the close prompt's answer, the save action, the
  // About box and the message boxes views ask for.
  void setClosePrompt(std::function<CloseAnswer()> prompt) { closePrompt_ = std::move(prompt); }
  void setSaveHandler(std::function<bool()> save) { saveHandler_ = std::move(save); }
  void setAboutHandler(std::function<void()> about) { aboutHandler_ = std::move(about); }
  void setMessageTextHandler(std::function<void(int)> show) { messageTextHandler_ = std::move(show); }
  // Commands implemented outside the frame (radio transfers, dialogs).
  void setCommandHandler(int command, std::function<void()> handler) { commandHandlers_[command] = std::move(handler); }

  CNavTree* tree() const { return tree_; }
  QMdiArea* mdiArea() const { return mdi_; }
  CLogBar* invalidLogBar() const { return invalidDock_; }
  CLogBar* logBar() const { return logDock_; }
  QAction* action(int command) const;
  QLabel* statusPane(int id) const;
  // Refreshes the Invalid Log bar from the container's Invalid Log.
  void refreshInvalidLog();

 signals:
  void documentReplaced(const QString& path);
  // A child frame's Print button: print the section of the view with this template.
  void printViewRequested(int templateId);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct OpenViewNode {
    int command;
    QPointer<CChildFrame> frame;
    ViewClass viewClass;
  };

  // main_frame.cpp
  void createStatusBar();
  void createToolBar();
  void createDocks();
  void applyLogBarTexts();
  void contextHelp();
  void tick();
  // main_frame_menus.cpp
  QAction* commandAction(int command, const QString& defaultText, const char* shortcut = nullptr);
  void addEditMenu(QMenu* menu);
  void scheduleRecordEdits();
  void stepHistory(bool (EditHistory::*step)());
  void updateUndoActions();
  void updateCheckMarks();
  // main_frame_views.cpp
  CChildFrame* createFrame(const ViewEntry& entry, const QString& title);
  CChildFrame* frameOfView(const CCustomFormView* view) const;
  void frameActivated(QMdiSubWindow* window);
  // The bar state and position of a frame; with `goTo` the view first moves to that record.
  void updateNavigation(CChildFrame* frame, int goTo = 0);
  // After a record list changed: its tree children and every frame on it.
  void listChanged(RecordKind list);

  QMdiArea* mdi_;
  CNavTree* tree_ = nullptr;
  QDockWidget* treeDock_ = nullptr;
  CLogBar* logDock_ = nullptr;
  CLogBar* invalidDock_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QTimer* clock_ = nullptr;
  QLabel* idleText_ = nullptr;
  std::map<int, QLabel*> panes_;
  std::map<int, QAction*> actions_;
  std::vector<OpenViewNode> openViews_;
  QString documentPath_;
  EditHistory history_;
  bool recordPending_ = false;
  std::function<CloseAnswer()> closePrompt_;
  std::function<bool()> saveHandler_;
  std::function<void()> aboutHandler_;
  std::function<void(int)> messageTextHandler_;
  std::map<int, std::function<void()>> commandHandlers_;
};

}  // namespace vex::gui
