#include "adapters/radio_data.h"

#include <algorithm>
#include <cstring>

#include "adapters/texts.h"
#include "core/image_layout.h"

// Stand-in storage until lib/core's RadioDataContainer is on main: it holds
// only what the views of this application already edit.
namespace vex::gui::radio_data {
namespace {

constexpr std::size_t kMiscSize = 73;
constexpr std::size_t kRadioInfoSize = 72;

struct Store {
  std::array<std::uint8_t, 8192> image{};
  std::array<std::uint8_t, kMiscSize> misc{};
  std::array<std::uint8_t, kRadioInfoSize> radioInfo{};
  std::vector<InvalidRow> invalid;
  std::function<void()> listener;
  Store() { image.fill(0xFF); }
};

Store& store() {
  static Store s;
  return s;
}

}  // namespace

std::span<std::uint8_t> miscBytes() { return store().misc; }
std::span<std::uint8_t> radioInfoBytes() { return store().radioInfo; }
const std::array<std::uint8_t, 8192>& image() { return store().image; }

long readField(std::span<const std::uint8_t> bytes, int byte, int shift, int width) {
  if (byte < 0 || static_cast<std::size_t>(byte) >= bytes.size()) return 0;
  const unsigned mask = (1u << width) - 1u;
  return (bytes[byte] >> shift) & mask;
}

void writeField(std::span<std::uint8_t> bytes, int byte, int shift, int width, long value) {
  if (byte < 0 || static_cast<std::size_t>(byte) >= bytes.size()) return;
  const unsigned mask = ((1u << width) - 1u) << shift;
  const unsigned bits = (static_cast<unsigned>(value) << shift) & mask;
  bytes[byte] = static_cast<std::uint8_t>((bytes[byte] & ~mask) | bits);
}

void resetToDefaults() {
  Store& s = store();
  s.misc.fill(0);
  auto misc = std::span<std::uint8_t>(s.misc);
  writeField(misc, 5, 0, 3, 3);
  writeField(misc, 5, 3, 1, 1);
  writeField(misc, 6, 0, 8, 15);
  writeField(misc, 8, 0, 8, 5);
  writeField(misc, 36, 0, 1, 1);
  writeField(misc, 36, 1, 1, 1);
  writeField(misc, 37, 0, 8, 10);
  writeField(misc, 40, 0, 3, 1);
  s.radioInfo.fill(0xFF);
  std::memset(s.radioInfo.data() + 56, '-', 16);
}

void encode() {
  Store& s = store();
  s.image.fill(0xFF);
  std::memcpy(s.image.data() + layout::kMiscFirst.first, s.misc.data(), layout::kMiscFirst.length);
  std::memcpy(s.image.data() + layout::kMiscSecond.first, s.misc.data() + layout::kMiscFirst.length,
              layout::kMiscSecond.length);
}

int recordCount(RecordList list) {
  switch (list) {
    case RecordList::Channels: return 16;
    case RecordList::Personalities: return 1;
    case RecordList::ScanLists: return 1;
    case RecordList::AlertTones: return 1;
  }
  return 0;
}

void destroy() { store().invalid.clear(); }

const std::vector<InvalidRow>& invalidRows() { return store().invalid; }

void addInvalid(const std::string& label, const std::string& location, int key) {
  Store& s = store();
  if (texts::controlDisabled(key & 0xFFFF)) return;
  if (std::any_of(s.invalid.begin(), s.invalid.end(), [key](const InvalidRow& r) { return r.key == key; }))
    return;
  s.invalid.push_back({label, location, key});
  if (s.listener) s.listener();
}

void removeInvalid(int key) {
  Store& s = store();
  auto it = std::remove_if(s.invalid.begin(), s.invalid.end(), [key](const InvalidRow& r) { return r.key == key; });
  if (it == s.invalid.end()) return;
  s.invalid.erase(it, s.invalid.end());
  if (s.listener) s.listener();
}

void setInvalidListener(std::function<void()> listener) { store().listener = std::move(listener); }

}  // namespace vex::gui::radio_data
