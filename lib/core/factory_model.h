// The model data the Factory Mode dialog edits: a private copy of the radio
// information, the factory options and the area they share with the misc
// settings, taken from the container and given back when the dialog closes.
// Its fields are the schema's: the radio information's model name, band flag,
// range id, band edges and serial number, the factory options, and the wide
// and narrow volume of the shared area.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "core/image_codec.h"
#include "core/schema/schema_table.h"
#include "core/sections/factory_section.h"
#include "core/sections/misc_section.h"

namespace vex {

class RadioDataContainer;

class FactoryModel {
 public:
  // The factory options.
  static constexpr const FieldDef& kTuneSwitch = SchemaField(FieldArea::Factory, "tune_switch");
  static constexpr const FieldDef& kOscillator = SchemaField(FieldArea::Factory, "oscillator");
  static constexpr const FieldDef& kMiddleFrequency = SchemaField(FieldArea::Factory, "middle_frequency");
  static constexpr const FieldDef& kOpenChannels = SchemaField(FieldArea::Factory, "open_channels");
  static constexpr const FieldDef& kSignalling = SchemaField(FieldArea::Factory, "signalling");
  // Image address of the manual tune switch.
  static constexpr std::size_t kTuneSwitchAddress =
      layout::kFactory.first + kTuneSwitch.offset - FactorySection::kOwnFirst;

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
  bool isVhf() const;
  void setVhf(bool vhf);
  int rangeId() const;
  void setRangeId(int id);  // clamped to 0..999
  int lowerEdge() const;
  int upperEdge() const;
  void setEdges(int lowerMHz, int upperMHz);  // each clamped to 0..999
  // "%d-%d" of the band edges.
  std::string rangeText() const;
  std::uint8_t option(const FieldDef& option) const { return static_cast<std::uint8_t>(ReadField(option, factory_)); }
  void setOption(const FieldDef& option, std::uint8_t value) { WriteField(option, factory_, value); }
  bool tuneSwitchOpen() const { return option(kTuneSwitch) == 1; }
  void setTuneSwitchOpen(bool open) { setOption(kTuneSwitch, open ? 1 : 0); }
  std::uint8_t wideVolume() const;
  std::uint8_t narrowVolume() const;
  // Values outside 0..255 are clamped.
  void setVolumes(int wide, int narrow);

  bool operator==(const FactoryModel&) const = default;

 private:
  // Whole area buffers in container byte order, of which only the radio
  // information, the factory section's own bytes and the misc section's
  // shared area are used.
  std::array<std::uint8_t, layout::kRadioInfo.length> info_{};
  std::array<std::uint8_t, FactorySection::kSize> factory_{};
  std::array<std::uint8_t, MiscSection::kSize> misc_{};
};

}  // namespace vex
