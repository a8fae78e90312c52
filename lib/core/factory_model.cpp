#include "core/factory_model.h"

#include <algorithm>

#include "base/field_text.h"
#include "base/range_entry.h"
#include "core/container.h"

namespace vex {
namespace {

using A = FieldArea;

constexpr int kMaxMHz = 999;
constexpr int kMaxRangeId = 999;
constexpr const FieldDef& kModelName = SchemaField(A::RadioInfo, "model_name");
constexpr const FieldDef& kSerial = SchemaField(A::RadioInfo, "serial_number");
constexpr const FieldDef& kVhf = SchemaField(A::RadioInfo, "vhf");
constexpr const FieldDef& kRangeId = SchemaField(A::RadioInfo, "range_id");
constexpr const FieldDef& kLowerEdge = SchemaField(A::RadioInfo, "band_lower_edge");
constexpr const FieldDef& kUpperEdge = SchemaField(A::RadioInfo, "band_upper_edge");
constexpr const FieldDef& kWideVolume = SchemaField(A::Misc, "wide_volume");
constexpr const FieldDef& kNarrowVolume = SchemaField(A::Misc, "narrow_volume");

template <std::size_t N>
std::span<std::uint8_t> Part(std::array<std::uint8_t, N>& buffer, std::size_t first, const layout::Region& region) {
  return std::span(buffer).subspan(first, region.length);
}

void Take(std::span<std::uint8_t> target, const Image& image, const layout::Region& region) {
  std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(region.first), region.length, target.begin());
}

void Put(std::span<const std::uint8_t> source, Image& image, const layout::Region& region) {
  std::copy_n(source.begin(), region.length, image.begin() + static_cast<std::ptrdiff_t>(region.first));
}

// An erased edge (all ones) or any value beyond 999 MHz counts as 0.
int Edge(const FieldDef& edge, std::span<const std::uint8_t> info) {
  const auto v = static_cast<unsigned long>(ReadField(edge, info));
  return v <= kMaxMHz ? static_cast<int>(v) : 0;
}

}  // namespace

FactoryModel FactoryModel::FromContainer(RadioDataContainer& container) {
  FactoryModel model;
  std::ranges::copy(container.radioInfo().bytes(), model.info_.begin());
  std::ranges::copy(container.factory().own(), model.factory_.begin() + FactorySection::kOwnFirst);
  std::ranges::copy(container.misc().shared(), model.misc_.begin() + MiscSection::kSharedFirst);
  return model;
}

void FactoryModel::toContainer(RadioDataContainer& container) const {
  std::ranges::copy(info_, container.radioInfo().bytes().begin());
  std::ranges::copy(std::span(factory_).subspan(FactorySection::kOwnFirst, layout::kFactory.length),
                    container.factory().own().begin());
  std::ranges::copy(std::span(misc_).subspan(MiscSection::kSharedFirst, layout::kShared.length),
                    container.misc().shared().begin());
}

void FactoryModel::toImage(Image& image) const {
  Put(info_, image, layout::kRadioInfo);
  auto factory = factory_;
  TurnByteOrder(A::Factory, factory);
  Put(Part(factory, FactorySection::kOwnFirst, layout::kFactory), image, layout::kFactory);
  auto misc = misc_;
  TurnByteOrder(A::Misc, misc);
  Put(Part(misc, MiscSection::kSharedFirst, layout::kShared), image, layout::kShared);
}

void FactoryModel::fromImage(const Image& image) {
  Take(info_, image, layout::kRadioInfo);
  Take(Part(factory_, FactorySection::kOwnFirst, layout::kFactory), image, layout::kFactory);
  TurnByteOrder(A::Factory, factory_);
  Take(Part(misc_, MiscSection::kSharedFirst, layout::kShared), image, layout::kShared);
  TurnByteOrder(A::Misc, misc_);
}

std::string FactoryModel::modelName() const { return TextOfField(FieldBytes(kModelName, info_)); }
void FactoryModel::setModelName(const std::string& name) { WriteFieldText(kModelName, info_, name); }
std::string FactoryModel::serialNumber() const { return TextOfField(FieldBytes(kSerial, info_)); }
void FactoryModel::setSerialNumber(const std::string& serial) { WriteFieldText(kSerial, info_, serial); }
bool FactoryModel::isVhf() const { return ReadField(kVhf, info_) != 0; }
void FactoryModel::setVhf(bool vhf) { WriteField(kVhf, info_, vhf ? 1 : 0); }
int FactoryModel::rangeId() const { return static_cast<int>(ReadField(kRangeId, info_)); }
void FactoryModel::setRangeId(int id) { WriteField(kRangeId, info_, std::clamp(id, 0, kMaxRangeId)); }
int FactoryModel::lowerEdge() const { return Edge(kLowerEdge, info_); }
int FactoryModel::upperEdge() const { return Edge(kUpperEdge, info_); }

void FactoryModel::setEdges(int lowerMHz, int upperMHz) {
  WriteField(kLowerEdge, info_, std::clamp(lowerMHz, 0, kMaxMHz));
  WriteField(kUpperEdge, info_, std::clamp(upperMHz, 0, kMaxMHz));
}

std::string FactoryModel::rangeText() const { return RangeText(lowerEdge(), upperEdge()); }
std::uint8_t FactoryModel::wideVolume() const { return static_cast<std::uint8_t>(ReadField(kWideVolume, misc_)); }
std::uint8_t FactoryModel::narrowVolume() const { return static_cast<std::uint8_t>(ReadField(kNarrowVolume, misc_)); }

void FactoryModel::setVolumes(int wide, int narrow) {
  WriteField(kWideVolume, misc_, std::clamp(wide, 0, 255));
  WriteField(kNarrowVolume, misc_, std::clamp(narrow, 0, 255));
}

}  // namespace vex
