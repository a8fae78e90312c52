#include "workflow/write_summary.h"

#include "base/text_ids.h"
#include "config/safe_format.h"

namespace vex {

std::string WriteSummary(const WriteFacts& facts, const TextLookup& message) {
  std::string origin;
  switch (facts.origin.source) {
    case DataOrigin::Source::File:
      origin = formatText(LookUp(message, text::kMsgWriteOriginFile), facts.origin.file);
      break;
    case DataOrigin::Source::Radio:
      origin = formatText(LookUp(message, text::kMsgWriteOriginRadio), facts.origin.readAt);
      break;
    case DataOrigin::Source::Defaults: origin = LookUp(message, text::kMsgWriteOriginDefaults); break;
  }
  return formatText(LookUp(message, text::kMsgWriteModel), facts.model) + '\n' +
         formatText(LookUp(message, text::kMsgWriteBand), facts.band) + '\n' +
         formatText(LookUp(message, text::kMsgWritePort), facts.port) + '\n' + origin;
}

std::string ReadSummary(const std::string& model, const std::string& band, const std::string& port,
                        const TextLookup& message) {
  return formatText(LookUp(message, text::kMsgWriteModel), model) + '\n' +
         formatText(LookUp(message, text::kMsgWriteBand), band) + '\n' +
         formatText(LookUp(message, text::kMsgReadPort), port);
}

std::string ReadStatusLine(const std::string& model, const std::string& port, int channels, const TextLookup& message) {
  const std::string facts = model + ", " + port + ", " + formatText(LookUp(message, text::kMsgChannelCount), channels);
  return formatText(LookUp(message, text::kMsgReadStatus), facts);
}

}  // namespace vex
