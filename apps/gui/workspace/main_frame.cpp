#include "workspace/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDockWidget>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include "adapters/radio_data.h"
#include "adapters/settings.h"
#include "adapters/texts.h"
#include "base/text_ids.h"
#include "help/help_window.h"
#include "views/custom_form_view.h"
#include "views/messages.h"
#include "workspace/child_frame.h"
#include "workspace/menu_table.h"
#include "workspace/nav_state.h"

namespace vex::gui {
namespace {

enum : int {
  kPaneRadio = 59143,
  kPaneRange = 59144,
  kPanePort = 59145,
  kPaneClock = 59146,
  kTitleText = text::kCaptionMainTitle,
  kClosePromptText = text::kMsgSaveBeforeClosing,
  kPortText = text::kMsgPortPane,
  kDefaultPrompt = text::kCmdIdleMessage,
  kLogTitle = text::kCaptionLogBar,
  kLogColumn1 = text::kLogColumnItem,
  kLogColumn2 = text::kLogColumnDescription,
  kMenuTitleBase = text::kMenuFile,
  kFirstViewCommand = 32800,
  kLastViewCommand = 32950,
};
constexpr int kIdRole = Qt::UserRole;
constexpr int kRecordRole = Qt::UserRole + 1;

QString textOr(const std::string& text, const QString& fallback) {
  return text.empty() ? fallback : QString::fromStdString(text);
}

bool levelShows(MenuLevel level) {
  switch (level) {
    case MenuLevel::All: return true;
    case MenuLevel::Extended: return settings::isExtendedLevel();
    case MenuLevel::Factory: return settings::isFactoryLevel();
  }
  return true;
}

bool isMultiRecordItem(int id) { return id == 32822 || id == 32824 || id == 32884 || id == 32889; }

}  // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent), mdi_(new QMdiArea) {
  setObjectName(QStringLiteral("CMainFrame"));
  ViewHost::setCurrent(this);
  setCentralWidget(mdi_);
  mdi_->setTabsClosable(true);
  mdi_->setTabsMovable(true);
  connect(mdi_, &QMdiArea::subWindowActivated, this, &CMainFrame::frameActivated);
  createStatusBar();
  createToolBar();
  createDocks();
  fillTree();
  buildMenus();
  treeDock_->setWindowTitle(action(kCmdTreeBar)->text().remove('&'));
  clock_ = new QTimer(this);
  connect(clock_, &QTimer::timeout, this, &CMainFrame::tick);
  clock_->start(1000);
  tick();
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, &CMainFrame::contextHelp);
  radio_data::setInvalidListener([this] { refreshInvalidLog(); });
  radio_data::setInvalidRevealHandler([this] {
    invalidDock_->show();
    updateCheckMarks();
  });
  updateStatusTexts();
  updateTitle();
}

CMainFrame::~CMainFrame() {
  // Children signal while the base class tears them down; this part is gone by then.
  for (QObject* sender : std::initializer_list<QObject*>{treeDock_, logDock_, invalidDock_, mdi_, tree_})
    if (sender) sender->disconnect(this);
  radio_data::setInvalidListener({});
  radio_data::setInvalidRevealHandler({});
  if (ViewHost::current() == this) ViewHost::setCurrent(nullptr);
}

QString CMainFrame::commandText(int command, const char* defaultText) const {
  return textOr(texts::label(command), QString::fromUtf8(defaultText ? defaultText : ""));
}

QAction* CMainFrame::commandAction(int command, const QString& defaultText, const char* shortcut) {
  QAction*& action = actions_[command];
  if (!action) {
    action = new QAction(this);
    action->setData(command);
    connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    addAction(action);
  }
  if (shortcut && action->shortcut().isEmpty()) action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
  // Menu texts may carry their accelerator after a tab, written "\\t" in the files.
  QString text = textOr(texts::label(command), defaultText).replace(QStringLiteral("\\t"), QStringLiteral("\t"));
  const qsizetype tab = text.indexOf('\t');
  if (tab >= 0) {
    action->setShortcut(QKeySequence(text.mid(tab + 1)));
    text.truncate(tab);
  }
  action->setText(text);
  std::string prompt = texts::labelWithoutMnemonic(command);
  if (prompt.empty()) prompt = texts::label(kDefaultPrompt);
  action->setStatusTip(QString::fromStdString(prompt));
  return action;
}

QAction* CMainFrame::action(int command) const {
  auto it = actions_.find(command);
  return it == actions_.end() ? nullptr : it->second;
}

