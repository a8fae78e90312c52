#include "config/language_selection.h"
#include "config/language_texts.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using vex::LanguageTexts;
using vex::SelectLanguageFile;
using vex::TextFamily;
using vex::test::TempDir;

class LanguageSelectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.write("VEX_E.lng", "[Setting]\nLanguage=English\nLanguageList=English,German\nHelpFile=help_E.chm\n");
    dir.write("VEX_G.lng", "[Setting]\nLanguage=German\nLanguageList=English,German\nHelpFile=help_G.chm\n");
  }
  TempDir dir;
};

TEST_F(LanguageSelectionTest, PicksTheFileThatListsItselfAtTheIndex) {
  const auto german = SelectLanguageFile(dir.path(), 1);
  EXPECT_EQ(german.file, dir / "VEX_G.lng");
  EXPECT_EQ(german.name, "German");
  EXPECT_EQ(german.index, 1);
  EXPECT_EQ(german.helpFile, "help_G.chm");
  const auto english = SelectLanguageFile(dir.path(), 0);
  EXPECT_EQ(english.file, dir / "VEX_E.lng");
  EXPECT_EQ(english.name, "English");
}

TEST_F(LanguageSelectionTest, NoMatchFallsBackToEnglishAtIndexZero) {
  for (int index : {2, -1, 1000}) {
    const auto selection = SelectLanguageFile(dir.path(), index);
    EXPECT_EQ(selection.file, dir / "VEX_E.lng");
    EXPECT_EQ(selection.name, "English");
    EXPECT_EQ(selection.index, 0);
  }
}

TEST_F(LanguageSelectionTest, FilesAreVisitedInNameOrderAndDirectoriesSkipped) {
  std::filesystem::create_directory(dir / "A_dir.lng");
  dir.write("B_other.LNG", "[Setting]\nLanguage=German\nLanguageList=English,German\n");
  EXPECT_EQ(SelectLanguageFile(dir.path(), 1).file, dir / "B_other.LNG");
}

TEST_F(LanguageSelectionTest, AbsentLanguageNameMeansEnglishAndListItemsStandAsWritten) {
  dir.write("VEX_E.lng", "[Setting]\nLanguageList=English, German\n");
  dir.write("VEX_G.lng", "[Setting]\nLanguage=German\nLanguageList=English, German\n");
  const auto first = SelectLanguageFile(dir.path(), 0);
  EXPECT_EQ(first.file, dir / "VEX_E.lng");
  EXPECT_FALSE(first.helpFile);
  // " German" is not "German": nothing matches index 1.
  EXPECT_EQ(SelectLanguageFile(dir.path(), 1).index, 0);
}

TEST_F(LanguageSelectionTest, ALocaleSelectsTheFileThatNamesItsLanguageCode) {
  dir.write("VEX_G.lng", "[Setting]\nLanguage=German\nLanguageList=English,German\nLocale=de,gsw\n");
  struct Case {
    const char* locale;
    int index;
  };
  for (const Case& c : {Case{"de_DE.UTF-8", 1}, Case{"DE", 1}, Case{"gsw_CH", 1}, Case{"de@euro", 1},
                        Case{"fr_FR.UTF-8", 0}, Case{"C.UTF-8", 0}, Case{"POSIX", 0}, Case{"", 0}, Case{"d", 0}})
    EXPECT_EQ(vex::LanguageIndexForLocale(dir.path(), c.locale), c.index) << c.locale;
}

TEST(LanguageTexts, KeysHaveFiveDigits) {
  EXPECT_EQ(LanguageTexts::keyOf("S02", 128), "S0200128");
  EXPECT_EQ(LanguageTexts::keyOf("S01", 810), "S0100810");
  TempDir dir;
  const LanguageTexts texts(dir.write("t.lng",
                                      "[Setting]\nS0200128=Channel\nS0100810=Saved.\nS0300610=X5\n"
                                      "S0200129=\n"));
  EXPECT_EQ(texts.labelText(128), "Channel");
  EXPECT_EQ(texts.messageText(810), "Saved.");
  EXPECT_EQ(texts.messageText(128), "");
  EXPECT_EQ(texts.modelText(610), "X5");

  std::string text = "template";
  EXPECT_FALSE(texts.textWithPresence(130, TextFamily::Label, text));
  EXPECT_EQ(text, "template");
  EXPECT_TRUE(texts.textWithPresence(129, TextFamily::Label, text));
  EXPECT_EQ(text, "");
  EXPECT_TRUE(texts.textWithPresence(810, TextFamily::Message, text));
  EXPECT_EQ(text, "Saved.");
}

TEST(LanguageTexts, ModelSupportAndDisableFlags) {
  TempDir dir;
  const LanguageTexts texts(dir.write("t.lng",
                                      "[Setting]\nS0300610=X5\n[X5]\nS0001201=1\nS0001202=0\nS0001203=abc\n"
                                      "[x5-old]\nS0001202=1\n"));
  EXPECT_TRUE(texts.isModelSupported("X5"));
  EXPECT_FALSE(texts.isModelSupported("x5"));
  EXPECT_FALSE(texts.isModelSupported(""));
  EXPECT_TRUE(texts.isControlDisabled("X5", 1201));
  EXPECT_FALSE(texts.isControlDisabled("X5", 1202));
  EXPECT_FALSE(texts.isControlDisabled("X5", 1203));
  EXPECT_FALSE(texts.isControlDisabled("X5", 1204));
  EXPECT_TRUE(texts.isControlDisabled("X5-OLD", 1202));

  // Without a language file nothing is supported, not even the empty model ID.
  const LanguageTexts none(dir / "missing.lng");
  EXPECT_FALSE(none.isModelSupported(""));
  EXPECT_EQ(none.labelText(1), "");
}

TEST(LanguageTexts, TextListsAndOptionLists) {
  TempDir dir;
  const LanguageTexts texts(dir.write("t.lng",
                                      "[Setting]\nS0201039=English,E;German,G;Chinese;\n"
                                      "S0201400=0.Off;1.On\n"));
  EXPECT_EQ(texts.textList(1039), (std::vector<std::string>{"English", "German", "Chinese"}));
  EXPECT_TRUE(texts.textList(9999).empty());
  EXPECT_EQ(texts.optionList(1400).valueToText(1), "On");
}

}  // namespace
