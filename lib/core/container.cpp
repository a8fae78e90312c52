#include "core/container.h"

#include "core/validation.h"

namespace vex {

RadioDataContainer& RadioDataContainer::instance() {
  static RadioDataContainer container;
  return container;
}

RadioDataContainer::RadioDataContainer() {
  image_.fill(layout::kErased);
  linkFactory();
}

void RadioDataContainer::linkFactory() { factory_.setLinks(radioInfo_.bytes(), misc_.shared()); }

void RadioDataContainer::clearRecords() {
  alertTones_.clear();
  channels_.clear();
  personalities_.clear();
  scanLists_.clear();
}

void RadioDataContainer::resetToDefaults() {
  alertTones_.appendNew();
  personalities_.appendNew();
  scanLists_.appendNew();
  for (int i = 0; i < 16; ++i) {
    channels_.appendNew();
  }
  keys_.reset();
  misc_.reset();
  passwords_.reset();
  atis_.reset();
  pttId_.reset();
  dos_.reset();
  embedded_.reset();
  radioInfo_.reset();
  testFreq_.reset();
  adjust_.reset();
  factory_.reset();
  linkFactory();
  resolveLinks();
}

int RadioDataContainer::validate(InvalidLog& log, const TextLookup& text) {
  log.clear();
  const ValidationScope scope{channels_, personalities_, scanLists_, log, text};
  for (std::size_t i = 0; i < channels_.size(); ++i) {
    ValidateChannel(channels_[i], i + 1, scope);
  }
  for (std::size_t i = 0; i < scanLists_.size(); ++i) {
    ValidateScanList(scanLists_[i], i + 1, scope);
  }
  const int findings = static_cast<int>(log.size());
  if (findings > 0) {
    log.reveal();
  }
  return findings;
}

void RadioDataContainer::setValidationTarget(InvalidLog* log, TextLookup text) {
  noticeLog_ = log;
  noticeText_ = std::move(text);
}

void RadioDataContainer::broadcast(const ChangeNotice& notice) {
  if (noticeLog_ == nullptr) {
    return;
  }
  const ValidationScope scope{channels_, personalities_, scanLists_, *noticeLog_, noticeText_};
  for (std::size_t i = 0; i < channels_.size(); ++i) {
    channels_[i].handleNotice(notice, i + 1, scope);
  }
  for (std::size_t i = 0; i < scanLists_.size(); ++i) {
    scanLists_[i].handleNotice(notice, i + 1, scope);
  }
}

}  // namespace vex
