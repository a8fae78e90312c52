// info FILE [--json]: the header and comment of a codeplug file.
#include "cli_commands.h"
#include "json_writer.h"

#include "core/codeplug_flows.h"
#include "core/codeplug_reader.h"

#include <array>
#include <cstdio>
#include <memory>

namespace vex::cli {

int RunInfo(Environment& env, const ParsedArgs& args) {
  const std::string& file = args.positional()[0];
  CodeplugHeader header;
  // A file whose image block cannot be loaded is as unusable as one
  // without a header, so both are checked.
  auto image = std::make_unique<std::array<std::uint8_t, 8192>>();
  LoadedCounts counts;
  if (!ReadCodeplugHeader(file, header) || !LoadCodeplugFile(file, {}, *image, counts)) {
    return env.fail(text::kMsgFileInvalid, file);
  }
  std::string comment;
  ReadCodeplugComment(file, comment);

  if (args.has("json")) {
    JsonWriter json(env.out());
    json.beginObject()
        .field("model_id", header.modelId())
        .field("model_name", header.modelName())
        .field("range_low", header.rangeLow())
        .field("range_high", header.rangeHigh())
        .field("version_a", header.versionA())
        .field("version_b", header.versionB())
        .field("range_flags", static_cast<int>(header.rangeFlags()))
        .field("signalling", header.signalling())
        .field("comment", comment)
        .endObject();
    return kExitOk;
  }
  char flags[8];
  std::snprintf(flags, sizeof flags, "0x%02X", header.rangeFlags());
  env.out() << "Model ID:    " << header.modelId() << '\n'
            << "Model name:  " << header.modelName() << '\n'
            << "Range:       " << header.rangeLow() << '-' << header.rangeHigh() << " MHz\n"
            << "Version A:   " << header.versionA() << '\n'
            << "Version B:   " << header.versionB() << '\n'
            << "Range flags: " << flags << '\n'
            << "Signalling:  " << header.signalling() << '\n'
            << "Comment:     " << comment << '\n';
  return kExitOk;
}

}  // namespace vex::cli
