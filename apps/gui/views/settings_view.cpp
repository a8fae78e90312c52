#include "views/settings_view.h"

#include "adapters/radio_data.h"
#include "toolkit/translate.h"
#include "views/messages.h"
#include "views/view_host.h"

namespace vex::gui {

CSettingsView::CSettingsView(const FormDef& formDef, std::optional<FieldArea> area, QWidget* parent)
    : CCustomFormView(formDef, parent), RecordForm(area) {}

CSettingsView::CSettingsView(const SettingsForm& form, FieldArea area, QWidget* parent)
    : CSettingsView(LaidOutForm(form).def(), area, parent) {}

void CSettingsView::initialUpdate() {
  translateWindow(form(), templateId());
  setWindowTitle(form()->windowTitle());
  load();
  connectUserChanges(form(), this, [this](int id) {
    if (opened_) userChanged(id);
  });
  opened_ = true;
}

long CSettingsView::handleMessage(int message, long, long, const ChangeNotice*) {
  switch (message) {
    case WM_VIEW_LOAD: load(); return 1;
    case WM_VIEW_STORE: store(); return 1;
    default: return 0;
  }
}

void CSettingsView::closing() {
  if (opened_) store();
}

std::span<std::uint8_t> CSettingsView::recordBytes() const {
  return area() ? radio_data::areaBytes(*area()) : std::span<std::uint8_t>();
}

void CSettingsView::userChangeStored(int) {
  if (ViewHost* host = ViewHost::current()) host->sendToMainFrame(WM_DATA_CHANGED, 0, 0, nullptr);
}

}  // namespace vex::gui
