#include "channels/personality_pages.h"

#include <QComboBox>

#include "base/text_ids.h"
#include "toolkit/control_id.h"

namespace vex::gui {
namespace {

enum : int {
  kTxAdmit = text::kPersTxAdmitList,
  kTimeOut = text::kPersTimeoutList,
  kPreAlert = text::kPersPreAlertList,
  kRekey = text::kPersRekeyList,
  kReset = text::kPersResetList,
  kBusyLockout = text::kPersBusyLockout,
  kSquelchMode = text::kPersSquelchModeList,
};

// Record offsets the enabling rules read.
constexpr std::size_t kTxAdmitOffset = 12;
constexpr std::size_t kTimeOutOffset = 14;

using K = ControlKind;
constexpr ControlDef kRxTxControls[] = {
    {text::kPersTxAdmitLabel, K::Label, "Tx Admit", 10, 12, 112, 12},
    {kTxAdmit, K::Combo, "", 126, 11, 140, 13},
    {text::kPersTimeoutLabel, K::Label, "TX Time out Time(s)", 10, 32, 112, 12},
    {kTimeOut, K::Combo, "", 126, 31, 80, 13},
    {text::kPersPreAlertLabel, K::Label, "TOT Pre-Alert Time(s)", 10, 52, 112, 12},
    {kPreAlert, K::Combo, "", 126, 51, 80, 13},
    {text::kPersRekeyLabel, K::Label, "TOT Re-key Time(s)", 10, 72, 112, 12},
    {kRekey, K::Combo, "", 126, 71, 80, 13},
    {text::kPersResetLabel, K::Label, "TOT Reset Time (s)", 10, 92, 112, 12},
    {kReset, K::Combo, "", 126, 91, 80, 13},
    {kBusyLockout, K::Check, "Busy Channel Lockout", 10, 112, 160, 12},
};
constexpr FormDef kRxTxForm{CPersonalityRXTXPage::kTemplateId, "RX/TX", 280, 130, kRxTxControls};

constexpr ControlDef kSquelchControls[] = {
    {text::kPersSquelchModeLabel, K::Label, "Rx Squelch Mode", 10, 12, 112, 12},
    {kSquelchMode, K::Combo, "", 126, 11, 140, 13},
};
constexpr FormDef kSquelchForm{CPersonalitySquelchPage::kTemplateId, "Squelch", 280, 130, kSquelchControls};

}  // namespace

CPersonalityRXTXPage::CPersonalityRXTXPage(QWidget* parent) : CPropertyPage(kRxTxForm, FieldArea::Personality, parent) {
  control(kBusyLockout)->hide();  // kept in the record, not offered
}

void CPersonalityRXTXPage::initialUpdate() {
  CPropertyPage::initialUpdate();
  preAlertMaster_.clear();
  if (auto* preAlert = findControlAs<QComboBox>(this, kPreAlert))
    for (int i = 0; i < preAlert->count(); ++i)
      preAlertMaster_.push_back({preAlert->itemText(i), preAlert->itemData(i)});
}

long CPersonalityRXTXPage::shownIndex(int id, std::size_t offset) const {
  auto* combo = findControlAs<QComboBox>(this, id);
  if (combo && combo->currentIndex() >= 0) return combo->currentIndex();
  const auto bytes = recordBytes();
  return offset < bytes.size() ? bytes[offset] : 0;
}

void CPersonalityRXTXPage::rebuildPreAlertList(long timeOut) {
  auto* preAlert = findControlAs<QComboBox>(this, kPreAlert);
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
  const auto bytes = recordBytes();
  rebuildPreAlertList(kTimeOutOffset < bytes.size() ? bytes[kTimeOutOffset] : 0);
}

void CPersonalityRXTXPage::applyDependentEnabling(int changedId) {
  if (changedId == kTimeOut) rebuildPreAlertList(shownIndex(kTimeOut, kTimeOutOffset));
  if (changedId != 0 && changedId != kTimeOut && changedId != kTxAdmit) return;
  // Admission off: no timer at all. Timer off: no pre-alert, re-key or reset.
  const bool admits = shownIndex(kTxAdmit, kTxAdmitOffset) != 0;
  const bool timed = admits && shownIndex(kTimeOut, kTimeOutOffset) != 0;
  setControlEnabled(kTimeOut, admits);
  for (int id : {kPreAlert, kRekey, kReset}) setControlEnabled(id, timed);
}

CPersonalitySquelchPage::CPersonalitySquelchPage(QWidget* parent)
    : CPropertyPage(kSquelchForm, FieldArea::Personality, parent) {}

}  // namespace vex::gui
