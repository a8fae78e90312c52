#include "channels/personality_pages.h"

#include <QComboBox>

#include "core/schema/schema_table.h"
#include "toolkit/control_id.h"

namespace vex::gui {
namespace {

consteval const FieldDef& personality(std::string_view key) { return SchemaField(FieldArea::Personality, key); }
constexpr const FieldDef& kTxAdmit = personality("tx_admit");
constexpr const FieldDef& kTimeOut = personality("tx_time_out");
constexpr const FieldDef& kPreAlert = personality("tot_pre_alert");
constexpr const FieldDef* kTimed[] = {&kPreAlert, &personality("tot_rekey"), &personality("tot_reset")};

// Both pages have the same size and columns.
constexpr FormColumns kColumns{
    .label = 112, .control = 80, .formWidth = 280, .formHeight = 130, .rowStep = 20, .left = 10, .top = 12};
constexpr LineLook kWide{.width = 140};

constexpr FormLine kRxTxLines[] = {
    fieldLine(kTxAdmit, kWide),
    fieldLine(kTimeOut),
    fieldLine(kPreAlert),
    fieldLine(personality("tot_rekey")),
    fieldLine(personality("tot_reset")),
    fieldLine(personality("busy_channel_lockout"), {.style = kStyleHidden}),  // kept in the record, not offered
};
constexpr SettingsForm kRxTxForm{CPersonalityRXTXPage::kTemplateId, "RX/TX", kColumns, kRxTxLines};

constexpr FormLine kSquelchLines[] = {fieldLine(personality("rx_squelch_mode"), kWide)};
constexpr SettingsForm kSquelchForm{CPersonalitySquelchPage::kTemplateId, "Squelch", kColumns, kSquelchLines};

}  // namespace

CPersonalityRXTXPage::CPersonalityRXTXPage(QWidget* parent)
    : CPropertyPage(kRxTxForm, FieldArea::Personality, parent) {}

void CPersonalityRXTXPage::initialUpdate() {
  CPropertyPage::initialUpdate();
  preAlertMaster_.clear();
  if (auto* preAlert = findControlAs<QComboBox>(this, kPreAlert.control))
    for (int i = 0; i < preAlert->count(); ++i)
      preAlertMaster_.push_back({preAlert->itemText(i), preAlert->itemData(i)});
}

long CPersonalityRXTXPage::shownIndex(const FieldDef& field) const {
  auto* combo = findControlAs<QComboBox>(this, field.control);
  if (combo && combo->currentIndex() >= 0) return combo->currentIndex();
  return ReadField(field, recordBytes());
}

void CPersonalityRXTXPage::rebuildPreAlertList(long timeOut) {
  auto* preAlert = findControlAs<QComboBox>(this, kPreAlert.control);
  if (!preAlert) return;
  const QString shown = preAlert->currentIndex() >= 0 ? preAlert->currentText() : QString();
  const std::size_t offered =
      std::min(preAlertMaster_.size(), timeOut <= 0 ? std::size_t{1} : static_cast<std::size_t>(timeOut));
  preAlert->clear();
  for (std::size_t i = 0; i < offered; ++i) preAlert->addItem(preAlertMaster_[i].text, preAlertMaster_[i].data);
  const int keep = shown.isEmpty() ? -1 : preAlert->findText(shown, Qt::MatchExactly);
  preAlert->setCurrentIndex(keep >= 0 ? keep : (preAlert->count() > 0 ? 0 : -1));
}

void CPersonalityRXTXPage::loadRecord(ViewRecord& record) {
  CPropertyPage::loadRecord(record);
  // The list must offer the stored pre-alert time before it is selected.
  rebuildPreAlertList(ReadField(kTimeOut, recordBytes()));
}

void CPersonalityRXTXPage::applyDependentEnabling(int changedId) {
  if (changedId == kTimeOut.control) rebuildPreAlertList(shownIndex(kTimeOut));
  if (changedId != 0 && changedId != kTimeOut.control && changedId != kTxAdmit.control) return;
  // Admission off: no timer at all. Timer off: no pre-alert, re-key or reset.
  const bool admits = shownIndex(kTxAdmit) != 0;
  const bool timed = admits && shownIndex(kTimeOut) != 0;
  setControlEnabled(kTimeOut.control, admits);
  for (const FieldDef* field : kTimed) setControlEnabled(field->control, timed);
}

CPersonalitySquelchPage::CPersonalitySquelchPage(QWidget* parent)
    : CPropertyPage(kSquelchForm, FieldArea::Personality, parent) {}

}  // namespace vex::gui
