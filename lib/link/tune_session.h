// What the tuning dialog of one item does with the radio: the spacing
// buttons and tabs of its sub-items, reading a sub-item's value when its tab
// is chosen, sending the value and volume as they are set, the output switch,
// and ending the tuning with or without keeping the values. Works on a
// private copy of the adjustment values that the caller keeps only after an
// acknowledged end with keep.
#pragma once

#include "core/sections/adjust_section.h"
#include "link/radio_link.h"
#include "link/tune_items.h"

#include <cstdint>
#include <vector>

namespace vex {

// The outcome of one step: the dialog stays, or closes and then shows a
// message text (0 for none).
struct TuneStep {
  bool close = false;
  int message = 0;
  static TuneStep Stay() { return {}; }
  static TuneStep Close(int message) { return {true, message}; }
};

struct TuneTab {
  std::size_t position;  // 0..4 within the group, names the tab
  std::uint16_t code;
};

// Reads the value of the item's first sub-item, which its dialog opens on.
// Closes (the dialog does not open) with kMsgNothingToTune when the item has
// no sub-item, kMsgNoRadio when the tuning mode got no answer and
// kMsgTuneReadFailed when the value did not come.
TuneStep ReadFirstValue(CRadioLink& link, const TuneItem& item, std::uint16_t& value);

class TuneSession {
 public:
  // `value` is the one ReadFirstValue read for the first sub-item.
  TuneSession(CRadioLink& link, TuneItem item, const AdjustSection& adjust, std::uint16_t value);

  const TuneItem& item() const { return item_; }

  // Spacing buttons: with middle sub-items every button with sub-items is
  // enabled; without them the middle button is hidden and wide and narrow
  // are enabled only when both have sub-items.
  bool middleShown() const { return HasGroup(item_.flags, Spacing::Middle); }
  bool spacingEnabled(Spacing spacing) const;
  Spacing spacing() const { return spacing_; }
  // Rebuilds the tabs for the spacing and reads the first tab's value.
  TuneStep selectSpacing(Spacing spacing);

  const std::vector<TuneTab>& tabs() const { return tabs_; }
  std::size_t currentTab() const { return tab_; }
  std::uint16_t currentCode() const;
  // The five-point frequency the current sub-item is tuned on.
  std::size_t fivePoint() const { return FivePointOf(item_.code, currentCode()); }
  // Reads the tab's value: closes with kMsgNoRadio or kMsgTuneReadFailed.
  TuneStep selectTab(std::size_t index);

  int value() const { return value_; }
  int valueMax() const { return TuneValueMax(item_.code); }
  // Clamps the value, keeps it (high byte first) at the sub-item's place in
  // the private values and sends it; closes with kMsgTuneWriteFailed when
  // the radio does not take it.
  TuneStep commitValue(int value);

  // The volume control serves items with the volume flag; the others have
  // the output switch instead.
  bool volumeEnabled() const { return (item_.flags & kVolumeFlag) != 0; }
  int volume() const { return volume_; }
  TuneStep commitVolume(int volume);

  bool outputOn() const { return outputOn_; }
  std::uint8_t outputSelector() const { return OutputSelector(currentCode()); }
  // Switching on that the radio does not acknowledge leaves the switch off;
  // an unacknowledged switch-off leaves it on.
  void switchOutput(bool on);

  // Ends the tuning; true when the radio acknowledged. After an acknowledged
  // end with keep, adjust() holds the values to keep.
  bool finish(bool keep);
  const AdjustSection& adjust() const { return adjust_; }

 private:
  void buildTabs();
  TuneStep readCurrent();

  CRadioLink& link_;
  TuneItem item_;
  AdjustSection adjust_;
  Spacing spacing_;
  std::vector<TuneTab> tabs_;
  std::size_t tab_ = 0;
  int value_ = 0;
  int volume_ = 0;
  bool outputOn_ = false;
};

}  // namespace vex
