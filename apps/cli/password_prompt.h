// Asking for the radio's password on the terminal, without echo.
#pragma once

#include <optional>
#include <string>

namespace vex::cli {

// True when standard input and standard error are a terminal, so a
// question can be asked and answered.
bool CanPrompt();

// Shows `question` on stderr and reads one line with echo off; nothing when
// the input ends or cannot be read, or when Ctrl+C or SIGTERM comes (the
// echo is back on in every case).
std::optional<std::string> PromptWithoutEcho(const std::string& question);

}  // namespace vex::cli
