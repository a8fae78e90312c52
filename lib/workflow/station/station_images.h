// What each radio at the station gets: the data of one codeplug file for
// all, or a plan's base with each radio's values. A plan's values are all
// made and checked when it is loaded, for the radios numbered up to a count
// (at least up to the highest number it lists), before any radio is written.
#pragma once

#include "config/app_settings.h"
#include "config/range_table.h"
#include "core/codeplug_flows.h"
#include "core/container.h"
#include "core/invalid_log.h"
#include "workflow/codeplug_settings_host.h"
#include "workflow/image_compare.h"
#include "workflow/station/radio_job.h"
#include "workflow/station/station_plan.h"

#include <cstddef>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace vex {

// Why the station's data could not be loaded.
struct StationLoad {
  enum class Failure { None, Plan, File, Values };
  Failure failure = Failure::None;
  int messageId = 0;  // File: the message text to show with `file`; 814 with findings()
  std::string file;
  // Plan: why the plan cannot be read. Values: each value that does not
  // fit, "PLAN:LINE:COLUMN: field: message (radio 3)".
  std::vector<std::string> errors;
  bool ok() const { return failure == Failure::None; }
};

// What one radio of a plan gets: the fields that differ from the base.
struct PlannedRadio {
  int number = 0;      // the radio's sequence number
  std::string serial;  // for the entry of a serial number, made as radio 1
  ImageComparison changes;
};

class StationImages {
 public:
  // Opening a file sets the model state of `settings`: the radios are
  // checked against the file's model.
  StationImages(AppSettings& settings, RangeTable& ranges);
  StationImages(const StationImages&) = delete;
  StationImages& operator=(const StationImages&) = delete;

  // Opens the codeplug file, or the plan and its base, prepares the data
  // for a write and makes and checks every numbered radio's values.
  StationLoad load(const std::filesystem::path& input, std::size_t count);
  // Every radio gets this image, of data already checked and encoded, and
  // is checked against this model.
  void useImage(const Image& image, const ModelState& model);

  bool isPlan() const { return plan_.has_value(); }
  // Whether radios must be read first, for the plan's serial numbers.
  bool needsSerialNumbers() const { return plan_ && plan_->needsSerialNumbers(); }
  // The image of a radio; `lock` guards the settings the plan's texts read.
  ChosenImage choose(const StationRadio& radio, const std::string& serial, std::recursive_mutex& lock) const;
  // Each checked radio's values; nothing without a plan.
  std::vector<PlannedRadio> planned(const LanguageTexts& texts) const;

  const std::string& codeplugFile() const { return codeplugFile_; }
  const std::string& planFile() const { return planFile_; }
  RadioDataContainer& baseData() { return data_; }
  // What the validation of a file that failed with message 814 found.
  const InvalidLog& findings() const { return findings_; }

 private:
  StationLoad openBase(const std::string& file);
  PlanImage make(int number, const std::string& serial) const;
  void check(const std::string& who, const PlanImage& made, StationLoad& load) const;

  AppSettings& settings_;
  RadioDataContainer data_;
  InvalidLog findings_;
  SettingsCodeplugHost host_;
  CodeplugSession codeplug_{host_};
  std::string planFile_;
  std::string codeplugFile_;
  std::optional<StationPlan> plan_;
  LanguageTexts english_;
  CodeplugDocument base_;
  std::vector<Image> numbered_;  // the images of radios 1, 2 ... as checked
};

}  // namespace vex
