#pragma once
// The GUI's access to lib/core's RadioDataContainer: the sections and lists
// the views touch, the codec and the Invalid Log the main frame shows.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "core/change_notice.h"
#include "core/invalid_log.h"
#include "core/record_moves.h"
#include "core/schema/schema.h"
#include "workflow/write_summary.h"

namespace vex {
class PasswordSection;
}

namespace vex::gui::radio_data {

std::span<std::uint8_t> miscBytes();
std::span<std::uint8_t> radioInfoBytes();
PasswordSection& passwords();
const std::array<std::uint8_t, 8192>& image();
// The section of `area`, or the record at 0-based `index` of its list.
std::span<std::uint8_t> areaBytes(FieldArea area, std::size_t index = 0);
// The raw value of a field of a section (tests and views that show one value).
long fieldValue(const FieldDef& field, std::size_t index = 0);
void setFieldValue(const FieldDef& field, long value, std::size_t index = 0);

// One of the four record lists.
RecordListAccess records(RecordKind kind);
int recordCount(RecordKind kind);
// Hands a change notice to the container's items (channel and scan list validation).
void broadcast(const ChangeNotice& notice);

void resetToDefaults();
// Where the data came from (the default data, a file, a radio).
DataOrigin& origin();
void encode();
// Validates the whole container into the Invalid Log; the number of findings.
int validate();
// Ends the container's life at program exit.
void destroy();

// The Invalid Log of the container's validation. Findings of a field whose
// control the language data disables for the model are never listed.
using InvalidRow = InvalidLogRow;
InvalidLog& invalidLog();
const std::vector<InvalidRow>& invalidRows();
void setInvalidListener(std::function<void()> listener);
// Called when validation found entries: the main frame shows the bar.
void setInvalidRevealHandler(std::function<void()> handler);

}  // namespace vex::gui::radio_data
