#include "link/write_warning.h"

#include "base/text_ids.h"

namespace vex {

std::string WriteWarningText(const PasswordSection& passwords, const TextLookup& labels) {
  struct Line {
    PasswordSection::Which which;
    int labelId;
  };
  static constexpr Line kLines[] = {
      {PasswordSection::kRead, text::kNoticeReadPassword},
      {PasswordSection::kWrite, text::kNoticeWritePassword},
      {PasswordSection::kPowerOn, text::kNoticePowerOnPassword},
  };
  std::string notice;
  for (const Line& line : kLines) {
    if (passwords.isSet(line.which)) notice += LookUp(labels, line.labelId) + "\n";
  }
  if (notice.empty()) return notice;
  return notice + LookUp(labels, text::kNoticeClosing);
}

}  // namespace vex
