#pragma once
// File > Import Channels and File > Export Channels: the channel list in
// CHIRP's CSV columns, through the library's reader and writer. An import
// that holds any value the radio cannot carry changes nothing and lists
// every such value; the user may then take a range of lines and leave out
// the lines the radio cannot carry.
#include <string>
#include <vector>

namespace vex {
struct ReferenceChange;
}

namespace vex::gui {

class CMainFrame;
class Prompts;

// Replaces the channels by those of a chosen CSV file; true when imported.
bool importChannels(CMainFrame& frame, Prompts& prompts);
// The references an import moved off records that no longer exist, one a line under a heading.
std::string referenceChangeList(const std::vector<ReferenceChange>& changes);
// Writes the channels to a chosen CSV file; true when written.
bool exportChannels(CMainFrame& frame, Prompts& prompts);

}  // namespace vex::gui
