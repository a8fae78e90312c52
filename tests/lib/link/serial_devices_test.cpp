// The serial device list read from a sysfs and /dev tree built by the test,
// and what a port name given by the user stands for.
#include "link/serial_devices.h"
#include "link/port_map.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace vex {
namespace {

namespace fs = std::filesystem;

class FakeSystem : public ::testing::Test {
 protected:
  FakeSystem() {
    char pattern[] = "/tmp/vex-sysfs-XXXXXX";
    root_ = ::mkdtemp(pattern);
    dirs.sysClassTty = root_ / "sys/class/tty";
    dirs.dev = root_ / "dev";
    dirs.byId = root_ / "dev/serial/by-id";
    fs::create_directories(dirs.sysClassTty);
    fs::create_directories(dirs.byId);
  }
  ~FakeSystem() override { fs::remove_all(root_); }

  static void Write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text << '\n';
  }

  // A USB serial adapter: the tty's device is a port below the USB
  // interface, whose parent carries the descriptors.
  void addUsb(const std::string& name, const std::string& driver, const std::string& vid, const std::string& pid,
              const std::string& product, const std::string& byIdName) {
    const fs::path usbDevice = root_ / "sys/devices/usb1/1-1" / name;
    const fs::path port = usbDevice / "1-1:1.0" / name;
    Write(usbDevice / "idVendor", vid);
    Write(usbDevice / "idProduct", pid);
    Write(usbDevice / "manufacturer", "Maker");
    Write(usbDevice / "product", product);
    Write(usbDevice / "serial", "A1B2");
    fs::create_directories(root_ / "sys/bus/usb-serial/drivers" / driver);
    fs::create_directories(port);
    fs::create_directory_symlink(root_ / "sys/bus/usb-serial/drivers" / driver, port / "driver");
    addTty(name, port);
    if (!byIdName.empty()) fs::create_symlink("../../" + name, dirs.byId / byIdName);
  }

  void addUart(const std::string& name, int type) {
    const fs::path device = root_ / "sys/devices/platform/serial8250";
    fs::create_directories(device);
    addTty(name, device);
    Write(dirs.sysClassTty / name / "type", std::to_string(type));
  }

  void addTty(const std::string& name, const fs::path& device) {
    fs::create_directories(dirs.sysClassTty / name);
    fs::create_directory_symlink(device, dirs.sysClassTty / name / "device");
    Write(dirs.dev / name, "");
  }

  fs::path root_;
  SystemDirs dirs;
};

TEST_F(FakeSystem, ListsRealPortsInNumberingOrderWithTheirUsbIdentity) {
  addUart("ttyS0", 4);
  addUart("ttyS1", 0);  // registered by the kernel, no UART behind it
  addUsb("ttyUSB10", "cp210x", "10c4", "ea60", "CP2102", "");
  addUsb("ttyUSB2", "ftdi_sio", "0403", "6001", "FT232R USB UART", "usb-Maker_FT232R-if00-port0");
  addUsb("ttyACM0", "cdc_acm", "2341", "0043", "Cable", "");
  fs::create_directories(dirs.sysClassTty / "tty7");  // a virtual terminal
  addUsb("ttyUSB3", "pl2303", "067b", "2303", "PL2303", "");
  fs::remove(dirs.dev / "ttyUSB3");  // unplugged: its node has gone

  const std::vector<SerialDevice> devices = ListSerialPorts(dirs);
  std::vector<std::string> names;
  for (const SerialDevice& d : devices) names.push_back(fs::path(d.path).filename().string());
  EXPECT_EQ(names, (std::vector<std::string>{"ttyUSB2", "ttyUSB10", "ttyACM0", "ttyS0"}));

  const SerialDevice& ftdi = devices[0];
  EXPECT_EQ(ftdi.usbId(), "0403:6001");
  EXPECT_EQ(ftdi.driver, "ftdi_sio");
  EXPECT_EQ(ftdi.description(), "Maker FT232R USB UART");
  EXPECT_EQ(ftdi.serialNumber, "A1B2");
  EXPECT_EQ(ftdi.stableName, (dirs.byId / "usb-Maker_FT232R-if00-port0").string());
  EXPECT_EQ(devices[1].stableName, "");
  // A built-in UART has no USB identity; its driver describes it.
  EXPECT_EQ(devices[3].usbId(), "");
  EXPECT_FALSE(devices[3].usbVendor.has_value());
}

TEST_F(FakeSystem, PortNamesResolveToDevices) {
  addUsb("ttyUSB0", "ftdi_sio", "0403", "6001", "FT232R", "usb-Maker_FT232R-if00-port0");
  const PortLookup lookup = [](int port) { return port == 3 ? std::string("/dev/pts/9") : std::string(); };
  using Status = NamedPort::Status;

  const NamedPort com3 = ResolvePortName("com3", lookup, dirs);
  EXPECT_EQ(com3.status, Status::Device);
  EXPECT_EQ(com3.device, "/dev/pts/9");
  EXPECT_EQ(com3.number, 3);
  EXPECT_EQ(ResolvePortName("/dev/ttyUSB7", lookup, dirs).device, "/dev/ttyUSB7");
  EXPECT_EQ(ResolvePortName("usb-Maker_FT232R-if00-port0", lookup, dirs).device,
            (dirs.byId / "usb-Maker_FT232R-if00-port0").string());
  EXPECT_EQ(ResolvePortName("ttyUSB0", lookup, dirs).device, (dirs.dev / "ttyUSB0").string());
  // Unplugged now: still a serial device's name, the open will say it is missing.
  EXPECT_EQ(ResolvePortName("ttyACM4", lookup, dirs).status, Status::Device);

  for (const char* bad : {"LPT1", "COM0", "COM17", "COM1x", "", "..", "usb-unknown"})
    EXPECT_EQ(ResolvePortName(bad, lookup, dirs).status, Status::NotAPort) << bad;
}

TEST(PortName, ComNumbersAreOneToSixteenInAnyCase) {
  EXPECT_EQ(ComPortNumber("COM1"), 1);
  EXPECT_EQ(ComPortNumber("Com16"), 16);
  EXPECT_EQ(ComPortNumber("COM17"), 0);
  EXPECT_EQ(ComPortNumber("COM-1"), 0);
  EXPECT_EQ(ComPortNumber("COM"), 0);
}

}  // namespace
}  // namespace vex
