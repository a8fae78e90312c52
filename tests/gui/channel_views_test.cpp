// The channel view and the channel list: moves, the Basic page's modes and
// enabling rules, the Options page's lists and findings, the grid's row
// editing, and the two views kept in step.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "adapters/radio_data.h"
#include "channels/chan_basic_page.h"
#include "channels/chan_misc_page.h"
#include "channels/chan_sheet.h"
#include "channels/channel_grid.h"
#include "channels/view_channel.h"
#include "channels/view_channel_list.h"
#include "core/container.h"
#include "core/schema/schema.h"
#include "core/schema/schema_table.h"
#include "gui_test_support.h"
#include "toolkit/control_id.h"
#include "toolkit/entry_edits.h"
#include "views/messages.h"
#include "views/view_host.h"
#include "workspace/child_frame.h"
#include "workspace/main_frame.h"
#include "workspace/nav_bar.h"

namespace vex::gui {
namespace {

using P = CPageChanBasic;
using C = ChannelColumn;

void channelLanguage(test::DataDir& data) {
  for (const char* line :
       {"S0203655=Channel", "S0203656=Basic", "S0203657=Options", "S0203661=0.12.5 kHz;1.25 kHz",
        "S0203663=0.Low;1.High", "S0203665=RX Frequency[MHz]", "S0203668=0.None;1.CTCSS;2.CDCSS;3.CDCSS Invert",
        "S0203677=0.None;1.CTCSS;2.CDCSS;3.CDCSS Invert", "S0203702=Personality", "S0203706=0.None;1.1",
        "S0203708=0.Off;1.On", "S0203770=Channel List"})
    data.addLanguageLine(line);
}

// Records what the views send up and ask for.
struct ChannelHost : ViewHost {
  ChannelHost() { ViewHost::setCurrent(this); }
  ~ChannelHost() override { ViewHost::setCurrent(nullptr); }
  void sendToMainFrame(int, long wParam, long, const ChangeNotice* notice) override {
    if (wParam == kChangeNoticeTag && notice) notices.push_back(*notice);
  }
  void showMessageText(int id) override { shown.push_back(id); }
  std::vector<int> kinds() const {
    std::vector<int> k;
    for (const ChangeNotice& n : notices) k.push_back(n.kind);
    return k;
  }
  std::vector<ChangeNotice> notices;
  std::vector<int> shown;
};

RadioDataContainer& data() { return RadioDataContainer::instance(); }
ChannelRecord& channel(std::size_t i) { return data().channels()[i].record(); }

struct ChannelViewTest : ::testing::Test {
  explicit ChannelViewTest(test::Level level = test::Level::Service) : dir(level) { channelLanguage(dir); }
  CPageChanBasic* basic() const { return view->chanSheet()->basic(); }
  CPageChanMisc* misc() const { return view->chanSheet()->misc(); }
  QComboBox* combo(int id) const { return findControlAs<QComboBox>(view->form(), id); }
  void choose(int id, int index) {
    combo(id)->setCurrentIndex(index);
    emit combo(id)->activated(index);
  }
  CFreqEdit* edit(bool transmit) const { return basic()->frequencyEdit(transmit); }
  void type(bool transmit, const QString& text) {
    edit(transmit)->setText(text);
    emit edit(transmit)->editingFinished();
  }
  void open() {
    view = std::make_unique<CViewChannel>();
    view->setAddLimit(16);  // as the view table opens it
    view->initialUpdate();
  }

