// What each radio at the station gets: the one codeplug file for all, or a
// plan's base with each radio's values. A plan's values are all made and
// checked when it is loaded, for the radios numbered up to --count (at
// least up to the highest number it lists), before any radio is written.
#pragma once

#include "cli_environment.h"
#include "cli_radio_session.h"

#include "workflow/station/radio_job.h"
#include "workflow/station/station_plan.h"

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace vex::cli {

class StationImages {
 public:
  explicit StationImages(RadioSession& session) : session_(session) {}

  // Opens FILE or the plan and its base; false after saying why not.
  bool load(Environment& env, const std::string& input, std::size_t count);
  // Whether radios must be read first, for the plan's serial numbers.
  bool needsSerialNumbers() const { return plan_ && plan_->needsSerialNumbers(); }
  // The image of a radio; `lock` guards the settings the check reads.
  ChosenImage choose(const StationRadio& radio, const std::string& serial, std::recursive_mutex& lock);
  // --dry-run: every checked radio's values, as the fields that differ from the base.
  void printPlan(Environment& env) const;
  RadioDataContainer& baseData() { return files_->data(); }

 private:
  PlanImage make(int number, const std::string& serial) const;
  bool check(Environment& env, const std::string& who, const PlanImage& made) const;

  RadioSession& session_;
  std::unique_ptr<RadioFiles> files_;
  std::string planFile_;
  std::string codeplugFile_;
  std::optional<StationPlan> plan_;
  LanguageTexts english_;
  CodeplugDocument base_;
  std::vector<Image> numbered_;  // the images of radios 1, 2 ... as checked
};

}  // namespace vex::cli
