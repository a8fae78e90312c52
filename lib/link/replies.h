// The checks the radio commands make on a reply of the length they asked
// for. Pure functions over the reply bytes, so that every reply the radio
// (or a faulty cable) can send is checked in one place; each one refuses a
// reply shorter than the command's reply length and writes nothing then.
#pragma once

#include "link/radio_identity.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vex::replies {

// The 6-byte acknowledge STX 'A' status command sub ETX.
bool IsAck(std::span<const std::uint8_t> reply, std::uint8_t status, std::uint8_t command, std::uint8_t sub);
// The greeting's answer STX 'A' 'a' 'P' 'a' ETX.
bool IsGreeting(std::span<const std::uint8_t> reply);
// The mode switch's answer: 1 accepted, -1 the radio asks for its password, 0 anything else.
int ModeAnswer(std::span<const std::uint8_t> reply);

// Whether a radio's memory replies repeat the request's address and length
// in their header (bytes 3..8). Learnt from the first reply a link accepts,
// then required of every later one.
enum class HeaderEcho { Unknown, Echoed, NotEchoed };

enum class MemoryReply { Accepted, BadFrame, BadChecksum, WrongBlock };

// A memory read reply (STX, 8 header bytes, data, checksum, ETX) for the
// block at `address` whose length is data.size(): STX, ETX and checksum
// right and, once the radio is known to echo, the header naming that block.
// Only an accepted reply's data go to `data`; an accepted reply settles an
// Unknown `echo`. A frame spliced from the tails of two replies passes an
// 8-bit sum once in 256 but rarely the frame bytes and the echo as well.
MemoryReply CheckMemoryReply(std::span<const std::uint8_t> reply, std::uint32_t address, std::span<std::uint8_t> data,
                             HeaderEcho& echo);
// "bad frame", "bad checksum", "wrong block" for the trace.
const char* MemoryReplyFault(MemoryReply check);
// An information item reply (STX, 6 header bytes, data, checksum, ETX) with
// STX, ETX and checksum right: its data go to `data`.
bool InfoData(std::span<const std::uint8_t> reply, std::span<std::uint8_t> data);
// A tuning value reply STX 'V' 'c' index (2 bytes) data and one more byte:
// its data go to `data` when the head echoes the index.
bool TuneData(std::span<const std::uint8_t> reply, std::uint16_t index, std::span<std::uint8_t> data);

// Information item 8 (32 bytes): version text, model ID text, and the order
// of the version's first four bytes against the reference's first four.
void ReadVersionItem(std::span<const std::uint8_t, 32> item, std::string_view reference, RadioIdentity& identity);

}  // namespace vex::replies
