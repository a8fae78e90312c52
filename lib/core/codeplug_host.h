// What the codeplug file flows and the write preparation need from the
// program around them: the radio data, the current model state, and the few
// user-interface steps (a question, closing views, letting the open views
// commit the edits they hold into the data).
#pragma once

#include "core/codeplug_header.h"

#include <array>
#include <cstdint>
#include <string>

namespace vex {

class CodeplugHost {
 public:
  using Image = std::array<std::uint8_t, 8192>;
  virtual ~CodeplugHost() = default;

  // Radio data.
  virtual Image& image() = 0;
  virtual void resetToDefaults() = 0;  // clear every record list, then reset
  virtual void decode() = 0;           // image -> container
  virtual void encode() = 0;           // container -> image
  virtual int validate() = 0;          // number of findings

  // Model state and catalogue.
  virtual ModelState modelState() const = 0;
  virtual void setModelState(const ModelState& state) = 0;
  virtual bool isModelSupported(const std::string& modelId) const = 0;
  virtual std::uint8_t currentRangeFlags() const = 0;
  virtual bool loadRangeTable() = 0;  // false when no table could be had
  virtual std::string dataDirectory() const = 0;

  // User interface; the defaults suit a program without views.
  virtual bool confirm(int messageId) {
    (void)messageId;
    return true;
  }
  // Whether replacing the data loses changes; without an answer, assume so.
  virtual bool hasUnsavedChanges() { return true; }
  virtual void closeViews() {}
  // Every open view stores what it shows into the data; the flows call it
  // before they validate, so that what is checked is what is written.
  virtual void commitPendingEdits() {}
  virtual void clearInvalidLog() {}
};

}  // namespace vex
