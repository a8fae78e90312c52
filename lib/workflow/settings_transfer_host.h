// The part of a TransferHost that the settings answer: the remembered port
// and its device, the range, the user level, the model check and storing the
// radio's identity. The GUI and the CLI derive from it and add what they ask
// the user and how they show messages and reports.
#pragma once

#include "link/transfer_host.h"

namespace vex {

class AppSettings;
class RangeTable;

class SettingsTransferHost : public TransferHost {
 public:
  SettingsTransferHost(AppSettings& settings, RangeTable& ranges) : settings_(settings), ranges_(ranges) {}

  int comPort() const override;
  void setComPort(int port) override;
  std::string portSetting(int port) const override;
  // The device the PortDevice setting names (a by-id name as its device).
  std::string portDevice() const override;
  // Runs the model check and shows its message when it refuses.
  int checkRadio(TransferDirection direction, const RadioIdentity& identity, RangeEntry& band) override;
  void storeIdentity(const RadioIdentity& identity, const std::string& bandText, IdentityUse use) override;
  std::string freqRange() const override;
  bool isExtendedLevel() const override;

 protected:
  AppSettings& settings() { return settings_; }
  RangeTable& ranges() { return ranges_; }

 private:
  AppSettings& settings_;
  RangeTable& ranges_;
};

}  // namespace vex
