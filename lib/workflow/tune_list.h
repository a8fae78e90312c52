// The Tuning dialog's list of items, from the language data.
#pragma once

#include "link/tune_items.h"

#include <string_view>
#include <vector>

namespace vex {

// The items of `itemsEntry` (an option list of "code.text" items) with their
// flags from `flagsEntry`, ";"-separated "code,flags" pairs. Empty when
// `flagsEntry` yields no pair; an item without a pair gets no flags (nothing
// to tune). Pairs that do not read as two numbers of 0..65535 are skipped.
std::vector<TuneItem> BuildTuneList(std::string_view itemsEntry, std::string_view flagsEntry);

}  // namespace vex
