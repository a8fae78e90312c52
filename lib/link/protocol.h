// Frame conventions of the radio's programming protocol, shared by the
// program side (CRadioLink) and the simulated radio.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vex::protocol {

inline constexpr std::uint8_t kStx = 0x02;
inline constexpr std::uint8_t kEtx = 0x03;

// Command letters.
inline constexpr std::uint8_t kAck = 'A';
inline constexpr std::uint8_t kInfo = 'B';
inline constexpr std::uint8_t kMemory = 'E';
inline constexpr std::uint8_t kMode = 'M';
inline constexpr std::uint8_t kOutput = 'O';
inline constexpr std::uint8_t kGreeting = 'P';
inline constexpr std::uint8_t kTune = 'V';
inline constexpr std::uint8_t kPassword = 'W';

// Sub-command and status letters.
inline constexpr std::uint8_t kSubA = 'a';
inline constexpr std::uint8_t kSubB = 'b';
inline constexpr std::uint8_t kSubC = 'c';
inline constexpr std::uint8_t kTuneKeep = 'j';
inline constexpr std::uint8_t kTuneDiscard = 'k';

inline constexpr std::uint8_t kStatusAccepted = 'a';
inline constexpr std::uint8_t kStatusRejected = 'b';
inline constexpr std::uint8_t kStatusPassword = 'c';

inline constexpr std::size_t kAckLength = 6;

// Mode codes of the 'M' command.
inline constexpr std::uint16_t kModeIdle = 1;
inline constexpr std::uint16_t kModeRead = 2;
inline constexpr std::uint16_t kModeWrite = 3;
inline constexpr std::uint16_t kModeTune = 6;

// Access kinds of the password command.
inline constexpr std::uint8_t kAccessWrite = 1;
inline constexpr std::uint8_t kAccessRead = 2;
inline constexpr std::size_t kPasswordLength = 8;

// Information items and their data lengths.
inline constexpr std::uint8_t kItemModelName = 3;
inline constexpr std::uint8_t kItemBand = 5;
inline constexpr std::uint8_t kItemSignalling = 7;
inline constexpr std::uint8_t kItemVersion = 8;
inline constexpr std::size_t kModelNameLength = 12;
inline constexpr std::size_t kBandBlockLength = 9;
inline constexpr std::size_t kVersionItemLength = 32;
inline constexpr std::size_t kVersionFieldLength = 16;

// Frame overheads: a memory read reply is STX, 8 header bytes, data,
// checksum, ETX; an information reply has 6 header bytes.
inline constexpr std::size_t kMemoryReplyOverhead = 11;
inline constexpr std::size_t kInfoReplyOverhead = 9;
inline constexpr std::size_t kMemoryHeaderLength = 8;
inline constexpr std::size_t kInfoHeaderLength = 6;

// Two's complement of the byte sum: covered bytes plus checksum sum to 0.
std::uint8_t Checksum(std::span<const std::uint8_t> bytes);

// The 6-byte acknowledge: STX 'A' status command sub ETX.
std::vector<std::uint8_t> MakeAck(std::uint8_t status, std::uint8_t command, std::uint8_t sub);

// Radios whose version text, cut to 7 characters, does not compare greater
// than "1.01.10" ask for a password but do not need one.
inline constexpr std::string_view kNewestOldFirmware = "1.01.10";
bool IsOldFirmware(std::string_view version);

}  // namespace vex::protocol
