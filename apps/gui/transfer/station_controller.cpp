#include "transfer/station_controller.h"

#include <QMetaObject>

#include "adapters/settings.h"
#include "base/text_ids.h"
#include "transfer/transfer_prompts.h"
#include "workflow/radio_backup.h"

namespace vex::gui {
namespace {

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

StationController::StationController(QObject* parent)
    : QObject(parent), settings_(settings::current().paths()) {
  settings_.stopWriting();
  settings_.readLanguageSetting();
  images_ = std::make_unique<StationImages>(settings_, ranges_);
  shared_ = std::make_unique<StationShared>(settings_, ranges_);
}

StationController::~StationController() { thread_.reset(); }

QStringList StationController::loadFile(const QString& path, std::size_t count) {
  loaded_ = false;
  const StationLoad load = images_->load(path.toStdString(), count);
  QStringList lines;
  switch (load.failure) {
    case StationLoad::Failure::None: loaded_ = true; break;
    case StationLoad::Failure::Plan: lines << fromStd(load.errors.front()); break;
    case StationLoad::Failure::File:
      lines << messageText(load.messageId, MessageArgument::Text(load.file));
      for (const InvalidLogRow& row : images_->findings().rows())
        lines << fromStd(row.location) + QStringLiteral(": ") + fromStd(row.label);
      break;
    case StationLoad::Failure::Values:
      for (const std::string& error : load.errors) lines << fromStd(error);
      lines << messageText(text::kMsgStationPlanUnfit, MessageArgument::Text(images_->planFile()));
      break;
  }
  return lines;
}

void StationController::useData(const Image& image, const ModelState& model) {
  images_->useImage(image, model);
  loaded_ = true;
}

std::vector<PlannedRadio> StationController::planned() const { return images_->planned(settings_.texts()); }

QStringList StationController::start(const StationOptions& options) {
  if (thread_ || !loaded_) return {};
  if (!options.backupDir.empty()) {
    if (const std::string why = PrepareBackupDirectory(options.backupDir); !why.empty())
      return {messageText(text::kMsgStationNoBackups, MessageArgument::Text(options.backupDir)), fromStd(why)};
  }
  auto log = std::make_unique<AuditLog>();
  if (!options.logFile.empty()) {
    if (const std::string why = log->open(options.logFile); !why.empty())
      return {messageText(text::kMsgStationLogFailed, MessageArgument::Text(options.logFile)), fromStd(why)};
  }
  log_ = std::move(log);
  StationRun run;
  run.watchDir = options.watchDir;
  run.steps.verify = options.verify;
  run.steps.backupDir = options.backupDir;
  run.steps.readFirst = images_->needsSerialNumbers();
  run.steps.timing = transferLinkTiming();
  run.count = options.count;
  steps_ = run.steps;

  // Each event is passed on to this thread; one arriving after the
  // controller has gone is dropped with it.
  StationEvents events;
  events.started = [this](const StationRadio& radio) {
    QMetaObject::invokeMethod(this, [this, radio] { emit radioStarted(radio); }, Qt::QueuedConnection);
  };
  events.progress = [this](const StationRadio& radio, RadioPhase phase, int percent) {
    const int overall = StepsPercent(steps_, phase, percent);
    QMetaObject::invokeMethod(
        this, [this, radio, phase, overall] { emit radioProgress(radio, phase, overall); }, Qt::QueuedConnection);
  };
  events.finished = [this](const RadioResult& result) {
    const bool logged = !log_->isOpen() || log_->append(result);
    QMetaObject::invokeMethod(this, [this, result, logged] { emit radioFinished(result, logged); },
                              Qt::QueuedConnection);
  };
  const auto choose = [this](const StationRadio& radio, const std::string& serial) {
    return images_->choose(radio, serial, shared_->lock);
  };
  const auto ended = [this](const StationEnd& end) {
    QMetaObject::invokeMethod(this, [this, end] { finishRun(end); }, Qt::QueuedConnection);
  };
  thread_ = std::make_unique<StationThread>(*shared_, std::move(run), choose, std::move(events), ended);
  if (const std::string why = thread_->start(); !why.empty()) {
    thread_.reset();
    return {fromStd(why)};
  }
  return {};
}

void StationController::stop() {
  if (thread_) thread_->stop();
}

void StationController::finishRun(const StationEnd& end) {
  thread_.reset();  // its last call was the one that queued this
  log_.reset();
  emit ended(end);
}

}  // namespace vex::gui
