// The form-view framework: field-driven pages, the property sheet, the
// multi-record view base and the views' requests to the main frame.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "adapters/field_controls.h"
#include "adapters/radio_data.h"
#include "core/container.h"
#include "gui_test_support.h"
#include "toolkit/control_id.h"
#include "views/messages.h"
#include "views/property_sheet.h"
#include "views/record_view.h"
#include "views/view_host.h"
#include "workspace/child_frame.h"
#include "workspace/main_frame.h"
#include "workspace/nav_bar.h"

namespace vex::gui {
namespace {

using K = ControlKind;

// A personality view of two pages, as the personality view will be built.
constexpr ControlDef kRxTxControls[] = {
    {2320, K::Label, "Tx Admit", 5, 5, 60, 12},
    {2321, K::Combo, "", 70, 5, 60, 12},
    {2341, K::Check, "Busy Channel Lockout", 5, 22, 120, 12},
};
constexpr ControlDef kSquelchControls[] = {
    {2350, K::Label, "Rx Squelch Mode", 5, 5, 60, 12},
    {2351, K::Combo, "", 70, 5, 60, 12},
};
constexpr FormDef kRxTxPage{2311, "RX/TX", 140, 40, kRxTxControls};
constexpr FormDef kSquelchPage{2312, "Squelch", 140, 40, kSquelchControls};
constexpr FormDef kViewForm{2310, "Personality", 10, 10, {}};

class TwoPageView : public CRecordView {
 public:
  TwoPageView() : CRecordView(kViewForm, RecordKind::Personality, LastRecordDelete::LeaveNoCurrent) {
    CPropertySheet* pages = createSheet();
    pages->addPage(new CPropertyPage(kRxTxPage, FieldArea::Personality));
    pages->addPage(new CPropertyPage(kSquelchPage, FieldArea::Personality));
    fitFormToSheet();
  }
  QComboBox* combo(int id) const { return findControlAs<QComboBox>(form(), id); }
};

// Records what the views send up and ask for.
struct RecordingHost : ViewHost {
  RecordingHost() { ViewHost::setCurrent(this); }
  ~RecordingHost() override { ViewHost::setCurrent(nullptr); }
  void sendToMainFrame(int message, long wParam, long, const ChangeNotice* notice) override {
    messages.push_back(message);
    if (wParam == kChangeNoticeTag && notice) kinds.push_back(notice->kind);
  }
  std::vector<int> messages;
  std::vector<int> kinds;
};

void personalityLanguage(test::DataDir& data) {
  data.addLanguageLine("S0202321=0.Never;1.Always;2.Channel Free");
  data.addLanguageLine("S0202351=0.Carrier;1.CTCSS/CDCSS");
  data.addLanguageLine("S0202311=RX/TX Settings");
  data.addLanguageLine("S0202312=Squelch Settings");
}

std::uint8_t personalityByte(std::size_t index, std::size_t offset) {
  return RadioDataContainer::instance().personalities()[index].record().bytes[offset];
}

TEST(FieldControls, EachControlOfAnAreaShowsOneField) {
  for (const FieldDef& field : FieldTable()) {
    if (field.control != 0) {
      EXPECT_EQ(fieldOfControl(field.area, field.control), &field) << field.key;
    }
  }
}

TEST(CPropertySheet, PagesTakeTheirCaptionsAndFieldsFromTheLanguageAndTheCurrentRecord) {
  test::DataDir data;
  personalityLanguage(data);
  TwoPageView view;
  view.initialUpdate();
  CPropertySheet* sheet = view.sheet();
  ASSERT_EQ(sheet->count(), 2);
  EXPECT_EQ(sheet->tabText(0), "RX/TX Settings");
  EXPECT_EQ(sheet->tabText(1), "Squelch Settings");
  EXPECT_EQ(view.combo(2321)->currentText(), "Always");  // default Tx admit 1
  EXPECT_EQ(view.combo(2351)->currentText(), "CTCSS/CDCSS");
  EXPECT_EQ(view.combo(2321)->count(), 3);  // translated once, though page and view both translate
  EXPECT_EQ(view.position(), 1);
}

TEST(CPropertySheet, AUserChangeOnAPageReachesOnlyTheCurrentRecord) {
  test::DataDir data;
  personalityLanguage(data);
  RadioDataContainer::instance().personalities().appendNew();
  RecordingHost host;
  TwoPageView view;
  view.initialUpdate();
  view.navigate(RecordMove::Next);
  QComboBox* squelch = view.combo(2351);
  squelch->setCurrentIndex(0);
  emit squelch->activated(0);
  EXPECT_EQ(personalityByte(1, 8), 0);
  EXPECT_EQ(personalityByte(0, 8), 1);
  EXPECT_EQ(host.messages.back(), WM_DATA_CHANGED);
}

TEST(CRecordView, MovesStoreBeforeAndLoadAfterAndAnnounceOnce) {
  test::DataDir data;
  personalityLanguage(data);
  RecordingHost host;
  TwoPageView view;
  view.initialUpdate();
  view.combo(2321)->setCurrentIndex(2);  // typed, not yet stored
  view.navigate(RecordMove::Add);
  EXPECT_EQ(personalityByte(0, 12), 2);  // stored into the record it was shown with
  EXPECT_EQ(view.position(), 2);
  EXPECT_EQ(view.combo(2321)->currentText(), "Always");  // the new record's defaults
  EXPECT_EQ(host.kinds, std::vector<int>{kMoveAdd});
  view.navigate(RecordMove::First);
  EXPECT_EQ(view.combo(2321)->currentText(), "Channel Free");
  EXPECT_EQ(host.kinds, (std::vector<int>{kMoveAdd, kMoveFirst}));
}

TEST(CRecordView, AddStopsAtTheViewsLimitAndTheLastRecordStays) {
  test::DataDir data;
  personalityLanguage(data);
  TwoPageView view;
  view.setAddLimit(2);
  view.initialUpdate();
  for (int i = 0; i < 3; ++i) view.navigate(RecordMove::Add);
  EXPECT_EQ(radio_data::recordCount(RecordKind::Personality), 2);
  view.navigate(RecordMove::Delete);
  view.navigate(RecordMove::Delete);
  EXPECT_EQ(radio_data::recordCount(RecordKind::Personality), 1);
  EXPECT_EQ(view.position(), 0);  // no current record; storing must not write anywhere
  view.combo(2351)->setCurrentIndex(0);
  view.deliver(WM_VIEW_STORE, 0, 0);
  EXPECT_EQ(personalityByte(0, 8), 1);
}

TEST(CRecordView, AnEmptyListGetsARecordWhenTheViewOpens) {
  test::DataDir data;
  personalityLanguage(data);
  RadioDataContainer::instance().personalities().clear();
  RecordingHost host;
  TwoPageView view;
  view.initialUpdate();
  EXPECT_EQ(radio_data::recordCount(RecordKind::Personality), 1);
  EXPECT_EQ(host.kinds, std::vector<int>{ChangeNotice::kAdd});
  EXPECT_EQ(view.combo(2321)->currentText(), "Always");
}

TEST(CPropertySheet, TheActivePageIsRememberedPerViewClass) {
  test::DataDir data;
  {
    TwoPageView view;
    view.initialUpdate();
    EXPECT_EQ(view.sheet()->currentIndex(), 0);
    view.sheet()->setCurrentIndex(1);
    view.closing();
  }
  TwoPageView again;
  again.initialUpdate();
  EXPECT_EQ(again.sheet()->currentIndex(), 1);
  again.sheet()->setCurrentIndex(0);
  again.closing();
}

TEST(ViewHost, AViewMayCloseItsOwnFrameFromItsSlot) {
  test::DataDir data;
  CMainFrame frame;
  QPointer<CChildFrame> mis = frame.openView(kCmdViewMisc);
  CCustomFormView* view = mis->view();
  auto* button = new QPushButton(view->form());
  QObject::connect(button, &QPushButton::clicked, view, [view] {
    ViewHost::current()->closeFrameOf(view);
    view->setObjectName("still here");  // the view lives until the slot has returned
  });
  button->click();
  EXPECT_FALSE(mis.isNull());
  test::settle();
  EXPECT_TRUE(mis.isNull());
  EXPECT_EQ(frame.frameOf(kCmdViewMisc), nullptr);
}

TEST(ViewHost, HiddenFramesComeBackAndViewsOpenOthers) {
  test::DataDir data;
  CMainFrame frame;
  frame.show();
  CChildFrame* channel = frame.openView(kCmdViewChannel);
  ViewHost::current()->hideFrameOf(channel->view());
  EXPECT_TRUE(channel->isHidden());
  ViewHost::current()->showView(kCmdViewChannelList, "All channels");
  CChildFrame* list = frame.frameOf(kCmdViewChannelList);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->windowTitle(), "All channels");
  EXPECT_EQ(frame.openView(kCmdViewChannel), channel);
  EXPECT_FALSE(channel->isHidden());
  std::vector<int> shown;
  frame.setMessageTextHandler([&shown](int id) { shown.push_back(id); });
  ViewHost::current()->showMessageText(1164);
  EXPECT_EQ(shown, std::vector<int>{1164});
}

TEST(ViewHost, RefreshBringsTreeStatusAndRadioInformationInStep) {
  test::DataDir data;
  CMainFrame frame;
  CChildFrame* info = frame.openView(kCmdViewRadioInfo);
  auto serial = radio_data::areaBytes(FieldArea::RadioInfo).subspan(56, 3);
  std::copy_n("ABC", 3, serial.begin());
  RadioDataContainer::instance().personalities().appendNew();
  ViewHost::current()->refresh(ViewHost::kRefreshTree | ViewHost::kRefreshRadioInfo);
  EXPECT_TRUE(findControlAs<QLineEdit>(info->view()->form(), 1115)->text().startsWith("ABC"));
  EXPECT_EQ(frame.tree()->item(kCmdViewPersonality)->childCount(), 2);
}

}  // namespace
}  // namespace vex::gui