QLabel* CMainFrame::statusPane(int id) const {
  auto it = panes_.find(id);
  return it == panes_.end() ? nullptr : it->second;
}

void CMainFrame::createStatusBar() {
  // The message pane: the idle text, covered while a command prompt shows.
  idleText_ = new QLabel;
  statusBar()->addWidget(idleText_, 1);
  const std::pair<int, const char*> panes[] = {{kPaneRadio, "RADIO NAME"},
                                               {kPaneRange, "  136 - 174MHz  "},
                                               {kPanePort, " COM4 "},
                                               {kPaneClock, "2006-12-24 23:59:59"}};
  for (auto [id, sizing] : panes) {
    auto* label = new QLabel(QString::fromLatin1(sizing));
    label->setMinimumWidth(label->sizeHint().width() + 8);
    label->setAlignment(Qt::AlignCenter);
    label->setObjectName(QStringLiteral("pane%1").arg(id));
    statusBar()->addPermanentWidget(label);
    panes_[id] = label;
  }
}

void CMainFrame::createToolBar() {
  toolBar_ = addToolBar(QStringLiteral("Toolbar"));
  toolBar_->setObjectName(QStringLiteral("toolbar128"));
  const std::pair<int, QStyle::StandardPixmap> buttons[] = {{kCmdFileNew, QStyle::SP_FileIcon},
                                                            {kCmdFileOpen, QStyle::SP_DialogOpenButton},
                                                            {kCmdFileSave, QStyle::SP_DialogSaveButton},
                                                            {0, QStyle::SP_CustomBase},
                                                            {kCmdRead, QStyle::SP_ArrowDown},
                                                            {kCmdWrite, QStyle::SP_ArrowUp},
                                                            {0, QStyle::SP_CustomBase},
                                                            {kCmdPrint, QStyle::SP_FileDialogContentsView},
                                                            {kCmdHelpTopics, QStyle::SP_MessageBoxQuestion}};
  for (auto [command, icon] : buttons) {
    if (command == 0) {
      toolBar_->addSeparator();
      continue;
    }
    QAction* act = commandAction(command, QString());
    act->setIcon(style()->standardIcon(icon));
    toolBar_->addAction(act);
  }
}

void CMainFrame::createDocks() {
  tree_ = new QTreeWidget;
  tree_->setObjectName(QStringLiteral("tree1017"));
  tree_->setHeaderHidden(true);
  tree_->setRootIsDecorated(true);
  tree_->installEventFilter(this);
  connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { treeActivated(item); });
  connect(tree_, &QTreeWidget::currentItemChanged, this, [](QTreeWidgetItem* current, QTreeWidgetItem* previous) {
    const QIcon normal = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    if (previous) previous->setIcon(0, normal);
    if (current) current->setIcon(0, QApplication::style()->standardIcon(QStyle::SP_ArrowRight));
  });
  treeDock_ = new QDockWidget(this);
  treeDock_->setObjectName(QStringLiteral("bar1016"));
  treeDock_->setWidget(tree_);
  treeDock_->setMinimumWidth(200);
  addDockWidget(Qt::LeftDockWidgetArea, treeDock_);

  auto makeLogBar = [this](const QString& name, QTreeWidget** listOut) {
    auto* dock = new QDockWidget(this);
    dock->setObjectName(name);
    auto* list = new QTreeWidget;
    list->setRootIsDecorated(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setColumnCount(2);
    list->setColumnWidth(0, 200);
    list->setColumnWidth(1, 300);
    dock->setWidget(list);
    addDockWidget(Qt::BottomDockWidgetArea, dock);
    dock->hide();
    if (listOut) *listOut = list;
    return dock;
  };
  logDock_ = makeLogBar(QStringLiteral("bar910"), nullptr);
  invalidDock_ = makeLogBar(QStringLiteral("barInvalid"), &invalidList_);
  applyLogBarTexts();
  for (QDockWidget* dock : {treeDock_, logDock_, invalidDock_})
    connect(dock, &QDockWidget::visibilityChanged, this, &CMainFrame::updateCheckMarks);
}