  test::DataDir dir;
  ChannelHost host;
  std::unique_ptr<CViewChannel> view;
};

struct Pmr446ViewTest : ChannelViewTest {
  Pmr446ViewTest() : ChannelViewTest(test::Level::Normal) {}
};

TEST_F(ChannelViewTest, AnEmptyListGetsChannelOneWithItsDefaults) {
  data().channels().clear();
  open();
  EXPECT_EQ(radio_data::recordCount(RecordKind::Channel), 1);
  EXPECT_EQ(host.kinds(), std::vector<int>{ChangeNotice::kAdd});
  EXPECT_FALSE(basic()->pmr446Mode());
  EXPECT_EQ(edit(false)->text(), "446.00625");
  EXPECT_EQ(combo(P::kRxCtcss)->currentText(), "94.8");
  EXPECT_EQ(combo(P::kTxType)->currentText(), "CTCSS");
  EXPECT_EQ(view->chanSheet()->tabText(1), "Options");
}

TEST_F(ChannelViewTest, MovesStopAtTheEndsAndTheLastChannelCannotBeDeleted) {
  open();
  view->navigate(RecordMove::Previous);
  EXPECT_EQ(view->position(), 1);
  view->navigate(RecordMove::Last);
  view->navigate(RecordMove::Next);
  EXPECT_EQ(view->position(), 16);
  EXPECT_EQ(host.kinds(), (std::vector<int>{kMovePrevious, kMoveLast, kMoveNext}));
  view->navigate(RecordMove::Add);  // the view table's limit is 16
  EXPECT_EQ(radio_data::recordCount(RecordKind::Channel), 16);
  view->navigate(RecordMove::Delete);  // the last of 16: the new last is shown
  EXPECT_EQ(view->position(), 15);
  const int second = radio_data::records(RecordKind::Channel).keyAt(1);
  view->navigate(RecordMove::First);
  view->navigate(RecordMove::Delete);  // the first: the former second is shown
  EXPECT_EQ(view->currentKey(), second);
  while (radio_data::recordCount(RecordKind::Channel) > 1) view->navigate(RecordMove::Delete);
  view->navigate(RecordMove::Delete);
  EXPECT_EQ(radio_data::recordCount(RecordKind::Channel), 1);
  EXPECT_EQ(view->position(), 1);
  EXPECT_EQ(host.kinds().back(), kMoveDelete);  // announced all the same
}

TEST_F(ChannelViewTest, ClearingTheReceiveFrequencyClearsAndDisablesTransmit) {
  open();
  type(false, "");
  EXPECT_TRUE(edit(true)->text().isEmpty());
  EXPECT_FALSE(edit(true)->isEnabled());
  EXPECT_EQ(channel(0).rxFrequency(), kNoFrequency);
  EXPECT_EQ(channel(0).txFrequency(), kNoFrequency);
  ASSERT_FALSE(host.notices.empty());
  EXPECT_EQ(host.notices.back().controlId, P::kRxFrequency);
  EXPECT_EQ(host.notices.back().field, &SchemaField(FieldArea::Channel, "rx_frequency"));
  EXPECT_EQ(host.notices.back().key, data().channels()[0].key());
  type(false, "446.5");
  EXPECT_TRUE(edit(true)->isEnabled());
}

TEST_F(ChannelViewTest, ATypedFrequencyIsPulledIntoTheBandWithOneWarning) {
  open();
  type(false, "480");
  emit edit(false)->editingFinished();  // leaving once more warns no more
  test::settle();
  EXPECT_EQ(host.shown, std::vector<int>{1164});
  EXPECT_EQ(edit(false)->text(), "447.00000");
  EXPECT_EQ(channel(0).rxFrequency(), 0x44700000u);
  type(true, "446.0071");  // on no raster: down to 12.5 kHz
  EXPECT_EQ(edit(true)->text(), "446.00000");
  EXPECT_EQ(channel(0).txStepCode(), 6);
}

TEST_F(ChannelViewTest, TheToneTypeDecidesWhichToneIsEditedAndNoneKeepsTheValue) {
  open();
  choose(P::kRxType, 0);
  EXPECT_FALSE(combo(P::kRxCtcss)->isEnabled());
  EXPECT_FALSE(combo(P::kRxCdcss)->isEnabled());
  EXPECT_EQ(channel(0).rxTone(), 0x13B4);  // type 0, the 94.8 Hz value kept
  choose(P::kRxType, 2);
  EXPECT_TRUE(combo(P::kRxCdcss)->isEnabled());
  EXPECT_FALSE(combo(P::kRxCtcss)->isEnabled());
  EXPECT_EQ(channel(0).rxTone(), 0x9013);  // CDCSS 023
  combo(P::kRxCdcss)->setEditText("024");
  emit combo(P::kRxCdcss)->lineEdit()->editingFinished();
  EXPECT_EQ(channel(0).rxTone(), 0xB014);  // not a standard code: bit 13
}

TEST_F(ChannelViewTest, CopyToTransmitCopiesFrequencyAndTheWholeToneWord) {
  channel(0).setRxFrequency(0x44601250);
  channel(0).setRxTone(0x73E8);  // CTCSS 100.0 Hz with bits 12 and 13
  open();
  findControlAs<QPushButton>(view->form(), P::kCopyToTransmit)->click();
  EXPECT_EQ(channel(0).txFrequency(), 0x44601250u);
  EXPECT_EQ(channel(0).txTone() & 0xCFFF, 0x73E8 & 0xCFFF);
  EXPECT_EQ(edit(true)->text(), "446.01250");
  EXPECT_EQ(combo(P::kTxCtcss)->currentText(), "100.0");
}

TEST_F(Pmr446ViewTest, NoneForReceiveForcesTransmitNoneAndSwitchesTheTonesOff) {
  open();
  ASSERT_TRUE(basic()->pmr446Mode());
  EXPECT_TRUE(combo(P::kRxCode)->isVisibleTo(basic()));
  EXPECT_FALSE(edit(false)->isVisibleTo(basic()));
  EXPECT_EQ(combo(P::kRxCode)->currentText(), "446.00625");
  choose(P::kRxCode, 0);
  EXPECT_EQ(combo(P::kTxCode)->currentIndex(), 0);
  for (int id : {P::kRxType, P::kRxCtcss, P::kRxCdcss, P::kTxCode, P::kTxType, P::kTxCtcss, P::kTxCdcss})
    EXPECT_FALSE(findControl(view->form(), id)->isEnabled()) << id;
  EXPECT_EQ(channel(0).rxFrequency(), kNoFrequency);
  EXPECT_EQ(channel(0).txFrequency(), kNoFrequency);
  EXPECT_EQ(data().channels()[0].enabled(), 0);
  EXPECT_EQ(host.kinds().back(), ChangeNotice::kFrequencyCode);
  choose(P::kRxCode, 3);
  EXPECT_EQ(channel(0).rxFrequency(), 0x44603125u);
  EXPECT_TRUE(combo(P::kRxCtcss)->isEnabled());
  EXPECT_FALSE(combo(P::kTxType)->isEnabled());  // transmit is still none
}

TEST_F(Pmr446ViewTest, AChannelLoadedWithoutReceiveShowsNoneForTransmitToo) {
  channel(0).setRxFrequency(kNoFrequency);
  channel(0).setTxFrequency(0x44609375);
  open();
  EXPECT_EQ(combo(P::kTxCode)->currentIndex(), 0);
  EXPECT_FALSE(combo(P::kTxCode)->isEnabled());
  choose(P::kPower, 1);  // what a store keeps is what the view shows
  EXPECT_EQ(channel(0).txFrequency(), kNoFrequency);
}

TEST_F(Pmr446ViewTest, AFrequencyOutsideThePmr446ListIsKept) {
  channel(0).setRxFrequency(0x44610000);
  open();
  EXPECT_EQ(combo(P::kRxCode)->currentIndex(), -1);
  choose(P::kPower, 1);
  EXPECT_EQ(channel(0).rxFrequency(), 0x44610000u);
  EXPECT_EQ(channel(0).powerIndex(), 1);
}

TEST(ToneEntries, CdcssTakesOctalDigitsOnlyAndCtcssTheUsersSeparator) {
  test::DataDir dir;
  QLocale::setDefault(QLocale(QLocale::German));
  QComboBox ctcss, cdcss;
  makeCtcssCombo(&ctcss);
  makeCdcssCombo(&cdcss);
  QLocale::setDefault(QLocale::c());
  cdcss.lineEdit()->clear();
  QTest::keyClicks(cdcss.lineEdit(), "0839");
  EXPECT_EQ(cdcss.currentText(), "03");
  EXPECT_EQ(cdcss.count(), 104);
  ctcss.lineEdit()->clear();
  QTest::keyClicks(ctcss.lineEdit(), "9x4,8");
  EXPECT_EQ(ctcss.currentText(), "94,8");
  emit ctcss.lineEdit()->editingFinished();
  EXPECT_EQ(ctcss.currentText(), "94.8");
  ctcss.setEditText("20");
  emit ctcss.lineEdit()->editingFinished();
  EXPECT_EQ(ctcss.currentText(), "40.0");
}

TEST_F(ChannelViewTest, ChoosingAPersonalityWithdrawsTheFindingValidationMade) {
  data().personalities().appendNew();
  channel(0).setPersonalityIndex(5);
  WriteField(SchemaField(FieldArea::Channel, "atis"), channel(0).span(), 1);
  data().resolveLinks();
  open();
  ChangeNotice validate;
  validate.kind = ChangeNotice::kValidate;
  radio_data::broadcast(validate);
  const FieldDef* personality = FindField(FieldArea::Channel, "personality");
  const int key = data().channels().keyAt(0);
  ASSERT_TRUE(radio_data::invalidLog().contains(key, personality));
  EXPECT_EQ(misc()->combo(CPageChanMisc::kPersonality)->count(), 2);
  EXPECT_EQ(misc()->combo(CPageChanMisc::kPersonality)->currentIndex(), -1);
  choose(CPageChanMisc::kPersonality, 1);
  EXPECT_EQ(channel(0).personalityIndex(), 1);
  EXPECT_EQ(data().channels()[0].personalityLink(), data().personalities().keyAt(1));
  EXPECT_FALSE(radio_data::invalidLog().contains(key, personality));
  EXPECT_EQ(ReadField(SchemaField(FieldArea::Channel, "atis"), channel(0).bytes), 1);
}

struct ChannelListTest : ::testing::Test {
  ChannelListTest() { channelLanguage(dir); }
  void open() {
    view = std::make_unique<CViewChannelList>();
    view->setWidthStore(&widths);
    view->setAddLimit(16);
    view->initialUpdate();
  }
  CGridModel& model() const { return *view->grid()->grid(); }
  QString cell(int row, C column) const { return model().text(row, static_cast<int>(column)); }
  // What the in-place editor does when an edit ends.
  void edit(int row, C column, const QString& text) {
    const int c = static_cast<int>(column);
    ASSERT_TRUE(model().setData(model().index(row, c), text, Qt::EditRole)) << text.toStdString();
    emit view->grid()->endEdit(row, c);
  }
  void selectRows(int first, int last) {
    QItemSelection rows(model().index(first, 0), model().index(last, model().columnCount() - 1));
    view->grid()->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
  }
  void setCurrent(int row, C column) {
    view->grid()->selectionModel()->setCurrentIndex(model().index(row, static_cast<int>(column)),
                                                    QItemSelectionModel::NoUpdate);
  }
  CellKind kind(int row, C column) const { return model().kind(row, static_cast<int>(column)); }

