#pragma once
// Shared set-up of the personality and scan view tests.
#include <gtest/gtest.h>
#include <QComboBox>

#include <fstream>
#include <initializer_list>
#include <string>

#include "gui_test_support.h"
#include "toolkit/control_id.h"

namespace vex::gui::test {

// Adds the shipped English label texts of `ids` to the test language file.
inline void addShippedTexts(DataDir& data, std::initializer_list<int> ids) {
  for (int id : ids) {
    const std::string key = "S02" + std::to_string(100000 + id).substr(1) + "=";
    std::ifstream shipped(std::string(VEX_DATA_DIR) + "/VEX_E.lng");
    for (std::string line; std::getline(shipped, line);)
      if (line.rfind(key, 0) == 0) data.addLanguageLine(line);
  }
}

// Chooses entry `index` of a list as the user does.
inline void choose(QWidget* root, int id, int index) {
  auto* combo = findControlAs<QComboBox>(root, id);
  ASSERT_NE(combo, nullptr) << id;
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}

inline void chooseText(QWidget* root, int id, const QString& text) {
  auto* combo = findControlAs<QComboBox>(root, id);
  ASSERT_NE(combo, nullptr) << id;
  const int index = combo->findText(text);
  ASSERT_GE(index, 0) << id << " " << text.toStdString();
  choose(root, id, index);
}

}  // namespace vex::gui::test
