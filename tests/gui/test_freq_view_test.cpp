// The test-frequency view: the five-point grid shows the section, the
// test-channel grid stores what is typed with its step code.
#include <gtest/gtest.h>
#include "toolkit/grid.h"

#include "core/container.h"
#include "factory/view_test_freq.h"
#include "gui_test_support.h"
#include "views/messages.h"
#include "views/view_host.h"

namespace vex::gui {
namespace {

using Group = TestFreqSection::Group;

TestFreqSection& section() { return RadioDataContainer::instance().testFreq(); }

class CountingHost : public ViewHost {
 public:
  void sendToMainFrame(int message, long, long, const ChangeNotice*) override { changes += message == WM_DATA_CHANGED; }
  int changes = 0;
};

QString cellText(const CGrid* grid, int row, int column) { return grid->model()->index(row, column).data().toString(); }

TEST(CViewTestFreq, ShowsTheFivePointsAndStoresTypedTestFrequencies) {
  test::DataDir data;
  CountingHost host;
  ViewHost::setCurrent(&host);
  section().setBand(400, 470);
  section().reset();
  CViewTestFreq view;
  view.initialUpdate();
  CGrid* five = view.fivePointGrid();
  ASSERT_EQ(five->model()->rowCount(), 5);
  EXPECT_EQ(cellText(five, 4, 0), "469.85000");
  EXPECT_EQ(cellText(five, 4, 1), "470.00000");
  EXPECT_EQ(five->model()->headerData(0, Qt::Vertical).toString(), "1");
  EXPECT_EQ(five->editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_TRUE(five->isVisibleTo(&view));
  EXPECT_FALSE(view.testGrid()->isVisibleTo(&view));

  CGrid* test = view.testGrid();
  ASSERT_EQ(test->model()->rowCount(), 16);
  test->setFocusCell(15, 1);
  test->pasteText("440.0051");  // typed or pasted, a text goes through the same rules
  EXPECT_EQ(cellText(test, 15, 1), "440.00000");
  EXPECT_EQ(section().stepCode(Group::TestTx, 15), 6);
  EXPECT_EQ(host.changes, 1);
  test->pasteText("0");
  EXPECT_EQ(section().frequency(Group::TestTx, 15), 0u);
  EXPECT_EQ(cellText(test, 15, 1), "");

  section().setText(Group::FivePointRx, 0, "440.00625");
  view.deliver(WM_VIEW_LOAD, 0, 0);
  EXPECT_EQ(cellText(five, 0, 0), "440.00625");
  ViewHost::setCurrent(nullptr);
}

}  // namespace
}  // namespace vex::gui
