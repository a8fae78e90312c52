#include "write_backup.h"

#include "workflow/radio_backup.h"

#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <system_error>

namespace vex::cli {

bool BackUpRadios(Environment& env, RadioSession& session, const std::string& dir,
                  const std::vector<std::string>& devices, std::optional<std::string>& password, TraceFile& trace,
                  bool verbose) {
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  if (error || !std::filesystem::is_directory(dir)) {
    env.err() << "vexprog-cli: backups cannot be kept in " << dir << " ("
              << (error ? error.message() : "not a directory") << "); nothing was written\n";
    return false;
  }

  ProgressDisplay progress(env.err(), ProgressDisplay::StyleFor(::isatty(STDERR_FILENO) == 1, verbose),
                           session.settings().labelText(text::kTransferReadProgress),
                           devices.empty() ? std::vector<std::string>{""} : devices);
  HostShared shared(env, session.settings(), session.ranges(), progress);
  shared.password = password;
  shared.printDone = false;
  const Image blank{};
  RadioJobs radios(shared, TransferDirection::Read, devices, blank, trace.trace());
  radios.run();
  password = shared.password;

  const std::time_t now = std::time(nullptr);
  bool allSaved = true;
  for (RadioJob& job : radios.jobs()) {
    if (!job.succeeded) {
      env.err() << "vexprog-cli: " << job.name() << ": the backup read failed; nothing was written\n";
      allSaved = false;
      continue;
    }
    const RadioIdentity& radio = job.transfer->Identity();
    const std::filesystem::path path = BackupFilePath(dir, radio.modelName, job.device, now);
    if (!SaveRadioData(path, radio, job.transfer->Band(), session.ranges(), *job.image)) {
      env.fail(text::kMsgFileNotWritten, path.string());
      env.err() << "vexprog-cli: " << job.name() << ": no backup; nothing was written\n";
      allSaved = false;
      continue;
    }
    env.out() << job.name() << ": backup " << path.string() << '\n';
  }
  return allSaved;
}

}  // namespace vex::cli
