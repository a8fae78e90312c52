#pragma once
// The commands that talk to a radio: Read from Radio, Write to Radio, Write
// Tune Data, and the factory link opening they share with the adjustment
// dialog.
#include <cstdint>

#include "commands/command_ids.h"

namespace vex {
class CRadioLink;
}

namespace vex::gui {

class CMainFrame;

// The application's link for factory work; open only between a successful
// openFactoryLink and the end of the factory operation.
CRadioLink& sharedRadioLink();

// Replaces the container's data by the radio's; true when it did.
bool readFromRadio(CMainFrame& frame);
// Writes the container's data to the radio; true when written.
bool writeToRadio(CMainFrame& frame);
// Identifies the radio on the shared link and switches it into `mode`
// (3 tuning write, 6 adjustment); 1 with the link open, else 0.
int openFactoryLink(CMainFrame& frame, std::uint16_t mode);
// Writes the adjustment values to the radio; true when every block was written.
bool writeTuneData(CMainFrame& frame);

struct OpenData;
// The open data checked and encoded for the station, as Write to Radio
// prepares them.
OpenData openDataForStation(CMainFrame& frame);

// Connects the commands to the main frame's menu.
void installTransferCommands(CMainFrame& frame);

}  // namespace vex::gui
