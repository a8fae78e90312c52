// Message text ids and worker report codes of the radio link. The report
// codes keep the window-message numbers the workers were specified with
// (WM_USER + 110 .. 115), which equal the ids of their message texts.
#pragma once

namespace vex {

inline constexpr int kMsgReadDone = 1136;
inline constexpr int kMsgWriteDone = 1137;
inline constexpr int kMsgReadFailed = 1138;      // argument: block address
inline constexpr int kMsgWriteFailed = 1139;     // argument: block address
inline constexpr int kMsgBandOutsideRadio = 1142;  // argument: radio band text
inline constexpr int kMsgNoRadio = 1143;
inline constexpr int kMsgIdentityFailed = 1146;
inline constexpr int kMsgTuneWritten = 1153;
inline constexpr int kMsgWrongPassword = 1176;

enum TransferMessage : int {
    WM_READ_PROGRESS = 0x0400 + 110,   // value: percent
    WM_WRITE_PROGRESS = 0x0400 + 111,  // value: percent
    WM_READ_DONE = 0x0400 + 112,       // value: 0
    WM_WRITE_DONE = 0x0400 + 113,      // value: 0
    WM_READ_FAILED = 0x0400 + 114,     // value: failing block address
    WM_WRITE_FAILED = 0x0400 + 115,    // value: failing block address
};

}  // namespace vex
