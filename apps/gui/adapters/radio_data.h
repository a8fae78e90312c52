#pragma once
// The GUI's access to lib/core's RadioDataContainer: the sections and lists
// the views touch, the codec and the Invalid Log the main frame shows.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "core/invalid_log.h"

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
// Validates the whole container into the Invalid Log; the number of findings.
int validate();
// Ends the container's life at program exit.
void destroy();

// The Invalid Log of the container's validation.
using InvalidRow = InvalidLogRow;
InvalidLog& invalidLog();
const std::vector<InvalidRow>& invalidRows();
void addInvalid(const std::string& label, const std::string& location, int key);
void removeInvalid(int key);
void setInvalidListener(std::function<void()> listener);
// Called when validation found entries: the main frame shows the bar.
void setInvalidRevealHandler(std::function<void()> handler);

}  // namespace vex::gui::radio_data
