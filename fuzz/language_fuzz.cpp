// libFuzzer entry: every input is a language-file entry used as an option
// list or range rule (with the range edits' conversions), and as a format
// text filled with arguments.
#include "config/option_list.h"
#include "config/range_edit.h"
#include "config/safe_format.h"
#include "fuzz_check.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

namespace {

using namespace vex;
using fuzz::Require;

void CheckOptionList(std::string_view entry, std::string_view typed, long raw) {
  const OptionList list = OptionList::parse(entry);
  const std::vector<OptionPair> pairs = list.pairs();
  Require(pairs.size() <= entry.size() * static_cast<std::size_t>(OptionList::kMaxRangePairs),
          "more pairs than the entry's items can give");
  for (const OptionPair& pair : pairs) {
    (void)list.valueToText(pair.value);
    (void)list.textToValue(pair.text);
  }
  (void)list.valueItems();
  (void)list.valueToText(raw);
  (void)list.textToValue(typed);

  const std::optional<RangeRule> rule = list.rangeRule();
  if (!rule) return;
  Require(rule->usable(), "an unusable range rule was kept");
  const RangeEditValue committed = CommitRangeEdit(*rule, typed);
  (void)ShowRangeEdit(*rule, committed.raw);
  (void)ShowRangeEdit(*rule, raw);
  (void)CommitRangeEditWithOff(*rule, typed, "Off");
  (void)ShowRangeEditWithOff(*rule, raw, "Off");
  (void)RangeEditNumberOfRaw(*rule, raw);
  for (const bool up : {true, false}) {
    (void)SpinRangeEdit(*rule, typed, up);
    (void)SpinRangeEditWithOff(*rule, typed, up, "Off");
  }
}

void CheckFormat(FuzzedDataProvider& input, const std::string& format) {
  std::vector<FormatArg> args;
  const int count = input.ConsumeIntegralInRange(0, 3);
  for (int i = 0; i < count; ++i) {
    if (input.ConsumeBool()) {
      args.push_back(MakeFormatArg(input.ConsumeIntegral<long long>()));
    } else {
      args.push_back(MakeFormatArg(input.ConsumeRandomLengthString(32)));
    }
  }
  const std::string text = FormatTextWithArgs(format, args);
  // Nothing from the arguments but their own characters ever enters the text.
  Require(text.size() <= format.size() + 3 * 1024 + count * 64, "a formatted text grew without bound");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string typed = input.ConsumeRandomLengthString(16);
  const long raw = input.ConsumeIntegral<long>();
  const std::string entry = input.ConsumeRandomLengthString(size);
  CheckOptionList(entry, typed, raw);
  CheckFormat(input, entry);
  return 0;
}
