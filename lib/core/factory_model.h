// The model data the Factory Mode dialog edits: a private copy of the radio
// information, the factory options and the area they share with the misc
// settings, taken from the container and given back when the dialog closes.
//
// Fields beyond the model name, band flag, band edges and serial number of
// the radio information are placed here:
//   radio information 13..14  frequency range id, high byte first (0..999)
//   radio information 24..31  lower and upper band edge in MHz, two 32-bit
//                             values high byte first
//   factory option 0 (181)    manual tune switch: 1 open, 0 closed
//   factory option 1 (182)    reference oscillator (10..50)
//   factory option 2 (183)    middle frequency (10..50)
//   factory option 3 (184)    open channel number (0..16)
//   factory option 4 (185)    signalling type
//   shared area 9, 10         wide and narrow volume (image 231, 232)
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "core/image_codec.h"

namespace vex {

class RadioDataContainer;

class FactoryModel {
 public:
  static constexpr std::size_t kRangeId = 13;
  static constexpr std::size_t kLowerEdge = layout::kInfoBandEdges;
  static constexpr std::size_t kUpperEdge = layout::kInfoBandEdges + 4;
  static constexpr std::size_t kTuneSwitch = 0;
  static constexpr std::size_t kOscillator = 1;
  static constexpr std::size_t kMiddleFrequency = 2;
  static constexpr std::size_t kOpenChannels = 3;
  static constexpr std::size_t kSignalling = 4;
  static constexpr std::size_t kWideVolume = 9;
  static constexpr std::size_t kNarrowVolume = 10;
  // Image address of the manual tune switch.
  static constexpr std::size_t kTuneSwitchAddress = layout::kFactory.first + kTuneSwitch;

  static FactoryModel FromContainer(RadioDataContainer& container);
  // Copies the model data into the container's sections.
  void toContainer(RadioDataContainer& container) const;

  // The model data as the radio holds it: radio information at 16..87,
  // factory options at 181..216 and the shared area at 222..253, multi-byte
  // fields high byte first. Other bytes of `image` stay as they are.
  void toImage(Image& image) const;
  void fromImage(const Image& image);

  std::string modelName() const;
  void setModelName(const std::string& name);  // cut to 12 bytes
  std::string serialNumber() const;
  void setSerialNumber(const std::string& serial);  // cut to 16 bytes
  bool isVhf() const { return (info_[layout::kInfoBandFlags] & 0x80) != 0; }
  void setVhf(bool vhf);
  int rangeId() const;
  void setRangeId(int id);  // clamped to 0..999
  int lowerEdge() const;
  int upperEdge() const;
  void setEdges(int lowerMHz, int upperMHz);  // each clamped to 0..999
  // "%d-%d" of the band edges.
  std::string rangeText() const;
  std::uint8_t option(std::size_t index) const { return own_[index]; }
  void setOption(std::size_t index, std::uint8_t value) { own_[index] = value; }
  bool tuneSwitchOpen() const { return own_[kTuneSwitch] == 1; }
  void setTuneSwitchOpen(bool open) { own_[kTuneSwitch] = open ? 1 : 0; }
  std::uint8_t wideVolume() const { return shared_[kWideVolume]; }
  std::uint8_t narrowVolume() const { return shared_[kNarrowVolume]; }
  // Values outside 0..255 are clamped.
  void setVolumes(int wide, int narrow);

  bool operator==(const FactoryModel&) const = default;

 private:
  std::array<std::uint8_t, layout::kRadioInfo.length> info_{};
  std::array<std::uint8_t, layout::kFactory.length> own_{};    // container byte order
  std::array<std::uint8_t, layout::kShared.length> shared_{};  // container byte order
};

// The factory options' and the shared area's big-endian fields, turned from
// image order to container order and back (each call is its own inverse).
void SwapFactoryOptionOrder(std::span<std::uint8_t, layout::kFactory.length> own);
void SwapSharedOrder(std::span<std::uint8_t, layout::kShared.length> shared);

}  // namespace vex
