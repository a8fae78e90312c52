#include "transfer/gui_link_host.h"

#include "adapters/settings.h"
#include "config/app_settings.h"
#include "config/radio_compatibility.h"
#include "core/container.h"
#include "transfer/transfer_prompts.h"
#include "transfer/write_notice_dialog.h"

namespace vex::gui {

GuiLinkHost::GuiLinkHost(QWidget* owner)
    : SettingsTransferHost(settings::current(), RangeTable::instance()), owner_(owner) {}

std::optional<std::string> GuiLinkHost::askPassword(TransferDirection direction, int attempt) {
  return transferPrompts().password(owner_, direction, attempt);
}

void GuiLinkHost::showMessage(int messageId, const MessageArgument& argument) {
  showMessageText(owner_, messageId, argument);
}

bool& GuiLinkHost::writeNoticeSwitchedOff() {
  static bool switchedOff = false;
  return switchedOff;
}

bool GuiLinkHost::confirmWriteWarning() {
  if (writeNoticeSwitchedOff()) return true;
  const PasswordSection& p = RadioDataContainer::instance().passwords();
  const bool read = p.isSet(PasswordSection::kRead);
  const bool write = p.isSet(PasswordSection::kWrite);
  const bool powerOn = p.isSet(PasswordSection::kPowerOn);
  if (!read && !write && !powerOn) return true;
  bool switchOff = false;
  if (!transferPrompts().writeNotice(owner_, writeNoticeText(read, write, powerOn), switchOff)) return false;
  writeNoticeSwitchedOff() = switchOff;
  return true;
}

void GuiLinkHost::factoryLinkOpened(const RangeEntry& band) {
  if (onFactoryLink_) onFactoryLink_(band);
}

IdentitySnapshot::IdentitySnapshot() : ranges_(RangeTable::instance()) {
  const AppSettings& s = settings::current();
  modelId_ = s.modelId();
  modelName_ = s.modelName();
  dataVersion_ = s.dataVersion();
  freqRange_ = s.freqRange();
  previousFreqRange_ = s.previousFreqRange();
  signal_ = s.signal();
}

void IdentitySnapshot::restore() const {
  AppSettings& s = settings::current();
  s.setModelId(modelId_);
  s.setModelName(modelName_);
  s.setDataVersion(dataVersion_);
  s.setFreqRange(freqRange_);
  s.setPreviousFreqRange(previousFreqRange_);
  s.setSignal(signal_);
  RangeTable::instance() = ranges_;
}

void offerNewRange(QWidget* owner, const RangeEntry& band) {
  AppSettings& s = settings::current();
  const int result = OfferNewRange(s, RangeTable::instance(), band, [owner, &s](int lower, int upper) {
    return transferPrompts().askYesNo(owner, QString::fromStdString(NewRangeQuestion(s.languageIndex(), lower, upper)));
  });
  if (result == kRangeNotWritten) showMessageText(owner, text::kMsgRangeNotAdded);
}

}  // namespace vex::gui
