#pragma once
// File > Import Channels and File > Export Channels: the channel list in
// CHIRP's CSV columns, through the library's reader and writer. An import
// that holds any value the radio cannot carry changes nothing and lists
// every such value.
namespace vex::gui {

class CMainFrame;
class Prompts;

// Replaces the channels by those of a chosen CSV file; true when imported.
bool importChannels(CMainFrame& frame, Prompts& prompts);
// Writes the channels to a chosen CSV file; true when written.
bool exportChannels(CMainFrame& frame, Prompts& prompts);

}  // namespace vex::gui
