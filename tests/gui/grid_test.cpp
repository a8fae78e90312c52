// The grid: column definitions, per-cell kinds, keyboard editing, the
// view's signals and copy and paste of cell ranges.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "gui_test_support.h"
#include "toolkit/grid.h"

namespace vex::gui {
namespace {

// A grid like the channel list: a typed column that normalises what it gets,
// a drop-down, an editable drop-down of at most 5 digits and a display-only column.
class GridTest : public ::testing::Test {
 protected:
  GridTest() {
    GridColumn number{"Number", 60, CellKind::Text};
    number.allowed = "0123456789";
    number.check = [](int, const QString& text) -> std::optional<QString> {
      if (text.isEmpty()) return std::nullopt;
      return QString::number(std::min(text.toInt(), 99));  // clamped, as frequency cells clamp
    };
    GridColumn type{"Type", 80, CellKind::DropDown};
    GridColumn tone{"Tone", 60, CellKind::EditableDropDown};
    tone.maxLength = 5;
    tone.allowed = "0123456789.";
    GridColumn fixed{"Fixed", 60, CellKind::DisplayOnly};
    grid.setColumns({number, type, tone, fixed}, 4);
    for (int r = 0; r < 4; ++r) {
      grid.grid()->setRowTexts(r, {QString::number(r), "None", "67.0", "x"});
      grid.grid()->setRowHeader(r, QString::number(r + 1));
    }
    QObject::connect(&grid, &CGrid::beginEdit, [](int, int column, QStringList& options) {
      if (column == 1) options = {"None", "CTCSS", "CDCSS"};
      if (column == 2) options = {"67.0", "71.9"};
    });
    grid.resize(400, 200);
    grid.show();
    grid.setFocus();
  }
  QString text(int row, int column) const { return grid.grid()->text(row, column); }
  // The in-place editor open on the current cell.
  QWidget* editor() const { return grid.indexWidget(grid.currentIndex()); }

