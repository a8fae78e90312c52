// verify [--port PORT] FILE: read the radio and compare its memory with what
// writing FILE would send (the write plan's bytes; the programming time stamp
// is new on every write and is left out). Lists the fields that differ, the
// file's value first. Exit 0 when the radio holds the file, 1 when it does
// not, 2 when the file or the radio cannot be read.
#include "cli_commands.h"
#include "cli_radio_session.h"
#include "image_compare.h"
#include "input_file.h"
#include "json_output.h"
#include "radio_jobs.h"
#include "stop_signals.h"

#include "link/transfer_plan.h"

#include <unistd.h>

#include <memory>

namespace vex::cli {

namespace {

constexpr int kExitTrouble = 2;

}  // namespace

int RunVerify(Environment& env, const CliOptions& options) {
  const std::string& input = options.files[0];
  if (const InputFile file(input, InputFile::StandardInput::Refused); !file.ready()) {
    file.fail(env);
    return kExitTrouble;
  }
  if (options.ports.size() > 1) {
    env.err() << "vexprog-cli: verify: give one --port\n";
    return kExitUsage;
  }
  RadioSession session(DataDirectory::current());
  auto files = std::make_unique<RadioFiles>(session);
  if (!files->openToWrite(env, input)) return kExitTrouble;

  const auto devices = ResolvePorts(env, env.portLookup(), options.ports);
  if (!devices) return kExitTrouble;
  TraceFile trace;
  if (!trace.open(env, options.trace, {input})) return kExitTrouble;
  ProgressDisplay progress(env.err(), ProgressDisplay::StyleFor(::isatty(STDERR_FILENO) == 1, options.verbose),
                           session.settings().labelText(text::kTransferReadProgress), {""});
  HostShared shared(env, session.settings(), session.ranges(), progress);
  shared.password = options.password;
  shared.printDone = false;
  Image blank{};
  RadioJobs radios(shared, TransferDirection::Read, *devices, blank, trace.trace());
  if (!radios.run()) {
    if (stop::Received() == 0) return kExitTrouble;
    env.err() << "vexprog-cli: stopped by a signal; the radio was read only, nothing was compared\n";
    return stop::ExitStatus();
  }

  // What the radio would hold after the write: its own bytes, with the
  // written ranges taken from the file.
  const Image& radio = *radios.jobs().front().image;
  Image expected = radio;
  for (const TransferBlock& block : WritePlan(session.settings().isExtendedLevel()))
    std::copy_n(files->data().image().begin() + block.address, block.length, expected.begin() + block.address);
  const ImageComparison comparison = CompareImages(expected, radio, env.texts());

  if (options.json) {
    nlohmann::ordered_json json = JsonDocument();
    json["same"] = comparison.same();
    json["file"] = input;
    AddComparisonJson(json, comparison);
    PrintJson(env.out(), json);
  } else if (comparison.same()) {
    env.out() << "The radio holds what writing " << input << " would send.\n";
  } else {
    env.out() << "The radio differs from " << input << " (file -> radio):\n";
    PrintComparison(env.out(), comparison);
  }
  return comparison.same() ? kExitOk : kExitFailure;
}

}  // namespace vex::cli
