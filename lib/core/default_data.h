// The default data of a model's frequency range, as the default data files
// hold it: the container's reset defaults with every channel inside the range.
#pragma once

#include "core/container.h"

namespace vex {

// Resets the container to its defaults, the test and five-point frequencies
// spread over the range. The sixteen default channels are the PMR446
// channels; for any other range they are replaced by channels 25 kHz apart
// from the middle of the range, keeping their tones and flags.
void MakeDefaultData(RadioDataContainer& container, int lowMHz, int highMHz);

}  // namespace vex
