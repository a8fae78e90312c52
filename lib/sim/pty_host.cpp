#include "sim/pty_host.h"

#include "link/link_timing.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <termios.h>
#include <unistd.h>

namespace vex::sim {

namespace {

timespec ToTimespec(std::chrono::steady_clock::duration d) {
  if (d < std::chrono::steady_clock::duration::zero()) d = {};
  const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(d).count();
  return timespec{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
}

void CloseFd(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

}  // namespace

PtyHost::PtyHost(SimulatedRadio& radio) : radio_(radio) {}

PtyHost::~PtyHost() {
  Stop();
  CloseFd(slave_);
}

bool PtyHost::Start() {
  if (master_ >= 0) return false;
  CloseFd(slave_);
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  char name[128] = {};
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0 || ptsname_r(master_, name, sizeof name) != 0) {
    CloseFd(master_);
    return false;
  }
  slavePath_ = name;
  // Holding the slave open keeps the master from seeing a hang-up while
  // no program has the terminal open; raw mode keeps replies unmangled and
  // unechoed before the program configures the line itself.
  slave_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  wake_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  termios tio{};
  if (slave_ < 0 || wake_ < 0 || tcgetattr(slave_, &tio) != 0) {
    CloseFd(slave_);
    CloseFd(wake_);
    CloseFd(master_);
    return false;
  }
  cfmakeraw(&tio);
  tcsetattr(slave_, TCSANOW, &tio);
  stop_ = false;
  thread_ = std::thread([this] { Run(); });
  return true;
}

void PtyHost::Stop() {
  if (thread_.joinable()) {
    stop_ = true;
    const std::uint64_t one = 1;
    (void)!::write(wake_, &one, sizeof one);
    thread_.join();
  }
  // The slave stays open: it keeps the terminal's number taken, so its path
  // is gone (as a pulled adapter's is) rather than free for another
  // terminal that a program could open by the old name.
  CloseFd(master_);
  CloseFd(wake_);
}

PtyHost::Clock::time_point PtyHost::DueTime(const Outgoing& out, std::size_t index) const {
  if (!radio_.Options().paced) return out.start;
  return out.start + std::chrono::duration_cast<Clock::duration>(kWireByteTime * static_cast<long>(index));
}

PtyHost::Clock::time_point PtyHost::NextDue() const {
  if (outgoing_.empty()) return Clock::time_point::max();
  return DueTime(outgoing_.front(), outgoing_.front().sent);
}

void PtyHost::Run() {
  while (!stop_) {
    pollfd fds[2] = {{master_, POLLIN, 0}, {wake_, POLLIN, 0}};
    const Clock::time_point due = NextDue();
    timespec ts{};
    const timespec* timeout = nullptr;
    if (due != Clock::time_point::max()) {
      ts = ToTimespec(due - Clock::now());
      timeout = &ts;
    }
    if (ppoll(fds, 2, timeout, nullptr) < 0 && errno != EINTR) break;
    if (stop_) break;
    const Clock::time_point now = Clock::now();
    if (fds[0].revents & POLLIN) Receive(now);
    // Nothing to read but an error state: wait instead of spinning.
    if (!(fds[0].revents & POLLIN) && (fds[0].revents & (POLLHUP | POLLERR)))
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    SendDue(Clock::now());
  }
}

void PtyHost::Receive(Clock::time_point now) {
  std::uint8_t chunk[512];
  for (;;) {
    const ssize_t n = ::read(master_, chunk, sizeof chunk);
    if (n <= 0) break;
    parser_.Append(std::span(chunk, static_cast<std::size_t>(n)));
  }
  while (auto frame = parser_.NextFrame()) {
    if (auto reply = radio_.Handle(*frame)) Schedule(std::move(*reply), frame->size(), now);
  }
}

// A reply leaves once its request has fully arrived on the wire; a newer
// request makes the radio drop replies it has not begun to send.
void PtyHost::Schedule(Reply reply, std::size_t requestLength, Clock::time_point now) {
  while (!outgoing_.empty() && outgoing_.back().sent == 0) outgoing_.pop_back();
  Clock::time_point start = now + reply.delay;
  if (radio_.Options().paced)
    start += std::chrono::duration_cast<Clock::duration>(kWireByteTime * static_cast<long>(requestLength));
  if (!outgoing_.empty()) {
    const Outgoing& last = outgoing_.back();
    start = std::max(start, DueTime(last, last.bytes.size()));
  }
  outgoing_.push_back({std::move(reply.bytes), start, 0});
}

void PtyHost::SendDue(Clock::time_point now) {
  while (!outgoing_.empty()) {
    Outgoing& out = outgoing_.front();
    std::size_t ready = out.sent;
    while (ready < out.bytes.size() && DueTime(out, ready) <= now) ++ready;
    if (ready > out.sent) {
      const ssize_t n = ::write(master_, out.bytes.data() + out.sent, ready - out.sent);
      if (n < 0) return;  // full or gone: try again on the next round
      out.sent += static_cast<std::size_t>(n);
    }
    if (out.sent < out.bytes.size()) return;
    outgoing_.pop_front();
  }
}

}  // namespace vex::sim
