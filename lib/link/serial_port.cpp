#include "link/serial_port.h"

#include "link/protocol.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#if defined(__linux__)
#include <linux/serial.h>
#endif

namespace vex {

namespace {

using Clock = std::chrono::steady_clock;

speed_t SpeedCode(std::uint32_t baud) {
  switch (baud) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    default: return 0;
  }
}

timespec ToTimespec(Clock::duration d) {
  if (d < Clock::duration::zero()) d = Clock::duration::zero();
  const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(d).count();
  return timespec{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
}

void RaiseModemLines(int fd) {
  // A pseudo-terminal has no modem lines; its refusal does not matter.
  int lines = TIOCM_DTR | TIOCM_RTS;
  (void)ioctl(fd, TIOCMBIS, &lines);
}

}  // namespace

CSerialPort::CSerialPort(LinkTiming timing) : timing_(timing) {}

CSerialPort::~CSerialPort() { Close(); }

int CSerialPort::Open(const std::string& device) {
  if (IsOpen()) return 0;
  openError_ = {};
  const auto fail = [this, &device](int fd, int systemError) {
    if (fd >= 0) ::close(fd);
    openError_ = {ClassifyPortErrno(systemError), systemError};
    // A path that exists but has no device behind it, such as /dev/tty in a
    // process without a controlling terminal, is there: say why it fails.
    struct stat node {};
    if (systemError == ENXIO && ::stat(device.c_str(), &node) == 0) openError_.kind = PortError::Other;
    if (trace_) trace_->note(device, std::string("cannot open: ") + std::strerror(systemError));
    return 0;
  };
  if (device.empty()) return fail(-1, ENOENT);
  const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return fail(-1, errno);
  termios tio{};
  if (!isatty(fd) || tcgetattr(fd, &tio) != 0) return fail(fd, ENOTTY);
  // A terminal held exclusively by another program refuses a second open
  // with EBUSY; one held only by its lock makes flock fail.
  if (ioctl(fd, TIOCEXCL) != 0) return fail(fd, errno);
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) return fail(fd, errno == EWOULDBLOCK ? EBUSY : errno);
  RaiseModemLines(fd);
  fd_ = fd;
  portName_ = device;
  lineErrors_ = 0;
  lastErrorCount_ = -1;
  hungUp_ = false;
  CheckLineErrors();
  if (trace_) trace_->note(device, "opened");
  return 1;
}

int CSerialPort::Close() {
  if (!IsOpen()) return 1;
  const int fd = fd_;
  fd_ = -1;
  if (trace_) trace_->note(portName_, "closed");
  portName_.clear();
  // Linux releases the descriptor even when close reports an error.
  (void)ioctl(fd, TIOCNXCL);
  ::close(fd);
  return 1;
}

int CSerialPort::SetCommParams(std::uint32_t baud, std::uint8_t dataBits, std::uint8_t parity, std::uint8_t stopBits) {
  termios tio{};
  const speed_t speed = SpeedCode(baud);
  if (!IsOpen() || speed == 0 || dataBits < 5 || dataBits > 8 || tcgetattr(fd_, &tio) != 0) return 0;
  cfmakeraw(&tio);
  tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK | PARMRK | IGNPAR);
  tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
  static constexpr tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
  tio.c_cflag |= kSizes[dataBits - 5] | CLOCAL | CREAD;
  // Parity is sent; received parity is not checked (INPCK stays off).
  if (parity == 1) tio.c_cflag |= PARENB | PARODD;
  if (parity == 2) tio.c_cflag |= PARENB;
  if (stopBits == 2) tio.c_cflag |= CSTOPB;
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  cfsetispeed(&tio, speed);
  cfsetospeed(&tio, speed);
  if (tcsetattr(fd_, TCSANOW, &tio) != 0) return 0;
  RaiseModemLines(fd_);
  return 1;
}

int CSerialPort::SetReplyTimeout(std::chrono::microseconds timeout) {
  replyTimeout_ = timeout;
  return 1;
}

void CSerialPort::PurgeInput() {
  if (!IsOpen()) return;
  CheckLineErrors();
  tcflush(fd_, TCIFLUSH);
}

int CSerialPort::BytesWaiting() const {
  int count = 0;
  if (!IsOpen() || ioctl(fd_, FIONREAD, &count) != 0) return 0;
  return count;
}

// Counts framing, overrun and break errors the driver saw since the last
// look; true when new ones occurred. Pseudo-terminals keep no such counts.
bool CSerialPort::CheckLineErrors() {
#if defined(__linux__) && defined(TIOCGICOUNT)
  serial_icounter_struct counts{};
  if (ioctl(fd_, TIOCGICOUNT, &counts) != 0) return false;
  const long total = static_cast<long>(counts.frame) + counts.overrun + counts.brk + counts.buf_overrun;
  const bool fresh = lastErrorCount_ >= 0 && total != lastErrorCount_;
  if (fresh) lineErrors_ += static_cast<int>(total - lastErrorCount_);
  lastErrorCount_ = total;
  return fresh;
#else
  return false;
#endif
}

