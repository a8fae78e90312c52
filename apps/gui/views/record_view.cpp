#include "views/record_view.h"

#include "adapters/radio_data.h"
#include "core/record_limits.h"
#include "help/help_window.h"
#include "toolkit/control_id.h"
#include "toolkit/translate.h"
#include "views/messages.h"
#include "views/property_sheet.h"
#include "views/view_host.h"

namespace vex::gui {

CRecordView::CRecordView(const FormDef& formDef, RecordKind list, LastRecordDelete lastRecord, QWidget* parent)
    : CCustomFormView(formDef, parent), list_(list), rules_{MostRecords(list), lastRecord} {}

RecordListAccess CRecordView::records() const { return radio_data::records(list_); }

CPropertySheet* CRecordView::createSheet(CPropertySheet* sheet) {
  if (!sheet_) {
    sheet_ = sheet ? sheet : new CPropertySheet(templateId(), form());
    sheet_->setParent(form());
    connect(sheet_, &CPropertySheet::pageChanged, this, &CRecordView::pageChanged);
  } else {
    delete sheet;
  }
  return sheet_;
}

void CRecordView::pageChanged(CPropertyPage*, int) {
  if (ViewHost* host = ViewHost::current()) host->sendToMainFrame(WM_DATA_CHANGED, 0, 0, nullptr);
}

void CRecordView::fitFormToSheet() {
  if (!sheet_) return;
  sheet_->move(0, 0);
  sheet_->resize(sheet_->sizeHint());
  form()->setFixedSize(sheet_->size());
}

void CRecordView::initialUpdate() {
  translateWindow(form(), templateId());
  setWindowTitle(form()->windowTitle());
  if (sheet_) {
    for (CPropertyPage* page : sheet_->pages()) page->setBytesSource([this] { return currentBytes(); });
    sheet_->activateRememberedPage();
  }
  refresh();
  opened_ = true;
}

void CRecordView::refresh() {
  RecordListAccess list = records();
  if (list.size() == 0) {
    current_ = list.appendNew();
    ChangeNotice added;
    added.kind = ChangeNotice::kAdd;
    announce(added);
  } else {
    current_ = list.keyAt(0);
  }
  if (current_ != 0) loadCurrent();
}

int CRecordView::position() const {
  const auto index = records().indexOfKey(current_);
  return index ? static_cast<int>(*index) + 1 : 0;
}

std::span<std::uint8_t> CRecordView::currentBytes() const {
  const RecordListAccess list = records();
  const auto index = list.indexOfKey(current_);
  return index ? list.bytesAt(*index) : std::span<std::uint8_t>();
}

void CRecordView::loadCurrent() {
  if (sheet_) sheet_->loadAll();
}

void CRecordView::storeCurrent() {
  if (sheet_ && current_ != 0) sheet_->storeAll();
}

void CRecordView::navigate(RecordMove move, int number) {
  storeCurrent();
  RecordListAccess list = records();
  current_ = ApplyRecordMove(list, current_, move, number, rules_, &radio_data::invalidLog());
  if (current_ != 0) loadCurrent();
  ChangeNotice notice;
  notice.kind = static_cast<int>(move);
  notice.key = current_;
  announce(notice);
}

void CRecordView::announce(ChangeNotice notice) {
  if (notice.source == 0) notice.source = templateId();
  if (ViewHost* host = ViewHost::current()) host->sendToMainFrame(WM_DATA_CHANGED, kChangeNoticeTag, 0, &notice);
  radio_data::broadcast(notice);
}

long CRecordView::handleMessage(int message, long wParam, long lParam, const ChangeNotice* notice) {
  switch (message) {
    case WM_VIEW_LOAD: refresh(); return 1;
    case WM_VIEW_STORE: storeCurrent(); return 1;
    case WM_VIEW_NAVIGATE:
      if (lParam < kMoveFirst || lParam > kMoveTo) return 0;
      navigate(static_cast<RecordMove>(lParam), static_cast<int>(wParam));
      return 1;
    case WM_DATA_CHANGED:
      if (wParam == kChangeNoticeTag && notice) noticeReceived(*notice);
      return 1;
    default: return 0;
  }
}

void CRecordView::closing() {
  if (!opened_) return;
  storeCurrent();
  if (sheet_) sheet_->rememberActivePage();
}

void CRecordView::showContextHelp(int controlId) {
  // A control on a page: its topic, else its page's, else the view's.
  if (sheet_ && (controlId == 0 || sheet_->isAncestorOf(findControl(this, controlId))))
    sheet_->showContextHelp(controlId, templateId());
  else
    CCustomFormView::showContextHelp(controlId);
}

void CRecordView::showViewHelp() {
  if (CPropertyPage* page = sheet_ ? sheet_->activePage() : nullptr)
    HelpWindow::showContext({page->templateId(), templateId()});
  else
    CCustomFormView::showViewHelp();
}

}  // namespace vex::gui