void CMainFrame::applyLogBarTexts() {
  logDock_->setWindowTitle(textOr(texts::label(kLogTitle), QStringLiteral("Log")));
  invalidDock_->setWindowTitle(textOr(texts::label(kCmdInvalidView), QStringLiteral("Invalid View")).remove('&'));
  for (QDockWidget* dock : {logDock_, invalidDock_})
    if (auto* list = qobject_cast<QTreeWidget*>(dock->widget()))
      list->setHeaderLabels({textOr(texts::label(kLogColumn1), QStringLiteral("Item")),
                             textOr(texts::label(kLogColumn2), QStringLiteral("Description"))});
}

void CMainFrame::fillTree() {
  tree_->clear();
  auto* root = new QTreeWidgetItem(tree_, {QString::fromStdString(settings::modelName())});
  root->setData(0, kIdRole, 0);
  std::vector<QTreeWidgetItem*> parents{root};  // parents[d] = parent of a row of depth d
  for (const TreeRow& row : treeTable()) {
    const int depth = std::min<int>(row.depth, static_cast<int>(parents.size()) - 1);
    parents.resize(depth + 1);
    const std::optional<std::string> text = texts::labelIfPresent(row.id);
    const QString shown = text ? QString::fromStdString(*text) : QString::fromUtf8(row.defaultText);
    // A hidden row hides its subtree: later deeper rows go under a dead parent.
    if (shown.isEmpty() || !visibleAtLevel(row.id) || parents.back() == nullptr) {
      parents.push_back(nullptr);
      continue;
    }
    auto* item = new QTreeWidgetItem(parents.back(), {shown});
    item->setData(0, kIdRole, row.id);
    item->setData(0, kRecordRole, 0);
    item->setIcon(0, style()->standardIcon(QStyle::SP_FileIcon));
    parents.push_back(item);
    if (isMultiRecordItem(row.id)) {
      const ViewEntry* entry = findView(row.id);
      const auto list = entry ? recordListOf(entry->viewClass) : std::nullopt;
      const int count = list ? std::min(radio_data::recordCount(*list), entry->mostRecords) : 0;
      for (int k = 1; k <= count; ++k) {
        auto* child = new QTreeWidgetItem(item, {shown + QString::number(k)});
        child->setData(0, kIdRole, row.id);
        child->setData(0, kRecordRole, k);
        child->setIcon(0, style()->standardIcon(QStyle::SP_FileIcon));
      }
    }
  }
  tree_->expandAll();
  for (QTreeWidgetItemIterator it(tree_); *it; ++it)
    if ((*it)->data(0, kRecordRole).toInt() == 0 && isMultiRecordItem((*it)->data(0, kIdRole).toInt()))
      (*it)->setExpanded(false);
  root->setExpanded(true);
}

void CMainFrame::retranslate() {
  updateTitle();
  updateStatusTexts();
  applyLogBarTexts();
  fillTree();
  buildMenus();
  treeDock_->setWindowTitle(action(kCmdTreeBar)->text().remove('&'));
}

void CMainFrame::selectTreeRoot() {
  if (tree_->topLevelItemCount() > 0) tree_->setCurrentItem(tree_->topLevelItem(0));
}

void CMainFrame::buildMenus() {
  menuBar()->clear();
  int position = 0;
  for (const MenuSpec& menuSpec : menuTable()) {
    QMenu* menu =
        menuBar()->addMenu(textOr(texts::label(kMenuTitleBase + position), QString::fromUtf8(menuSpec.defaultTitle)));
    ++position;
    if (menuSpec.entries.empty()) {
      // The Edit menu follows the tree table.
      QMenu* group = menu;
      // Rows below the second level are reached through their parent's command.
      for (const TreeRow& row : treeTable()) {
        if (!visibleAtLevel(row.id) || row.depth > 1) continue;
        const std::optional<std::string> text = texts::labelIfPresent(row.id);
        if (text && text->empty()) continue;
        const QString shown = text ? QString::fromStdString(*text) : QString::fromUtf8(row.defaultText);
        const bool hasChildren = !findView(row.id) && row.depth == 0;
        if (row.depth == 0) group = menu;
        if (hasChildren) {
          group = menu->addMenu(shown);
          continue;
        }
        QAction* act = commandAction(row.id, shown);
        act->setCheckable(true);
        group->addAction(act);
      }
      continue;
    }
    QAction* pendingSeparator = nullptr;
    for (const MenuEntry& entry : menuSpec.entries) {
      if (!levelShows(entry.level)) continue;
      if (entry.command == 0) {
        pendingSeparator = menu->addSeparator();
        continue;
      }
      QAction* act = commandAction(entry.command, QString::fromUtf8(entry.defaultText), entry.shortcut);
      menu->addAction(act);
      pendingSeparator = nullptr;
    }
    if (pendingSeparator) menu->removeAction(pendingSeparator);
  }
  for (int command : {kCmdTreeBar, kCmdLogBar, kCmdInvalidView, kCmdTabBar, kCmdToolbar, kCmdStatusBar})
    if (QAction* act = action(command)) act->setCheckable(true);
  updateCheckMarks();
}

