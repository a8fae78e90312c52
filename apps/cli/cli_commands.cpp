#include "cli_commands.h"

namespace vex::cli {

namespace {

const OptionSpec kJson{"json", false, "", "write JSON instead of text"};
const OptionSpec kOutput{"output", true, "FILE", "the file to write (also -o FILE)"};
const OptionSpec kPort{"port", true, "PORT", "COM1..COM16 or a device path (default: the remembered port)"};
const OptionSpec kPassword{"password", true, "DIGITS", "the radio's password, if it asks for one"};
const OptionSpec kVerbose{"verbose", false, "", "progress lines on stderr when it is not a terminal"};

}  // namespace

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands{
      {"info", "FILE [--json]", "show the header and comment of a codeplug file", {kJson}, 1, RunInfo},
      {"new",
       "-o FILE [--model-id ID] [--model-name NAME] [--range LO-HI]",
       "write the default data of a model and range as a new codeplug file",
       {kOutput,
        {"model-id", true, "ID", "model ID (default: the settings' model, else the catalogue's first)"},
        {"model-name", true, "NAME", "model name (default: the first name of the model ID)"},
        {"range", true, "LO-HI", "frequency range in MHz (default: the settings' range, else the model's first)"}},
       0,
       RunNew},
      {"recode",
       "IN -o OUT",
       "open a codeplug file as the program does and save it again as OUT",
       {kOutput},
       1,
       RunRecode},
      {"dump",
       "FILE [--json]",
       "show every channel, personality, scan list and setting of a codeplug file",
       {kJson},
       1,
       RunDump},
      {"read",
       "[--port PORT] -o FILE [--password DIGITS] [--add-range yes|no]",
       "read the radio and save its data as a codeplug file",
       {kPort,
        kOutput,
        kPassword,
        {"add-range", true, "yes|no", "add a band the catalogue lacks (default no)"},
        kVerbose},
       0,
       RunRead},
      {"write",
       "[--port PORT] FILE [--password DIGITS]",
       "write a codeplug file to the radio",
       {kPort, kPassword, kVerbose},
       1,
       RunWrite},
      {"ports", "", "list COM1..COM16 with their devices and whether they can be opened", {}, 0, RunPorts},
  };
  return commands;
}

}  // namespace vex::cli
