// station FILE|PLAN.yaml [--watch DIR] [--verify] [--backup DIR] [--log FILE]
// [--count N] [--dry-run]: every radio plugged in while it runs is checked
// against the file, backed up, written and verified, each on its own,
// several at once; one line per radio on standard output. Ctrl+C ends after
// the radios in progress.
#include "cli_commands.h"
#include "cli_host.h"
#include "cli_radio_session.h"
#include "image_compare.h"
#include "input_file.h"
#include "radio_jobs.h"
#include "stop_signals.h"

#include "base/terminal_text.h"
#include "link/write_warning.h"
#include "workflow/radio_backup.h"
#include "workflow/station/audit_log.h"
#include "workflow/station/station.h"
#include "workflow/station/station_images.h"

#include <cstdio>
#include <iomanip>
#include <memory>
#include <mutex>
#include <sstream>

namespace vex::cli {

namespace {

std::string ResultLine(const RadioResult& r) {
  std::ostringstream line;
  line << TerminalSafe(r.radio.device) << ": " << (r.model.empty() ? "-" : TerminalSafe(r.model)) << ", serial "
       << (r.serialNumber.empty() ? "-" : TerminalSafe(r.serialNumber)) << ": ";
  if (r.ok()) {
    line << (r.verify == VerifyResult::Same ? "written and verified" : "written");
  } else {
    line << "FAILED: " << TerminalSafe(r.error);
  }
  line << " (" << std::fixed << std::setprecision(1) << r.seconds << " s)";
  return line.str();
}

// Says why the station's data could not be loaded; the exit status.
int LoadFailed(Environment& env, const StationImages& images, const StationLoad& load) {
  switch (load.failure) {
    case StationLoad::Failure::Plan: env.err() << "vexprog-cli: " << TerminalSafe(load.errors.front()) << '\n'; break;
    case StationLoad::Failure::File:
      // The desktop program's text points to its Invalid Log; here the list follows.
      if (load.messageId != text::kMsgDataInvalid) return env.fail(load.messageId, load.file);
      env.fail(text::kMsgDataInvalidListed, load.file);
      ListFindings(env.err(), images.findings());
      break;
    case StationLoad::Failure::Values:
      for (const std::string& error : load.errors) env.err() << TerminalSafe(error) << '\n';
      env.err() << "vexprog-cli: " << TerminalSafe(images.planFile())
                << " does not fit the radios; no radio was written\n";
      break;
    case StationLoad::Failure::None: return kExitOk;
  }
  return kExitFailure;
}

// --dry-run: every checked radio's values, as the fields that differ from the base.
void PrintPlan(Environment& env, const StationImages& images) {
  if (!images.isPlan()) {
    env.out() << "Every radio gets " << TerminalSafe(images.codeplugFile()) << '\n';
    return;
  }
  for (const PlannedRadio& radio : images.planned(env.texts())) {
    env.out() << (radio.serial.empty() ? "radio " + std::to_string(radio.number)
                                       : "serial " + radio.serial + " (as radio 1)")
              << (radio.changes.same() ? ": the base as it is\n" : ":\n");
    if (!radio.changes.same()) PrintComparison(env.out(), radio.changes);
  }
}

}  // namespace

int RunStation(Environment& env, const CliOptions& options) {
  const std::string& input = options.files[0];
  if (const InputFile file(input, InputFile::StandardInput::Refused); !file.ready()) return file.fail(env);
  RadioSession session(DataDirectory::current());
  StationImages images(session.settings(), session.ranges());
  if (const StationLoad loaded = images.load(input, options.count); !loaded.ok())
    return LoadFailed(env, images, loaded);
  if (options.dryRun) {
    PrintPlan(env, images);
    return kExitOk;
  }

  if (!options.backupDir.empty()) {
    if (const std::string why = PrepareBackupDirectory(options.backupDir); !why.empty()) {
      env.err() << "vexprog-cli: backups cannot be kept in " << options.backupDir << " (" << why << ")\n";
      return kExitFailure;
    }
  }
  AuditLog log;
  if (!options.logFile.empty()) {
    if (const std::string why = log.open(options.logFile); !why.empty()) {
      env.err() << "vexprog-cli: cannot write the log (" << options.logFile << ": " << why << ")\n";
      return kExitFailure;
    }
  }
  TraceFile trace;
  if (!trace.open(env, options.trace, {input, options.logFile})) return kExitFailure;

  const std::string notice =
      WriteWarningText(images.baseData().passwords(), [&](int id) { return session.settings().labelText(id); });
  if (!notice.empty()) env.err() << notice << '\n';

  StationShared shared(session.settings(), session.ranges());
  shared.password = options.password;
  StationRun run;
  run.watchDir = options.watchDir;
  run.steps.verify = options.verifyWrites;
  run.steps.backupDir = options.backupDir;
  run.steps.readFirst = images.needsSerialNumbers();
  run.steps.timing = env.linkTiming();
  run.steps.trace = trace.trace();
  run.count = options.count;
  run.stopFd = stop::WakeFd();

  std::mutex printing;
  StationEvents events;
  events.started = [&](const StationRadio& radio) {
    std::lock_guard lock(printing);
    env.err() << "vexprog-cli: " << TerminalSafe(radio.device) << ": radio " << radio.sequence << " plugged in\n";
  };
  events.finished = [&](const RadioResult& result) {
    std::lock_guard lock(printing);
    env.out() << ResultLine(result) << std::endl;
    if (log.isOpen() && !log.append(result))
      env.err() << "vexprog-cli: the log line of " << TerminalSafe(result.radio.device) << " could not be written\n";
  };
  const auto choose = [&](const StationRadio& radio, const std::string& serial) {
    return images.choose(radio, serial, shared.lock);
  };

  Station station(shared, std::move(run), choose, std::move(events));
  env.err() << "vexprog-cli: waiting for radios in " << TerminalSafe(options.watchDir)
            << (options.count > 0 ? "" : " (Ctrl+C ends)") << '\n';
  if (const std::string why = station.run(); !why.empty()) {
    env.err() << "vexprog-cli: " << why << '\n';
    return kExitFailure;
  }
  env.out() << station.finished() - station.failed() << " of " << station.finished() << " radios programmed\n";
  if (stop::Received() != 0) return stop::ExitStatus();
  return station.failed() == 0 ? kExitOk : kExitFailure;
}

}  // namespace vex::cli