void CMainFrame::updateCheckMarks() {
  auto check = [this](int command, bool on) {
    if (QAction* act = action(command)) act->setChecked(on);
  };
  check(kCmdTreeBar, treeDock_ && !treeDock_->isHidden());
  check(kCmdLogBar, logDock_ && !logDock_->isHidden());
  check(kCmdInvalidView, invalidDock_ && !invalidDock_->isHidden());
  check(kCmdTabBar, mdi_->viewMode() == QMdiArea::TabbedView);
  check(kCmdToolbar, toolBar_ && !toolBar_->isHidden());
  check(kCmdStatusBar, !statusBar()->isHidden());
  for (const TreeRow& row : treeTable()) check(row.id, frameOf(viewCommandFor(row.id)) != nullptr);
  const bool anyFrame = !openFrames().empty();
  if (QAction* act = action(kCmdCloseAll)) act->setEnabled(anyFrame);
  if (QAction* act = action(kCmdCloseAllButThis)) act->setEnabled(anyFrame);
}

void CMainFrame::updateStatusTexts() {
  idleText_->setText(QString::fromStdString(texts::label(kDefaultPrompt)));
  panes_[kPaneRange]->setText(QString::fromStdString(settings::freqRange()) + QStringLiteral(" MHz"));
  panes_[kPaneRadio]->setText(QString::fromStdString(settings::modelName()));
  std::string port = texts::message(kPortText);
  if (port.empty()) port = "COM%d";
  panes_[kPanePort]->setText(QString::fromStdString(texts::formatWithInt(port, settings::comPort())));
}

void CMainFrame::updateTitle() {
  const QString title = textOr(texts::label(kTitleText), QStringLiteral("vexprog"));
  setWindowTitle(documentPath_.isEmpty() ? title : QStringLiteral("%1 [ %2 ]").arg(title, documentPath_));
}

void CMainFrame::setDocumentPath(const QString& path) {
  documentPath_ = path;
  updateTitle();
}

