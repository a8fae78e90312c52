// The notice before a write names each password the data set, in the order
// read, write/tune/dealer, power-on/keylock, and ends with the closing line.
#include "link/write_warning.h"
#include "base/text_ids.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

std::string Label(int id) { return "<" + std::to_string(id) + ">"; }

TEST(WriteWarning, ListsTheSetPasswordsThenTheClosingLine) {
  PasswordSection passwords;
  EXPECT_EQ(WriteWarningText(passwords, Label), "");

  passwords.setText(PasswordSection::kPowerOn, "1");
  passwords.setText(PasswordSection::kRead, "22");
  passwords.storeTexts();
  EXPECT_EQ(WriteWarningText(passwords, Label), "<6740>\n<6742>\n<6743>");

  passwords.setText(PasswordSection::kWrite, "333");
  passwords.storeTexts();
  EXPECT_EQ(WriteWarningText(passwords, Label), "<6740>\n<6741>\n<6742>\n<6743>");
}

}  // namespace
}  // namespace vex
