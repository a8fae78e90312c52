#include "workspace/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDockWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMessageBox>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

#include "adapters/qt_translations.h"
#include "adapters/radio_data.h"
#include "adapters/settings.h"
#include "adapters/texts.h"
#include "base/text_ids.h"
#include "core/container.h"
#include "help/help_window.h"
#include "toolkit/accessible_names.h"
#include "views/custom_form_view.h"
#include "views/messages.h"
#include "workspace/child_frame.h"
#include "workspace/log_bars.h"
#include "workspace/nav_tree.h"

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
};

// How long a view's status line stays before the idle text returns.
constexpr int kStatusTextMs = 10000;

QString textOr(const std::string& text, const QString& fallback) {
  return text.empty() ? fallback : QString::fromStdString(text);
}

QString messageBoxCaption() { return textOr(texts::label(kTitleText), QStringLiteral("vexprog")); }

}  // namespace

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent), mdi_(new QMdiArea), history_(RadioDataContainer::instance()) {
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
  tree_ = new CNavTree;
  connect(tree_, &CNavTree::openRequested, this,
          [this](int id, const QString& title, int record) { openView(id, title, record); });
  treeDock_ = new QDockWidget(this);
  treeDock_->setObjectName(QStringLiteral("bar1016"));
  treeDock_->setWidget(tree_);
  treeDock_->setMinimumWidth(200);
  addDockWidget(Qt::LeftDockWidgetArea, treeDock_);

  logDock_ = new CLogBar(QStringLiteral("bar910"), this);
  invalidDock_ = new CLogBar(QStringLiteral("barInvalid"), this);
  for (CLogBar* bar : {logDock_, invalidDock_}) {
    addDockWidget(Qt::BottomDockWidgetArea, bar);
    bar->hide();
  }
  applyLogBarTexts();
  for (QDockWidget* dock : {treeDock_, static_cast<QDockWidget*>(logDock_), static_cast<QDockWidget*>(invalidDock_)})
    connect(dock, &QDockWidget::visibilityChanged, this, &CMainFrame::updateCheckMarks);
}

void CMainFrame::applyLogBarTexts() {
  logDock_->translate(textOr(texts::label(kLogTitle), QStringLiteral("Log")));
  // The tree has no title of its own: screen readers name it as the View menu does.
  tree_->setAccessibleName(spokenText(textOr(texts::label(kCmdTreeBar), QStringLiteral("Tree Bar"))));
  invalidDock_->translate(textOr(texts::label(kCmdInvalidView), QStringLiteral("Invalid View")).remove('&'));
}

void CMainFrame::refreshInvalidLog() { invalidDock_->showFindings(); }

void CMainFrame::fillTree() { tree_->fill(); }

void CMainFrame::retranslate() {
  applyQtTranslations(settings::isSimplifiedChinese());
  updateTitle();
  updateStatusTexts();
  applyLogBarTexts();
  fillTree();
  buildMenus();
}

void CMainFrame::selectTreeRoot() {
  if (tree_->topLevelItemCount() > 0) tree_->setCurrentItem(tree_->topLevelItem(0));
}

void CMainFrame::updateStatusTexts() {
  idleText_->setText(QString::fromStdString(texts::label(kDefaultPrompt)));
  panes_[kPaneRange]->setText(QString::fromStdString(settings::freqRange()) + QStringLiteral(" MHz"));
  panes_[kPaneRadio]->setText(QString::fromStdString(settings::modelName()));
  panes_[kPanePort]->setText(QString::fromStdString(texts::currentPortName()));
}

void CMainFrame::updateTitle() {
  const QString title = textOr(texts::label(kTitleText), QStringLiteral("vexprog"));
  const QString named = documentPath_.isEmpty() ? title : QStringLiteral("%1 [ %2 ]").arg(title, documentPath_);
  // A leading star says the data hold changes that are not saved.
  setWindowTitle(history_.isModified() ? QLatin1Char('*') + named : named);
}

void CMainFrame::setDocumentPath(const QString& path) {
  documentPath_ = path;
  updateTitle();
}

void CMainFrame::dataReplaced(const QString& path) {
  setDocumentPath(path);
  radio_data::invalidLog().clear();
  history_.reset();
  updateTitle();
  updateUndoActions();
  emit documentReplaced(path);
}

bool CMainFrame::isModified() {
  sendToViews(WM_VIEW_STORE);
  recordEdits();
  return history_.isModified();
}

void CMainFrame::dataSaved() {
  history_.markSaved();
  updateTitle();
  updateUndoActions();
}

void CMainFrame::recordEdits() {
  recordPending_ = false;
  history_.record();
  updateTitle();
  updateUndoActions();
}

