// The Factory Mode dialog's radio work: reading and writing the radio's
// model blocks and setting its manual tune switch.
#pragma once

#include "core/factory_model.h"
#include "link/radio_link.h"
#include "link/transfer_host.h"
#include "link/transfer_plan.h"

#include <string>
#include <vector>

namespace vex {

// Model name with band byte (16 at 16), band edges (8 at 40), serial number
// (16 at 72), factory options (32 at 181) and the shared area (32 at 222).
std::vector<TransferBlock> FactoryReadPlan();
// As the read, with 24 bytes at 40 and the last 4 factory option bytes (213).
std::vector<TransferBlock> FactoryWritePlan();

// Connects, identifies the radio (its version goes to `firmware`), enters
// the read mode with the password step the radio may ask for, and reads the
// model blocks. Messages: kMsgIdentityFailed, kMsgNoRadio, kMsgReadFailedAt
// with the block address, kMsgReadDone. 1 with `model` replaced; 0 with it
// unchanged.
int ReadFactoryModel(CRadioLink& link, TransferHost& host, FactoryModel& model, std::string& firmware);

// Connects, enters the write mode and writes the model blocks. Messages:
// kMsgNoRadio, kMsgWriteFailedAt with the block address, kMsgWriteDone.
int WriteFactoryModel(CRadioLink& link, TransferHost& host, const FactoryModel& model);

// Sets byte 181 of `image` and the model's switch, then connects, enters the
// read mode and writes that byte. Messages: kMsgNoRadio, kMsgTuneDataWritten
// on success, kMsgWriteFailedAt with 181.
int WriteTuneSwitch(CRadioLink& link, TransferHost& host, bool open, FactoryModel& model, Image& image);

}  // namespace vex
