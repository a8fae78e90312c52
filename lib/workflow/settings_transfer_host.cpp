#include "workflow/settings_transfer_host.h"

#include "config/app_settings.h"
#include "config/radio_compatibility.h"
#include "config/range_table.h"
#include "link/port_map.h"

namespace vex {

int SettingsTransferHost::comPort() const { return settings_.comPort(); }

void SettingsTransferHost::setComPort(int port) { settings_.setComPort(port); }

std::string SettingsTransferHost::portDevice() const {
  const std::string& chosen = settings_.portDevice();
  if (chosen.empty()) return {};
  return DeviceOfPortName(chosen, [this](int port) { return portSetting(port); });
}

std::string SettingsTransferHost::portSetting(int port) const {
  return settings_.portDevicePath(port).value_or(std::string());
}

int SettingsTransferHost::checkRadio(TransferDirection direction, const RadioIdentity& identity, RangeEntry& band) {
  const RadioCheckInput input{identity.modelId, identity.modelName, identity.versionOrder, identity.band};
  const int code = direction == TransferDirection::Write ? kDirectionWrite : kDirectionRead;
  const CompatibilityResult result = CheckRadioCompatibility(settings_, ranges_, code, input, band);
  if (result.messageId != 0) showMessage(result.messageId);
  return result.result;
}

void SettingsTransferHost::storeIdentity(const RadioIdentity& identity, const std::string& bandText, IdentityUse use) {
  settings_.setModelId(identity.modelId);
  settings_.setModelName(identity.modelName);
  settings_.setSignal(identity.signalling);
  settings_.setDataVersion(identity.version);
  if (use == IdentityUse::Transfer) {
    settings_.replaceFreqRange(bandText);
  } else {
    settings_.setFreqRange(bandText);
  }
}

std::string SettingsTransferHost::freqRange() const { return settings_.freqRange(); }

bool SettingsTransferHost::isExtendedLevel() const { return settings_.isExtendedLevel(); }

}  // namespace vex