void CMainFrame::scheduleRecordEdits() {
  // Everything one user action changes (a paste into many cells, a record
  // move and its notices) becomes one step: it is recorded once the action's
  // events are done.
  if (recordPending_) return;
  recordPending_ = true;
  QTimer::singleShot(0, this, [this] {
    if (recordPending_) recordEdits();
  });
}

void CMainFrame::undo() { stepHistory(&EditHistory::undo); }
void CMainFrame::redo() { stepHistory(&EditHistory::redo); }

void CMainFrame::stepHistory(bool (EditHistory::*step)()) {
  sendToViews(WM_VIEW_STORE);
  recordPending_ = false;
  // Positions before the step: the records get new keys when it is taken.
  std::map<CChildFrame*, int> positions;
  for (CChildFrame* frame : openFrames()) positions[frame] = frame->view()->position();
  if (!(history_.*step)()) return;
  // The views show the data as they are now, each on the record it showed.
  for (CChildFrame* frame : openFrames()) {
    CCustomFormView* view = frame->view();
    const int position = positions[frame];
    view->deliver(WM_VIEW_LOAD, 0, 0);
    const ViewEntry& entry = frame->entry();
    if (entry.list && position > 1 && position <= radio_data::recordCount(*entry.list))
      view->deliver(WM_VIEW_NAVIGATE, position, kMoveTo);
  }
  for (RecordKind list : {RecordKind::Channel, RecordKind::Personality, RecordKind::ScanList, RecordKind::AlertTone})
    listChanged(list);
  recordPending_ = false;  // the reload's own notices change nothing
  updateTitle();
  updateUndoActions();
}

void CMainFrame::updateUndoActions() {
  if (QAction* act = action(kCmdUndo)) act->setEnabled(history_.canUndo());
  if (QAction* act = action(kCmdRedo)) act->setEnabled(history_.canRedo());
}

void CMainFrame::tick() {
  panes_[kPaneClock]->setText(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

void CMainFrame::storeAllViews() {
  setFocus(Qt::OtherFocusReason);
  sendToViews(WM_VIEW_STORE);
}

void CMainFrame::memoryUpdate() {
  storeAllViews();
  radio_data::encode();
  if (CChildFrame* watch = frameOf(kCmdViewDataWatch)) {
    watch->view()->deliver(WM_WATCH_UPDATE, 0, 0);
    mdi_->setActiveSubWindow(watch);
  }
}

void CMainFrame::showMessageText(int messageId) {
  if (messageTextHandler_) {
    messageTextHandler_(messageId);
    return;
  }
  QMessageBox::information(this, messageBoxCaption(), QString::fromStdString(texts::message(messageId)));
}

void CMainFrame::showStatusText(const std::string& text) {
  statusBar()->showMessage(QString::fromStdString(text), kStatusTextMs);
}

void CMainFrame::contextHelp() {
  for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
    if (auto* view = qobject_cast<CCustomFormView*>(w)) {
      view->showContextHelp();
      return;
    }
    if (w == tree_) {
      // The item's own topic, else the topic of the view it opens.
      const int id = tree_->currentId();
      const ViewEntry* entry = findView(viewCommandFor(id));
      HelpWindow::showContext({id, entry ? entry->templateId : 0});
      return;
    }
  }
  HelpWindow::showIndex();
}

void CMainFrame::runCommand(int command) {
  if (auto handler = commandHandlers_.find(command); handler != commandHandlers_.end() && handler->second) {
    handler->second();
    return;
  }
  if (viewCommandFor(command) != 0) {
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
    case kCmdUndo: undo(); break;
    case kCmdRedo: redo(); break;
    case kCmdFrameClose: mdi_->closeActiveSubWindow(); break;
    case kCmdCloseAllButThis: closeAllButThis(); break;
    case kCmdTreeBar: toggle(treeDock_); break;
    case kCmdLogBar: toggle(logDock_); break;
    case kCmdInvalidView: toggle(invalidDock_); break;
    case kCmdToolbar: toggle(toolBar_); break;
    case kCmdStatusBar: toggle(statusBar()); break;
    case kCmdBackupBeforeWrite:
      settings::setBackupBeforeWrite(!settings::backupBeforeWrite());
      updateCheckMarks();
      break;
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
      dataReplaced({});
      fillTree();
      break;
    default:
      statusBar()->showMessage(
          textOr(texts::message(text::kMsgCommandUnavailable), QStringLiteral("This command is not available yet.")),
          3000);
      break;
  }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  CloseAnswer answer = kNo;  // nothing to lose: no question
  if (!isModified()) {
  } else if (closePrompt_) {
    answer = closePrompt_();
  } else {
    const QString text =
        textOr(texts::message(kClosePromptText), QStringLiteral("Save the radio data before closing?"));
    const auto button = QMessageBox::question(this, messageBoxCaption(), text,
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
