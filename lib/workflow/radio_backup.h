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
#include <vector>

namespace vex {

class RangeTable;

// The header of the radio's own data: its model ID and name, its band, its
// signalling type and its firmware version as the data version.
CodeplugHeader RadioDataHeader(const RadioIdentity& radio, const RangeEntry& band, const RangeTable& ranges);

// Writes the image unchanged under that header; false, with errno set to the
// cause, when the file cannot be written (nothing is left half-written). The
// data hold the radio's passwords: a new file is readable by its owner only.
bool SaveRadioData(const std::filesystem::path& path, const RadioIdentity& radio, const RangeEntry& band,
                   const RangeTable& ranges, const Image& image);

// A short name of a port's device for file names: /dev/ttyUSB0 gives
// "ttyUSB0", /dev/pts/3 "pts-3", a by-id link its own name; "radio" for "".
std::string PortFileTag(const std::string& device);

// The files of a read of several radios into `file`: the port's tag before
// the extension (radio.dat and /dev/ttyUSB0 give radio-ttyUSB0.dat). Ports
// whose tags are alike (a/radio and b/radio, /dev/pts/3 and ./pts-3) get
// -2, -3 ... after the tag, so that no two radios share a file.
std::vector<std::filesystem::path> PortFilePaths(const std::filesystem::path& file,
                                                 const std::vector<std::string>& devices);

// DIR/<model name>-<port>-<YYYYMMDD-HHMMSS>.dat in local time, with -2, -3 ...
// before the extension when that file exists; characters that do not belong
// in a file name become '_'.
std::filesystem::path BackupFilePath(const std::filesystem::path& dir, const std::string& modelName,
                                     const std::string& device, std::time_t when);

// Creates the backup directory when missing, private to the user (0700);
// "" when it is a directory to write in, else why not (the system's reason,
// or "not a directory"). `created` tells whether this call made it.
std::string PrepareBackupDirectory(const std::filesystem::path& dir, bool* created = nullptr);

struct BackupFile {
  std::filesystem::path path;
  bool saved = false;
};

// Keeps the image read from the radio on `device` as a new dated file in
// `dir` (see BackupFilePath): the file's path and whether it was written.
BackupFile SaveRadioBackup(const std::filesystem::path& dir, const RadioIdentity& radio, const std::string& device,
                           const RangeEntry& band, const RangeTable& ranges, const Image& image, std::time_t when);

}  // namespace vex
