#pragma once
// The settings-view contract, once for every settings view: open (texts,
// disable flags, option lists; load; show), load on WM_VIEW_LOAD, store on
// WM_VIEW_STORE, on every user change (then WM_DATA_CHANGED to the main
// frame) and on close. A view that names its field area needs no load or
// store code: the fields of the area whose controls the form holds are
// moved through the field table. Its form is made from its lines
// (settings_form.h) or, for a form of another shape, from a template.
#include <optional>

#include "views/custom_form_view.h"
#include "views/record_form.h"
#include "views/settings_form.h"

namespace vex::gui {

class CSettingsView : public CCustomFormView, public RecordForm {
  Q_OBJECT
 public:
  explicit CSettingsView(const FormDef& formDef, std::optional<FieldArea> area = std::nullopt,
                         QWidget* parent = nullptr);
  CSettingsView(const SettingsForm& form, FieldArea area, QWidget* parent = nullptr);

  void initialUpdate() override;
  long handleMessage(int message, long wParam, long lParam, const ChangeNotice* notice = nullptr) override;
  void closing() override;

 protected:
  QWidget* recordWidget() const override { return form(); }
  std::span<std::uint8_t> recordBytes() const override;
  void userChangeStored(int id) override;

 private:
  bool opened_ = false;
};

}  // namespace vex::gui
