#include "json_output.h"

namespace vex::cli {

nlohmann::ordered_json JsonDocument() {
  nlohmann::ordered_json document = nlohmann::ordered_json::object();
  document["format_version"] = kJsonFormatVersion;
  return document;
}

void PrintJson(std::ostream& out, const nlohmann::ordered_json& document) {
  out << document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

}  // namespace vex::cli
