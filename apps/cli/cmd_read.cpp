// read --port PORT -o FILE: Read from radio, then save the data as Save As
// does. The radio's identity goes into the settings as in the desktop
// program; a read that fails anywhere leaves the settings files as they were
// and writes no file.
#include "cli_commands.h"
#include "cli_radio_session.h"
#include "cli_transfer_host.h"

#include "config/radio_compatibility.h"

#include <memory>

namespace vex::cli {

namespace {

// --add-range yes|no: the answer to the new-range question (default no).
std::optional<bool> AddRangeAnswer(const ParsedArgs& args) {
  const std::string answer = args.value("add-range").value_or("no");
  if (answer == "yes") return true;
  if (answer == "no") return false;
  return std::nullopt;
}

}  // namespace

int RunRead(Environment& env, const ParsedArgs& args) {
  TransferOptions options;
  if (const int code = ParseTransferOptions(env, args, options); code != kExitOk) return code;
  const std::optional<bool> addRange = AddRangeAnswer(args);
  if (!addRange) {
    env.err() << "vexprog-cli: read: --add-range takes yes or no\n";
    return kExitUsage;
  }
  const std::string output = *args.value("output");

  RadioSession session(DataDirectory::current());
  CliTransferHost host(env, session.settings(), session.ranges(), TransferDirection::Read, options);
  // The transfer reads into a buffer of its own; the data take it only
  // once every block has arrived.
  auto image = std::make_unique<CodeplugHost::Image>();
  image->fill(0x00);
  ImageTransfer transfer(TransferDirection::Read, *image, host);
  if (!RunTransfer(transfer)) return kExitFailure;

  const int range =
      OfferNewRange(session.settings(), session.ranges(), transfer.Band(), [&](int, int) { return *addRange; });
  if (range == kRangeNotWritten) host.showMessage(text::kMsgRangeNotAdded);

  auto files = std::make_unique<RadioFiles>(session);
  files->data().image() = *image;
  files->data().decode();
  const FlowOutcome saved = files->codeplug().saveAs([&](const CodeplugHeader&) {
    return SaveAsChoice{output, std::string()};
  });
  if (!saved.ok()) return files->fail(env, saved, output);
  session.succeeded();
  return kExitOk;
}

}  // namespace vex::cli
