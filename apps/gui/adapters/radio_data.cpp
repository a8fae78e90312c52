#include "adapters/radio_data.h"

#include "adapters/texts.h"
#include "core/container.h"

namespace vex::gui::radio_data {
namespace {

RadioDataContainer& container() { return RadioDataContainer::instance(); }

// The Invalid Log the main frame shows; keys the language data disables for
// the model are never listed.
InvalidLog& log() {
  static InvalidLog invalidLog = [] {
    InvalidLog l;
    l.setKeyFilter([](int key) { return !texts::controlDisabled(key); });
    return l;
  }();
  static const bool linked = [] {
    RadioDataContainer::instance().setValidationTarget(&invalidLog, [](int id) { return texts::label(id); });
    return true;
  }();
  (void)linked;
  return invalidLog;
}

}  // namespace

std::span<std::uint8_t> miscBytes() { return container().misc().bytes(); }
std::span<std::uint8_t> radioInfoBytes() { return container().radioInfo().bytes(); }
const std::array<std::uint8_t, 8192>& image() { return container().image(); }

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
  container().clearRecords();
  container().resetToDefaults();
}

void encode() { container().encode(); }

int recordCount(RecordList list) {
  switch (list) {
    case RecordList::Channels: return static_cast<int>(container().channels().size());
    case RecordList::Personalities: return static_cast<int>(container().personalities().size());
    case RecordList::ScanLists: return static_cast<int>(container().scanLists().size());
    case RecordList::AlertTones: return static_cast<int>(container().alertTones().size());
  }
  return 0;
}

int validate() {
  return container().validate(log(), [](int id) { return texts::label(id); });
}

void destroy() {
  log().clear();
  container().clearRecords();
}

InvalidLog& invalidLog() { return log(); }
const std::vector<InvalidRow>& invalidRows() { return log().rows(); }
void addInvalid(const std::string& label, const std::string& location, int key) { log().add(label, location, key); }
void removeInvalid(int key) { log().remove(key); }
void setInvalidListener(std::function<void()> listener) { log().setListener(std::move(listener)); }
void setInvalidRevealHandler(std::function<void()> handler) { log().setRevealHandler(std::move(handler)); }

}  // namespace vex::gui::radio_data
