#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vex {

// Whether the bytes form well-formed UTF-8 (no overlongs, no surrogates).
bool IsValidUtf8(std::string_view bytes);

// Decodes legacy GB18030 (a superset of GB2312) text into UTF-8. Bytes that
// do not decode become U+FFFD, so the result is always valid UTF-8.
std::string Gb18030ToUtf8(std::string_view bytes);

// Cuts text to at most maxBytes bytes, moving the cut back so that it never
// splits a UTF-8 sequence.
std::string TruncateUtf8(std::string_view text, std::size_t maxBytes);

}  // namespace vex
