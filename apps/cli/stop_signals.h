// Ctrl+C (SIGINT) and SIGTERM while the radio commands talk to radios. The
// first one asks every transfer to stop after its current block, so that
// the radios get the closing mode command and the command can say what each
// radio now holds; a second one ends the program at once. A terminal whose
// echo is off for a password prompt gets its echo back either way.
#pragma once

#include <termios.h>

namespace vex::cli::stop {

// Installs the handlers (once).
void Install();
// 0, or the first signal that arrived.
int Received();
// The exit status after that signal: 128 + its number.
int ExitStatus();
// A descriptor that becomes readable, and stays so, once a signal arrived;
// -1 before Install.
int WakeFd();
// While a prompt has the echo off: the terminal state to put back when a
// signal comes (nullptr when the prompt is done).
void GuardTerminal(const termios* saved);

}  // namespace vex::cli::stop
