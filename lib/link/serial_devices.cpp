#include "link/serial_devices.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <string_view>
#include <tuple>

namespace vex {

namespace fs = std::filesystem;

namespace {

constexpr std::array<std::string_view, 3> kPrefixes{"ttyUSB", "ttyACM", "ttyS"};
// Attribute files are a line each; nothing longer is worth reading.
constexpr std::size_t kMaxAttributeBytes = 256;

std::string ReadAttribute(const fs::path& file) {
  std::ifstream in(file);
  std::string text(kMaxAttributeBytes, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ' || text.back() == '\0')) text.pop_back();
  // Descriptor texts come from the device: keep them printable.
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  }
  return text;
}

std::optional<std::uint16_t> ReadHexAttribute(const fs::path& file) {
  const std::string text = ReadAttribute(file);
  std::uint16_t value = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

// The index of the name's prefix in kPrefixes and its number, or nothing.
std::optional<std::pair<std::size_t, long>> Classify(const std::string& name) {
  for (std::size_t k = 0; k < kPrefixes.size(); ++k) {
    const std::string_view prefix = kPrefixes[k];
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
    long number = 0;
    const char* end = name.data() + name.size();
    const auto r = std::from_chars(name.data() + prefix.size(), end, number);
    if (r.ec != std::errc() || r.ptr != end || number < 0) return std::nullopt;
    return std::make_pair(k, number);
  }
  return std::nullopt;
}

// A built-in UART the kernel registered but found no hardware for has type 0.
bool IsPlaceholderUart(const fs::path& ttyDir) {
  std::error_code ec;
  if (!fs::exists(ttyDir / "type", ec)) return false;
  return ReadAttribute(ttyDir / "type") == "0";
}

// Fills the USB fields from the first ancestor of the device that carries
// USB descriptors (the interface's parent is the USB device).
void ReadUsbDescriptors(const fs::path& deviceDir, SerialDevice& device) {
  std::error_code ec;
  fs::path dir = fs::canonical(deviceDir, ec);
  if (ec) return;
  for (int depth = 0; depth < 8 && dir.has_relative_path(); ++depth, dir = dir.parent_path()) {
    if (!fs::exists(dir / "idVendor", ec) || !fs::exists(dir / "idProduct", ec)) continue;
    device.usbVendor = ReadHexAttribute(dir / "idVendor");
    device.usbProduct = ReadHexAttribute(dir / "idProduct");
    device.manufacturer = ReadAttribute(dir / "manufacturer");
    device.product = ReadAttribute(dir / "product");
    device.serialNumber = ReadAttribute(dir / "serial");
    return;
  }
}

// by-id name for each device node the links point at.
std::vector<std::pair<fs::path, std::string>> StableNames(const SystemDirs& dirs) {
  std::vector<std::pair<fs::path, std::string>> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(dirs.byId, ec)) {
    std::error_code linkEc;
    const fs::path target = fs::weakly_canonical(entry.path(), linkEc);
    if (!linkEc) names.emplace_back(target, entry.path().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

std::string SerialDevice::description() const {
  std::string text = manufacturer;
  if (!product.empty()) text += (text.empty() ? "" : " ") + product;
  if (!text.empty()) return text;
  // The kernel's serial core names itself "port"; that tells nothing.
  return driver.empty() || driver == "port" ? std::string("serial port") : driver;
}

std::string SerialDevice::usbId() const {
  if (!usbVendor || !usbProduct) return {};
  char text[16];
  std::snprintf(text, sizeof text, "%04x:%04x", *usbVendor, *usbProduct);
  return text;
}

std::vector<SerialDevice> ListSerialPorts(const SystemDirs& dirs) {
  struct Found {
    std::size_t prefix;
    long number;
    SerialDevice device;
  };
  std::vector<Found> found;
  const auto stableNames = StableNames(dirs);
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(dirs.sysClassTty, ec)) {
    const std::string name = entry.path().filename().string();
    const auto kind = Classify(name);
    if (!kind) continue;
    const fs::path ttyDir = entry.path();
    std::error_code e;
    // Virtual terminals have no device; real serial ports do.
    if (!fs::exists(ttyDir / "device", e) || IsPlaceholderUart(ttyDir)) continue;
    const fs::path node = dirs.dev / name;
    if (!fs::exists(node, e)) continue;

    SerialDevice device;
    device.path = node.string();
    device.driver = fs::read_symlink(ttyDir / "device" / "driver", e).filename().string();
    ReadUsbDescriptors(ttyDir / "device", device);
    const fs::path canonicalNode = fs::weakly_canonical(node, e);
    for (const auto& [target, link] : stableNames) {
      if (target == canonicalNode) {
        device.stableName = link;
        break;
      }
    }
    found.push_back({kind->first, kind->second, std::move(device)});
  }
  std::sort(found.begin(), found.end(),
            [](const Found& a, const Found& b) { return std::tie(a.prefix, a.number) < std::tie(b.prefix, b.number); });
  std::vector<SerialDevice> devices;
  for (Found& f : found) devices.push_back(std::move(f.device));
  return devices;
}

}  // namespace vex
