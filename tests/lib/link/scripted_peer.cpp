#include "scripted_peer.h"

#include <cstdlib>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace vex::test {

ScriptedPeer::ScriptedPeer(Handler handler) : handler_(std::move(handler)) {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
  char name[128] = {};
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0 || ptsname_r(master_, name, sizeof name) != 0)
    std::abort();
  path_ = name;
  slave_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
  termios tio{};
  tcgetattr(slave_, &tio);
  cfmakeraw(&tio);
  tcsetattr(slave_, TCSANOW, &tio);
  thread_ = std::thread([this] { Run(); });
}

ScriptedPeer::~ScriptedPeer() { HangUp(); }

void ScriptedPeer::HangUp() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  if (master_ >= 0) ::close(master_);
  if (slave_ >= 0) ::close(slave_);
  master_ = slave_ = -1;
}

std::vector<Bytes> ScriptedPeer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void ScriptedPeer::Run() {
  while (!stop_) {
    pollfd p{master_, POLLIN, 0};
    if (poll(&p, 1, 5) <= 0 || !(p.revents & POLLIN)) continue;
    std::uint8_t buffer[512];
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n <= 0) continue;
    Bytes request(buffer, buffer + n);
    int index = 0;
    {
      std::lock_guard lock(mutex_);
      index = static_cast<int>(requests_.size());
      requests_.push_back(request);
    }
    const Bytes reply = handler_(request, index);
    if (!reply.empty()) (void)!::write(master_, reply.data(), reply.size());
  }
}

}  // namespace vex::test
