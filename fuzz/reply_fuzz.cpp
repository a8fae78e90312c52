// libFuzzer entry: every input is a reply from the radio, checked by each of
// the link's reply checks with a reply length the input chooses.
#include "fuzz_check.h"
#include "link/replies.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <vector>

namespace {

using namespace vex;
using fuzz::Require;

constexpr std::uint8_t kUntouched = 0xA5;

// A check that refuses the reply must leave the destination as it was.
template <class Check>
void CheckData(std::size_t length, Check check) {
  std::vector<std::uint8_t> data(length, kUntouched);
  if (!check(std::span<std::uint8_t>(data))) {
    Require(std::all_of(data.begin(), data.end(), [](std::uint8_t b) { return b == kUntouched; }),
            "a refused reply changed the destination");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::size_t length = input.ConsumeIntegralInRange<std::size_t>(0, 64);
  const auto index = input.ConsumeIntegral<std::uint16_t>();
  auto echo = static_cast<replies::HeaderEcho>(input.ConsumeIntegralInRange<int>(0, 2));
  const std::vector<std::uint8_t> bytes = input.ConsumeRemainingBytes<std::uint8_t>();
  const std::span<const std::uint8_t> reply(bytes);

  (void)replies::IsGreeting(reply);
  (void)replies::IsAck(reply, 'a', 'E', 'a');
  const int mode = replies::ModeAnswer(reply);
  Require(mode >= -1 && mode <= 1, "a mode answer outside -1..1");

  CheckData(length, [&](std::span<std::uint8_t> out) {
    return replies::CheckMemoryReply(reply, index, out, echo) == replies::MemoryReply::Accepted;
  });
  CheckData(length, [&](std::span<std::uint8_t> out) { return replies::InfoData(reply, out); });
  CheckData(length, [&](std::span<std::uint8_t> out) { return replies::TuneData(reply, index, out); });

  if (bytes.size() >= 32) {
    RadioIdentity identity;
    replies::ReadVersionItem(std::span<const std::uint8_t, 32>(bytes.data(), 32), "1.03.11", identity);
    Require(identity.version.size() <= 16 && identity.modelId.size() <= 16, "an identity text beyond its field");
  }
  return 0;
}
