#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDockWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeWidget>

#include "adapters/radio_data.h"
#include "core/container.h"
#include "core/schema/schema_table.h"
#include "gui_test_support.h"
#include "toolkit/control_id.h"
#include "views/custom_form_view.h"
#include "views/messages.h"
#include "workspace/child_frame.h"
#include "workspace/log_bars.h"
#include "workspace/main_frame.h"
#include "workspace/menu_table.h"
#include "workspace/nav_bar.h"
#include "workspace/nav_state.h"

namespace vex::gui {
namespace {

std::set<int> treeIds(const CMainFrame& frame) {
  std::set<int> ids;
  for (QTreeWidgetItemIterator it(frame.tree()); *it; ++it) ids.insert((*it)->data(0, Qt::UserRole).toInt());
  return ids;
}

std::set<int> menuCommands(const CMainFrame& frame) {
  std::set<int> ids;
  std::function<void(QMenu*)> walk = [&](QMenu* menu) {
    for (QAction* action : menu->actions()) {
      if (action->menu())
        walk(action->menu());
      else if (!action->isSeparator())
        ids.insert(action->data().toInt());
    }
  };
  for (QAction* top : frame.menuBar()->actions())
    if (top->menu()) walk(top->menu());
  return ids;
}

TEST(CMainFrame, TreeAndMenusFollowTheUserLevel) {
  test::DataDir data(test::Level::Normal);
  for (auto level : {test::Level::Normal, test::Level::Service, test::Level::Factory}) {
    data.setLevel(level);
    CMainFrame frame;
    const auto tree = treeIds(frame);
    const auto menus = menuCommands(frame);
    const bool factory = level == test::Level::Factory;
    const bool extended = level != test::Level::Normal;
    EXPECT_EQ(tree.count(32888), factory ? 1u : 0u);
    EXPECT_EQ(menus.count(32888), factory ? 1u : 0u);
    EXPECT_EQ(menus.count(kCmdMemoryUpdate), factory ? 1u : 0u);
    EXPECT_EQ(tree.count(32806), extended ? 1u : 0u);
    EXPECT_EQ(tree.count(32889), extended ? 1u : 0u);
    EXPECT_EQ(menus.count(kCmdFactoryMode), extended ? 1u : 0u);
    EXPECT_EQ(menus.count(kCmdWriteTune), extended ? 1u : 0u);
    for (int always : {32800, 32803, 32822, 32884, 32887}) EXPECT_EQ(tree.count(always), 1u) << always;
    // The language data gives Passwords an empty text: it is left out.
    EXPECT_EQ(tree.count(32813), 0u);
  }
}

TEST(CMainFrame, TreeRootIsTheModelAndListsHaveOneChildPerRecord) {
  test::DataDir data;
  CMainFrame frame;
  QTreeWidgetItem* root = frame.tree()->topLevelItem(0);
  EXPECT_EQ(root->text(0), "PX-446");
  QTreeWidgetItem* channels = nullptr;
  for (QTreeWidgetItemIterator it(frame.tree()); *it; ++it)
    if ((*it)->data(0, Qt::UserRole).toInt() == 32822 && (*it)->data(0, Qt::UserRole + 1).toInt() == 0) channels = *it;
  ASSERT_NE(channels, nullptr);
  EXPECT_EQ(channels->childCount(), radio_data::recordCount(RecordKind::Channel));
  EXPECT_EQ(channels->child(0)->text(0), channels->text(0) + "1");
  // The Channel List, which shows every channel at once, has a row of its own and none per channel.
  QTreeWidgetItem* list = frame.tree()->item(kCmdViewChannelList, 0);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->childCount(), 0);
}

TEST(CMainFrame, OpeningAnItemTwiceReusesItsFrame) {
  test::DataDir data;
  CMainFrame frame;
  CChildFrame* first = frame.openView(32803);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(frame.openView(32803), first);
  EXPECT_EQ(frame.openView(32821), frame.openView(32822));  // a group opens its first view
  EXPECT_EQ(frame.mdiArea()->subWindowList().size(), 2);
  EXPECT_TRUE(frame.action(32803)->isChecked());
  EXPECT_EQ(frame.openView(32999), nullptr);
}

// On the smallest screen the program is made for, each view opens whole
// inside the workspace, however many are open before it.
TEST(CMainFrame, ViewsOpenInsideASmallWorkspace) {
  test::DataDir data(test::Level::Factory);
  CMainFrame frame;
  frame.resize(1024, 700);
  frame.show();
  const QRect space = frame.mdiArea()->viewport()->rect();
  for (int view : {32822, 32895, 32888, 32884, 32803, 32895}) {
    CChildFrame* child = frame.openView(view);
    ASSERT_NE(child, nullptr) << view;
    EXPECT_TRUE(space.contains(child->geometry())) << view << ": " << child->geometry().x() << ","
                                                   << child->geometry().y() << " " << child->width() << "x"
                                                   << child->height();
  }
}

TEST(CMainFrame, ViewsOpenInACascadeAndTheTreeShowsTheOpenRecord) {
  test::DataDir data;
  CMainFrame frame;
  frame.resize(1280, 800);
  frame.show();
  std::vector<QPoint> places;
  for (int view : {32802, 32803, 32808}) places.push_back(frame.openView(view)->pos());
  const QPoint step = places[1] - places[0];
  EXPECT_GT(step.x(), 0);
  EXPECT_EQ(step.x(), step.y());
  EXPECT_EQ(places[2] - places[1], step);

  frame.openView(kCmdViewChannel, {}, 3);
  QTreeWidgetItem* record = frame.tree()->item(kCmdViewChannel, 3);
  EXPECT_EQ(frame.tree()->currentItem(), record);
  EXPECT_TRUE(record->parent()->isExpanded());  // a folded list unfolds to show it
}

TEST(CMainFrame, ClosedViewReopensFreshFromTheContainer) {
  test::DataDir data;
  CMainFrame frame;
  QPointer<CChildFrame> first = frame.openView(32803);
  first->close();
  test::settle();
  EXPECT_TRUE(first.isNull());
  EXPECT_EQ(frame.frameOf(32803), nullptr);
  radio_data::setFieldValue(SchemaField(FieldArea::Misc, "carrier_squelch_level"), 8);
  CChildFrame* second = frame.openView(32803);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(findControlAs<QComboBox>(second->view()->form(), 1404)->currentText(), "8");
}

TEST(CMainFrame, DataChangedReachesEveryOpenView) {
  test::DataDir data;
  CMainFrame frame;
  CChildFrame* mis = frame.openView(32803);
  CChildFrame* radio = frame.openView(32800);
  std::map<int, int> received;
  for (CChildFrame* f : {mis, radio})
    QObject::connect(f->view(), &CCustomFormView::messageDelivered, [&received, f](int message) {
      if (message == WM_DATA_CHANGED) ++received[f->entry().command];
    });
  auto* squelch = findControlAs<QComboBox>(mis->view()->form(), 1404);
  squelch->setCurrentIndex(2);
  emit squelch->activated(2);
  EXPECT_EQ(radio_data::fieldValue(SchemaField(FieldArea::Misc, "carrier_squelch_level")), 2);
  EXPECT_EQ(received[32803], 1);
  EXPECT_EQ(received[32800], 1);
}

TEST(CMainFrame, MemoryUpdateStoresOpenViewsAndEncodes) {
  test::DataDir data;
  CMainFrame frame;
  radio_data::setFieldValue(SchemaField(FieldArea::Misc, "carrier_squelch_level"), 9);
  frame.memoryUpdate();  // no view open
  EXPECT_EQ(radio_data::image()[145 + 8], 9);
  CChildFrame* mis = frame.openView(32803);
  findControlAs<QComboBox>(mis->view()->form(), 1404)->setCurrentIndex(4);
  frame.memoryUpdate();
  EXPECT_EQ(radio_data::image()[145 + 8], 4);
}

TEST(CMainFrame, ClosePromptAnswers) {
  test::DataDir data;
  for (auto answer : {CMainFrame::kYes, CMainFrame::kNo, CMainFrame::kCancel}) {
    CMainFrame frame;
    int saves = 0;
    frame.setClosePrompt([answer] { return answer; });
    frame.setSaveHandler([&saves] {
      ++saves;
      return true;
    });
    frame.openView(32803);
    radio_data::areaBytes(FieldArea::Channel, 5)[0] ^= 0x01;  // something to lose
    QCloseEvent event;
    QApplication::sendEvent(&frame, &event);
    EXPECT_EQ(event.isAccepted(), answer != CMainFrame::kCancel);
    EXPECT_EQ(saves, answer == CMainFrame::kYes ? 1 : 0);
    EXPECT_EQ(frame.openFrames().size(), answer == CMainFrame::kCancel ? 1u : 0u);
  }
  // A failed save keeps the program running.
  CMainFrame frame;
  radio_data::areaBytes(FieldArea::Channel, 5)[0] ^= 0x01;
  frame.setClosePrompt([] { return CMainFrame::kYes; });
  frame.setSaveHandler([] { return false; });
  QCloseEvent event;
  QApplication::sendEvent(&frame, &event);
  EXPECT_FALSE(event.isAccepted());
}

TEST(CMainFrame, BarsStartHiddenAndToggleWithCheckMarks) {
  test::DataDir data;
  CMainFrame frame;
  frame.show();
  EXPECT_TRUE(frame.invalidLogBar()->isHidden());
  EXPECT_TRUE(frame.logBar()->isHidden());
  EXPECT_FALSE(frame.action(kCmdInvalidView)->isChecked());
  frame.runCommand(kCmdInvalidView);
  EXPECT_FALSE(frame.invalidLogBar()->isHidden());
  EXPECT_TRUE(frame.action(kCmdInvalidView)->isChecked());
  frame.runCommand(kCmdTabBar);
  EXPECT_EQ(frame.mdiArea()->viewMode(), QMdiArea::TabbedView);
  EXPECT_TRUE(frame.action(kCmdTabBar)->isChecked());
}

TEST(CMainFrame, InvalidLogShowsFindingsByKeyWithoutDuplicates) {
  test::DataDir data;
  CMainFrame frame;
  const FieldDef* scanList = FindField(FieldArea::Channel, "scan_list");
  InvalidLog& log = radio_data::invalidLog();
  log.add("Scan List", "Channel - 1: Options", {RecordKind::Channel, 1, 500, scanList});
  log.add("Scan List", "Channel - 1: Options", {RecordKind::Channel, 1, 500, scanList});
  ASSERT_EQ(frame.invalidLogBar()->keys(), QList<int>{500 + 0x10000 + 3705});
  EXPECT_EQ(frame.invalidLogBar()->list()->topLevelItem(0)->text(1), "Channel - 1: Options");
  log.remove(500, scanList);
  EXPECT_TRUE(frame.invalidLogBar()->keys().isEmpty());
}

TEST(CMainFrame, FindingsOfControlsTheModelDisablesAreNotListed) {
  test::DataDir data;
  data.addLanguageLine("[PX446]");
  data.addLanguageLine("S0003703=1");  // the channel's personality list
  CMainFrame frame;
  RadioDataContainer::instance().personalities().clear();
  EXPECT_EQ(radio_data::validate(), 0);                                 // nothing to list, so nothing stops a write
  RadioDataContainer::instance().channels()[0].record().bytes[19] = 2;  // a scan list that does not exist
  RadioDataContainer::instance().resolveLinks();
  EXPECT_EQ(radio_data::validate(), 1);
  EXPECT_EQ(frame.invalidLogBar()->keys(),
            QList<int>{RadioDataContainer::instance().channels()[0].key() + 0x10000 + 3705});
}

TEST(CMainFrame, StatusPanesAndTitle) {
  test::DataDir data;
  CMainFrame frame;
  EXPECT_EQ(frame.statusPane(59143)->text(), "PX-446");
  EXPECT_EQ(frame.statusPane(59144)->text(), "446-447 MHz");
  EXPECT_EQ(frame.statusPane(59145)->text(), "COM3");
  EXPECT_EQ(frame.statusPane(59146)->text().size(), 19);
  EXPECT_EQ(frame.windowTitle(), "vexprog test");
  frame.setDocumentPath("/tmp/a.vex");
  EXPECT_EQ(frame.windowTitle(), "vexprog test [ /tmp/a.vex ]");
}

TEST(NavState, FollowsTheStateTable) {
  EXPECT_EQ(computeNavState(0, 0, 1).multiRecord, 0);
  EXPECT_EQ(computeNavState(1, 1, 1).code, 7);
  EXPECT_EQ(computeNavState(16, 16, 1).code, 2);
  EXPECT_EQ(computeNavState(16, 16, 16).code, 4);
  EXPECT_EQ(computeNavState(16, 16, 8).code, 6);
  EXPECT_EQ(computeNavState(16, 1, 1).code, 1);
  EXPECT_EQ(computeNavState(16, 5, 1).code, 0);
  EXPECT_EQ(computeNavState(16, 5, 5).code, 3);
  EXPECT_EQ(computeNavState(16, 5, 3).code, 5);
  // Seventeen channels from a file: Next still reaches the last one.
  EXPECT_EQ(computeNavState(16, 17, 16).code, 6);
  EXPECT_EQ(computeNavState(16, 17, 17).code, 4);
}

TEST(CNavBar, StatesEnableTheMoveButtons) {
  test::DataDir data;
  CNavBar bar;
  bar.show();
  auto enabled = [&bar] {
    std::string flags;
    for (int id = 1053; id <= 1058; ++id) flags += bar.button(id)->isEnabled() ? '1' : '0';
    return flags;
  };
  bar.applyState(1, 4);
  bar.setPosition(16, 16);
  EXPECT_EQ(enabled(), "110001");
  EXPECT_EQ(bar.counter()->text(), "16 / 16");
  bar.applyState(1, 1);
  EXPECT_EQ(enabled(), "000010");
  bar.applyState(1, 7);
  EXPECT_EQ(enabled(), "000000");
  bar.applyState(1, 8);  // only enables Add
  EXPECT_EQ(enabled(), "000010");
  bar.applyState(1, 9);  // shows, leaves enabling
  EXPECT_EQ(enabled(), "000010");
  EXPECT_TRUE(bar.button(1060)->isHidden());
  bar.applyState(0, 0);
  EXPECT_TRUE(bar.button(1053)->isHidden());
  EXPECT_TRUE(bar.counter()->isHidden());
  EXPECT_FALSE(bar.button(CNavBar::kPrint)->isHidden());
  bar.applyState(0, 2);
  EXPECT_TRUE(bar.button(CNavBar::kPrint)->isHidden());
  EXPECT_TRUE(bar.button(CNavBar::kHelp)->isHidden());
}

TEST(CChildFrame, SingleRecordViewShowsNoMovesAndScanHasNone) {
  test::DataDir data;
  CMainFrame frame;
  frame.show();
  CChildFrame* mis = frame.openView(32803);
  EXPECT_TRUE(mis->navBar()->button(1053)->isHidden());
  CChildFrame* scan = frame.openView(32884);
  for (int id = 1053; id <= 1058; ++id) EXPECT_FALSE(scan->navBar()->button(id)->isEnabled()) << id;
  CChildFrame* channel = frame.openView(32822);
  EXPECT_FALSE(channel->navBar()->button(1053)->isHidden());
  EXPECT_EQ(channel->navBar()->counter()->text(), "1 / 16");
}

}  // namespace
}  // namespace vex::gui

