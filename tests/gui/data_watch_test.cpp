// The data watch view on Memory Update: lines, green cells, details, the
// grid and list click rules and Clear.
#include <gtest/gtest.h>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

#include "toolkit/grid.h"

#include "core/container.h"
#include "factory/data_watch_view.h"
#include "gui_test_support.h"
#include "toolkit/control_id.h"
#include "workspace/child_frame.h"
#include "workspace/main_frame.h"

namespace vex::gui {
namespace {

RadioDataContainer& container() { return RadioDataContainer::instance(); }

struct WatchRig {
  WatchRig() {
    frame.memoryUpdate();  // the snapshot starts from the encoded data
    CChildFrame* child = frame.openView(32888);
    view = qobject_cast<CDataWatchView*>(child->view());
  }
  QString cell(std::size_t address) const {
    return view->grid()->model()->data(view->grid()->model()->index(int(address / 16), int(address % 16))).toString();
  }
  bool green(std::size_t address) const {
    return view->grid()->grid()->background(int(address / 16), int(address % 16)) == CDataWatchView::kChangedColour;
  }
  QString line(int row) const { return view->list()->model()->index(row, 0).data().toString(); }
  int lines() const { return view->list()->model()->rowCount(); }
  void select(int row) { view->list()->setCurrentIndex(view->list()->model()->index(row, 0)); }
  QModelIndex gridCell(std::size_t address) const {
    return view->grid()->model()->index(int(address / 16), int(address % 16));
  }

  test::DataDir data{test::Level::Factory};
  CMainFrame frame;
  CDataWatchView* view = nullptr;
};

// Model name byte 0 of the radio information lies at image 16.
constexpr std::size_t kNameByte = 16;

TEST(DataWatchView, MemoryUpdateLogsTheChangedBytes) {
  WatchRig rig;
  ASSERT_NE(rig.view, nullptr);
  container().radioInfo().bytes()[0] = 0x41;
  rig.frame.memoryUpdate();
  ASSERT_EQ(rig.lines(), 1);
  EXPECT_EQ(rig.line(0), "$E.0x10:00->41");
  EXPECT_EQ(rig.cell(kNameByte), "41");
  EXPECT_TRUE(rig.green(kNameByte));
  EXPECT_FALSE(rig.green(kNameByte + 1));
  EXPECT_EQ(rig.view->grid()->currentIndex(), rig.gridCell(kNameByte));
  EXPECT_EQ(rig.view->detail()->toPlainText(), "$E.0x10:00->65\n$E.0x10:00000000\n->01000001");
  EXPECT_EQ(rig.view->grid()->model()->headerData(511, Qt::Vertical).toString(), "F:1FF_");

  // An update without differences adds nothing and shows the last line again.
  rig.view->detail()->clear();
  rig.frame.memoryUpdate();
  EXPECT_EQ(rig.lines(), 1);
  EXPECT_FALSE(rig.view->detail()->toPlainText().isEmpty());
}

TEST(DataWatchView, AGridClickSelectsTheCellsOldestLineWithoutTouchingTheDetail) {
  WatchRig rig;
  container().radioInfo().bytes()[0] = 1;
  rig.frame.memoryUpdate();
  container().radioInfo().bytes()[1] = 2;
  container().radioInfo().bytes()[0] = 3;
  rig.frame.memoryUpdate();
  ASSERT_EQ(rig.lines(), 3);
  const QString detail = rig.view->detail()->toPlainText();
  emit rig.view->grid()->cellClicked(1, 0);
  EXPECT_EQ(rig.view->list()->currentIndex().row(), 0);
  EXPECT_EQ(rig.view->detail()->toPlainText(), detail);
  emit rig.view->grid()->cellClicked(6, 4);  // a cell without a line
  EXPECT_FALSE(rig.view->list()->selectionModel()->hasSelection());
}

TEST(DataWatchView, ClearDropsLinesAndGreenButKeepsTheValues) {
  WatchRig rig;
  container().radioInfo().bytes()[0] = 0x41;
  rig.frame.memoryUpdate();
  findControlAs<QPushButton>(rig.view->form(), CDataWatchView::kClear)->click();
  EXPECT_EQ(rig.lines(), 0);
  EXPECT_FALSE(rig.green(kNameByte));
  EXPECT_EQ(rig.cell(kNameByte), "41");
  EXPECT_TRUE(rig.view->detail()->toPlainText().isEmpty());
  rig.frame.memoryUpdate();
  EXPECT_EQ(rig.lines(), 0);  // nothing differs from the latest values
}

TEST(DataWatchView, EveryLineShowsItsDetailHoweverLongTheList) {
  WatchRig rig;
  Image complement = container().image();
  for (auto& b : complement) b = static_cast<std::uint8_t>(~b);
  rig.view->fill(complement);
  rig.frame.memoryUpdate();
  ASSERT_EQ(rig.lines(), 8192);
  EXPECT_TRUE(rig.view->detail()->toPlainText().startsWith("$E.0x1FFF:"));
  rig.select(8000);
  EXPECT_TRUE(rig.view->detail()->toPlainText().startsWith("$E.0x1F40:"));
  EXPECT_EQ(rig.view->grid()->currentIndex(), rig.gridCell(8000));
  rig.select(514);
  EXPECT_TRUE(rig.view->detail()->toPlainText().startsWith("$E.0x202:"));
}

}  // namespace
}  // namespace vex::gui
