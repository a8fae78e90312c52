#include "workflow/station/station_images.h"

#include <algorithm>

namespace vex {

namespace {

constexpr std::size_t kMaxChecked = 100000;

StationLoad Failed(StationLoad::Failure failure, int messageId, std::string file, std::vector<std::string> errors = {}) {
  StationLoad load;
  load.failure = failure;
  load.messageId = messageId;
  load.file = std::move(file);
  load.errors = std::move(errors);
  return load;
}

}  // namespace

StationImages::StationImages(AppSettings& settings, RangeTable& ranges)
    : settings_(settings), host_(data_, findings_, settings, ranges) {}

StationLoad StationImages::openBase(const std::string& file) {
  const FlowOutcome opened = codeplug_.open(file);
  if (!opened.ok()) return Failed(StationLoad::Failure::File, opened.messageId, file);
  const FlowOutcome prepared = PrepareRadioWrite(host_);
  if (!prepared.ok()) return Failed(StationLoad::Failure::File, prepared.messageId, file);
  return {};
}

StationLoad StationImages::load(const std::filesystem::path& input, std::size_t count) {
  plan_.reset();
  planFile_.clear();
  numbered_.clear();
  std::string codeplug = input.string();
  if (IsPlanFile(input)) {
    StationPlan plan;
    if (const std::string why = LoadStationPlan(input, plan); !why.empty())
      return Failed(StationLoad::Failure::Plan, 0, input.string(), {why});
    planFile_ = input.string();
    codeplug = plan.base.string();
    plan_ = std::move(plan);
  }
  codeplugFile_ = codeplug;
  if (StationLoad opened = openBase(codeplug); !opened.ok()) return opened;
  if (!plan_) return {};

  english_ = LanguageTexts(settings_.dataDir() / "VEX_E.lng");
  if (LoadCodeplugDocument(codeplug, base_) != DocumentLoad::Loaded)
    return Failed(StationLoad::Failure::File, text::kMsgFileInvalid, codeplug);
  base_.image = data_.image();
  const int last = static_cast<int>(
      std::max<std::size_t>({std::min(count, kMaxChecked), static_cast<std::size_t>(plan_->highestNumber()), 1}));
  StationLoad checked;
  for (int number = 1; number <= last; ++number) {
    const PlanImage made = make(number, "");
    check("radio " + std::to_string(number), made, checked);
    numbered_.push_back(made.document.image);
  }
  for (const PlanRadio& radio : plan_->radios) {
    if (radio.serial.empty()) continue;
    for (const int number : {1, last}) check("serial " + radio.serial, make(number, radio.serial), checked);
  }
  if (!checked.errors.empty()) checked.failure = StationLoad::Failure::Values;
  return checked;
}

void StationImages::useImage(const Image& image, const ModelState& model) {
  host_.setModelState(model);
  host_.loadRangeTable();
  plan_.reset();
  planFile_.clear();
  codeplugFile_.clear();
  numbered_.clear();
  data_.image() = image;
  data_.decode();
}

PlanImage StationImages::make(int number, const std::string& serial) const {
  return MakePlanImage(*plan_, base_, number, serial, english_, [this](int id) { return settings_.labelText(id); });
}

void StationImages::check(const std::string& who, const PlanImage& made, StationLoad& load) const {
  for (const std::string& error : made.errors) load.errors.push_back(planFile_ + ":" + error + " (" + who + ")");
}

ChosenImage StationImages::choose(const StationRadio& radio, const std::string& serial,
                                  std::recursive_mutex& lock) const {
  if (!plan_) return {data_.image(), {}};
  // A radio read first may have its own entry, or fill {serial}: made now.
  const auto number = static_cast<std::size_t>(radio.sequence);
  if (serial.empty() && number >= 1 && number <= numbered_.size()) return {numbered_[number - 1], {}};
  std::lock_guard guard(lock);
  const PlanImage made = make(radio.sequence, serial);
  if (!made.errors.empty()) return {{}, "the plan's values do not fit this radio: " + made.errors.front()};
  return {made.document.image, {}};
}

std::vector<PlannedRadio> StationImages::planned(const LanguageTexts& texts) const {
  std::vector<PlannedRadio> radios;
  if (!plan_) return radios;
  for (std::size_t i = 0; i < numbered_.size(); ++i)
    radios.push_back({static_cast<int>(i + 1), {}, CompareImages(base_.image, numbered_[i], texts)});
  for (const PlanRadio& radio : plan_->radios) {
    if (radio.serial.empty()) continue;
    radios.push_back({1, radio.serial, CompareImages(base_.image, make(1, radio.serial).document.image, texts)});
  }
  return radios;
}

}  // namespace vex
