#include "link/tune_session.h"

#include "base/text_ids.h"

#include <algorithm>
#include <array>

namespace vex {
namespace {

constexpr std::uint16_t kValueLength = 2;

std::array<std::uint8_t, 2> HighFirst(int value) {
  return {static_cast<std::uint8_t>((value >> 8) & 0xFF), static_cast<std::uint8_t>(value & 0xFF)};
}

// ReadTune: 1 value read, -1 the tuning mode got no answer, 0 no value.
TuneStep ReadValue(CRadioLink& link, std::uint16_t code, std::uint16_t& value) {
  std::array<std::uint8_t, 2> bytes{};
  const int result = link.ReadTune(code, bytes.data(), kValueLength);
  if (result == -1) return TuneStep::Close(text::kMsgNoRadio);
  if (result == 0) return TuneStep::Close(text::kMsgTuneReadFailed);
  value = static_cast<std::uint16_t>((bytes[0] << 8) | bytes[1]);
  return TuneStep::Stay();
}

}  // namespace

TuneStep ReadFirstValue(CRadioLink& link, const TuneItem& item, std::uint16_t& value) {
  const std::optional<std::uint16_t> first = FirstSubItem(item);
  if (!first) return TuneStep::Close(text::kMsgNothingToTune);
  return ReadValue(link, *first, value);
}

TuneSession::TuneSession(CRadioLink& link, TuneItem item, const AdjustSection& adjust, std::uint16_t value)
    : link_(link), item_(std::move(item)), adjust_(adjust), spacing_(StartSpacing(item_.flags)) {
  buildTabs();
  value_ = std::min<int>(value, valueMax());
}

bool TuneSession::spacingEnabled(Spacing spacing) const {
  if (middleShown()) return HasGroup(item_.flags, spacing);
  if (spacing == Spacing::Middle) return false;
  return HasGroup(item_.flags, Spacing::Wide) && HasGroup(item_.flags, Spacing::Narrow);
}

void TuneSession::buildTabs() {
  tabs_.clear();
  for (std::size_t k = 0; k < kSubItemsPerGroup; ++k) {
    if (HasSubItem(item_.flags, spacing_, k)) tabs_.push_back({k, SubItemCode(item_.code, spacing_, k)});
  }
  tab_ = 0;
}

std::uint16_t TuneSession::currentCode() const { return tabs_.empty() ? item_.code : tabs_[tab_].code; }

TuneStep TuneSession::selectSpacing(Spacing spacing) {
  if (!spacingEnabled(spacing) && spacing != spacing_) return TuneStep::Stay();
  spacing_ = spacing;
  buildTabs();
  return tabs_.empty() ? TuneStep::Stay() : readCurrent();
}

TuneStep TuneSession::selectTab(std::size_t index) {
  if (index >= tabs_.size()) return TuneStep::Stay();
  tab_ = index;
  return readCurrent();
}

TuneStep TuneSession::readCurrent() {
  std::uint16_t value = 0;
  const TuneStep step = ReadValue(link_, currentCode(), value);
  if (!step.close) value_ = std::min<int>(value, valueMax());
  return step;
}

TuneStep TuneSession::commitValue(int value) {
  value_ = std::clamp(value, 0, valueMax());
  const std::uint16_t code = currentCode();
  (void)adjust_.setValue(code, static_cast<std::uint16_t>(value_));
  const auto bytes = HighFirst(value_);
  if (link_.WriteTune(code, bytes.data(), kValueLength) != 1) return TuneStep::Close(text::kMsgTuneWriteFailed);
  return TuneStep::Stay();
}

TuneStep TuneSession::commitVolume(int volume) {
  volume_ = std::clamp(volume, 0, kVolumeMax);
  const auto bytes = HighFirst(volume_);
  if (link_.WriteTune(kVolumeCode, bytes.data(), kValueLength) != 1) return TuneStep::Close(text::kMsgTuneWriteFailed);
  return TuneStep::Stay();
}

void TuneSession::switchOutput(bool on) {
  // An unacknowledged switch-off leaves the switch showing on: the output
  // may still be live.
  if (link_.SetOutput(outputSelector(), on ? 1 : 0) == 1) {
    outputOn_ = on;
  } else if (on) {
    outputOn_ = false;
  }
}

bool TuneSession::finish(bool keep) { return link_.EndTune(keep) == 1; }

}  // namespace vex