std::size_t CSerialPort::WriteBytes(std::span<const std::uint8_t> bytes) {
  const std::size_t done = WriteAll(bytes);
  if (trace_ && IsOpen()) trace_->sent(portName_, bytes.first(done));
  return done;
}

std::size_t CSerialPort::WriteAll(std::span<const std::uint8_t> bytes) {
  if (!IsOpen()) return 0;
  std::size_t done = 0;
  const auto deadline = Clock::now() + std::max<Clock::duration>(replyTimeout_, std::chrono::seconds(1));
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN) {
      if (errno == EIO) hungUp_ = true;
      return 0;
    }
    pollfd p{fd_, POLLOUT, 0};
    const timespec ts = ToTimespec(deadline - Clock::now());
    if (Clock::now() >= deadline || ppoll(&p, 1, &ts, nullptr) <= 0 || (p.revents & (POLLERR | POLLHUP))) return 0;
  }
  return done;
}

// Waits until input is readable or the deadline passes; false on hang-up.
bool CSerialPort::WaitReadable(Clock::time_point deadline) {
  pollfd p{fd_, POLLIN, 0};
  const timespec ts = ToTimespec(deadline - Clock::now());
  const int r = ppoll(&p, 1, &ts, nullptr);
  // A hung-up terminal reports POLLHUP together with POLLIN and then
  // reads as empty for ever.
  if (r > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL))) {
    hungUp_ = true;
    return false;
  }
  return true;
}

std::size_t CSerialPort::ReadBytes(std::uint8_t* buffer, std::size_t want) {
  const std::size_t got = ReadUpTo(buffer, want);
  if (trace_ && IsOpen()) trace_->received(portName_, std::span<const std::uint8_t>(buffer, got));
  return got;
}

std::size_t CSerialPort::ReadUpTo(std::uint8_t* buffer, std::size_t want) {
  if (!IsOpen() || want == 0 || hungUp_) return 0;
  const auto deadline = Clock::now() + replyTimeout_;
  std::size_t got = 0;
  for (;;) {
    if (CheckLineErrors()) return 0;
    const ssize_t n = ::read(fd_, buffer + got, want - got);
    if (n > 0) {
      got += static_cast<std::size_t>(n);
      if (got == want) return got;
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN) {
      if (errno == EIO) hungUp_ = true;
      return 0;
    }
    if (Clock::now() >= deadline) return got;
    if (!WaitReadable(deadline)) return 0;
  }
}

int CSerialPort::Transact(std::span<const std::uint8_t> request, std::uint8_t* reply, std::size_t replyLength) {
  PurgeInput();
  (void)WriteBytes(request);
  std::this_thread::sleep_for(timing_.requestPause);
  // Request and reply travel while the program pauses; only wire time
  // beyond the pause adds to the floor.
  const auto wire = std::chrono::duration_cast<std::chrono::microseconds>(
      kWireByteTime * static_cast<long>(request.size() + replyLength));
  floor_ += std::max(timing_.requestPause, wire);
  return ReadBytes(reply, replyLength) == replyLength ? 1 : 0;
}

int CSerialPort::TransactRetry(std::span<const std::uint8_t> request, std::uint8_t* reply, std::size_t replyLength,
                               int tries) {
  for (int i = 0; i < tries; ++i) {
    if (i > 0) {
      if (const std::size_t dropped = DropStaleInput(); dropped > 0)
        TraceNote("dropped " + std::to_string(dropped) + " late bytes before the retry");
    }
    if (Transact(request, reply, replyLength)) return 1;
  }
  return 0;
}

int CSerialPort::TransactPatiently(std::span<const std::uint8_t> request, std::uint8_t* reply,
                                   std::size_t replyLength, int tries) {
  if (TransactRetry(request, reply, replyLength, tries)) return 1;
  if (!IsOpen() || hungUp_) return 0;
  const auto usual = replyTimeout_;
  replyTimeout_ = std::max<std::chrono::microseconds>(usual * kPatientFactor, kPatientMinimum);
  TraceNote("no reply in time; one more try with a longer wait");
  (void)DropStaleInput();
  const int answered = Transact(request, reply, replyLength);
  replyTimeout_ = usual;
  return answered;
}

std::size_t CSerialPort::DropStaleInput() {
  if (!IsOpen() || hungUp_) return 0;
  std::size_t dropped = 0;
  std::uint8_t buffer[256];
  for (int span = 0; span < 10; ++span) {
    if (!WaitReadable(Clock::now() + timing_.retryQuiet) || BytesWaiting() == 0) break;
    const ssize_t n = ::read(fd_, buffer, sizeof buffer);
    if (n <= 0) break;
    dropped += static_cast<std::size_t>(n);
  }
  PurgeInput();
  return dropped;
}

void CSerialPort::TraceNote(std::string_view text) {
  if (trace_ && IsOpen()) trace_->note(portName_, text);
}

std::uint8_t CSerialPort::Checksum(std::span<const std::uint8_t> bytes) { return protocol::Checksum(bytes); }

void CSerialPort::Pause(std::chrono::microseconds pause) {
  std::this_thread::sleep_for(pause);
  floor_ += pause;
}

}  // namespace vex
