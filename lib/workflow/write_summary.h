#pragma once
// What a write to a radio is about to send, in words: the model, the band,
// the port and where the data came from; what a read is about to do; and
// the status line after a read.
#include <string>

#include "core/text_lookup.h"

namespace vex {

// Where the data in the container came from.
struct DataOrigin {
  enum class Source { Defaults, File, Radio };
  Source source = Source::Defaults;
  std::string file;    // Source::File: the file's path
  std::string readAt;  // Source::Radio: the local time of the read, "YYYY-MM-DD HH:MM"
};

// Data that were neither opened from a file nor read from a radio are the
// built-in defaults: writing them is asked first.
inline bool WriteNeedsConfirmation(const DataOrigin& origin) { return origin.source == DataOrigin::Source::Defaults; }

struct WriteFacts {
  std::string model;
  std::string band;  // "136-174"
  std::string port;  // as the status bar names it
  DataOrigin origin;
};

// One line each for model, band, port and data origin; `message` gives
// message texts.
std::string WriteSummary(const WriteFacts& facts, const TextLookup& message);

// One line each for the model and band in use and the port a read goes over.
std::string ReadSummary(const std::string& model, const std::string& band, const std::string& port,
                        const TextLookup& message);

// "Read from the radio: <model>, <port>, <n> channels".
std::string ReadStatusLine(const std::string& model, const std::string& port, int channels, const TextLookup& message);

}  // namespace vex
