#include "workflow/radio_backup.h"

#include <sys/stat.h>

#include "config/range_table.h"
#include "core/codeplug_writer.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace vex {

CodeplugHeader RadioDataHeader(const RadioIdentity& radio, const RangeEntry& band, const RangeTable& ranges) {
  const std::string range = RangeText(band.lower, band.upper);
  const ModelState state{radio.modelId, radio.modelName, range, radio.signalling, radio.version};
  return BuildSaveAsHeader(state, ranges.flags(range));
}

bool SaveRadioData(const std::filesystem::path& path, const RadioIdentity& radio, const RangeEntry& band,
                   const RangeTable& ranges, const Image& image) {
  const ReplaceOptions privateFile{0600};
  return WriteCodeplugFile(path.string(), RadioDataHeader(radio, band, ranges), {}, image, "", privateFile);
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

std::vector<std::filesystem::path> PortFilePaths(const std::filesystem::path& file,
                                                 const std::vector<std::string>& devices) {
  const std::string stem = file.stem().string();
  const std::string extension = file.extension().string();
  std::vector<std::filesystem::path> paths;
  std::vector<std::string> taken;
  for (const std::string& device : devices) {
    const std::string tag = stem + "-" + PortFileTag(device);
    std::string name = tag + extension;
    for (int n = 2; std::find(taken.begin(), taken.end(), name) != taken.end(); ++n)
      name = tag + "-" + std::to_string(n) + extension;
    taken.push_back(name);
    paths.push_back(file.parent_path() / name);
  }
  return paths;
}

namespace {

std::string FileNameSafe(std::string text) {
  for (char& c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (!(std::isalnum(u) || c == '-' || c == '.' || c == '+')) c = '_';
  }
  if (text.empty()) return "radio";
  // Neither a hidden file nor one that a shell command takes for an option.
  if (text.front() == '.' || text.front() == '-') text.front() = '_';
  return text;
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

std::string PrepareBackupDirectory(const std::filesystem::path& dir, bool* created) {
  if (created != nullptr) *created = false;
  std::filesystem::path target = dir.lexically_normal();
  if (target.filename().empty()) target = target.parent_path();  // "backups/"
  std::error_code error;
  if (!std::filesystem::exists(target, error)) {
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), error);
    if (error) return error.message();
    if (::mkdir(target.c_str(), 0700) == 0) {
      if (created != nullptr) *created = true;
    } else if (errno != EEXIST) {
      return std::strerror(errno);
    }
  }
  if (!std::filesystem::is_directory(target, error)) return "not a directory";
  return {};
}

BackupFile SaveRadioBackup(const std::filesystem::path& dir, const RadioIdentity& radio, const std::string& device,
                           const RangeEntry& band, const RangeTable& ranges, const Image& image, std::time_t when) {
  BackupFile file{BackupFilePath(dir, radio.modelName, device, when)};
  file.saved = SaveRadioData(file.path, radio, band, ranges, image);
  return file;
}

}  // namespace vex