namespace vex::gui {
namespace {

int childrenOf(const CMainFrame& frame, int id) {
  for (QTreeWidgetItemIterator it(frame.tree()); *it; ++it)
    if ((*it)->data(0, Qt::UserRole).toInt() == id && (*it)->data(0, Qt::UserRole + 1).toInt() == 0)
      return (*it)->childCount();
  return -1;
}

TEST(CMainFrame, RecordMovesKeepTheTreeAndEveryBarOnTheListInStep) {
  test::DataDir data;
  CMainFrame frame;
  frame.show();
  CChildFrame* personality = frame.openView(kCmdViewPersonality);
  personality->navBar()->button(CNavBar::kAdd)->click();
  EXPECT_EQ(childrenOf(frame, kCmdViewPersonality), 2);
  EXPECT_EQ(personality->navBar()->counter()->text(), "2 / 2");
  personality->navBar()->button(CNavBar::kDelete)->click();
  EXPECT_EQ(childrenOf(frame, kCmdViewPersonality), 1);
  EXPECT_EQ(radio_data::recordCount(RecordKind::Personality), 1);

  // Two frames on the channel list: a delete in one shows in the other's bar.
  CChildFrame* list = frame.openView(kCmdViewChannelList);
  CChildFrame* channel = frame.openView(kCmdViewChannel);
  channel->navBar()->button(CNavBar::kAdd)->click();  // the list is full already
  EXPECT_EQ(childrenOf(frame, kCmdViewChannel), 16);
  channel->navBar()->button(CNavBar::kLast)->click();
  channel->navBar()->button(CNavBar::kDelete)->click();
  EXPECT_EQ(childrenOf(frame, kCmdViewChannel), 15);
  EXPECT_EQ(channel->navBar()->counter()->text(), "15 / 15");
  EXPECT_EQ(list->navBar()->counter()->text(), "15 / 15");  // the list follows the channel view
  EXPECT_TRUE(list->navBar()->button(CNavBar::kAdd)->isEnabled());
}

TEST(CMainFrame, AMoveReachesTheViewOnceAndIsAnnouncedOnce) {
  test::DataDir data;
  CMainFrame frame;
  frame.show();
  CChildFrame* channel = frame.openView(kCmdViewChannel);
  int moves = 0;
  int notices = 0;
  QObject::connect(channel->view(), &CCustomFormView::messageDelivered, [&](int message, long wParam) {
    if (message == WM_VIEW_NAVIGATE) ++moves;
    if (message == WM_DATA_CHANGED && wParam == kChangeNoticeTag) ++notices;
  });
  channel->navBar()->button(CNavBar::kNext)->click();
  EXPECT_EQ(moves, 1);
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(channel->view()->position(), 2);
  EXPECT_EQ(frame.tree()->currentItem(), frame.tree()->item(kCmdViewChannel, 2));
}

TEST(CMainFrame, CommandsCarryStatusPromptsAndLanguageAccelerators) {
  test::DataDir data;
  data.addLanguageLine("S0257345=Ready");
  data.addLanguageLine("S0232700=Ta&b Bar");
  data.addLanguageLine("S0257601=&Open...\\tCtrl+Shift+O");
  data.addLanguageLine("S0257604=&");
  data.setLevel(test::Level::Factory);
  CMainFrame frame;
  // The prompt is the whole menu text, not the part before its mnemonic mark.
  EXPECT_EQ(frame.action(kCmdTabBar)->statusTip(), "Tab Bar");
  EXPECT_EQ(frame.action(kCmdFileOpen)->statusTip(), "Open...");
  EXPECT_EQ(frame.action(kCmdFileSaveAs)->statusTip(), "Ready");
  EXPECT_EQ(frame.action(kCmdFileOpen)->text(), "&Open...");
  // The key table binds the keys; a language file's accelerator is only shown.
  EXPECT_EQ(frame.action(kCmdFileOpen)->shortcut(), QKeySequence("Ctrl+O"));
  EXPECT_EQ(frame.action(kCmdFileSave)->shortcut(), QKeySequence("Ctrl+S"));
  EXPECT_EQ(frame.action(kCmdAdjustment)->shortcut(), QKeySequence());
}

}  // namespace
}  // namespace vex::gui

