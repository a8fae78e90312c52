// Station plans: what a plan file may say, where a mistake is reported, and
// the values each radio's fragments get.
#include "workflow/station/station_plan.h"
#include "workflow/station/device_watcher.h"
#include "workflow/station/radio_job.h"

#include "../core/codeplug_test_support.h"

#include <gtest/gtest.h>

#include <fstream>

namespace vex {
namespace {

std::string LoadError(const std::string& text) {
  test::ScratchDir dir;
  std::ofstream(dir.file("plan.yaml")) << text;
  StationPlan plan;
  return LoadStationPlan(dir.file("plan.yaml"), plan);
}

TEST(StationPlan, MistakesAreNamedWithTheirLine) {
  const struct {
    const char* plan;
    const char* error;
  } cases[] = {
      {"counters: {}\n", ":1: the plan names no base: file"},
      {"base: a.dat\nwhat: 1\n", ":2: what is not base, counters, every or radios"},
      {"base: a.dat\nradios:\n  - number: 0\n    text: x\n", ":3: number is a whole number from 1 to 100000"},
      {"base: a.dat\nradios:\n  - {number: 1, serial: X, text: x}\n",
       ":3: a radio's entry has either number: or serial:"},
      {"base: a.dat\nradios:\n  - {number: 1, text: x}\n  - {number: 1, text: y}\n", ":4: radio 1 is listed twice"},
      {"base: a.dat\nradios:\n  - {serial: S}\n", ":3: a radio's entry needs text:"},
      {"base: a.dat\nevery: |\n  file:\n    range: 1-2\n", "every may not name file: or format:"},
      {"base: a.dat\nevery: |\n  settings:\n    a: \"{x}\"\n", ":3: every: {x} is no placeholder"},
      {"base: a.dat\nevery: |\n  a: \"}\"\n", ":3: every: } is no placeholder"},
      {"base: a.dat\ncounters:\n  n: {start: 1}\n", ":3: a counter's name is lower-case letters"},
      {"base: a.dat\ncounters:\n  id: {start: 1, width: 99}\n", ":3: width is a whole number from 0 to 16"},
      {"base: a.dat\nevery: [1\n", "plan.yaml:"},
  };
  for (const auto& c : cases)
    EXPECT_NE(LoadError(c.plan).find(c.error), std::string::npos) << c.plan << LoadError(c.plan);
  EXPECT_EQ(LoadError("base: a.dat\n"), "");
}

TEST(StationPlan, FragmentsFillTheRadiosNumbersAndASerialEntryWinsOverTheNumber) {
  test::ScratchDir dir;
  std::ofstream(dir.file("plan.yaml"))
      << "base: a.dat\n"
         "counters:\n  id: {start: 7, step: 3, width: 4}\n"
         "every: \"{id} {n} {{n}} {serial}\"\n"
         "radios:\n  - {number: 3, text: by number}\n  - {serial: S9, text: by serial}\n";
  StationPlan plan;
  ASSERT_EQ(LoadStationPlan(dir.file("plan.yaml"), plan), "");
  EXPECT_EQ(plan.base, dir.path() / "a.dat");
  EXPECT_TRUE(plan.needsSerialNumbers());
  EXPECT_EQ(plan.highestNumber(), 3);
  const auto texts = [&](int number, const std::string& serial) {
    std::vector<std::string> all;
    for (const PlanText& text : PlanTextsFor(plan, number, serial)) all.push_back(text.text);
    return all;
  };
  EXPECT_EQ(texts(1, ""), std::vector<std::string>{"0007 1 {n} "});
  EXPECT_EQ(texts(3, "S1"), (std::vector<std::string>{"0013 3 {n} S1", "by number"}));
  EXPECT_EQ(texts(3, "S9"), (std::vector<std::string>{"0013 3 {n} S9", "by serial"}));
}

// A radio plugged out and in again between two looks is seen going and coming.
TEST(DeviceWatcher, SeesDevicesComeGoAndComeAgain) {
  test::ScratchDir dir;
  const auto watched = dir.path() / "by-id";
  DeviceWatcher watcher(watched);
  ASSERT_EQ(watcher.start(), "");  // waits for the directory to be made
  std::filesystem::create_directory(watched);
  std::filesystem::create_symlink("/dev/null", watched / "a");
  using Kind = DeviceEvent::Kind;
  const auto events = [&] {
    std::vector<std::pair<Kind, std::string>> all;
    for (int look = 0; look < 3; ++look) {
      for (const DeviceEvent& e : watcher.take()) all.emplace_back(e.kind, e.name);
    }
    return all;
  };
  EXPECT_EQ(events(), (std::vector<std::pair<Kind, std::string>>{{Kind::Appeared, "a"}}));
  std::filesystem::remove(watched / "a");
  std::filesystem::create_symlink("/dev/null", watched / "a");
  EXPECT_EQ(events(), (std::vector<std::pair<Kind, std::string>>{{Kind::Vanished, "a"}, {Kind::Appeared, "a"}}));
}

// A radio's progress bar runs once from 0 to 100 over all of its steps.
TEST(StationProgress, RunsOnceOverAllOfTheRadiosSteps) {
  struct Case {
    bool readFirst;
    bool verify;
    RadioPhase phase;
    int percent;
    int expected;
  };
  const Case cases[] = {
      {false, false, RadioPhase::Write, 50, 50},  {false, false, RadioPhase::Write, 100, 100},
      {false, true, RadioPhase::Write, 100, 50},  {false, true, RadioPhase::Verify, 0, 50},
      {false, true, RadioPhase::Verify, 100, 100}, {true, true, RadioPhase::Backup, 30, 10},
      {true, true, RadioPhase::Write, 0, 33},     {true, true, RadioPhase::Verify, 100, 100},
      {true, false, RadioPhase::Write, 150, 100},  // a report beyond the end stays at the end
  };
  for (const Case& c : cases) {
    StationSteps steps;
    steps.readFirst = c.readFirst;
    steps.verify = c.verify;
    EXPECT_EQ(StepsPercent(steps, c.phase, c.percent), c.expected)
        << c.readFirst << c.verify << static_cast<int>(c.phase) << " " << c.percent;
  }
}

}  // namespace
}  // namespace vex
