#include "scripted_peer.h"

#include "base/byte_order.h"
#include "link/protocol.h"

#include <cstdlib>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace vex::test {

namespace {

// How many of the pending bytes make the first request; 0 while more must
// arrive. The link writes each request at once, but the peer may read
// several together when the machine is busy. Bytes that are no request of
// the protocol count as one request.
std::size_t FirstRequestLength(const Bytes& pending) {
  using namespace protocol;
  if (pending.front() != kStx) return pending.size();
  if (pending.size() < 3) return 0;
  std::size_t length = pending.size();
  if (pending[1] == kGreeting) length = 4;
  if (pending[1] == kMode || pending[1] == kInfo || pending[1] == kOutput || pending[1] == kTune) length = 6;
  if (pending[1] == kTune && pending[2] == kSubA) length = 8;  // the tests write 2-byte values
  if (pending[1] == kMemory && pending[2] == kSubB) length = 10;
  if ((pending[1] == kMemory && pending[2] == kSubA) || pending[1] == kPassword)
    length = pending.size() < 5 ? 0 : ReadLe16(pending, 3) + 6u;
  return length <= pending.size() ? length : 0;
}

}  // namespace

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

ScriptedPeer::~ScriptedPeer() {
  HangUp();
  if (slave_ >= 0) ::close(slave_);
}

void ScriptedPeer::HangUp() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  if (master_ >= 0) ::close(master_);
  master_ = -1;
}

std::vector<Bytes> ScriptedPeer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

std::size_t ScriptedPeer::WaitForRequests(std::size_t count) const {
  std::unique_lock lock(mutex_);
  arrived_.wait_for(lock, std::chrono::seconds(10), [&] { return requests_.size() >= count; });
  return requests_.size();
}

void ScriptedPeer::Run() {
  while (!stop_) {
    pollfd p{master_, POLLIN, 0};
    if (poll(&p, 1, 5) <= 0 || !(p.revents & POLLIN)) continue;
    std::uint8_t buffer[512];
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n <= 0) continue;
    pending_.insert(pending_.end(), buffer, buffer + n);
    while (!pending_.empty()) {
      const std::size_t length = FirstRequestLength(pending_);
      if (length == 0) break;
      const Bytes request(pending_.begin(), pending_.begin() + static_cast<long>(length));
      pending_.erase(pending_.begin(), pending_.begin() + static_cast<long>(length));
      Answer(request);
    }
  }
}

void ScriptedPeer::Answer(const Bytes& request) {
  int index = 0;
  {
    std::lock_guard lock(mutex_);
    index = static_cast<int>(requests_.size());
    requests_.push_back(request);
  }
  arrived_.notify_all();
  const Bytes reply = handler_(request, index);
  if (!reply.empty()) (void)!::write(master_, reply.data(), reply.size());
}

}  // namespace vex::test