void CMainFrame::tick() {
  panes_[kPaneClock]->setText(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

CChildFrame* CMainFrame::frameOf(int viewCommand) const {
  for (const OpenViewNode& node : openViews_)
    if (node.command == viewCommand) return node.frame.data();
  return nullptr;
}

std::vector<CChildFrame*> CMainFrame::openFrames() const {
  std::vector<CChildFrame*> frames;
  for (const OpenViewNode& node : openViews_)
    if (node.frame) frames.push_back(node.frame.data());
  return frames;
}

CChildFrame* CMainFrame::openView(int command, const QString& title) {
  const int viewCommand = viewCommandFor(command);
  const ViewEntry* entry = findView(viewCommand);
  if (!entry) return nullptr;
  auto node = std::find_if(openViews_.begin(), openViews_.end(),
                           [viewCommand](const OpenViewNode& n) { return n.command == viewCommand; });
  CChildFrame* frame = node != openViews_.end() ? node->frame.data() : nullptr;
  if (frame) {
    frame->show();
    mdi_->setActiveSubWindow(frame);
  } else {
    frame = createFrame(*entry, title);
    if (node != openViews_.end())
      node->frame = frame;
    else
      openViews_.push_back({viewCommand, frame, entry->viewClass});
  }
  if (!title.isEmpty()) frame->setWindowTitle(title);
  updateNavigation(frame, frame->view()->position());
  updateCheckMarks();
  return frame;
}

CChildFrame* CMainFrame::createFrame(const ViewEntry& entry, const QString& title) {
  CCustomFormView* view = createView(entry.viewClass);
  auto* frame = new CChildFrame(entry, view);
  mdi_->addSubWindow(frame);
  view->initialUpdate();
  QString shown = title;
  if (shown.isEmpty()) shown = textOr(texts::label(entry.command), QString::fromUtf8(entry.defaultTitle)).remove('&');
  frame->setWindowTitle(shown);
  frame->fitToForm();
  connect(frame, &QObject::destroyed, this, [this] { QTimer::singleShot(0, this, &CMainFrame::updateCheckMarks); });
  connect(frame, &CChildFrame::printRequested, this, [this] { runCommand(kCmdPrint); });
  frame->show();
  mdi_->setActiveSubWindow(frame);
  return frame;
}

void CMainFrame::frameActivated(QMdiSubWindow* window) {
  auto* frame = qobject_cast<CChildFrame*>(window);
  if (!frame) return;
  frame->view()->restoreFocus();
  updateNavigation(frame, frame->view()->position());
  markTreeItem(frame->entry().command, frame->view()->position());
}

void CMainFrame::updateNavigation(CChildFrame* frame, int position) {
  const ViewEntry& entry = frame->entry();
  const auto list = recordListOf(entry.viewClass);
  const int count = list ? radio_data::recordCount(*list) : 0;
  const NavState state = computeNavState(entry.mostRecords, count, position);
  frame->navState(state.multiRecord, state.code);
  if (state.multiRecord && entry.mostRecords > 1) {
    frame->navPosition(position, count);
    frame->view()->deliver(WM_VIEW_NAVIGATE, position, kMoveTo);
  }
  if (entry.viewClass == ViewClass::Channel) frame->navState(1, 9);
}

void CMainFrame::markTreeItem(int viewCommand, int position) {
  QTreeWidgetItem* best = nullptr;
  for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
    if (viewCommandFor((*it)->data(0, kIdRole).toInt()) != viewCommand) continue;
    const int record = (*it)->data(0, kRecordRole).toInt();
    if (!best || record == position) best = *it;
  }
  if (best) tree_->setCurrentItem(best);
}

void CMainFrame::treeActivated(QTreeWidgetItem* item) {
  if (!item) return;
  const int id = item->data(0, kIdRole).toInt();
  const int record = item->data(0, kRecordRole).toInt();
  CChildFrame* frame = openView(id, item->text(0));
  if (frame && record > 0) updateNavigation(frame, record);
}

void CMainFrame::sendToMainFrame(int message, long wParam, long lParam, const ChangeNotice* notice) {
  if (message == WM_DATA_CHANGED) {
    for (CChildFrame* frame : openFrames()) frame->view()->deliver(WM_DATA_CHANGED, wParam, lParam, notice);
    return;
  }
  if (message != WM_VIEW_NAVIGATE) return;
  for (CChildFrame* frame : openFrames()) {
    if (static_cast<long>(frame->entry().viewClass) != wParam) continue;
    const int position = frame->view()->position();
    if (lParam == kMoveAdd) {
      for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        QTreeWidgetItem* item = *it;
        if (item->data(0, kIdRole).toInt() != frame->entry().command || item->data(0, kRecordRole).toInt() != 0)
          continue;
        if (item->childCount() < frame->entry().mostRecords) {
          auto* child = new QTreeWidgetItem(item, {item->text(0) + QString::number(item->childCount() + 1)});
          child->setData(0, kIdRole, frame->entry().command);
          child->setData(0, kRecordRole, item->childCount());
        }
      }
    }
    updateNavigation(frame, position);
    markTreeItem(frame->entry().command, position);
  }
}

void CMainFrame::sendToViews(int message, std::optional<ViewClass> only) {
  for (CChildFrame* frame : openFrames())
    if (!only || frame->entry().viewClass == *only) frame->view()->deliver(message, 0, 0);
}

void CMainFrame::memoryUpdate() {
  setFocus(Qt::OtherFocusReason);
  sendToViews(WM_VIEW_STORE);
  radio_data::encode();
  if (CChildFrame* watch = frameOf(32888)) {
    watch->view()->deliver(WM_WATCH_UPDATE, 0, 0);
    mdi_->setActiveSubWindow(watch);
  }
}

void CMainFrame::closeAllWindows() {
  for (CChildFrame* frame : openFrames()) {
    frame->close();
    delete frame;
  }
  updateCheckMarks();
}

void CMainFrame::closeAllButThis() {
  auto* active = qobject_cast<CChildFrame*>(mdi_->activeSubWindow());
  for (CChildFrame* frame : openFrames()) {
    if (frame == active) continue;
    frame->close();
    delete frame;
  }
  updateCheckMarks();
}

