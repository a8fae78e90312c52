#pragma once
// CPageChanMisc: the Options page of the channel view — the channel's
// personality and scan list, chosen from the records that exist, and the
// Auto Start Scan and ATIS flags. Choosing a personality or scan list
// withdraws the Invalid Log entry that the choice answers.
#include "core/schema/schema_table.h"
#include "views/property_page.h"

class QComboBox;

namespace vex::gui {

class CPageChanMisc : public CPropertyPage {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 3657;
  enum : int {
    kPersonality = SchemaField(FieldArea::Channel, "personality").control,
    kScanList = SchemaField(FieldArea::Channel, "scan_list").control,
    kAutoStartScan = SchemaField(FieldArea::Channel, "auto_start_scan").control,
    kAtis = SchemaField(FieldArea::Channel, "atis").control,
  };

  explicit CPageChanMisc(QWidget* parent = nullptr);

  void setChannel(int key) { channel_ = key; }
  QComboBox* combo(int id) const;

 protected:
  void loadRecord(ViewRecord& record) override;
  void storeRecord(const ViewRecord& record) override;
  void userChangeStored(int id) override;

 private:
  // Fills both lists from the records that exist and selects the channel's.
  void fillLists();
  int channel_ = 0;
};

}  // namespace vex::gui
