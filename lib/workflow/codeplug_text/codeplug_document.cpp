#include "workflow/codeplug_text/codeplug_document.h"

#include <filesystem>

#include "core/codeplug_reader.h"
#include "core/codeplug_writer.h"

namespace vex {

DocumentLoad LoadCodeplugDocument(const std::string& path, CodeplugDocument& document) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return DocumentLoad::Missing;
  CodeplugDocument loaded;
  LoadedCounts counts;
  if (!ReadCodeplugHeader(path, loaded.header) || !LoadCodeplugFile(path, {}, loaded.image, counts))
    return DocumentLoad::Invalid;
  ReadCodeplugComment(path, loaded.comment);
  document = std::move(loaded);
  return DocumentLoad::Loaded;
}

bool SaveCodeplugDocument(const std::string& path, const CodeplugDocument& document) {
  return WriteCodeplugFile(path, document.header, {}, document.image, document.comment, {}, EmptyComment::Write);
}

}  // namespace vex
