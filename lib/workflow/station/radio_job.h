// One radio at the station, from greeting to result: the optional backup
// read, the write, and the optional read-back that verifies it. The model
// and band are checked before anything is read or written; a radio of
// another model is refused with nothing written.
#pragma once

#include "core/image_codec.h"
#include "link/link_timing.h"
#include "link/link_trace.h"
#include "workflow/station/station_host.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace vex {

// A radio as the station found it.
struct StationRadio {
  std::string device;  // the name it appeared under: /dev/serial/by-id/usb-..., or a link in --watch DIR
  std::string port;    // the device it stands for: /dev/ttyUSB0
  int sequence = 0;    // 1 for the first radio programmed, 2 for the next ...
};

enum class VerifyResult { NotAsked, Same, Different, Unread };

struct RadioResult {
  StationRadio radio;
  std::string started;  // local time, "2026-12-10T03:04:05+01:00"
  std::string model;    // the name the radio reports; "" when it did not answer
  std::string firmware;
  std::string serialNumber;  // from the radio's information block, when it was read
  std::string sha256;        // of the bytes written, "" when nothing was
  bool written = false;
  VerifyResult verify = VerifyResult::NotAsked;
  std::string backupFile;
  std::string error;  // why the radio failed; "" when it succeeded
  double seconds = 0;
  bool ok() const { return error.empty(); }
};

// What the station does with every radio.
struct StationSteps {
  bool verify = false;
  std::filesystem::path backupDir;  // empty: no backup
  bool readFirst = false;           // read the radio before writing even without a backup (to know its serial number)
  LinkTiming timing;
  LinkTrace* trace = nullptr;  // every frame of every radio, when given
};

enum class RadioPhase { Backup, Write, Verify };

// How far a radio is through all of its steps, 0 to 100, when the phase
// it is in has come `percent` of its way.
int StepsPercent(const StationSteps& steps, RadioPhase phase, int percent);

// The image for a radio: its sequence number and, when it was read first,
// its serial number. An error text instead refuses the radio unwritten.
struct ChosenImage {
  Image image{};
  std::string error;
};
using ImageChooser = std::function<ChosenImage(const StationRadio& radio, const std::string& serialNumber)>;
using PhaseProgress = std::function<void(RadioPhase phase, int percent)>;

// The bytes a write sends, in the order of its blocks, without the
// programming time stamp: the same data give the same digest on every radio.
std::string WrittenDigest(const Image& image, bool extendedLevel);

// The serial number in the image's radio information.
std::string SerialNumberOf(const Image& image);

// Runs the radio's steps to their end. Never throws.
RadioResult ProgramRadio(StationShared& shared, const StationRadio& radio, const StationSteps& steps,
                         const ImageChooser& choose, const PhaseProgress& progress);

}  // namespace vex
