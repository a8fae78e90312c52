#include "write_backup.h"

#include "workflow/radio_backup.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>

namespace vex::cli {

namespace {

// The model state the opened file put into the settings. The backup read
// stores each radio's identity there, as every read does; the write that
// follows must check the radios against the file, not against the backup.
class ModelStateKeeper {
 public:
  explicit ModelStateKeeper(RadioSession& session)
      : session_(session),
        settings_(session.settings()),
        modelId_(settings_.modelId()),
        modelName_(settings_.modelName()),
        freqRange_(settings_.freqRange()),
        previousFreqRange_(settings_.previousFreqRange()),
        lastNewRangeAnswer_(settings_.lastNewRangeAnswer()),
        signal_(settings_.signal()),
        dataVersion_(settings_.dataVersion()) {}
  ~ModelStateKeeper() {
    settings_.setModelId(modelId_);
    settings_.setModelName(modelName_);
    settings_.setFreqRange(freqRange_);
    settings_.setPreviousFreqRange(previousFreqRange_);
    settings_.setLastNewRangeAnswer(lastNewRangeAnswer_);
    settings_.setSignal(signal_);
    settings_.setDataVersion(dataVersion_);
    session_.ranges().loadForCurrentModel(settings_);
  }
  ModelStateKeeper(const ModelStateKeeper&) = delete;
  ModelStateKeeper& operator=(const ModelStateKeeper&) = delete;

 private:
  RadioSession& session_;
  AppSettings& settings_;
  std::string modelId_;
  std::string modelName_;
  std::string freqRange_;
  std::string previousFreqRange_;
  int lastNewRangeAnswer_;
  int signal_;
  std::string dataVersion_;
};

}  // namespace

bool BackUpRadios(Environment& env, RadioSession& session, const std::string& dir,
                  const std::vector<std::string>& devices, std::optional<std::string>& password, TraceFile& trace,
                  bool verbose) {
  bool created = false;
  if (const std::string why = PrepareBackupDirectory(dir, &created); !why.empty()) {
    env.err() << "vexprog-cli: backups cannot be kept in " << dir << " (" << why << "); nothing was written\n";
    return false;
  }

  const ModelStateKeeper keeper(session);
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
    const BackupFile backup =
        SaveRadioBackup(dir, radio, job.device, job.transfer->Band(), session.ranges(), *job.image, now);
    if (!backup.saved) {
      env.fail(text::kMsgFileNotWritten, backup.path.string(), std::strerror(errno));
      env.err() << "vexprog-cli: " << job.name() << ": no backup; nothing was written\n";
      allSaved = false;
      continue;
    }
    env.out() << job.name() << ": backup " << backup.path.string() << '\n';
  }
  // A directory made for backups that none of them reached is not left behind.
  std::error_code ec;
  if (created && !allSaved && std::filesystem::is_empty(dir, ec)) std::filesystem::remove(dir, ec);
  return allSaved;
}

}  // namespace vex::cli
