// write [--port PORT]... FILE: open the file as File Open does, then Write to
// radio: validate, encode, and send the write plan, to every named radio at
// once. The password notice is printed once and answered yes. With --backup
// every radio is read into a dated file first.
#include "cli_commands.h"
#include "cli_radio_session.h"
#include "input_file.h"
#include "radio_jobs.h"
#include "stop_signals.h"
#include "write_backup.h"

#include "base/terminal_text.h"
#include "link/transfer_plan.h"
#include "link/write_warning.h"

#include <unistd.h>

#include <memory>

namespace vex::cli {

namespace {

// What a radio whose write a signal stopped holds, and how to put it right.
std::string StoppedNotice(const RadioJob& job, const std::string& file, const std::string& backupDir) {
  const std::size_t done = job.transfer->BlocksDone();
  const std::size_t all = WritePlan(job.transfer->ExtendedLevel()).size();
  if (done == 0) return "stopped by a signal before the first block; the radio holds its old data";
  std::string notice = "stopped by a signal after " + std::to_string(done) + " of " + std::to_string(all) +
                       " blocks and told the radio to end programming; to finish, run: vexprog-cli write --port " +
                       ShellQuoted(job.device.empty() ? std::string("PORT") : job.device) + " " + ShellQuoted(file);
  if (!backupDir.empty()) notice += " (or write its backup from " + ShellQuoted(backupDir) + " to undo)";
  return notice;
}

}  // namespace

int RunWrite(Environment& env, const CliOptions& options) {
  const std::string& input = options.files[0];
  if (const InputFile file(input, InputFile::StandardInput::Refused); !file.ready()) {
    file.fail(env);
    return kExitFailure;
  }
  if (options.remember && options.ports.size() > 1) {
    env.err() << "vexprog-cli: write: --remember takes one port\n";
    return kExitUsage;
  }
  RadioSession session(DataDirectory::current());
  auto files = std::make_unique<RadioFiles>(session);
  if (!files->openToWrite(env, input)) return kExitFailure;

  const auto devices = ResolvePorts(env, env.portLookup(), options.ports);
  if (!devices) return kExitFailure;
  TraceFile trace;
  if (!trace.open(env, options.trace, {input})) return kExitFailure;

  const std::string notice =
      WriteWarningText(files->data().passwords(), [&](int id) { return session.settings().labelText(id); });
  if (!notice.empty()) env.err() << notice << '\n';
  std::optional<std::string> password = options.password;
  if (!options.backupDir.empty() &&
      !BackUpRadios(env, session, options.backupDir, *devices, password, trace, options.verbose))
    return stop::Received() != 0 ? stop::ExitStatus() : kExitFailure;
  if (stop::Received() != 0) {
    env.err() << "vexprog-cli: stopped by a signal before writing; no radio was written\n";
    return stop::ExitStatus();
  }

  ProgressDisplay progress(env.err(), ProgressDisplay::StyleFor(::isatty(STDERR_FILENO) == 1, options.verbose),
                           session.settings().labelText(text::kTransferWriteProgress),
                           devices->empty() ? std::vector<std::string>{""} : *devices);
  HostShared shared(env, session.settings(), session.ranges(), progress);
  shared.password = password;
  shared.printDone = devices->size() <= 1;
  RadioJobs radios(shared, TransferDirection::Write, *devices, files->data().image(), trace.trace());
  const bool allWritten = radios.run();

  // A write that stopped after its first block left the radio half old,
  // half new: say so, and how to get out of it.
  for (RadioJob& job : radios.jobs()) {
    if (job.stopped) job.host->say(StoppedNotice(job, input, options.backupDir));
    if (!job.succeeded && job.transfer->BlocksDone() > 0) job.host->showMessage(text::kMsgWritePartial);
  }
  progress.finish();
  if (shared.severalRadios) {
    for (RadioJob& job : radios.jobs()) {
      if (job.succeeded) env.out() << job.name() << ": " << env.message(text::kMsgWriteDone) << '\n';
    }
    const auto failed =
        std::count_if(radios.jobs().begin(), radios.jobs().end(), [](const RadioJob& job) { return !job.succeeded; });
    env.out() << radios.jobs().size() - static_cast<std::size_t>(failed) << " of " << radios.jobs().size()
              << " radios written\n";
    for (RadioJob& job : radios.jobs()) {
      if (!job.succeeded) env.err() << "vexprog-cli: " << job.name() << ": failed\n";
    }
  }
  if (stop::Received() != 0) return stop::ExitStatus();
  if (allWritten && options.remember) session.rememberSettings();
  return allWritten ? kExitOk : kExitFailure;
}

}  // namespace vex::cli
