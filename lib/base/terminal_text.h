// Texts from outside (a radio's model name and ID, a file's header) made safe
// to print on a terminal or to paste into a shell.
#pragma once

#include <string>
#include <string_view>

namespace vex {

// The text with control characters (C0, DEL, C1) and bytes that are not
// UTF-8 written as \xNN, and a backslash as \\, so that nothing it holds can
// move the cursor, retitle or clear the terminal. Printable text, Chinese
// included, stays as it is.
std::string TerminalSafe(std::string_view text);

// One shell word that stands for exactly the text: '...' for printable text,
// $'...' with \xNN escapes when it holds control characters.
std::string ShellQuoted(std::string_view text);

}  // namespace vex
