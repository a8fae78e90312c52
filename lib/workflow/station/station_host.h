// The transfer host of one radio at the station. Every radio is checked
// against the file's model, as a write checks it, also when it is read for
// its backup or its verify; the station never changes the settings (a read
// does not store the radio's identity), so that radios of several models
// plugged in at once cannot change what the next one is checked against.
// Messages are kept for the radio's result instead of shown.
#pragma once

#include "workflow/settings_transfer_host.h"

#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace vex {

// What the hosts of one station share; the settings hold the file's model.
struct StationShared {
  StationShared(AppSettings& settings, RangeTable& ranges) : settings(settings), ranges(ranges) {}
  AppSettings& settings;
  RangeTable& ranges;
  std::optional<std::string> password;  // sent once when a radio asks
  std::recursive_mutex lock;            // guards the settings and the ranges (a check shows its message under it)
};

class StationHost : public SettingsTransferHost {
 public:
  using Progress = std::function<void(int percent)>;
  StationHost(StationShared& shared, std::string device, Progress progress);

  int comPort() const override { return 0; }
  void setComPort(int) override {}
  std::string portDevice() const override { return device_; }
  std::string portSetting(int) const override { return {}; }
  int checkRadio(TransferDirection direction, const RadioIdentity& identity, RangeEntry& band) override;
  std::optional<std::string> askPassword(TransferDirection direction, int attempt) override;
  void showMessage(int messageId, const MessageArgument& argument = {}) override;
  void storeIdentity(const RadioIdentity&, const std::string&, IdentityUse) override {}
  std::string freqRange() const override;
  bool isExtendedLevel() const override;
  bool confirmWriteWarning() override { return true; }
  void report(const TransferReport& report) override;

  void say(const std::string& text) { said_.push_back(text); }
  // What went wrong last; "" when nothing was said.
  std::string lastMessage() const { return said_.empty() ? std::string() : said_.back(); }
  // True once the model check refused the radio.
  bool refused() const { return refused_; }

 private:
  StationShared& shared_;
  std::string device_;
  Progress progress_;
  std::vector<std::string> said_;
  bool refused_ = false;
};

}  // namespace vex