namespace vex::gui {
namespace {

TEST(CMainFrame, CloseAllButThisKeepsTheActiveFrame) {
  test::DataDir data;
  CMainFrame frame;
  frame.show();
  EXPECT_FALSE(frame.action(kCmdCloseAll)->isEnabled());
  frame.openView(32800);
  CChildFrame* mis = frame.openView(32803);
  frame.openView(32887);
  frame.mdiArea()->setActiveSubWindow(mis);
  EXPECT_TRUE(frame.action(kCmdCloseAll)->isEnabled());
  frame.runCommand(kCmdCloseAllButThis);
  EXPECT_EQ(frame.openFrames(), std::vector<CChildFrame*>{mis});
  frame.runCommand(kCmdCloseAll);
  EXPECT_TRUE(frame.openFrames().empty());
  test::settle();
  EXPECT_FALSE(frame.action(kCmdCloseAll)->isEnabled());
  EXPECT_FALSE(frame.action(32803)->isChecked());
}

}  // namespace
}  // namespace vex::gui

namespace vex::gui {
namespace {

QTreeWidgetItem* treeItem(const CMainFrame& frame, int id, int record = 0) {
  for (QTreeWidgetItemIterator it(frame.tree()); *it; ++it)
    if ((*it)->data(0, Qt::UserRole).toInt() == id && (*it)->data(0, Qt::UserRole + 1).toInt() == record) return *it;
  return nullptr;
}

TEST(CMainFrame, EnterOnATreeItemOpensItsViewWithTheItemText) {
  test::DataDir data;
  CMainFrame frame;
  frame.tree()->setCurrentItem(treeItem(frame, 32803));
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(frame.tree(), &enter);
  CChildFrame* mis = frame.frameOf(32803);
  ASSERT_NE(mis, nullptr);
  EXPECT_EQ(mis->windowTitle(), treeItem(frame, 32803)->text(0));
  // A group item opens its first view and folds or unfolds.
  QTreeWidgetItem* channels = treeItem(frame, 32821);
  const bool expanded = channels->isExpanded();
  frame.tree()->setCurrentItem(channels);
  QApplication::sendEvent(frame.tree(), &enter);
  EXPECT_NE(frame.frameOf(32822), nullptr);
  EXPECT_NE(channels->isExpanded(), expanded);
}

TEST(CMainFrame, RecordItemOpensItsViewAtThatRecord) {
  test::DataDir data;
  CMainFrame frame;
  emit frame.tree()->itemDoubleClicked(treeItem(frame, 32822, 5), 0);
  CChildFrame* channel = frame.frameOf(32822);
  ASSERT_NE(channel, nullptr);
  EXPECT_EQ(channel->navBar()->counter()->text(), "5 / 16");
  EXPECT_TRUE(channel->navBar()->button(1053)->isEnabled());
}

}  // namespace
}  // namespace vex::gui

