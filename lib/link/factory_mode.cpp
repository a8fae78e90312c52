#include "link/factory_mode.h"

#include "base/text_ids.h"
#include "link/block_steps.h"
#include "link/host_connect.h"
#include "link/protocol.h"

namespace vex {

std::vector<TransferBlock> FactoryReadPlan() { return {{16, 16}, {40, 8}, {72, 16}, {181, 32}, {222, 32}}; }

std::vector<TransferBlock> FactoryWritePlan() { return {{16, 16}, {40, 24}, {72, 16}, {181, 32}, {213, 4}, {222, 32}}; }

int ReadFactoryModel(CRadioLink& link, TransferHost& host, FactoryModel& model, std::string& firmware) {
  RadioIdentity identity;
  if (!Identify(link, host, identity, false)) return 0;
  firmware = identity.version;
  if (!EnterReadMode(link, host, identity)) return 0;
  // The blocks land in an image of the current model data, so that the model
  // changes only once every block has arrived.
  Image image{};
  model.toImage(image);
  if (!ReadBlocks(link, host, FactoryReadPlan(), image.data(), 0)) return 0;
  model.fromImage(image);
  return FinishSession(link, host, text::kMsgReadDone);
}

int WriteFactoryModel(CRadioLink& link, TransferHost& host, const FactoryModel& model) {
  if (ConnectWithHost(link, host) == 0) return 0;
  if (link.SetMode(protocol::kModeWrite) == 0) return FailSession(link, host, text::kMsgNoRadio);
  Image image{};
  model.toImage(image);
  if (!WriteBlocks(link, host, FactoryWritePlan(), image.data(), 0)) return 0;
  return FinishSession(link, host, text::kMsgWriteDone);
}

int WriteTuneSwitch(CRadioLink& link, TransferHost& host, bool open, FactoryModel& model, Image& image) {
  const std::uint32_t address = FactoryModel::kTuneSwitchAddress;
  image[address] = open ? 1 : 0;
  model.setTuneSwitchOpen(open);
  if (ConnectWithHost(link, host) == 0) return 0;
  // The radio takes the switch in its read mode.
  if (link.SetMode(protocol::kModeRead) == 0) return FailSession(link, host, text::kMsgNoRadio);
  if (!WriteBlocks(link, host, {{address, 1}}, image.data(), 0)) return 0;
  return FinishSession(link, host, text::kMsgTuneDataWritten);
}

}  // namespace vex