  test::DataDir dir{test::Level::Service};
  ChannelHost host;
  QTemporaryDir settingsDir;
  QSettings widths{settingsDir.filePath("widths.ini"), QSettings::IniFormat};
  std::unique_ptr<CViewChannelList> view;
};

TEST_F(ChannelListTest, OneRowPerChannelWithTheToneCellsItsTypesUse) {
  open();
  ASSERT_EQ(model().rowCount(), 16);
  EXPECT_EQ(model().columnCount(), 13);
  EXPECT_EQ(model().headerData(15, Qt::Vertical, Qt::DisplayRole).toString(), "16");
  EXPECT_EQ(view->grid()->cornerText(), "No.");
  EXPECT_EQ(cell(15, C::RxFrequency), "446.09375");
  EXPECT_EQ(cell(15, C::TxCtcss), "156.7");
  EXPECT_EQ(cell(15, C::AutoStartScan), "On");
  EXPECT_EQ(kind(0, C::RxCtcss), CellKind::EditableDropDown);
  EXPECT_EQ(kind(0, C::RxCdcss), CellKind::DisplayOnly);
  edit(0, C::RxType, "CDCSS");
  EXPECT_EQ(kind(0, C::RxCtcss), CellKind::DisplayOnly);
  EXPECT_EQ(kind(0, C::RxCdcss), CellKind::EditableDropDown);
  EXPECT_EQ(channel(0).rxTone(), 0x9013);
  EXPECT_EQ(host.notices.back().kind, ChangeNotice::kFieldEdit);
  EXPECT_EQ(host.notices.back().source, CViewChannelList::kTemplateId);
}

TEST_F(ChannelListTest, EditsAreCheckedThenStoredIntoTheirOwnBytes) {
  data().personalities().appendNew();
  WriteField(SchemaField(FieldArea::Channel, "atis"), channel(2).span(), 1);
  open();
  edit(1, C::TxCtcss, "69.4");
  EXPECT_EQ(channel(1).txTone() & 0x2FFF, 0x2000 | 694);
  const ChannelRecord before = channel(2);
  edit(2, C::Personality, "2");
  for (std::size_t i = 0; i < before.bytes.size(); ++i)
    EXPECT_EQ(channel(2).bytes[i], i == SchemaField(FieldArea::Channel, "personality").offset ? 1 : before.bytes[i])
        << i;
  EXPECT_EQ(data().channels()[2].personalityLink(), data().personalities().keyAt(1));
  EXPECT_FALSE(model().setData(model().index(2, static_cast<int>(C::Personality)), "3", Qt::EditRole));
  edit(3, C::RxFrequency, "480");  // pulled into 446-447 without a word
  EXPECT_EQ(cell(3, C::RxFrequency), "447.00000");
  EXPECT_TRUE(host.shown.empty());
}

TEST_F(ChannelListTest, DeleteInTheListKeepsTheLastChannelAndLeavesNoneCurrent) {
  while (data().channels().size() > 1) data().channels().removeAt(1);
  open();
  view->deliver(WM_VIEW_NAVIGATE, 0, kMoveDelete);
  EXPECT_EQ(radio_data::recordCount(RecordKind::Channel), 1);
  EXPECT_EQ(model().rowCount(), 1);
  EXPECT_EQ(view->position(), 0);
}

TEST_F(ChannelListTest, SelectedRowsTakeAColumnCopyPasteAndDeleteAsRows) {
  open();
  selectRows(0, 2);
  setCurrent(0, C::RxFrequency);
  // Ctrl+arrows move the current cell to the column and keep the rows selected.
  for (int c = 0; c < static_cast<int>(C::Power); ++c)
    QTest::keyClick(view->grid(), Qt::Key_Right, Qt::ControlModifier);
  ASSERT_EQ(view->grid()->currentIndex().column(), static_cast<int>(C::Power));
  ASSERT_EQ(view->grid()->selectedWholeRows(), std::vector<int>({0, 1, 2}));
  edit(0, C::Power, "High");
  for (int row = 0; row < 4; ++row) EXPECT_EQ(channel(row).powerIndex(), row < 3 ? 1 : 0) << row;

  const QString copied = view->grid()->selectionText();
  const QStringList lines = copied.split('\n');
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[1].split('\t').size(), 13);
  EXPECT_TRUE(lines[1].startsWith("446.01875\tCTCSS\t97.4\t023\t"));

