// An ordered list that owns its record items; removing an item destroys it.
// A list never holds more items than its kind's record limit, so that all
// it holds survives the next encode and decode.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

#include "core/record_limits.h"

namespace vex {

template <class Item>
class ItemList {
 public:
  using Storage = std::vector<std::unique_ptr<Item>>;
  static constexpr std::size_t kMost = MostRecords(Item::kKind);

  // Appends an item with the defaults of its kind at its new position;
  // nullptr (and nothing appended) when the list is full.
  Item* appendNew() {
    if (full()) return nullptr;
    auto item = std::make_unique<Item>();
    item->initDefaults(items_.size());
    items_.push_back(std::move(item));
    return items_.back().get();
  }
  bool full() const { return items_.size() >= kMost; }
  void removeAt(std::size_t index) {
    if (index < items_.size()) {
      items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    }
  }
  void clear() { items_.clear(); }

  std::size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  Item& operator[](std::size_t index) { return *items_[index]; }
  const Item& operator[](std::size_t index) const { return *items_[index]; }
  Item* at(std::size_t index) const { return index < items_.size() ? items_[index].get() : nullptr; }
  // Key of the item at `index`, 0 when there is none.
  int keyAt(std::size_t index) const { return index < items_.size() ? items_[index]->key() : 0; }
  Item* findByKey(int key) const {
    const auto found =
        std::find_if(items_.begin(), items_.end(), [key](const auto& item) { return item->key() == key; });
    return found == items_.end() ? nullptr : found->get();
  }
  bool containsKey(int key) const { return key != 0 && findByKey(key) != nullptr; }

  const Storage& items() const { return items_; }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  Storage items_;
};

}  // namespace vex
