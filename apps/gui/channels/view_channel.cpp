#include "channels/view_channel.h"

#include "adapters/field_controls.h"
#include "adapters/radio_data.h"
#include "adapters/texts.h"
#include "base/text_ids.h"
#include "channels/chan_basic_page.h"
#include "channels/chan_misc_page.h"
#include "channels/chan_sheet.h"
#include "commands/command_ids.h"
#include "views/messages.h"
#include "views/view_host.h"

namespace vex::gui {
namespace {

constexpr FormDef kForm{CViewChannel::kTemplateId, "Channel", 10, 10, {}};

}  // namespace

CViewChannel::CViewChannel(QWidget* parent)
    : CRecordView(kForm, RecordKind::Channel, LastRecordDelete::KeepCurrent, parent),
      sheet_(static_cast<CChanSheet*>(createSheet(new CChanSheet(kTemplateId)))) {
  fitFormToSheet();
}

void CViewChannel::loadCurrent() {
  sheet_->setChannel(currentKey());
  CRecordView::loadCurrent();
}

long CViewChannel::handleMessage(int message, long wParam, long lParam, const ChangeNotice* notice) {
  if (message == WM_VIEW_SHOW_LIST) {
    showList();
    return 1;
  }
  return CRecordView::handleMessage(message, wParam, lParam, notice);
}

void CViewChannel::showList() {
  storeCurrent();
  ViewHost* host = ViewHost::current();
  if (!host) return;
  host->hideFrameOf(this);
  host->showView(kCmdViewChannelList, texts::label(text::kCaptionChannelList), position());
}

void CViewChannel::noticeReceived(const ChangeNotice& notice) {
  const bool own = notice.source == kTemplateId || notice.source == CPageChanBasic::kTemplateId ||
                   notice.source == CPageChanMisc::kTemplateId;
  if (own) return;
  // The channel shown may have been deleted elsewhere: show the first one.
  if (radio_data::records(RecordKind::Channel).indexOfKey(currentKey()) == std::nullopt) {
    setCurrentKey(radio_data::records(RecordKind::Channel).keyAt(0));
    if (currentKey() != 0) loadCurrent();
    return;
  }
  sheet_->notice(notice);
}

void CViewChannel::pageChanged(CPropertyPage* page, int id) {
  if (page != sheet_->basic()) {
    CRecordView::pageChanged(page, id);  // the Options page announces no notice
    return;
  }
  ChangeNotice edit;
  edit.source = CPageChanBasic::kTemplateId;
  edit.controlId = id;
  edit.kind = ChangeNotice::kFieldEdit;
  edit.field = fieldOfControl(FieldArea::Channel, id);
  edit.key = currentKey();
  announce(edit);
  if (id == CPageChanBasic::kRxCode) {
    ChangeNotice code;
    code.source = CPageChanBasic::kTemplateId;
    code.kind = ChangeNotice::kFrequencyCode;
    code.key = currentKey();
    announce(code);
  }
}

}  // namespace vex::gui
