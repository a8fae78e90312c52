// libFuzzer entry: every input is a station plan. A plan that loads must give
// the radios their fragments without failing; one that does not must say why.
#include "fuzz_check.h"

#include "workflow/station/station_plan.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vex;
  const std::string text(reinterpret_cast<const char*>(data), size);
  StationPlan plan;
  const std::string error = ParseStationPlan(text, "/plans/plan.yaml", plan);
  if (!error.empty()) {
    fuzz::Require(error.starts_with("/plans/plan.yaml:"), "an error that names no line");
    return 0;
  }
  fuzz::Require(!plan.base.empty(), "a plan without a base");
  for (int number : {1, 2, 100000}) {
    for (const PlanText& fragment : PlanTextsFor(plan, number, "S1"))
      fuzz::Require(fragment.line > 0, "a fragment off the plan");
  }
  return 0;
}
