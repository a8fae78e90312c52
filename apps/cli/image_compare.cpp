#include "image_compare.h"

#include "link/link_trace.h"

#include <algorithm>
#include <cstdio>

namespace vex::cli {

namespace {

std::string AddressText(const ImageField& field) {
  char text[32];
  if (field.length == 1) {
    std::snprintf(text, sizeof text, "0x%04zX", field.first);
  } else {
    std::snprintf(text, sizeof text, "0x%04zX..0x%04zX", field.first, field.first + field.length - 1);
  }
  return text;
}

}  // namespace

std::vector<FieldDifference> CompareImages(const Image& a, const Image& b, const std::vector<layout::Region>& within) {
  std::vector<FieldDifference> differences;
  for (const layout::Region& region : within) {
    for (std::size_t address = region.first; address < region.end() && address < a.size(); ++address) {
      if (a[address] == b[address]) continue;
      const ImageField field = FieldAt(address);
      // Addresses ascend, so a field seen before is the last one listed.
      if (!differences.empty() && differences.back().field.first == field.first) continue;
      const auto from = static_cast<std::ptrdiff_t>(field.first);
      const auto to = static_cast<std::ptrdiff_t>(std::min(field.first + field.length, a.size()));
      differences.push_back({field, {a.begin() + from, a.begin() + to}, {b.begin() + from, b.begin() + to}});
    }
  }
  return differences;
}

void PrintDifferences(std::ostream& out, const std::vector<FieldDifference>& differences) {
  std::size_t nameWidth = 0;
  std::size_t addressWidth = 0;
  for (const FieldDifference& d : differences) {
    nameWidth = std::max(nameWidth, d.field.name.size());
    addressWidth = std::max(addressWidth, AddressText(d.field).size());
  }
  for (const FieldDifference& d : differences) {
    const std::string address = AddressText(d.field);
    out << d.field.name << std::string(nameWidth - d.field.name.size() + 2, ' ') << address
        << std::string(addressWidth - address.size() + 2, ' ') << HexBytes(d.a) << " -> " << HexBytes(d.b) << '\n';
  }
}

nlohmann::ordered_json DifferencesJson(const std::vector<FieldDifference>& differences) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const FieldDifference& d : differences) {
    nlohmann::ordered_json entry;
    entry["field"] = d.field.name;
    entry["address"] = d.field.first;
    entry["length"] = d.field.length;
    entry["a"] = HexBytes(d.a);
    entry["b"] = HexBytes(d.b);
    list.push_back(entry);
  }
  return list;
}

}  // namespace vex::cli