  selectRows(5, 5);
  setCurrent(5, C::RxFrequency);
  view->pasteRows(copied);
  for (int row = 5; row < 8; ++row) {
    EXPECT_EQ(channel(row).rxFrequency(), channel(row - 5).rxFrequency()) << row;
    EXPECT_EQ(channel(row).rxTone(), channel(row - 5).rxTone()) << row;
    EXPECT_EQ(channel(row).powerIndex(), 1) << row;
  }

  selectRows(0, 1);
  view->deleteSelectedRows();
  EXPECT_EQ(radio_data::recordCount(RecordKind::Channel), 14);
  EXPECT_EQ(model().rowCount(), 14);
  EXPECT_EQ(host.kinds().back(), ChangeNotice::kValidate);
}

TEST_F(ChannelListTest, TheKeysCopyPasteAndDeleteRowsThroughTheClipboard) {
  open();
  CChannelGrid* grid = view->grid();
  selectRows(0, 1);
  setCurrent(0, C::RxFrequency);
  QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text().count('\n'), 1);

  selectRows(4, 4);
  setCurrent(4, C::RxFrequency);
  QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(channel(4).rxFrequency(), channel(0).rxFrequency());
  EXPECT_EQ(channel(5).txTone(), channel(1).txTone());
  EXPECT_EQ(channel(6).rxFrequency(), 0x44608125u);  // below the block, untouched

