// Tests run the programs against the simulated radio with
// VEXPROG_LINK_TIMING=quick: the pauses shrink to what an unpaced simulator
// needs and the reply time-out stays, so a silent radio costs what it costs
// on a cable. Any other value, or none, keeps the cable's timing.
#pragma once

#include "link/link_timing.h"

namespace vex {

inline constexpr const char* kLinkTimingVariable = "VEXPROG_LINK_TIMING";

bool QuickLinkTimingRequested();
LinkTiming QuickLinkTiming();
// The real timing, or the quick one when the environment asks for it.
LinkTiming LinkTimingFromEnvironment();

}  // namespace vex
