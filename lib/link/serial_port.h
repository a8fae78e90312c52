// One serial port configured for the radio's programming cable, exchanging
// whole frames in a strict request/reply pattern. Knows the frame timing but
// not what a command means; shows no messages.
#pragma once

#include "link/link_timing.h"
#include "link/link_trace.h"
#include "link/port_error.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vex {

class CSerialPort {
 public:
  explicit CSerialPort(LinkTiming timing = {});
  virtual ~CSerialPort();
  CSerialPort(const CSerialPort&) = delete;
  CSerialPort& operator=(const CSerialPort&) = delete;

  // Opens the device exclusively; non-zero on success. DTR and RTS are raised.
  int Open(const std::string& device);
  // Why the last Open failed; kind None after a successful one.
  const PortOpenError& LastOpenError() const { return openError_; }
  // Logs opening, closing and every byte sent and received to `trace`
  // (nullptr: no trace). The trace must outlive the port's use of it.
  void SetTrace(LinkTrace* trace) { trace_ = trace; }
  // Non-zero when the port is closed afterwards (also when it was not open).
  int Close();
  bool IsOpen() const { return fd_ >= 0; }
  const std::string& PortName() const { return portName_; }

  // Parity codes: 0 none, 1 odd, 2 even. Stop-bit codes: 0 one, 2 two.
  int SetCommParams(std::uint32_t baud, std::uint8_t dataBits, std::uint8_t parity, std::uint8_t stopBits);
  int SetReplyTimeout(std::chrono::microseconds timeout);
  // Discards received bytes not yet read and clears the line-error state.
  void PurgeInput();
  // Bytes waiting in the input queue.
  int BytesWaiting() const;

  // Number of bytes written, 0 on failure.
  std::size_t WriteBytes(std::span<const std::uint8_t> bytes);
  // Returns as soon as `want` bytes are there, else what arrived by the
  // reply time-out; 0 on a line error or hang-up.
  std::size_t ReadBytes(std::uint8_t* buffer, std::size_t want);
  // Purge, send, pause, read: non-zero when exactly `replyLength` bytes came.
  int Transact(std::span<const std::uint8_t> request, std::uint8_t* reply, std::size_t replyLength);
  // Up to `tries` Transact calls; non-zero at the first success. Before a
  // retry the late bytes of the failed attempt are waited for and dropped,
  // so that the next reply is not read behind the tail of the last one.
  int TransactRetry(std::span<const std::uint8_t> request, std::uint8_t* reply, std::size_t replyLength, int tries);
  // TransactRetry, then, when every try ran out of time on a line that is
  // still there, one more try that waits kPatientFactor times the reply
  // time-out (at least kPatientMinimum): a radio whose replies a busy
  // computer reads late is not taken for a lost one.
  int TransactPatiently(std::span<const std::uint8_t> request, std::uint8_t* reply, std::size_t replyLength,
                        int tries);
  static constexpr int kPatientFactor = 4;
  static constexpr std::chrono::milliseconds kPatientMinimum{250};
  static std::uint8_t Checksum(std::span<const std::uint8_t> bytes);

  // Sleeps for a pause the protocol mandates and counts it into the floor.
  void Pause(std::chrono::microseconds pause);

  const LinkTiming& Timing() const { return timing_; }
  void SetTiming(const LinkTiming& timing) { timing_ = timing; }

  // Line errors (framing, parity, overrun, break) seen since opening.
  int LineErrors() const { return lineErrors_; }
  // True once the other end has hung up (cable pulled, pty closed).
  bool HungUp() const { return hungUp_; }
  // The least time the exchanges so far could have taken: the mandated
  // pauses plus wire time that no pause covers.
  std::chrono::microseconds ProtocolFloor() const { return floor_; }
  void ResetProtocolFloor() { floor_ = {}; }

 protected:
  // A line in the trace, if there is one.
  void TraceNote(std::string_view text);

 private:
  // Reads and drops input until the line has been quiet for the timing's
  // retryQuiet (at most ten such spans); the count dropped.
  std::size_t DropStaleInput();
  bool CheckLineErrors();
  std::size_t WriteAll(std::span<const std::uint8_t> bytes);
  std::size_t ReadUpTo(std::uint8_t* buffer, std::size_t want);
  bool WaitReadable(std::chrono::steady_clock::time_point deadline);

  int fd_ = -1;
  std::string portName_;
  PortOpenError openError_;
  LinkTrace* trace_ = nullptr;
  std::chrono::microseconds replyTimeout_{0};
  LinkTiming timing_;
  int lineErrors_ = 0;
  long lastErrorCount_ = -1;
  bool hungUp_ = false;
  std::chrono::microseconds floor_{0};
};

}  // namespace vex
