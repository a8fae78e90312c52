#pragma once
// The Program menu's settings commands: Model Information (32771), Language
// (32777) and Communication Port (32772).
#include <functional>

#include "dialogs/com_port_dialog.h"

namespace vex {
class AppSettings;
}

namespace vex::gui {

class CMainFrame;
class FileCommands;
class Prompts;

// The serial ports and the devices [Ports] of the settings configure, each
// opened once to learn whether it can be opened now.
std::vector<PortListing> ProbeSerialPorts(const AppSettings& settings);

class SettingsCommands {
 public:
  SettingsCommands(CMainFrame& frame, Prompts& prompts, AppSettings& settings, FileCommands& files, PortProbe probe);

  // Nothing differs: nothing happens. Only the name differs: the name
  // changes and the data stays. Anything else: after a Yes to message 800
  // the model, range and signalling change and the default data loads.
  void modelInformation();
  // A different language reloads the default data and rebuilds every text;
  // when a view changed the data, only after a Yes to message 800.
  void language();
  void port();

 private:
  CMainFrame& frame_;
  Prompts& prompts_;
  AppSettings& settings_;
  FileCommands& files_;
  PortProbe probe_;
};

}  // namespace vex::gui
