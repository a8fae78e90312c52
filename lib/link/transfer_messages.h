// Reports of the transfer workers. The codes keep the window-message numbers
// the workers were designed with (WM_USER + 110 .. 115), which equal the ids
// of the message texts the caller shows for them; a stop asked for has no
// text of its own.
#pragma once

namespace vex {

enum TransferMessage : int {
  WM_READ_PROGRESS = 0x0400 + 110,   // value: percent
  WM_WRITE_PROGRESS = 0x0400 + 111,  // value: percent
  WM_READ_DONE = 0x0400 + 112,       // value: 0
  WM_WRITE_DONE = 0x0400 + 113,      // value: 0
  WM_READ_FAILED = 0x0400 + 114,     // value: failing block address
  WM_WRITE_FAILED = 0x0400 + 115,    // value: failing block address
  WM_TRANSFER_STOPPED = 0x0400 + 116,  // value: 0; after RequestStop() only
};

}  // namespace vex
