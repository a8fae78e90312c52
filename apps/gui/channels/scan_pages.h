#pragma once
// The two pages of the scan view. Both edit the current scan list's fields
// through the field table; their channel lists (one entry per channel, the
// entry's data the channel's key) point the scan list's channel references
// at channels, so a reference keeps its channel when others come and go.
#include <functional>
#include <span>
#include <vector>

#include "core/change_notice.h"
#include "views/property_page.h"

namespace vex {
class ScanListItem;
}

namespace vex::gui {

class CScanPage : public CPropertyPage {
  Q_OBJECT
 public:
  using ScanListSource = std::function<ScanListItem*()>;
  // The scan list the pages show (the view's current one; null: none).
  void setScanListSource(ScanListSource source) { scanList_ = std::move(source); }

  // Fills the channel lists from the channels that exist now and selects
  // each reference's channel (no selection when it is gone).
  void refillChannelLists();

 protected:
  CScanPage(const FormDef& formDef, std::span<const int> channelLists, QWidget* parent);

  void loadRecord(ViewRecord& record) override;
  // A chosen channel stores its key and 1-based number; no choice stores 255.
  void storeRecord(const ViewRecord& record) override;
  // A channel list that names a channel again withdraws its Invalid Log entry.
  void withdrawFinding(int id) const;
  ScanListItem* scanList() const { return scanList_ ? scanList_() : nullptr; }
  // The item value of a list's chosen entry, else the field's stored value.
  long shownValue(int id) const;

 private:
  std::vector<int> channelLists_;
  ScanListSource scanList_;
};

// Scan configuration: tone scan mode, transmit mode while scanning with its
// designated channel, hang time, alerts, talkback, and the priority channel
// with its mode and sweep time.
class CConfigPage : public CScanPage {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 3800;
  explicit CConfigPage(QWidget* parent = nullptr);

 signals:
  // A field edit, described for the main frame's views (not a validation).
  void fieldEdited(const ChangeNotice& notice);

 protected:
  void applyDependentEnabling(int changedId) override;
  void userChangeStored(int id) override;
};

// Scan members: how many of the sixteen member slots are used, and the
// channel of each slot.
class CChannelListPage : public CScanPage {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 3803;
  explicit CChannelListPage(QWidget* parent = nullptr);

 protected:
  void applyDependentEnabling(int changedId) override;
  void userChangeStored(int id) override;
};

}  // namespace vex::gui
