#include "core/sections/password_section.h"

#include "base/field_text.h"
#include "core/schema/schema_table.h"

namespace vex {
namespace {

constexpr std::array<const FieldDef*, 3> kPasswords{&SchemaField(FieldArea::Passwords, "power_on_password"),
                                                    &SchemaField(FieldArea::Passwords, "write_password"),
                                                    &SchemaField(FieldArea::Passwords, "read_password")};
static_assert(kPasswords[0]->width == PasswordSection::kFieldLength);

}  // namespace

void PasswordSection::reset() {
  SchemaSection::reset();
  loadTexts();
}

void PasswordSection::loadTexts() {
  for (std::size_t i = 0; i < texts_.size(); ++i) {
    texts_[i] = TextOfField(FieldBytes(*kPasswords[i], bytes()));
    flags_[i] = !texts_[i].empty();
  }
}

void PasswordSection::storeTexts() {
  for (std::size_t i = 0; i < texts_.size(); ++i) {
    WriteFieldText(*kPasswords[i], bytes(), texts_[i]);
    flags_[i] = !texts_[i].empty();
  }
}

}  // namespace vex
