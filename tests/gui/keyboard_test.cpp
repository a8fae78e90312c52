#include <gtest/gtest.h>
#include <QAction>
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

#include "gui_test_support.h"
#include "toolkit/control_id.h"
#include "views/custom_form_view.h"
#include "workspace/child_frame.h"
#include "workspace/main_frame.h"
#include "workspace/menu_table.h"

namespace vex::gui {
namespace {

// A shown, active main window with the miscellaneous view open.
class ActiveMainFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame, 60000));
    mis = frame.openView(32803);
  }
  test::DataDir data;
  CMainFrame frame;
  CChildFrame* mis = nullptr;
};

TEST_F(ActiveMainFrame, MainWindowShortcutsWorkFromInsideAForm) {
  auto* combo = findControlAs<QComboBox>(mis->view()->form(), 1404);
  combo->setFocus();
  QSignalSpy read(frame.action(kCmdRead), &QAction::triggered);
  QTest::keyClick(combo, Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(read.count(), 1);
}

TEST_F(ActiveMainFrame, FocusComesBackToTheControlThatHadIt) {
  auto* squelch = findControlAs<QComboBox>(mis->view()->form(), 1404);
  squelch->setFocus();
  frame.openView(32800);
  EXPECT_FALSE(squelch->hasFocus());
  frame.openView(32803);
  EXPECT_TRUE(squelch->hasFocus());
}

}  // namespace
}  // namespace vex::gui
