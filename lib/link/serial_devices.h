// The serial devices of this machine, as the kernel describes them in sysfs:
// USB serial adapters (ttyUSB*), USB modems and CDC-ACM cables (ttyACM*) and
// the built-in UARTs (ttyS*) that really exist, with the stable name udev
// gives them under /dev/serial/by-id and what their USB descriptors say.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vex {

struct SerialDevice {
  std::string path;        // /dev/ttyUSB0
  std::string stableName;  // /dev/serial/by-id/usb-...; "" when udev made none
  std::string driver;      // ftdi_sio, cp210x, cdc_acm, serial8250, ...
  std::optional<std::uint16_t> usbVendor;
  std::optional<std::uint16_t> usbProduct;
  std::string manufacturer;  // USB descriptor texts; "" when absent
  std::string product;
  std::string serialNumber;

  // "FTDI FT232R USB UART", else the driver's name.
  std::string description() const;
  // "0403:6001", or "" for a device that is not on USB.
  std::string usbId() const;
};

// Where the kernel and udev publish what is listed; tests point them at a
// tree of their own.
struct SystemDirs {
  std::filesystem::path sysClassTty = "/sys/class/tty";
  std::filesystem::path dev = "/dev";
  std::filesystem::path byId = "/dev/serial/by-id";
};

// The devices in numbering order: ttyUSB*, ttyACM*, ttyS*, each by number.
// A ttyS whose UART type is unknown (a placeholder the kernel keeps for a
// port that is not there) and a device without its /dev node are left out.
std::vector<SerialDevice> ListSerialPorts(const SystemDirs& dirs = {});

}  // namespace vex
