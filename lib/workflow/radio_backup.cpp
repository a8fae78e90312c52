#include "workflow/radio_backup.h"

#include "config/range_table.h"
#include "core/codeplug_writer.h"

#include <algorithm>
#include <cctype>

namespace vex {

CodeplugHeader RadioDataHeader(const RadioIdentity& radio, const RangeEntry& band, const RangeTable& ranges) {
  const std::string range = RangeText(band.lower, band.upper);
  const ModelState state{radio.modelId, radio.modelName, range, radio.signalling, radio.version};
  return BuildSaveAsHeader(state, ranges.flags(range));
}

bool SaveRadioData(const std::filesystem::path& path, const RadioIdentity& radio, const RangeEntry& band,
                   const RangeTable& ranges, const Image& image) {
  return WriteCodeplugFile(path.string(), RadioDataHeader(radio, band, ranges), {}, image, "");
}

std::string PortFileTag(const std::string& device) {
  if (device.empty()) return "radio";
  const std::string dev = "/dev/";
  if (device.rfind(dev, 0) == 0 && device.find("/by-id/") == std::string::npos) {
    std::string name = device.substr(dev.size());
    std::replace(name.begin(), name.end(), '/', '-');
    return name;
  }
  return std::filesystem::path(device).filename().string();
}

namespace {

std::string FileNameSafe(std::string text) {
  for (char& c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (!(std::isalnum(u) || c == '-' || c == '.' || c == '+')) c = '_';
  }
  return text.empty() ? "radio" : text;
}

}  // namespace

std::filesystem::path BackupFilePath(const std::filesystem::path& dir, const std::string& modelName,
                                     const std::string& device, std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  char stamp[32] = {};
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  std::string model = modelName;
  model.erase(model.find_last_not_of(' ') + 1);
  const std::string stem = FileNameSafe(model) + "-" + FileNameSafe(PortFileTag(device)) + "-" + stamp;
  // Two backups in one second must not overwrite each other: the first may
  // hold the only copy of what the radio had.
  std::filesystem::path path = dir / (stem + ".dat");
  for (int n = 2; std::filesystem::exists(path); ++n) path = dir / (stem + "-" + std::to_string(n) + ".dat");
  return path;
}

}  // namespace vex
