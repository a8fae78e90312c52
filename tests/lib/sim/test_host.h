// A TransferHost for tests: answers from scripted values and records every
// message, report and stored identity.
#pragma once

#include "config/radio_band.h"
#include "link/transfer_host.h"

#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace vex::test {

class TestHost : public TransferHost {
 public:
  std::string device;  // the simulator's terminal
  int rememberedPort = 0;
  std::string range = "400-470";
  bool extended = false;
  int checkResult = 0;
  bool acceptWarning = true;
  std::vector<std::string> passwords;  // answers to successive prompts; none left = cancel
  std::function<void(const TransferReport&)> onReport;

  int passwordPrompts = 0;
  int warnings = 0;
  int identityStores = 0;
  int identityRefreshes = 0;
  RadioIdentity storedIdentity;
  std::string storedBand;
  std::vector<int> messages;
  std::vector<MessageArgument> arguments;

  std::vector<TransferReport> Reports() const {
    std::lock_guard lock(mutex_);
    return reports_;
  }

  int comPort() const override { return rememberedPort; }
  void setComPort(int port) override { rememberedPort = port; }
  std::string portDevice() const override { return device; }
  std::string portSetting(int) const override { return "/nonexistent/tty"; }

  int checkRadio(TransferDirection, const RadioIdentity& identity, RangeEntry& band) override {
    if (checkResult != 0) return checkResult;
    band = BandFromRadio(identity.band.data());
    return 0;
  }
  std::optional<std::string> askPassword(TransferDirection, int) override {
    if (passwordPrompts >= static_cast<int>(passwords.size())) return std::nullopt;
    return passwords[static_cast<std::size_t>(passwordPrompts++)];
  }
  void showMessage(int id, const MessageArgument& argument) override {
    messages.push_back(id);
    arguments.push_back(argument);
  }
  void storeIdentity(const RadioIdentity& identity, const std::string& bandText, IdentityUse) override {
    ++identityStores;
    storedIdentity = identity;
    storedBand = bandText;
  }
  void identityRefreshed(const RangeEntry&) override { ++identityRefreshes; }
  std::string freqRange() const override { return range; }
  bool isExtendedLevel() const override { return extended; }
  bool confirmWriteWarning() override {
    ++warnings;
    return acceptWarning;
  }
  void report(const TransferReport& r) override {
    {
      std::lock_guard lock(mutex_);
      reports_.push_back(r);
    }
    if (onReport) onReport(r);
  }

 private:
  mutable std::mutex mutex_;
  std::vector<TransferReport> reports_;
};

}  // namespace vex::test
