#pragma once
// CMainFrame: the MDI main window with the navigation tree, status bar,
// toolbar, log bars, menus and the open-view list; relays the view messages.
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include <QMainWindow>
#include <QPointer>

#include "views/view_host.h"
#include "workspace/view_table.h"

class QAction;
class QDockWidget;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace vex::gui {

class CChildFrame;

class CMainFrame : public QMainWindow, public ViewHost {
  Q_OBJECT
 public:
  enum CloseAnswer { kYes, kNo, kCancel };

  explicit CMainFrame(QWidget* parent = nullptr);
  ~CMainFrame() override;

  // Opens (or re-activates) the view of a tree or Edit menu command.
  CChildFrame* openView(int command, const QString& title = {});
  CChildFrame* frameOf(int viewCommand) const;
  std::vector<CChildFrame*> openFrames() const;
  void runCommand(int command);

  void sendToMainFrame(int message, long wParam, long lParam, const ChangeNotice* notice) override;

  // Rebuilds what depends on the language, level and current model.
  void fillTree();
  void buildMenus();
  void updateStatusTexts();
  void updateTitle();
  void setDocumentPath(const QString& path);
  void selectTreeRoot();
  // After a language change: title, status bar, log bars, tree and menus.
  void retranslate();

  void memoryUpdate();
  // Sends a message to the view of every open frame (of one class when given).
  void sendToViews(int message, std::optional<ViewClass> only = std::nullopt);
  void closeAllWindows();
  void closeAllButThis();

  // Test and start-up hooks: the close prompt's answer and the save action.
  void setClosePrompt(std::function<CloseAnswer()> prompt) { closePrompt_ = std::move(prompt); }
  void setSaveHandler(std::function<bool()> save) { saveHandler_ = std::move(save); }
  void setAboutHandler(std::function<void()> about) { aboutHandler_ = std::move(about); }
  // Commands implemented outside the frame (radio transfers, dialogs).
  void setCommandHandler(int command, std::function<void()> handler) { commandHandlers_[command] = std::move(handler); }

  QTreeWidget* tree() const { return tree_; }
  QMdiArea* mdiArea() const { return mdi_; }
  QDockWidget* invalidLogBar() const { return invalidDock_; }
  QDockWidget* logBar() const { return logDock_; }
  QAction* action(int command) const;
  QLabel* statusPane(int id) const;
  // Refreshes the Invalid Log bar from the container's Invalid Log.
  void refreshInvalidLog();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct OpenViewNode {
    int command;
    QPointer<CChildFrame> frame;
    ViewClass viewClass;
  };

  void createStatusBar();
  void createToolBar();
  void createDocks();
  void applyLogBarTexts();
  QAction* commandAction(int command, const QString& defaultText, const char* shortcut = nullptr);
  QString commandText(int command, const char* defaultText) const;
  CChildFrame* createFrame(const ViewEntry& entry, const QString& title);
  void frameActivated(QMdiSubWindow* window);
  void updateNavigation(CChildFrame* frame, int position);
  void markTreeItem(int viewCommand, int position);
  void treeActivated(QTreeWidgetItem* item);
  void contextHelp();
  void updateCheckMarks();
  void tick();

  QMdiArea* mdi_;
  QTreeWidget* tree_ = nullptr;
  QDockWidget* treeDock_ = nullptr;
  QDockWidget* logDock_ = nullptr;
  QDockWidget* invalidDock_ = nullptr;
  QTreeWidget* invalidList_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QTimer* clock_ = nullptr;
  QLabel* idleText_ = nullptr;
  std::map<int, QLabel*> panes_;
  std::map<int, QAction*> actions_;
  std::vector<OpenViewNode> openViews_;
  QString documentPath_;
  std::function<CloseAnswer()> closePrompt_;
  std::function<bool()> saveHandler_;
  std::function<void()> aboutHandler_;
  std::map<int, std::function<void()>> commandHandlers_;
};

}  // namespace vex::gui
