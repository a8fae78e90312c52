#pragma once
// Adapter over lib/core's RadioDataContainer: the sections and lists the GUI
// touches, the codec and the Invalid Log. Views reach the container only
// through these functions, so that moving to the library is one edit in
// radio_data.cpp.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace vex::gui::radio_data {

enum class RecordList { Channels, Personalities, ScanLists, AlertTones };

std::span<std::uint8_t> miscBytes();
std::span<std::uint8_t> radioInfoBytes();
const std::array<std::uint8_t, 8192>& image();

// Bit field of a section byte, read-modify-write: the other bits stay, a
// value wider than the field is cut to its width.
long readField(std::span<const std::uint8_t> bytes, int byte, int shift, int width);
void writeField(std::span<std::uint8_t> bytes, int byte, int shift, int width, long value);

void resetToDefaults();
void encode();
int recordCount(RecordList list);
// Ends the container's life at program exit.
void destroy();

// The Invalid Log of the container's validation.
struct InvalidRow {
  std::string label;
  std::string location;
  int key = 0;
};
const std::vector<InvalidRow>& invalidRows();
void addInvalid(const std::string& label, const std::string& location, int key);
void removeInvalid(int key);
void setInvalidListener(std::function<void()> listener);

}  // namespace vex::gui::radio_data
