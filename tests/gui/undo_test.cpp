// Undo and redo through the main window, and the modified state they share
// with the title and the prompts.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "adapters/radio_data.h"
#include "commands/command_ids.h"
#include "core/schema/schema_table.h"
#include "gui_test_support.h"
#include "toolkit/control_id.h"
#include "views/custom_form_view.h"
#include "workspace/child_frame.h"
#include "workspace/main_frame.h"
#include "workspace/nav_bar.h"

namespace vex::gui {
namespace {

constexpr int kSquelch = 1404;

class Undo : public ::testing::Test {
 protected:
  Undo() {
    frame.buildMenus();
    frame.show();
  }
  long squelch() { return radio_data::fieldValue(SchemaField(FieldArea::Misc, "carrier_squelch_level")); }
  void chooseSquelch(CChildFrame* mis, int index) {
    auto* combo = findControlAs<QComboBox>(mis->view()->form(), kSquelch);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    test::settle();
  }
  void trigger(int command) {
    frame.action(command)->trigger();
    test::settle();
  }
  test::DataDir data;
  CMainFrame frame;
};

TEST_F(Undo, EditsAndRecordMovesInSeveralViewsGoBackAndForthOneStepEach) {
  const QString title = frame.windowTitle();
  EXPECT_FALSE(frame.action(kCmdUndo)->isEnabled());
  CChildFrame* mis = frame.openView(kCmdViewMisc);
  const long original = squelch();
  chooseSquelch(mis, original == 2 ? 3 : 2);
  const long chosen = squelch();
  EXPECT_EQ(frame.windowTitle(), QLatin1Char('*') + title);

  CChildFrame* channel = frame.openView(kCmdViewChannel);
  channel->navBar()->button(CNavBar::kNext)->click();
  channel->navBar()->button(CNavBar::kNext)->click();
  CChildFrame* personality = frame.openView(kCmdViewPersonality);
  personality->navBar()->button(CNavBar::kAdd)->click();
  test::settle();
  ASSERT_EQ(radio_data::recordCount(RecordKind::Personality), 2);
  EXPECT_EQ(personality->view()->position(), 2);

  trigger(kCmdUndo);  // the added record goes
  EXPECT_EQ(radio_data::recordCount(RecordKind::Personality), 1);
  EXPECT_EQ(personality->navBar()->counter()->text(), "1 / 1");
  EXPECT_EQ(squelch(), chosen);
  trigger(kCmdUndo);  // the squelch comes back, in the open view too
  EXPECT_EQ(squelch(), original);
  EXPECT_EQ(findControlAs<QComboBox>(mis->view()->form(), kSquelch)->currentText().toLong(), original);
  EXPECT_EQ(frame.windowTitle(), title);  // back to what was opened: nothing to save
  EXPECT_FALSE(frame.action(kCmdUndo)->isEnabled());

  trigger(kCmdRedo);
  trigger(kCmdRedo);
  EXPECT_EQ(squelch(), chosen);
  EXPECT_EQ(radio_data::recordCount(RecordKind::Personality), 2);
  EXPECT_EQ(personality->navBar()->counter()->text(), "1 / 2");
  EXPECT_EQ(channel->view()->position(), 3);  // each view keeps its record
  EXPECT_FALSE(frame.action(kCmdRedo)->isEnabled());
}

TEST_F(Undo, ANewEditDropsTheRedoStepsAndNavigationIsNoStep) {
  CChildFrame* channel = frame.openView(kCmdViewChannel);
  channel->navBar()->button(CNavBar::kNext)->click();
  test::settle();
  EXPECT_FALSE(frame.action(kCmdUndo)->isEnabled());
  EXPECT_FALSE(frame.isModified());
  CChildFrame* mis = frame.openView(kCmdViewMisc);
  chooseSquelch(mis, 1);
  trigger(kCmdUndo);
  EXPECT_TRUE(frame.action(kCmdRedo)->isEnabled());
  chooseSquelch(mis, 4);
  EXPECT_FALSE(frame.action(kCmdRedo)->isEnabled());
}

TEST_F(Undo, ClosingAsksOnlyWhenSomethingWouldBeLost) {
  int asked = 0;
  frame.setClosePrompt([&asked] {
    ++asked;
    return CMainFrame::kCancel;
  });
  CChildFrame* mis = frame.openView(kCmdViewMisc);
  chooseSquelch(mis, squelch() == 2 ? 3 : 2);
  QCloseEvent changed;
  QApplication::sendEvent(&frame, &changed);
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(changed.isAccepted());

  frame.dataSaved();
  QCloseEvent saved;
  QApplication::sendEvent(&frame, &saved);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(saved.isAccepted());
}

}  // namespace
}  // namespace vex::gui
