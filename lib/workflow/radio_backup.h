// A radio's memory kept in a codeplug file exactly as the radio returned it:
// the read command's output, and the copy taken before a write so that the
// write can be undone by writing the copy back.
#pragma once

#include "base/range_entry.h"
#include "core/codeplug_header.h"
#include "core/image_codec.h"
#include "link/radio_identity.h"

#include <ctime>
#include <filesystem>
#include <string>

namespace vex {

class RangeTable;

// The header of the radio's own data: its model ID and name, its band, its
// signalling type and its firmware version as the data version.
CodeplugHeader RadioDataHeader(const RadioIdentity& radio, const RangeEntry& band, const RangeTable& ranges);

// Writes the image unchanged under that header; false when the file cannot
// be written (nothing is left half-written).
bool SaveRadioData(const std::filesystem::path& path, const RadioIdentity& radio, const RangeEntry& band,
                   const RangeTable& ranges, const Image& image);

// A short name of a port's device for file names: /dev/ttyUSB0 gives
// "ttyUSB0", /dev/pts/3 "pts-3", a by-id link its own name; "radio" for "".
std::string PortFileTag(const std::string& device);

// DIR/<model name>-<port>-<YYYYMMDD-HHMMSS>.dat in local time, with -2, -3 ...
// before the extension when that file exists; characters that do not belong
// in a file name become '_'.
std::filesystem::path BackupFilePath(const std::filesystem::path& dir, const std::string& modelName,
                                     const std::string& device, std::time_t when);

}  // namespace vex
