// Radio texts on a terminal: nothing in them may act on the terminal, and a
// hint to paste stays one shell word that means exactly the text.
#include "base/terminal_text.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

TEST(TerminalText, ControlsAndBrokenBytesAreEscapedAndPrintableTextKept) {
  struct Case {
    std::string text;
    std::string safe;
    std::string word;
  };
  for (const Case& c : {
           Case{"VX-446", "VX-446", "'VX-446'"},
           Case{"\x1b]0;owned\x07", "\\x1b]0;owned\\x07", "$'\\x1b]0;owned\\x07'"},
           Case{"a\x7f\xc2\x9b" "b", "a\\x7f\\xc2\\x9bb", "$'a\\x7f\\xc2\\x9bb'"},  // DEL, C1 CSI
           Case{"\xff\xe4\xb8", "\\xff\\xe4\\xb8", "$'\\xff\\xe4\\xb8'"},          // not UTF-8
           Case{"\xe4\xb8\xad\xe6\x96\x87", "\xe4\xb8\xad\xe6\x96\x87", "'\xe4\xb8\xad\xe6\x96\x87'"},
           Case{"$(id>/tmp/q)", "$(id>/tmp/q)", "'$(id>/tmp/q)'"},
           Case{"it's\\", "it's\\\\", "'it'\\''s\\'"},
           Case{"a'\n", "a'\\x0a", "$'a\\'\\x0a'"},
       }) {
    EXPECT_EQ(TerminalSafe(c.text), c.safe) << c.safe;
    EXPECT_EQ(ShellQuoted(c.text), c.word) << c.safe;
  }
}

}  // namespace
}  // namespace vex
