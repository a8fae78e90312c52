// read [--port PORT]... -o FILE: Read from radio, and save the memory exactly
// as the radio returned it, under a header made from the radio's identity.
// Faults that validation finds in the data are warnings: a backup is never
// refused. Nothing is written when the read fails, and the settings files
// stay as they were unless --remember (or --add-range yes) asks otherwise.
#include "cli_commands.h"
#include "cli_host.h"
#include "cli_radio_session.h"
#include "output_file.h"
#include "radio_jobs.h"
#include "stop_signals.h"

#include "config/radio_compatibility.h"
#include "config/range_table.h"
#include "workflow/radio_backup.h"

#include <unistd.h>

#include <cerrno>

#include <filesystem>
#include <memory>

namespace vex::cli {

namespace {

// Validates a copy of the image and prints what it finds as warnings.
void WarnAboutFaults(Environment& env, RadioSession& session, const Image& image, const std::string& shown) {
  auto files = std::make_unique<RadioFiles>(session);
  files->data().image() = image;
  files->data().decode();
  if (files->validate() == 0) return;
  env.err() << "vexprog-cli: warning: the radio's data has faults; " << shown << " holds them as the radio does:\n";
  ListFindings(env.err(), files->findings());
}

}  // namespace

int RunRead(Environment& env, const CliOptions& options) {
  const bool several = options.ports.size() > 1;
  if (several && options.output == "-") {
    env.err() << "vexprog-cli: read: several radios cannot all go to standard output\n";
    return kExitUsage;
  }
  if (several && options.remember) {
    env.err() << "vexprog-cli: read: --remember takes one port\n";
    return kExitUsage;
  }
  RadioSession session(DataDirectory::current());
  const auto devices = ResolvePorts(env, env.portLookup(), options.ports);
  if (!devices) return kExitFailure;

  // Every file is named, and must be writable, before a radio is touched.
  const std::vector<std::filesystem::path> perPort = PortFilePaths(options.output, *devices);
  std::vector<std::unique_ptr<OutputFile>> outputs;
  for (std::size_t i = 0; i < std::max<std::size_t>(devices->size(), 1); ++i) {
    outputs.push_back(std::make_unique<OutputFile>(several ? perPort[i].string() : options.output, options.force));
    if (const std::string problem = outputs.back()->problem(); !problem.empty())
      return env.fail(text::kMsgFileNotWritten, outputs.back()->shownName(), problem);
  }
  std::vector<std::string> outputNames;
  for (const auto& output : outputs) outputNames.push_back(output->path());
  TraceFile trace;
  if (!trace.open(env, options.trace, outputNames)) return kExitFailure;
  if (options.modelName) session.settings().setModelName(*options.modelName);

  ProgressDisplay progress(env.err(), ProgressDisplay::StyleFor(::isatty(STDERR_FILENO) == 1, options.verbose),
                           session.settings().labelText(text::kTransferReadProgress),
                           devices->empty() ? std::vector<std::string>{""} : *devices);
  HostShared shared(env, session.settings(), session.ranges(), progress);
  shared.password = options.password;
  shared.printDone = !several;
  Image blank{};
  RadioJobs radios(shared, TransferDirection::Read, *devices, blank, trace.trace());
  const bool allRead = radios.run();

  bool allSaved = true;
  for (std::size_t i = 0; i < radios.jobs().size(); ++i) {
    RadioJob& job = radios.jobs()[i];
    const OutputFile& output = *outputs[i];
    if (!job.succeeded) {
      if (several) env.err() << "vexprog-cli: " << job.name() << ": failed\n";
      continue;
    }
    const int range = OfferNewRange(session.settings(), session.ranges(), job.transfer->Band(),
                                    [&](int, int) { return options.addRange == "yes"; });
    if (range == kRangeAdded) session.keepCatalogue();
    if (range == kRangeNotWritten) job.host->showMessage(text::kMsgRangeNotAdded);
    const bool saved =
        SaveRadioData(output.path(), job.transfer->Identity(), job.transfer->Band(), session.ranges(), *job.image);
    const int cause = saved ? 0 : errno;
    if (!saved || !output.finish(env.out())) {
      env.fail(text::kMsgFileNotWritten, output.shownName(), output.failure(cause));
      allSaved = false;
      continue;
    }
    WarnAboutFaults(env, session, *job.image, output.shownName());
    if (several) env.out() << job.name() << ": " << output.shownName() << '\n';
  }
  if (stop::Received() != 0) {
    env.err() << "vexprog-cli: stopped by a signal; the radios that were not read whole left no file\n";
    return stop::ExitStatus();
  }
  if (allRead && allSaved && options.remember) session.rememberSettings();
  return allRead && allSaved ? kExitOk : kExitFailure;
}

}  // namespace vex::cli