  // A spreadsheet's rows end in CR LF and may hold fewer columns than the grid.
  setCurrent(6, C::RxFrequency);
  grid->selectionModel()->clearSelection();
  QApplication::clipboard()->setText(QStringLiteral("446.1\tCDCSS\r\n446.2\tNone\r\n"));
  QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(channel(6).rxFrequency(), 0x44610000u);
  EXPECT_EQ(channel(6).rxTone() >> 14, 2);
  EXPECT_EQ(channel(7).rxFrequency(), 0x44620000u);
  EXPECT_EQ(channel(8).rxFrequency(), 0x44600625u);

  selectRows(4, 6);
  QTest::keyClick(grid, Qt::Key_Delete);
  EXPECT_EQ(radio_data::recordCount(RecordKind::Channel), 13);
  EXPECT_EQ(cell(4, C::RxFrequency), "446.20000");
}

TEST_F(ChannelListTest, PastingPastTheLastRowAddsChannelsUpToTheLimit) {
  data().channels().removeAt(15);
  data().channels().removeAt(14);
  open();
  const QString row = QStringLiteral("446.05625\tCDCSS\t67.0\t754\t\tNone\t67.0\t023\t25 kHz\tHigh\t1\tNone\tOff\n");
  setCurrent(13, C::RxFrequency);
  view->pasteRows(row + row + row + row);
  EXPECT_EQ(radio_data::recordCount(RecordKind::Channel), 16);
  EXPECT_EQ(channel(15).rxFrequency(), 0x44605625u);
  EXPECT_EQ(channel(15).rxTone() & 0xCFFF, 0x81EC);  // CDCSS 754
  EXPECT_EQ(channel(15).txFrequency(), kNoFrequency);
  EXPECT_EQ(channel(15).scanListNumber(), 0);
  const std::vector<int> kinds = host.kinds();
  EXPECT_EQ(std::count(kinds.begin(), kinds.end(), ChangeNotice::kAdd), 1);
  const ChannelRecord before = channel(0);
  setCurrent(0, C::RxFrequency);
  view->pasteRows("not a frequency");
  EXPECT_EQ(channel(0).bytes, before.bytes);
}

