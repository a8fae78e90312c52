#include "core/sections/radio_info_section.h"

#include "base/field_text.h"
#include "core/schema/schema_table.h"

namespace vex {

std::string RadioInfoSection::modelName() const {
  return TextOfField(FieldBytes(SchemaField(FieldArea::RadioInfo, "model_name"), bytes()));
}

std::string RadioInfoSection::serialNumber() const {
  return TextOfField(FieldBytes(SchemaField(FieldArea::RadioInfo, "serial_number"), bytes()));
}

bool RadioInfoSection::isVhf() const { return ReadField(SchemaField(FieldArea::RadioInfo, "vhf"), bytes()) != 0; }

}  // namespace vex
