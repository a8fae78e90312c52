#include "core/sections/embedded_section.h"

#include "base/field_text.h"

namespace vex {
namespace {

// The section's texts in field order.
const FieldDef* TextField(std::size_t field) {
  const std::vector<const FieldDef*> fields = FieldsOf(FieldArea::Embedded);
  return field < fields.size() ? fields[field] : nullptr;
}

}  // namespace

std::string EmbeddedSection::text(std::size_t field) const {
  const FieldDef* def = TextField(field);
  if (!def) return {};
  const auto bytes = FieldBytes(*def, this->bytes());
  if (bytes[0] == layout::kErased) return {};
  std::string text = TextOfField(bytes);
  const auto end = text.find_last_not_of(" \t\r\n");
  text.erase(end == std::string::npos ? 0 : end + 1);
  return text;
}

void EmbeddedSection::setText(std::size_t field, const std::string& text) {
  if (const FieldDef* def = TextField(field)) WriteFieldText(*def, bytes(), text, ' ');
}

}  // namespace vex
