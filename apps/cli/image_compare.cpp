#include "image_compare.h"

#include <cstdio>

namespace vex::cli {

namespace {

std::string Hex(std::size_t address) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%04zX", address);
  return text;
}

}  // namespace

void PrintComparison(std::ostream& out, const ImageComparison& comparison) {
  for (const FieldChange& c : comparison.fields) out << c.path << ": " << c.a << " -> " << c.b << '\n';
  if (comparison.addresses.empty()) return;
  out << "bytes:";
  for (const AddressRange& r : comparison.addresses)
    out << ' ' << Hex(r.first) << (r.last == r.first ? "" : ".." + Hex(r.last));
  out << '\n';
}

void AddComparisonJson(nlohmann::ordered_json& document, const ImageComparison& comparison) {
  nlohmann::ordered_json fields = nlohmann::ordered_json::array();
  for (const FieldChange& c : comparison.fields)
    fields.push_back({{"record", c.record}, {"field", c.key}, {"path", c.path}, {"a", c.a}, {"b", c.b}});
  nlohmann::ordered_json addresses = nlohmann::ordered_json::array();
  for (const AddressRange& r : comparison.addresses) addresses.push_back({{"first", r.first}, {"last", r.last}});
  document["fields"] = fields;
  document["addresses"] = addresses;
}

}  // namespace vex::cli
