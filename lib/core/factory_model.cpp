#include "core/factory_model.h"

#include <algorithm>

#include "base/byte_order.h"
#include "base/field_text.h"
#include "base/range_entry.h"
#include "core/container.h"

namespace vex {
namespace {

constexpr int kMaxMHz = 999;
constexpr int kMaxRangeId = 999;

void PutText(std::span<std::uint8_t> field, const std::string& text) {
  std::fill(field.begin(), field.end(), 0);
  std::copy_n(text.begin(), std::min(text.size(), field.size()), field.begin());
}

template <std::size_t N>
void Take(std::array<std::uint8_t, N>& target, const Image& image, const layout::Region& region) {
  std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(region.first), N, target.begin());
}

template <std::size_t N>
void Put(const std::array<std::uint8_t, N>& source, Image& image, const layout::Region& region) {
  std::copy(source.begin(), source.end(), image.begin() + static_cast<std::ptrdiff_t>(region.first));
}

}  // namespace

void SwapFactoryOptionOrder(std::span<std::uint8_t, layout::kFactory.length> own) {
  for (const layout::BeField& field : layout::kFactoryBeFields) {
    ReverseField(own, field.offset - FactorySection::kOwnFirst, field.width);
  }
}

void SwapSharedOrder(std::span<std::uint8_t, layout::kShared.length> shared) {
  ReverseField(shared, layout::kSharedBeField.offset, layout::kSharedBeField.width);
}

FactoryModel FactoryModel::FromContainer(RadioDataContainer& container) {
  FactoryModel model;
  std::ranges::copy(container.radioInfo().bytes(), model.info_.begin());
  std::ranges::copy(container.factory().own(), model.own_.begin());
  std::ranges::copy(container.misc().shared(), model.shared_.begin());
  return model;
}

void FactoryModel::toContainer(RadioDataContainer& container) const {
  std::ranges::copy(info_, container.radioInfo().bytes().begin());
  std::ranges::copy(own_, container.factory().own().begin());
  std::ranges::copy(shared_, container.misc().shared().begin());
}

void FactoryModel::toImage(Image& image) const {
  Put(info_, image, layout::kRadioInfo);
  auto own = own_;
  SwapFactoryOptionOrder(own);
  Put(own, image, layout::kFactory);
  auto shared = shared_;
  SwapSharedOrder(shared);
  Put(shared, image, layout::kShared);
}

void FactoryModel::fromImage(const Image& image) {
  Take(info_, image, layout::kRadioInfo);
  Take(own_, image, layout::kFactory);
  SwapFactoryOptionOrder(own_);
  Take(shared_, image, layout::kShared);
  SwapSharedOrder(shared_);
}

std::string FactoryModel::modelName() const {
  return TextOfField(std::span(info_).subspan(layout::kInfoModelName, layout::kInfoModelNameLength));
}

void FactoryModel::setModelName(const std::string& name) {
  PutText(std::span(info_).subspan(layout::kInfoModelName, layout::kInfoModelNameLength), name);
}

std::string FactoryModel::serialNumber() const {
  return TextOfField(std::span(info_).subspan(layout::kInfoSerial, layout::kInfoSerialLength));
}

void FactoryModel::setSerialNumber(const std::string& serial) {
  PutText(std::span(info_).subspan(layout::kInfoSerial, layout::kInfoSerialLength), serial);
}

void FactoryModel::setVhf(bool vhf) {
  std::uint8_t& flags = info_[layout::kInfoBandFlags];
  flags = static_cast<std::uint8_t>(vhf ? (flags | 0x80) : (flags & 0x7F));
}

int FactoryModel::rangeId() const { return (info_[kRangeId] << 8) | info_[kRangeId + 1]; }

void FactoryModel::setRangeId(int id) {
  id = std::clamp(id, 0, kMaxRangeId);
  info_[kRangeId] = static_cast<std::uint8_t>(id >> 8);
  info_[kRangeId + 1] = static_cast<std::uint8_t>(id & 0xFF);
}

// An erased edge (all ones) or any value beyond 999 MHz counts as 0.
int FactoryModel::lowerEdge() const {
  const std::uint32_t v = ReadBe32(info_, kLowerEdge);
  return v <= kMaxMHz ? static_cast<int>(v) : 0;
}

int FactoryModel::upperEdge() const {
  const std::uint32_t v = ReadBe32(info_, kUpperEdge);
  return v <= kMaxMHz ? static_cast<int>(v) : 0;
}

void FactoryModel::setEdges(int lowerMHz, int upperMHz) {
  WriteBe32(info_, kLowerEdge, static_cast<std::uint32_t>(std::clamp(lowerMHz, 0, kMaxMHz)));
  WriteBe32(info_, kUpperEdge, static_cast<std::uint32_t>(std::clamp(upperMHz, 0, kMaxMHz)));
}

std::string FactoryModel::rangeText() const { return RangeText(lowerEdge(), upperEdge()); }

void FactoryModel::setVolumes(int wide, int narrow) {
  shared_[kWideVolume] = static_cast<std::uint8_t>(std::clamp(wide, 0, 255));
  shared_[kNarrowVolume] = static_cast<std::uint8_t>(std::clamp(narrow, 0, 255));
}

}  // namespace vex
