#pragma once
// A dark colour scheme for desktops that give Qt none: VEXPROG_PALETTE=dark
// switches the program to the Fusion style with a dark palette (also how the
// screenshots check that every text stays readable on dark ground).

namespace vex::gui {

// Applies the dark palette when VEXPROG_PALETTE is "dark"; true when it did.
bool applyPaletteFromEnvironment();

}  // namespace vex::gui
