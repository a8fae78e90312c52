// write --port PORT FILE: open the file as File Open does, then Write to
// radio: validate, encode, and send the write plan. The password notice is
// printed and answered yes.
#include "cli_commands.h"
#include "cli_radio_session.h"
#include "cli_transfer_host.h"

#include "link/write_warning.h"

#include <memory>

namespace vex::cli {

int RunWrite(Environment& env, const ParsedArgs& args) {
  TransferOptions options;
  if (const int code = ParseTransferOptions(env, args, options); code != kExitOk) return code;
  const std::string& input = args.positional()[0];

  RadioSession session(DataDirectory::current());
  auto files = std::make_unique<RadioFiles>(session);
  const FlowOutcome opened = files->codeplug().open(input);
  if (!opened.ok()) return files->fail(env, opened, input);
  const FlowOutcome prepared = files->prepareWrite();
  if (!prepared.ok()) return files->fail(env, prepared, input);

  CliTransferHost host(env, session.settings(), session.ranges(), TransferDirection::Write, options);
  host.setWriteWarning(
      WriteWarningText(files->data().passwords(), [&](int id) { return session.settings().labelText(id); }));
  ImageTransfer transfer(TransferDirection::Write, files->data().image(), host);
  if (!RunTransfer(transfer)) return kExitFailure;
  session.succeeded();
  return kExitOk;
}

}  // namespace vex::cli