TEST_F(ChannelListTest, SeventeenChannelsFromAFileAreEditedButNotAddedTo) {
  ASSERT_NE(data().channels().appendNew(), nullptr);  // as a file may bring them
  open();
  EXPECT_EQ(model().rowCount(), 17);
  view->deliver(WM_VIEW_NAVIGATE, 0, kMoveAdd);
  setCurrent(16, C::RxFrequency);
  view->pasteRows("446.1\n446.2");
  EXPECT_EQ(radio_data::recordCount(RecordKind::Channel), 17);
  EXPECT_EQ(channel(16).rxFrequency(), 0x44610000u);
}

TEST_F(ChannelListTest, ColumnWidthsAreRemembered) {
  open();
  view->grid()->setColumnWidth(0, 150);
  view->closing();
  open();
  EXPECT_EQ(view->grid()->columnWidth(0), 150);
}

TEST(ChannelViews, TheListFollowsTheChannelViewAndEditsReachBoth) {
  test::DataDir dir(test::Level::Service);
  channelLanguage(dir);
  CMainFrame frame;
  frame.show();
  CChildFrame* channelFrame = frame.openView(kCmdViewChannel);
  auto* channelView = static_cast<CViewChannel*>(channelFrame->view());
  QAbstractButton* listButton = channelFrame->navBar()->button(CNavBar::kList);
  ASSERT_TRUE(listButton->isVisibleTo(channelFrame));
  channelView->deliver(WM_VIEW_NAVIGATE, 3, kMoveTo);
  listButton->click();
  EXPECT_TRUE(channelFrame->isHidden());
  CChildFrame* listFrame = frame.frameOf(kCmdViewChannelList);
  ASSERT_NE(listFrame, nullptr);
  auto* list = static_cast<CViewChannelList*>(listFrame->view());
  EXPECT_EQ(list->position(), 3);
  EXPECT_EQ(list->grid()->selectedWholeRows(), std::vector<int>{2});

  frame.openView(kCmdViewChannel);  // back, both open
  channelFrame->navBar()->button(CNavBar::kNext)->click();
  EXPECT_EQ(list->position(), 4);
  EXPECT_EQ(list->grid()->selectedWholeRows(), std::vector<int>{3});

  // An edit in the list reaches the channel view, which then stores it unchanged.
  CGridModel& model = *list->grid()->grid();
  const int power = static_cast<int>(C::Power);
  ASSERT_TRUE(model.setData(model.index(3, power), "High", Qt::EditRole));
  emit list->grid()->endEdit(3, power);
  EXPECT_EQ(findControlAs<QComboBox>(channelView->form(), P::kPower)->currentText(), "High");
  channelView->deliver(WM_VIEW_STORE, 0, 0);
  EXPECT_EQ(channel(3).powerIndex(), 1);
}

}  // namespace
}  // namespace vex::gui
