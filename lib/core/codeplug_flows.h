// New, Open, recent-file Open, Save and Save As over codeplug files. Each
// flow returns an outcome with the message text the caller shows; questions
// go to the host.
#pragma once

#include "base/text_ids.h"
#include "core/codeplug_header.h"
#include "core/codeplug_host.h"
#include "core/time_stamp.h"

#include <functional>
#include <optional>
#include <string>

namespace vex {

enum class FlowStatus { ok, cancelled, failed };

struct FlowOutcome {
  FlowStatus status = FlowStatus::ok;
  int messageId = 0;  // message text to show; 0 = none
  std::string reason = {};  // why a file could not be written (the system's text), shown under the message
  bool addToRecentFiles = false;
  bool removeFromRecentFiles = false;

  bool ok() const { return status == FlowStatus::ok; }
};

// Where Save As writes, and the comment typed for the file.
struct SaveAsChoice {
  std::string path;
  std::string comment;
};
// Shown the header Save As prepared; returns the choice, or nothing to cancel.
using SaveAsPrompt = std::function<std::optional<SaveAsChoice>(const CodeplugHeader&)>;

// Before a write to the radio: the views commit their edits, the data are
// validated (message 814 and nothing encoded while findings exist) and
// encoded into the image the write sends.
FlowOutcome PrepareRadioWrite(CodeplugHost& host);

class CodeplugSession {
 public:
  explicit CodeplugSession(CodeplugHost& host);

  // File New: every New but the first asks message 800 before it replaces
  // the data with the default data, when the data hold unsaved changes.
  FlowOutcome newDocument();
  // Replaces the data with the default data file of the current model and
  // range, or with the reset defaults when that file cannot be loaded.
  FlowOutcome loadDefaultData();

  // A failed Open changes nothing: the file is checked and its image read
  // into a scratch buffer before the model state, the file name and the
  // container take anything from it.
  FlowOutcome open(const std::string& path);
  FlowOutcome openRecent(const std::string& path);

  // Save writes to the current file; without one (or when it has gone) it
  // continues as Save As. Both let the views commit their edits first and
  // write nothing while validation finds faults (message 814).
  FlowOutcome save(const SaveAsPrompt& prompt);
  FlowOutcome saveAs(const SaveAsPrompt& prompt);
  // Writes the data to `path` with the header Save builds; an empty comment
  // keeps the comment of a file already there.
  FlowOutcome saveTo(const std::string& path, const std::string& comment);

  const std::string& fileName() const { return fileName_; }
  // The data no longer come from the file (a radio was read into them):
  // the next Save asks where to write.
  void forgetFileName() { fileName_.clear(); }
  const CodeplugHeader& currentHeader() const { return currentHeader_; }
  // Succeeds only for a header that starts with the header tag.
  bool setCurrentHeader(const CodeplugHeader& header);
  std::string defaultDataPath() const;

  // The programming time stamp New writes into the default image (image
  // bytes 32..39); the computer's local time by default.
  using StampSource = std::function<TimeStamp()>;
  void setStampSource(StampSource source) { stamp_ = std::move(source); }

 private:
  FlowOutcome openFile(const std::string& path, bool recent);
  FlowOutcome saveAsValidated(const SaveAsPrompt& prompt);
  FlowOutcome write(const std::string& path, const CodeplugHeader& header, const std::string& comment);

  CodeplugHost& host_;
  std::string fileName_;
  CodeplugHeader currentHeader_;
  bool firstNew_ = true;
  StampSource stamp_;
};

}  // namespace vex
