#pragma once
// The two pages of the personality view. RX/TX: transmit admission and the
// time-out timer with its pre-alert, re-key and reset times (a pre-alert
// time can only be one of the entries before the chosen time-out entry).
// Squelch: the receive squelch mode. Both edit the current personality's
// fields through the field table; every other byte of the record stays.
#include <QString>
#include <QVariant>
#include <vector>

#include "views/property_page.h"

namespace vex::gui {

class CPersonalityRXTXPage : public CPropertyPage {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 2311;
  explicit CPersonalityRXTXPage(QWidget* parent = nullptr);

  // Texts, and the language's pre-alert times as the master list.
  void initialUpdate() override;

 protected:
  void loadRecord(ViewRecord& record) override;
  void applyDependentEnabling(int changedId) override;

 private:
  // The list position a combo box shows, else the one the record holds.
  long shownIndex(const FieldDef& field) const;
  // Pre-alert list = the master entries before time-out entry `timeOut`
  // (only the first entry when the timer is off); keeps the chosen entry
  // when it is still offered, else chooses the first.
  void rebuildPreAlertList(long timeOut);

  struct Entry {
    QString text;
    QVariant data;
  };
  std::vector<Entry> preAlertMaster_;
};

class CPersonalitySquelchPage : public CPropertyPage {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 2312;
  explicit CPersonalitySquelchPage(QWidget* parent = nullptr);
};

}  // namespace vex::gui
