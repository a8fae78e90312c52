// libFuzzer entry: every input is what the program (or line noise) sends the
// simulated radio, in pieces of the sizes the input chooses; every frame the
// parser finds is answered.
#include "fuzz_check.h"
#include "link/protocol.h"
#include "sim/frame_parser.h"
#include "sim/simulated_radio.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vex;
  using fuzz::Require;

  FuzzedDataProvider input(data, size);
  sim::SimOptions options;
  options.paced = false;
  if (input.ConsumeBool()) options.readPassword = "1234";
  if (input.ConsumeBool()) options.version = "1.01.05";
  sim::SimulatedRadio radio(options);
  sim::FrameParser parser;

  std::size_t fed = 0;
  std::size_t framed = 0;
  while (input.remaining_bytes() > 0) {
    const std::vector<std::uint8_t> piece =
        input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(1, 64));
    fed += piece.size();
    parser.Append(piece);
    while (const auto frame = parser.NextFrame()) {
      Require(frame->size() >= 4 && frame->front() == protocol::kStx && frame->back() == protocol::kEtx,
              "a frame without STX and ETX around it");
      framed += frame->size();
      Require(framed <= fed, "frames hold more bytes than were sent");
      if (const auto reply = radio.Handle(*frame)) {
        Require(reply->bytes.size() <= 8192 + 64, "a reply longer than any memory read");
      }
    }
  }
  return 0;
}
