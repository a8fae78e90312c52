// The whole content of a codeplug file the program keeps: its header, its
// comment and the memory image.
#pragma once

#include <string>

#include "core/codeplug_header.h"
#include "core/image_codec.h"

namespace vex {

struct CodeplugDocument {
  CodeplugHeader header;
  std::string comment;
  Image image{};
};

enum class DocumentLoad { Loaded, Missing, Invalid };

// Reads a codeplug file: Missing when there is no such file, Invalid when it
// is not a codeplug file or is damaged.
DocumentLoad LoadCodeplugDocument(const std::string& path, CodeplugDocument& document);

// Writes the document as a codeplug file (no spare bytes, as the program
// saves), with exactly its comment: an empty one replaces the comment of a
// file already at `path`.
bool SaveCodeplugDocument(const std::string& path, const CodeplugDocument& document);

}  // namespace vex
