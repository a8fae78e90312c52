#include "cli_commands.h"

namespace vex::cli {

namespace {

const OptionSpec kJson{"json", false, "", "write JSON instead of text"};
const OptionSpec kOutput{"output", true, "FILE", "the file to write (also -o FILE)"};

}  // namespace

// The radio transfer commands (read, write, ports) join this table once the
// transfer engine is in the library.
const std::vector<Command>& Commands() {
    static const std::vector<Command> commands{
        {"info", "FILE [--json]", "show the header and comment of a codeplug file", {kJson}, 1, RunInfo},
        {"new", "-o FILE [--model-id ID] [--model-name NAME] [--range LO-HI]",
         "write the default data of a model and range as a new codeplug file",
         {kOutput,
          {"model-id", true, "ID", "model ID (default: the settings' model, else the catalogue's first)"},
          {"model-name", true, "NAME", "model name (default: the first name of the model ID)"},
          {"range", true, "LO-HI", "frequency range in MHz (default: the settings' range, else the model's first)"}},
         0, RunNew},
        {"recode", "IN -o OUT", "open a codeplug file as the program does and save it again as OUT",
         {kOutput}, 1, RunRecode},
        {"dump", "FILE [--json]", "show every channel, personality, scan list and setting of a codeplug file",
         {kJson}, 1, RunDump},
    };
    return commands;
}

}  // namespace vex::cli