namespace vex::gui {
namespace {

TEST(CMainFrame, AHiddenEditMenuGroupTakesItsViewsWithIt) {
  test::DataDir data;
  data.addLanguageLine("S0232821=");  // the Channels group has no text
  CMainFrame frame;
  QMenu* edit = frame.menuBar()->actions().at(1)->menu();
  std::function<bool(QMenu*, int)> holds = [&](QMenu* menu, int command) {
    for (QAction* action : menu->actions())
      if ((action->menu() && holds(action->menu(), command)) || action->data().toInt() == command) return true;
    return false;
  };
  EXPECT_FALSE(holds(edit, kCmdViewChannel));
  EXPECT_FALSE(holds(edit, kCmdViewChannelList));
  EXPECT_TRUE(holds(edit, kCmdViewPersonality));

  test::DataDir plain;
  CMainFrame shown;
  EXPECT_TRUE(holds(shown.menuBar()->actions().at(1)->menu(), kCmdViewChannelList));
}

TEST(CMainFrame, RebuildingTheMenusLeavesNoOldMenusBehind) {
  test::DataDir data;
  CMainFrame frame;
  test::settle();
  const auto menus = frame.menuBar()->findChildren<QMenu*>().size();
  for (int i = 0; i < 5; ++i) frame.buildMenus();
  test::settle();
  EXPECT_EQ(frame.menuBar()->findChildren<QMenu*>().size(), menus);
}

}  // namespace
}  // namespace vex::gui
