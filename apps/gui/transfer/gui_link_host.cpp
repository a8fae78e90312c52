#include "transfer/gui_link_host.h"

#include "adapters/settings.h"
#include "config/app_settings.h"
#include "config/radio_compatibility.h"
#include "core/container.h"
#include "transfer/transfer_prompts.h"
#include "transfer/write_notice_dialog.h"

namespace vex::gui {

GuiLinkHost::GuiLinkHost(QWidget* owner) : owner_(owner) {}

int GuiLinkHost::comPort() const { return settings::current().comPort(); }
void GuiLinkHost::setComPort(int port) { settings::current().setComPort(port); }

std::string GuiLinkHost::portSetting(int port) const {
  return settings::current().portDevicePath(port).value_or(std::string());
}

int GuiLinkHost::checkRadio(TransferDirection direction, const RadioIdentity& identity, RadioBand& band) {
  RadioCheckInput input;
  input.modelId = identity.modelId;
  input.modelName = identity.modelName;
  input.versionOrder = identity.versionOrder;
  input.band = identity.band;
  RangeEntry entry;
  const int kind = direction == TransferDirection::Write ? kDirectionWrite : kDirectionRead;
  const CompatibilityResult result =
      CheckRadioCompatibility(settings::current(), RangeTable::instance(), kind, input, entry);
  if (result.messageId != 0) showMessage(result.messageId);
  if (result.result == CompatibilityResult::kGoOn) {
    band.lower = entry.lower;
    band.upper = entry.upper;
    band.lower2 = entry.lower2;
    band.upper2 = entry.upper2;
    band.flags = entry.flags;
  }
  return result.result;
}

std::optional<std::string> GuiLinkHost::askPassword(TransferDirection direction, int attempt) {
  return transferPrompts().password(owner_, direction, attempt);
}

void GuiLinkHost::showMessage(int messageId, const MessageArgument& argument) {
  showMessageText(owner_, messageId, argument);
}

void GuiLinkHost::storeIdentity(const RadioIdentity& identity, const std::string& bandText, IdentityUse use) {
  AppSettings& s = settings::current();
  s.setModelId(identity.modelId);
  s.setModelName(identity.modelName);
  s.setSignal(identity.signalling);
  s.setDataVersion(identity.version);
  if (use == IdentityUse::Transfer)
    s.replaceFreqRange(bandText);
  else
    s.setFreqRange(bandText);
}

std::string GuiLinkHost::freqRange() const { return settings::current().freqRange(); }
bool GuiLinkHost::isExtendedLevel() const { return settings::current().isExtendedLevel(); }

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

void GuiLinkHost::factoryLinkOpened(const RadioBand& band) {
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

void offerNewRange(QWidget* owner, const RadioBand& band) {
  RangeEntry entry;
  entry.lower = band.lower;
  entry.upper = band.upper;
  entry.lower2 = band.lower2;
  entry.upper2 = band.upper2;
  entry.flags = band.flags;
  AppSettings& s = settings::current();
  OfferNewRange(s, RangeTable::instance(), entry, [owner, &s](int lower, int upper) {
    return transferPrompts().askYesNo(owner, QString::fromStdString(NewRangeQuestion(s.languageIndex(), lower, upper)));
  });
}

}  // namespace vex::gui
