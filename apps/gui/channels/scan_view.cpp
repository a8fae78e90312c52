#include "channels/scan_view.h"

#include "channels/scan_pages.h"
#include "core/container.h"
#include "views/messages.h"
#include "views/property_sheet.h"
#include "views/view_host.h"

namespace vex::gui {
namespace {

constexpr FormDef kForm{CViewScan::kTemplateId, "Scan List", 10, 10, {}};

}  // namespace

CViewScan::CViewScan(QWidget* parent)
    : CRecordView(kForm, RecordKind::ScanList, LastRecordDelete::LeaveNoCurrent, parent),
      config_(new CConfigPage),
      members_(new CChannelListPage) {
  CPropertySheet* pages = createSheet();
  for (CScanPage* page : {static_cast<CScanPage*>(config_), static_cast<CScanPage*>(members_)}) {
    page->setScanListSource([this] { return RadioDataContainer::instance().scanLists().findByKey(currentKey()); });
    pages->addPage(page);
  }
  fitFormToSheet();
  // A configuration edit is described to the other views; it asks for no validation.
  connect(config_, &CConfigPage::fieldEdited, this, [](const ChangeNotice& notice) {
    if (ViewHost* host = ViewHost::current()) host->sendToMainFrame(WM_DATA_CHANGED, kChangeNoticeTag, 0, &notice);
  });
}

void CViewScan::noticeReceived(const ChangeNotice& notice) {
  if (notice.kind != ChangeNotice::kAdd && notice.kind != ChangeNotice::kValidate) return;
  storeCurrent();
  config_->refillChannelLists();
  members_->refillChannelLists();
}

}  // namespace vex::gui
