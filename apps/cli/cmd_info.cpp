// info FILE [--json]: the header and comment of a codeplug file.
#include "cli_commands.h"
#include "input_file.h"
#include "json_output.h"

#include "base/range_entry.h"
#include "base/terminal_text.h"
#include "core/codeplug_flows.h"
#include "core/codeplug_reader.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>

namespace vex::cli {

int RunInfo(Environment& env, const CliOptions& options) {
  const InputFile input(options.files[0]);
  if (!input.ready()) return input.fail(env);
  const std::string& file = input.path();
  CodeplugHeader header;
  // A file whose image block cannot be loaded is as unusable as one
  // without a header, so both are checked.
  auto image = std::make_unique<std::array<std::uint8_t, 8192>>();
  LoadedCounts counts;
  if (!ReadCodeplugHeader(file, header) || !LoadCodeplugFile(file, {}, *image, counts)) {
    return env.fail(text::kMsgFileInvalid, input.shownName());
  }
  std::string comment;
  ReadCodeplugComment(file, comment);

  if (options.json) {
    nlohmann::ordered_json json = JsonDocument();
    json["model_id"] = header.modelId();
    json["model_name"] = header.modelName();
    json["range_low"] = header.rangeLow();
    json["range_high"] = header.rangeHigh();
    json["range"] = RangeText(header.rangeLow(), header.rangeHigh());
    json["data_version"] = header.versionA();  // what Open takes as the data version
    json["version_a"] = header.versionA();
    json["version_b"] = header.versionB();
    json["range_flags"] = header.rangeFlags();
    json["signalling"] = header.signalling();
    json["comment"] = comment;
    PrintJson(env.out(), json);
    return kExitOk;
  }
  char flags[8];
  std::snprintf(flags, sizeof flags, "0x%02X", header.rangeFlags());
  env.out() << "Model ID:    " << TerminalSafe(header.modelId()) << '\n'
            << "Model name:  " << TerminalSafe(header.modelName()) << '\n'
            << "Range:       " << header.rangeLow() << '-' << header.rangeHigh() << " MHz\n"
            << "Version A:   " << TerminalSafe(header.versionA()) << '\n'
            << "Version B:   " << TerminalSafe(header.versionB()) << '\n'
            << "Range flags: " << flags << '\n'
            << "Signalling:  " << header.signalling() << '\n'
            << "Comment:     ";
  // A comment may hold several lines; each is made safe and lined up under the first.
  for (std::size_t start = 0, end; start <= comment.size(); start = end + 1) {
    end = std::min(comment.find('\n', start), comment.size());
    if (start > 0) env.out() << "\n             ";
    env.out() << TerminalSafe(std::string_view(comment).substr(start, end - start));
  }
  env.out() << '\n';
  return kExitOk;
}

}  // namespace vex::cli