  CGrid grid;
};

TEST_F(GridTest, DisplayOnlyCellsAndOverriddenCellsFollowTheirKind) {
  CGridModel& model = *grid.grid();
  EXPECT_FALSE(model.flags(model.index(0, 3)) & Qt::ItemIsEditable);
  EXPECT_EQ(model.data(model.index(0, 3), Qt::BackgroundRole).value<QColor>(),
            QApplication::palette().color(QPalette::Button));
  model.setKind(1, 2, CellKind::DisplayOnly);  // a tone cell the row's type switches off
  EXPECT_FALSE(model.flags(model.index(1, 2)) & Qt::ItemIsEditable);
  EXPECT_TRUE(model.flags(model.index(2, 2)) & Qt::ItemIsEditable);
  model.setKind(1, 2, std::nullopt);
  EXPECT_TRUE(model.flags(model.index(1, 2)) & Qt::ItemIsEditable);
  model.setBackground(0, 0, Qt::green);
  EXPECT_EQ(model.data(model.index(0, 0), Qt::BackgroundRole).value<QColor>(), QColor(Qt::green));
}

TEST_F(GridTest, MarkedAndFixedCellsStayReadableInADarkPalette) {
  const QPalette light = QApplication::palette();
  QPalette dark = light;
  dark.setColor(QPalette::Button, QColor(40, 40, 40));
  dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
  dark.setColor(QPalette::Text, QColor(230, 230, 230));
  QApplication::setPalette(dark);
  CGridModel& model = *grid.grid();
  model.setBackground(0, 0, QColor(0, 255, 0));  // the data watch's mark
  EXPECT_EQ(model.data(model.index(0, 0), Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
  model.setBackground(1, 0, QColor(0, 0, 128));
  EXPECT_EQ(model.data(model.index(1, 0), Qt::ForegroundRole).value<QColor>(), QColor(Qt::white));
  EXPECT_EQ(model.data(model.index(0, 3), Qt::ForegroundRole).value<QColor>(), QColor(230, 230, 230));
  QApplication::setPalette(light);
}

TEST_F(GridTest, ManyCellsChangeWithOneNotification) {
  CGridModel& model = *grid.grid();
  QSignalSpy changed(&model, &CGridModel::dataChanged);
  model.setCells({{1, 0, "7", Qt::green}, {3, 2, "71.9", QColor()}, {9, 0, "outside", Qt::red}});
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed[0][0].toModelIndex().row(), 1);
  EXPECT_EQ(changed[0][1].toModelIndex().row(), 3);
  EXPECT_EQ(text(1, 0), "7");
  EXPECT_EQ(model.background(1, 0), QColor(Qt::green));
  EXPECT_EQ(text(3, 2), "71.9");
}

TEST_F(GridTest, TypingEditsEnterCommitsThroughTheColumnCheckAndMovesDown) {
  QSignalSpy ended(&grid, &CGrid::endEdit);
  grid.setFocusCell(0, 0);
  QTest::keyClicks(&grid, "4");
  auto* edit = qobject_cast<QLineEdit*>(editor());
  ASSERT_NE(edit, nullptr);
  QTest::keyClicks(edit, "5a7");  // the letter is not a digit of this column
  QTest::keyClick(edit, Qt::Key_Return);
  test::settle();               // the item view commits a Return once control is back in the event loop
  EXPECT_EQ(text(0, 0), "99");  // 457, clamped by the column's check
  ASSERT_EQ(ended.count(), 1);
  EXPECT_EQ(ended[0][0].toInt(), 0);
  EXPECT_EQ(ended[0][1].toInt(), 0);
  EXPECT_EQ(grid.currentIndex().row(), 1);
}

TEST_F(GridTest, EscapeKeepsTheOldTextAndARefusedTextChangesNothing) {
  QSignalSpy ended(&grid, &CGrid::endEdit);
  grid.setFocusCell(2, 0);
  QTest::keyClicks(&grid, "8");
  ASSERT_NE(editor(), nullptr);
  QTest::keyClick(editor(), Qt::Key_Escape);
  EXPECT_EQ(text(2, 0), "2");
  EXPECT_EQ(grid.grid()->setData(grid.grid()->index(2, 0), "", Qt::EditRole), false);
  EXPECT_EQ(text(2, 0), "2");
  EXPECT_EQ(ended.count(), 0);
}

TEST_F(GridTest, DropDownsOfferTheOptionsTheViewGivesAtBeginEdit) {
  QSignalSpy ended(&grid, &CGrid::endEdit);
  grid.setFocusCell(1, 1);
  grid.edit(grid.currentIndex());
  auto* combo = qobject_cast<QComboBox*>(editor());
  ASSERT_NE(combo, nullptr);
  EXPECT_FALSE(combo->isEditable());
  ASSERT_EQ(combo->count(), 3);
  combo->setCurrentIndex(2);
  QTest::keyClick(combo, Qt::Key_Tab);
  test::settle();
  EXPECT_EQ(text(1, 1), "CDCSS");
  EXPECT_EQ(ended.count(), 1);
}

TEST_F(GridTest, EditableDropDownsAreFilteredAndLengthLimited) {
  grid.setFocusCell(0, 2);
  grid.edit(grid.currentIndex());
  auto* combo = qobject_cast<QComboBox*>(editor());
  ASSERT_NE(combo, nullptr);
  ASSERT_TRUE(combo->isEditable());
  combo->lineEdit()->clear();
  QTest::keyClicks(combo->lineEdit(), "123.45x6");
  EXPECT_EQ(combo->lineEdit()->text(), "123.4");
  QTest::keyClick(combo, Qt::Key_Return);
  test::settle();
  EXPECT_EQ(text(0, 2), "123.4");
}

TEST_F(GridTest, CopyGivesTheSelectedRangeAsTabSeparatedText) {
  grid.setFocusCell(1, 0);
  grid.selectionModel()->select(QItemSelection(grid.grid()->index(1, 0), grid.grid()->index(2, 1)),
                                QItemSelectionModel::ClearAndSelect);
  EXPECT_EQ(grid.selectionText(), "1\tNone\n2\tNone");
  QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "1\tNone\n2\tNone");
}

TEST_F(GridTest, PasteChecksEveryCellAndSkipsWhatCannotTakeIt) {
  QSignalSpy ended(&grid, &CGrid::endEdit);
  grid.setFocusCell(2, 0);
  // Two rows of four: "abc" is no number, the display-only column keeps its
  // text, and the third row lies outside the grid.
  grid.pasteText("150\tCTCSS\t71.9\ty\r\nabc\tCDCSS\t1234567\tz\r\n5\t5\t5\t5\r\n");
  EXPECT_EQ(text(2, 0), "99");
  EXPECT_EQ(text(2, 1), "CTCSS");
  EXPECT_EQ(text(2, 2), "71.9");
  EXPECT_EQ(text(2, 3), "x");
  EXPECT_EQ(text(3, 0), "3");  // refused
  EXPECT_EQ(text(3, 1), "CDCSS");
  EXPECT_EQ(text(3, 2), "67.0");  // longer than the column allows
  EXPECT_EQ(ended.count(), 4);
}

TEST_F(GridTest, OneValueFillsTheSelectedRange) {
  grid.setFocusCell(0, 1);
  grid.selectionModel()->select(QItemSelection(grid.grid()->index(0, 1), grid.grid()->index(3, 1)),
                                QItemSelectionModel::ClearAndSelect);
  QApplication::clipboard()->setText("CTCSS\n");
  QTest::keyClick(&grid, Qt::Key_V, Qt::ControlModifier);
  for (int r = 0; r < 4; ++r) EXPECT_EQ(text(r, 1), "CTCSS") << r;
}

TEST_F(GridTest, ClicksReportTheCellOrNone) {
  QSignalSpy clicked(&grid, &CGrid::cellClicked);
  const QRect cell = grid.visualRect(grid.grid()->index(1, 1));
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(390, 190));  // below the rows
  ASSERT_EQ(clicked.count(), 2);
  EXPECT_EQ(clicked[0][0].toInt(), 1);
  EXPECT_EQ(clicked[1][0].toInt(), -1);
}

TEST(TabSeparated, RoundTripsEmptyCellsAndLineEnds) {
  const std::vector<std::vector<QString>> rows{{"a", "", "b"}, {"", "c", ""}};
  EXPECT_EQ(tabSeparated(rows), "a\t\tb\n\tc\t");
  EXPECT_EQ(parseTabSeparated("a\t\tb\r\n\tc\t\r\n"), rows);
  EXPECT_TRUE(parseTabSeparated("").empty());
  EXPECT_EQ(parseTabSeparated("\n"), (std::vector<std::vector<QString>>{}));
}

}  // namespace
}  // namespace vex::gui

#include "app/view_dump.h"
#include "toolkit/control_id.h"

namespace vex::gui {
namespace {

TEST(ViewDump, AGridGivesItsCellsWithTheHeaderRowAndColumn) {
  QWidget form;
  auto* grid = new CGrid(&form);
  setControlId(grid, 3771);
  grid->setColumns({{"Rx", 80, CellKind::Frequency}, {"Type", 80, CellKind::DropDown}}, 2);
  grid->setCornerText("No.");
  grid->grid()->setRowHeaders({"1", "2"});
  grid->grid()->setRowTexts(0, {"446.00625", "CTCSS"});
  grid->grid()->setRowTexts(1, {"", "None"});
  const QByteArray json = objectJson(describeControl(grid, &form));
  EXPECT_EQ(json, R"({"id": 3771, "kind": "grid", "text": "", "enabled": true, "visible": true, )"
                  R"("cells": [["No.","Rx","Type"],["1","446.00625","CTCSS"],["2","","None"]]})");
}

}  // namespace
}  // namespace vex::gui