void CMainFrame::refreshInvalidLog() {
  const auto& rows = radio_data::invalidRows();
  int added = -1;
  // Keep rows that are still listed, drop the rest, append new ones.
  for (int i = invalidList_->topLevelItemCount() - 1; i >= 0; --i) {
    const int key = invalidList_->topLevelItem(i)->data(0, kIdRole).toInt();
    if (std::none_of(rows.begin(), rows.end(), [key](const radio_data::InvalidRow& r) { return r.key == key; }))
      delete invalidList_->takeTopLevelItem(i);
  }
  for (const radio_data::InvalidRow& row : rows) {
    bool present = false;
    for (int i = 0; i < invalidList_->topLevelItemCount() && !present; ++i)
      present = invalidList_->topLevelItem(i)->data(0, kIdRole).toInt() == row.key;
    if (present) continue;
    auto* item =
        new QTreeWidgetItem(invalidList_, {QString::fromStdString(row.label), QString::fromStdString(row.location)});
    item->setData(0, kIdRole, row.key);
    added = invalidList_->indexOfTopLevelItem(item);
  }
  if (added >= 0) invalidList_->scrollToItem(invalidList_->topLevelItem(added));
}

void CMainFrame::contextHelp() {
  QWidget* focus = QApplication::focusWidget();
  for (QWidget* w = focus; w; w = w->parentWidget()) {
    if (auto* view = qobject_cast<CCustomFormView*>(w)) {
      view->showContextHelp();
      return;
    }
    if (w == tree_) {
      // The item's own topic, else the topic of the view it opens.
      const QTreeWidgetItem* item = tree_->currentItem();
      const int id = item ? item->data(0, kIdRole).toInt() : 0;
      const ViewEntry* entry = findView(viewCommandFor(id));
      HelpWindow::showContext({id, entry ? entry->templateId : 0});
      return;
    }
  }
  HelpWindow::showIndex();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tree_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (QTreeWidgetItem* item = tree_->currentItem()) {
        treeActivated(item);
        if (item->childCount() > 0) item->setExpanded(!item->isExpanded());
      }
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::runCommand(int command) {
  if (auto handler = commandHandlers_.find(command); handler != commandHandlers_.end() && handler->second) {
    handler->second();
    return;
  }
  if (command >= kFirstViewCommand && command <= kLastViewCommand && command != kCmdCloseAllButThis &&
      command != kCmdLogBar && command != kCmdInvalidView) {
    openView(command);
    return;
  }
  auto toggle = [this](QWidget* widget) {
    widget->setVisible(widget->isHidden());
    updateCheckMarks();
  };
  switch (command) {
    case kCmdMemoryUpdate: memoryUpdate(); break;
    case kCmdCloseAll: closeAllWindows(); break;
    case kCmdCloseAllButThis: closeAllButThis(); break;
    case kCmdTreeBar: toggle(treeDock_); break;
    case kCmdLogBar: toggle(logDock_); break;
    case kCmdInvalidView: toggle(invalidDock_); break;
    case kCmdToolbar: toggle(toolBar_); break;
    case kCmdStatusBar: toggle(statusBar()); break;
    case kCmdTabBar:
      mdi_->setViewMode(mdi_->viewMode() == QMdiArea::TabbedView ? QMdiArea::SubWindowView : QMdiArea::TabbedView);
      updateCheckMarks();
      break;
    case kCmdCascade: mdi_->cascadeSubWindows(); break;
    case kCmdTile: mdi_->tileSubWindows(); break;
    case kCmdHelpTopics: HelpWindow::showIndex(); break;
    case kCmdAbout:
      if (aboutHandler_) aboutHandler_();
      break;
    case kCmdExit: close(); break;
    case kCmdFileNew:
      closeAllWindows();
      radio_data::resetToDefaults();
      setDocumentPath({});
      fillTree();
      break;
    default: statusBar()->showMessage(QStringLiteral("This command is not available yet."), 3000); break;
  }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  CloseAnswer answer = kCancel;
  if (closePrompt_) {
    answer = closePrompt_();
  } else {
    const QString text =
        textOr(texts::message(kClosePromptText), QStringLiteral("Save the radio data before closing?"));
    const auto button = QMessageBox::question(this, textOr(texts::label(kTitleText), QStringLiteral("vexprog")), text,
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    answer = button == QMessageBox::Yes ? kYes : button == QMessageBox::No ? kNo : kCancel;
  }
  if (answer == kCancel) {
    event->ignore();
    return;
  }
  if (answer == kYes) {
    // Save lets the open views commit their edits before it validates.
    if (saveHandler_ && !saveHandler_()) {
      event->ignore();
      return;
    }
  }
  closeAllWindows();
  event->accept();
}

}  // namespace vex::gui
