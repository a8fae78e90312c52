#include "cli_commands.h"

#include "cli_validators.h"

#include <CLI/CLI.hpp>

namespace vex::cli {

namespace {

void File(CLI::App& c, CliOptions& o, const char* name = "FILE", const char* help = "codeplug file") {
  c.add_option_function<std::string>(
       name, [&o](const std::string& f) { o.files.push_back(f); }, help)
      ->required();
}

void Output(CLI::App& c, CliOptions& o, const char* help, bool required = true) {
  auto* option = c.add_option("-o,--output", o.output, help)->type_name("FILE");
  if (required) option->required();
  c.add_flag("-f,--force", o.force, "replace an output file that is read-only");
}

void Json(CLI::App& c, CliOptions& o) { c.add_flag("--json", o.json, "write JSON instead of text"); }

// The options of every command that talks to radios, apart from the port.
void Link(CLI::App& c, CliOptions& o) {
  c.add_option("--password", o.password,
               "the radio's password, sent once; else $VEXPROG_PASSWORD, else asked for on a terminal")
      ->type_name("DIGITS")
      ->envname("VEXPROG_PASSWORD")
      ->check(Password());
  c.add_option("--trace", o.trace, "log every frame sent and received, with a time stamp, in hex")->type_name("FILE");
  c.add_option("--reply-timeout", o.replyTimeoutMs,
               "how long to wait for each reply of the radio before asking again, in milliseconds (default 50; "
               "raise it for a slow USB adapter)")
      ->type_name("MS")
      ->check(CLI::Range(10, 10000));
  c.add_flag("--verbose", o.verbose, "progress lines on stderr when it is not a terminal");
}

// The options of every command that talks to a radio on a port.
void Radio(CLI::App& c, CliOptions& o, bool severalPorts) {
  c.add_option("--port", o.ports,
               severalPorts ? "COMn, a device path, a /dev/serial/by-id name or ttyUSB0; repeat it to "
                              "program several radios at once (default: the remembered port, then a scan)"
                            : "COMn, a device path, a /dev/serial/by-id name or ttyUSB0 (default: the "
                              "remembered port, then a scan)")
      ->type_name("PORT")
      ->allow_extra_args(false)
      ->check(PortName());
  Link(c, o);
}

void Remember(CLI::App& c, CliOptions& o) {
  c.add_flag("--remember", o.remember, "remember the port (and for read the radio's model and range) in Settings.ini");
}

void DefineInfo(CLI::App& c, CliOptions& o) {
  File(c, o);
  Json(c, o);
}

void DefineNew(CLI::App& c, CliOptions& o) {
  Output(c, o, "the file to write ('-' for standard output)");
  c.add_option("--model-id", o.modelId, "model ID (default: the settings' model, else the catalogue's first)")
      ->type_name("ID");
  c.add_option("--model-name", o.modelName, "model name (default: the first name of the model ID)")->type_name("NAME");
  c.add_option("--range", o.range, "frequency range in MHz (default: the settings' range, else the model's first)")
      ->type_name("LO-HI")
      ->check(RangeText());
}

void DefineRecode(CLI::App& c, CliOptions& o) {
  File(c, o, "IN", "the codeplug file to open");
  Output(c, o, "the file to save ('-' for standard output)");
}

void DefineDump(CLI::App& c, CliOptions& o) {
  File(c, o);
  Json(c, o);
}

void DefineExportCsv(CLI::App& c, CliOptions& o) {
  File(c, o);
  Output(c, o, "the CSV file to write (default: standard output)", false);
}

void DefineReport(CLI::App& c, CliOptions& o) {
  File(c, o);
  c.add_option("--sections", o.sections,
               "the sections to print, comma-separated, in any order (default: all): " + ReportSectionNames())
      ->type_name("LIST")
      ->delimiter(',')
      ->check(ReportSectionName());
  Output(c, o, "the text file to write (default: standard output)", false);
}

void DefineImportCsv(CLI::App& c, CliOptions& o) {
  File(c, o, "FILE", "the codeplug file whose channels are replaced");
  File(c, o, "CSV", "the channels, in CHIRP's CSV columns ('-' for standard input)");
  c.add_option("--lines", o.lines,
               "take only these lines of the CSV file, counted from its header line 1 (default: all)")
      ->type_name("FIRST-LAST")
      ->check(CsvLineRange());
  c.add_flag("--skip-invalid", o.skipInvalid,
             "leave out the lines with a value the radio cannot carry instead of refusing the file");
  Output(c, o, "the codeplug file to write ('-' for standard output)");
}

void DefineExport(CLI::App& c, CliOptions& o) {
  File(c, o);
  Output(c, o, "the YAML file to write (default: standard output)", false);
}

void DefineTextSchema(CLI::App& c, CliOptions& o) {
  Output(c, o, "the JSON file to write (default: standard output)", false);
}

void DefineApply(CLI::App& c, CliOptions& o) {
  File(c, o, "TEXT", "the codeplug text (YAML; '-' for standard input)");
  c.add_option("--base", o.base,
               "the codeplug file the text is applied onto: only what the text names changes (default: the "
               "text alone makes the data)")
      ->type_name("FILE");
  Output(c, o, "the codeplug file to write ('-' for standard output)");
}

void DefineDiff(CLI::App& c, CliOptions& o) {
  File(c, o, "A", "codeplug file");
  File(c, o, "B", "codeplug file");
  Json(c, o);
}

void DefinePorts(CLI::App& c, CliOptions& o) { Json(c, o); }

void DefineDetect(CLI::App& c, CliOptions& o) {
  c.add_option("--port", o.ports, "greet only this port (repeatable; default: every serial port)")
      ->type_name("PORT")
      ->allow_extra_args(false)
      ->check(PortName());
  c.add_option("--trace", o.trace, "log every frame sent and received, with a time stamp, in hex")->type_name("FILE");
  Json(c, o);
}

void DefineRead(CLI::App& c, CliOptions& o) {
  Radio(c, o, true);
  Output(c, o,
         "the file to write ('-' for standard output); with several ports, each radio's file gets "
         "its port's name before the extension");
  c.add_option("--add-range", o.addRange, "add a band the catalogue lacks (default no)")
      ->type_name("yes|no")
      ->check(OneOf({"yes", "no"}));
  c.add_option("--model-name", o.modelName, "the model name to expect for the radio's model ID")->type_name("NAME");
  Remember(c, o);
}

void DefineWrite(CLI::App& c, CliOptions& o) {
  File(c, o);
  Radio(c, o, true);
  c.add_option("--backup", o.backupDir,
               "first read each radio and keep its memory as a dated codeplug file in DIR; no radio is written "
               "unless every backup was saved")
      ->type_name("DIR");
  Remember(c, o);
}

void DefineVerify(CLI::App& c, CliOptions& o) {
  File(c, o);
  Radio(c, o, false);
  Json(c, o);
}

void DefineStation(CLI::App& c, CliOptions& o) {
  File(c, o, "FILE", "the codeplug file every radio gets, or a plan (.yaml) of a base file and each radio's values");
  Link(c, o);
  c.remove_option(c.get_option("--verbose"));  // the station prints one line per radio, no progress
  c.add_option("--watch", o.watchDir,
               "the directory whose new serial devices are radios to program (default /dev/serial/by-id)")
      ->type_name("DIR");
  c.add_flag("--verify", o.verifyWrites, "read every radio back after writing it and compare");
  c.add_option("--backup", o.backupDir, "first read each radio and keep its memory as a dated codeplug file in DIR")
      ->type_name("DIR");
  c.add_option("--log", o.logFile, "append one JSON line per radio and attempt to this file")->type_name("FILE");
  c.add_option("--count", o.count, "end after this many radios (default: until Ctrl+C)")
      ->type_name("N")
      ->check(CLI::Range(1, 100000));
  c.add_flag("--dry-run", o.dryRun, "only check the plan and show what each radio would get; nothing is written");
}

}  // namespace

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands{
      {"info", "show the header and comment of a codeplug file", DefineInfo, RunInfo},
      {"new", "write the default data of a model and range as a new codeplug file", DefineNew, RunNew},
      {"recode", "open a codeplug file as the program does and save it again as OUT", DefineRecode, RunRecode},
      {"dump", "show every channel, personality, scan list and setting of a codeplug file", DefineDump, RunDump},
      {"export-csv", "write the channels of a codeplug file as CHIRP CSV", DefineExportCsv, RunExportCsv},
      {"import-csv", "replace the channels of a codeplug file by those of a CHIRP CSV file", DefineImportCsv,
       RunImportCsv},
      {"export", "write the whole content of a codeplug file as YAML text", DefineExport, RunExport},
      {"apply", "make a codeplug file of a YAML text, alone or applied onto a base file", DefineApply, RunApply},
      {"text-schema", "write the JSON Schema of the YAML text, for editors that check and complete it",
       DefineTextSchema, RunTextSchema},
      {"report", "write the printed report of a codeplug file as text", DefineReport, RunReport},
      {"diff", "list the fields that differ between two codeplug files (exit 0 same, 1 different)", DefineDiff,
       RunDiff},
      {"ports", "list the serial ports with their stable names and USB identity", DefinePorts, RunPorts},
      {"detect", "greet the serial ports and show every radio that answers", DefineDetect, RunDetect},
      {"read", "read the radio and save its memory as a codeplug file", DefineRead, RunRead},
      {"write", "write a codeplug file to the radio (or to several at once)", DefineWrite, RunWrite},
      {"verify", "read the radio and compare it with what writing FILE would send (exit 0 same, 1 different)",
       DefineVerify, RunVerify},
      {"station", "program every radio plugged in, one after another or several at once, and log each",
       DefineStation, RunStation},
  };
  return commands;
}

}  // namespace vex::cli
