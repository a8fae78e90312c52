#include "station_images.h"

#include "image_compare.h"

#include "base/terminal_text.h"

#include <algorithm>

namespace vex::cli {

namespace {

constexpr std::size_t kMaxChecked = 100000;

}  // namespace

bool StationImages::load(Environment& env, const std::string& input, std::size_t count) {
  files_ = std::make_unique<RadioFiles>(session_);
  std::string codeplug = input;
  if (IsPlanFile(input)) {
    StationPlan plan;
    if (const std::string why = LoadStationPlan(input, plan); !why.empty()) {
      env.err() << "vexprog-cli: " << TerminalSafe(why) << '\n';
      return false;
    }
    planFile_ = input;
    codeplug = plan.base.string();
    plan_ = std::move(plan);
  }
  codeplugFile_ = codeplug;
  if (!files_->openToWrite(env, codeplug)) return false;
  if (!plan_) return true;

  english_ = LanguageTexts(env.dataDir() / "VEX_E.lng");
  if (LoadCodeplugDocument(codeplug, base_) != DocumentLoad::Loaded) {
    env.fail(text::kMsgFileInvalid, codeplug);
    return false;
  }
  base_.image = files_->data().image();
  const int last = static_cast<int>(
      std::max<std::size_t>({std::min(count, kMaxChecked), static_cast<std::size_t>(plan_->highestNumber()), 1}));
  bool fits = true;
  for (int number = 1; number <= last; ++number) {
    const PlanImage made = make(number, "");
    fits = check(env, "radio " + std::to_string(number), made) && fits;
    numbered_.push_back(made.document.image);
  }
  for (const PlanRadio& radio : plan_->radios) {
    if (radio.serial.empty()) continue;
    for (const int number : {1, last}) fits = check(env, "serial " + radio.serial, make(number, radio.serial)) && fits;
  }
  if (!fits)
    env.err() << "vexprog-cli: " << TerminalSafe(planFile_) << " does not fit the radios; no radio was written\n";
  return fits;
}

PlanImage StationImages::make(int number, const std::string& serial) const {
  return MakePlanImage(*plan_, base_, number, serial, english_,
                       [this](int id) { return session_.settings().labelText(id); });
}

bool StationImages::check(Environment& env, const std::string& who, const PlanImage& made) const {
  for (const std::string& error : made.errors)
    env.err() << TerminalSafe(planFile_) << ":" << TerminalSafe(error) << " (" << who << ")\n";
  return made.errors.empty();
}

ChosenImage StationImages::choose(const StationRadio& radio, const std::string& serial, std::recursive_mutex& lock) {
  if (!plan_) return {files_->data().image(), {}};
  // A radio read first may have its own entry, or fill {serial}: made now.
  const auto number = static_cast<std::size_t>(radio.sequence);
  if (serial.empty() && number >= 1 && number <= numbered_.size()) return {numbered_[number - 1], {}};
  std::lock_guard guard(lock);
  const PlanImage made = make(radio.sequence, serial);
  if (!made.errors.empty()) return {{}, "the plan's values do not fit this radio: " + made.errors.front()};
  return {made.document.image, {}};
}

void StationImages::printPlan(Environment& env) const {
  if (!plan_) {
    env.out() << "Every radio gets " << TerminalSafe(codeplugFile_) << '\n';
    return;
  }
  const auto show = [&](const std::string& who, const Image& image) {
    const ImageComparison changes = CompareImages(base_.image, image, env.texts());
    env.out() << who << (changes.same() ? ": the base as it is\n" : ":\n");
    if (!changes.same()) PrintComparison(env.out(), changes);
  };
  for (std::size_t i = 0; i < numbered_.size(); ++i) show("radio " + std::to_string(i + 1), numbered_[i]);
  for (const PlanRadio& radio : plan_->radios) {
    if (radio.serial.empty()) continue;
    show("serial " + radio.serial + " (as radio 1)", make(1, radio.serial).document.image);
  }
}

}  // namespace vex::cli
