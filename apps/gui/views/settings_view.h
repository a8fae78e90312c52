#pragma once
// The settings-view contract, once for every settings view: open (texts,
// disable flags, option lists; load; show), load on WM_VIEW_LOAD, store on
// WM_VIEW_STORE, on every user change (then WM_DATA_CHANGED to the main
// frame) and on close.
#include <map>
#include <string>

#include "views/custom_form_view.h"

namespace vex::gui {

// The plain record a view exchanges with its section: check boxes as 0/1,
// combo boxes and edits as their display texts. A combo box that shows no
// selection has no entry, so storing leaves its field as it was.
struct ViewRecord {
  std::map<int, int> flags;
  std::map<int, std::string> texts;
};

class CSettingsView : public CCustomFormView {
  Q_OBJECT
 public:
  explicit CSettingsView(const FormSpec& formSpec, QWidget* parent = nullptr);

  void initialUpdate() override;
  long handleMessage(int message, long wParam, long lParam, const ChangeNotice* notice = nullptr) override;
  void closing() override;

  // Reads the controls into the record and writes it into the section.
  void store();
  // Rebuilds the record from the section and shows it.
  void load();
  const ViewRecord& record() const { return record_; }

 protected:
  virtual void loadRecord(ViewRecord& record) = 0;
  virtual void storeRecord(const ViewRecord& record) = 0;
  // Enabling that depends on other controls; `changedId` 0 means all.
  virtual void applyDependentEnabling(int changedId) { (void)changedId; }
  // Enables a control unless the language data disables it for the model.
  void setControlEnabled(int id, bool enabled);

 private:
  void showRecord();
  void readControls();
  void userChanged(int id);
  void connectControls();
  ViewRecord record_;
  bool opened_ = false;
};

}  // namespace vex::gui
