// What the simulated radio reports about itself and which faults it plays.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace vex::sim {

// Requests first .. first + count - 1 (1-based, every complete request
// frame counts); first 0 means never.
struct FaultSpan {
  int first = 0;
  int count = 1;
  bool covers(int request) const { return first > 0 && request >= first && request < first + count; }
};

struct SimFaults {
  FaultSpan noReply;      // the request is ignored
  FaultSpan badChecksum;  // the byte before ETX of the reply is wrong
  FaultSpan shortReply;   // the reply's last two bytes are missing
  FaultSpan lateReply;    // the reply comes `lateBy` later than normal
  std::chrono::milliseconds lateBy{150};
  int silentAfter = -1;  // no reply to any request after this many; -1 never
  // Mode codes whose switch the radio refuses (a rejecting acknowledge).
  std::vector<int> refusedModes;
  // A memory block starting at this address is refused, read or write; -1 none.
  long failAddress = -1;
  // A memory block written at this address is acknowledged, but its first
  // byte is kept inverted, as a radio whose memory cell fails; -1 none.
  long corruptAddress = -1;
};

struct SimOptions {
  std::string modelId = "VEXM1";
  std::string modelName = "Vex M1";
  std::string version = "1.03.11";
  std::uint8_t bandFlags = 0x00;
  int bandLowerMHz = 400;
  int bandUpperMHz = 470;
  std::uint8_t signalling = 0;
  std::string readPassword;   // asked for by the read mode when not empty
  std::string writePassword;  // asked for by the write mode when not empty
  std::string serialNumber;   // put into the memory's radio information when not empty
  bool paced = true;          // replies leave at wire speed (12 bits a byte at 38400)
  SimFaults faults;
};

}  // namespace vex::sim
