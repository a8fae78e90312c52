#include "core/codeplug_flows.h"

#include "core/codeplug_reader.h"
#include "core/codeplug_writer.h"
#include "core/data_version.h"
#include "core/image_layout.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>

namespace vex {

using namespace text;

namespace {

FlowOutcome Failed(int messageId) { return {FlowStatus::failed, messageId}; }
FlowOutcome Cancelled() { return {FlowStatus::cancelled, 0}; }

bool IsExistingFile(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

// The views' pending edits go into the data before they are checked, so
// that what validation passes is what is encoded.
bool CommitAndValidate(CodeplugHost& host) {
  host.commitPendingEdits();
  return host.validate() == 0;
}

}  // namespace

CodeplugSession::CodeplugSession(CodeplugHost& host) : host_(host), stamp_(LocalTimeStamp) {}

bool CodeplugSession::setCurrentHeader(const CodeplugHeader& header) {
  if (!header.hasTag()) return false;
  currentHeader_ = header;
  return true;
}

std::string CodeplugSession::defaultDataPath() const {
  const ModelState state = host_.modelState();
  const std::string name = state.modelId + state.freqRange + "DefaultSet.dat";
  return (std::filesystem::path(host_.dataDirectory()) / name).string();
}

FlowOutcome CodeplugSession::newDocument() {
  if (firstNew_) {
    firstNew_ = false;
  } else if (host_.hasUnsavedChanges() && !host_.confirm(kMsgReplaceWithDefaults)) {
    return Cancelled();
  }
  FlowOutcome outcome = loadDefaultData();
  host_.clearInvalidLog();
  return outcome;
}

FlowOutcome CodeplugSession::loadDefaultData() {
  host_.closeViews();
  const std::string path = defaultDataPath();
  ModelState state = host_.modelState();
  state.dataVersion = kProgramDataVersion;
  host_.setModelState(state);
  if (!host_.loadRangeTable()) return Failed(kMsgOutOfMemory);

  host_.resetToDefaults();
  fileName_.clear();

  auto scratch = std::make_unique<CodeplugHost::Image>(host_.image());
  LoadedCounts counts;
  if (LoadCodeplugFile(path, {}, *scratch, counts)) {
    host_.closeViews();
    WriteTimeStamp(*scratch, stamp_());
    host_.image() = *scratch;
    host_.decode();
  }
  return {};
}

FlowOutcome CodeplugSession::open(const std::string& path) { return openFile(path, false); }

FlowOutcome CodeplugSession::openRecent(const std::string& path) { return openFile(path, true); }

FlowOutcome CodeplugSession::openFile(const std::string& path, bool recent) {
  CodeplugHeader header;
  if (!ReadCodeplugHeader(path, header)) {
    if (!recent) return Failed(kMsgFileInvalid);
    FlowOutcome outcome = Failed(kMsgRecentFileUnreadable);
    outcome.removeFromRecentFiles = true;
    return outcome;
  }
  if (!host_.isModelSupported(header.modelId())) return Failed(kMsgModelNotSupported);
  if (header.compareVersionA(kNewestAcceptedVersion) > 0) {
    return Failed(recent ? kMsgFirmwareTooNew : kMsgFileTooNew);
  }

  auto scratch = std::make_unique<CodeplugHost::Image>(host_.image());
  LoadedCounts counts;
  if (!LoadCodeplugFile(path, {}, *scratch, counts)) return Failed(kMsgFileInvalid);

  // Everything is checked and read: only now does the data change.
  ModelState state;
  state.modelId = header.modelId();
  state.modelName = header.modelName();
  state.freqRange = header.rangeText();
  state.signal = header.signalling();
  state.dataVersion = header.versionA();
  host_.setModelState(state);
  fileName_ = path;

  host_.closeViews();
  if (header.compareVersionA(kDosByteVersion) < 0) (*scratch)[layout::kDos.first] = 0;
  host_.image() = *scratch;
  host_.decode();

  FlowOutcome outcome;
  outcome.addToRecentFiles = !recent;
  return outcome;
}

FlowOutcome PrepareRadioWrite(CodeplugHost& host) {
  if (!CommitAndValidate(host)) return Failed(kMsgDataInvalid);
  host.encode();
  return {};
}

FlowOutcome CodeplugSession::save(const SaveAsPrompt& prompt) {
  if (!CommitAndValidate(host_)) return Failed(kMsgDataInvalid);
  if (!IsExistingFile(fileName_)) return saveAsValidated(prompt);
  host_.encode();
  return write(fileName_, BuildSaveHeader(host_.modelState()), std::string());
}

FlowOutcome CodeplugSession::saveTo(const std::string& path, const std::string& comment) {
  if (!CommitAndValidate(host_)) return Failed(kMsgDataInvalid);
  host_.encode();
  FlowOutcome outcome = write(path, BuildSaveHeader(host_.modelState()), comment);
  if (outcome.ok()) fileName_ = path;
  return outcome;
}

FlowOutcome CodeplugSession::saveAs(const SaveAsPrompt& prompt) {
  if (!CommitAndValidate(host_)) return Failed(kMsgDataInvalid);
  return saveAsValidated(prompt);
}

// The views have committed their edits and the data passed validation; the
// modal save dialog lets nothing change them in between.
FlowOutcome CodeplugSession::saveAsValidated(const SaveAsPrompt& prompt) {
  const CodeplugHeader header = BuildSaveAsHeader(host_.modelState(), host_.currentRangeFlags());
  const std::optional<SaveAsChoice> choice = prompt ? prompt(header) : std::nullopt;
  if (!choice) return Cancelled();
  host_.encode();
  FlowOutcome outcome = write(choice->path, header, choice->comment);
  if (!outcome.ok()) return outcome;
  // The document takes the new name only once the file is written.
  fileName_ = choice->path;
  outcome.addToRecentFiles = true;
  return outcome;
}

FlowOutcome CodeplugSession::write(const std::string& path, const CodeplugHeader& header, const std::string& comment) {
  if (!setCurrentHeader(header)) return Failed(kMsgFileNotWritten);
  if (!WriteCodeplugFile(path, currentHeader_, {}, host_.image(), comment)) {
    FlowOutcome failed = Failed(kMsgFileNotWritten);
    failed.reason = path + ": " + std::strerror(errno);
    return failed;
  }
  return {};
}

}  // namespace vex
