#pragma once
// The station behind the station window. It holds settings of its own, with
// the model of the data it writes, so that the main window's model stays
// as it is and the station's threads never share an object with the
// window's thread. The station runs on threads of its own; its events
// arrive here queued, on the thread the controller lives on.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include <QObject>
#include <QString>

#include "config/app_settings.h"
#include "config/range_table.h"
#include "core/image_codec.h"
#include "workflow/station/audit_log.h"
#include "workflow/station/station_images.h"
#include "workflow/station/station_thread.h"

namespace vex::gui {

struct StationOptions {
  bool verify = false;
  std::string backupDir;  // empty: no backup
  std::string logFile;    // empty: no log
  std::string watchDir = "/dev/serial/by-id";
  std::size_t count = 0;  // end after this many radios; 0: when stopped
};

class StationController : public QObject {
  Q_OBJECT
 public:
  explicit StationController(QObject* parent = nullptr);
  // Waits for the radios in progress.
  ~StationController() override;

  // What the radios get: the plan (or codeplug file) at `path`, checked
  // for `count` radios, or the given data. The failure's texts, one a line;
  // none when the data are loaded.
  QStringList loadFile(const QString& path, std::size_t count);
  void useData(const Image& image, const ModelState& model);
  bool loaded() const { return loaded_; }
  const StationImages& images() const { return *images_; }
  // The fields each radio of a plan gets, in the window's language.
  std::vector<PlannedRadio> planned() const;

  // Starts waiting for radios; the texts of what stood in the way.
  QStringList start(const StationOptions& options);
  // Takes no new radio, and ends after those in progress.
  void stop();
  bool running() const { return thread_ != nullptr; }
  bool stopping() const { return thread_ && thread_->stopping(); }
  const StationSteps& steps() const { return steps_; }

 signals:
  void radioStarted(const vex::StationRadio& radio);
  // `percent` of all of the radio's steps, in the phase named.
  void radioProgress(const vex::StationRadio& radio, vex::RadioPhase phase, int percent);
  // `logged` is false when its log line could not be written.
  void radioFinished(const vex::RadioResult& result, bool logged);
  void ended(const vex::StationEnd& end);

 private:
  void finishRun(const StationEnd& end);

  AppSettings settings_;
  RangeTable ranges_;
  std::unique_ptr<StationImages> images_;
  std::unique_ptr<StationShared> shared_;
  std::unique_ptr<AuditLog> log_;  // open while the station runs with a log file
  StationSteps steps_;
  bool loaded_ = false;
  std::unique_ptr<StationThread> thread_;
};

}  // namespace vex::gui
