#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>

#include "gui_test_support.h"
#include "toolkit/control_id.h"
#include "toolkit/edits.h"
#include "toolkit/form_builder.h"
#include "toolkit/title_fit.h"
#include "toolkit/translate.h"

namespace vex::gui {
namespace {

using K = ControlKind;
constexpr ControlDef kControls[] = {
    {1405, K::Label, "Gain", 10, 10, 40, 10},
    {1406, K::Combo, "", 60, 10, 40, 12},
    {1409, K::Check, "Template text", 10, 30, 80, 10},
    {1500, K::Label, "Keeps its text", 10, 50, 80, 10},
};
constexpr FormDef kForm{77, "Form", 120, 70, kControls};

TEST(FormBuilder, TagsEveryControlAndPlacesItInDialogUnits) {
  test::DataDir data;
  QWidget form;
  buildForm(&form, kForm);
  QWidget* label = findControl(&form, 1405);
  QWidget* check = findControl(&form, 1409);
  ASSERT_NE(label, nullptr);
  ASSERT_NE(qobject_cast<QComboBox*>(findControl(&form, 1406)), nullptr);
  ASSERT_NE(qobject_cast<QCheckBox*>(check), nullptr);
  EXPECT_EQ(controlId(check), 1409);
  // Same x in dialog units gives the same pixel x; the form is sized from the template.
  EXPECT_EQ(label->x(), check->x());
  EXPECT_LT(label->y(), check->y());
  EXPECT_EQ(form.size(), dialogUnitsToPixels(&form, 0, 0, 120, 70).size());
}

TEST(FormBuilder, TranslationAppliesTextsOptionsAndDisableFlags) {
  test::DataDir data;
  data.addLanguageLine("[PX446]");
  data.addLanguageLine("S0001500=1");
  QWidget form;
  buildForm(&form, kForm);
  translateWindow(&form, 77);
  auto* combo = findControlAs<QComboBox>(&form, 1406);
  ASSERT_EQ(combo->count(), 6);
  EXPECT_EQ(combo->itemText(3), "Level 3");
  EXPECT_EQ(combo->itemData(3).toLongLong(), 3);
  EXPECT_EQ(findControlAs<QCheckBox>(&form, 1409)->text(), "VOX Inhibit On Receive");
  // No text for 1500: it keeps the template text but its disable flag still counts.
  auto* kept = findControlAs<QLabel>(&form, 1500);
  EXPECT_EQ(kept->text(), "Keeps its text");
  EXPECT_FALSE(kept->isEnabled());
}

TEST(Edits, ByteLimitedEditCutsAtCharacterBoundaries) {
  ByteLimitedEdit edit;
  edit.setMaxBytes(5);
  edit.setText("abcdefgh");
  EXPECT_EQ(edit.text(), "abcde");
  EXPECT_EQ(edit.cursorPosition(), 5);
  // Two-byte characters are never split.
  edit.setText(QString::fromUtf8("ab\xC3\xA9\xC3\xA9"));
  EXPECT_EQ(edit.text(), QString::fromUtf8("ab\xC3\xA9"));
  edit.setMaxBytes(1000);
  EXPECT_EQ(edit.maxBytes(), 255);
}

TEST(Edits, CharacterFilterRefusesForeignText) {
  CharFilterEdit edit;
  edit.insert("12a3");  // as a paste: refused as a whole
  EXPECT_EQ(edit.text(), "");
  edit.insert("123");
  EXPECT_EQ(edit.text(), "123");
}

TEST(Edits, DigitPairEditPacksTwoDigitsPerByte) {
  DigitPairEdit edit;
  edit.setBytes({0x12, 0x34, 0x56, 0x78, 0x90, 0x12});
  EXPECT_EQ(edit.text(), "123456789012");
  edit.setText("12345");
  EXPECT_EQ(edit.bytes(), (std::vector<std::uint8_t>{0x00, 0x00, 0x00, 0x01, 0x23, 0x45}));
}

TEST(Edits, RangeEditRoundsToStepAndClamps) {
  RangeEdit edit;
  edit.setRule({10, 5, 50, 1, 2, 1, 0});
  edit.setText("23");
  EXPECT_EQ(edit.raw(), 2 + (20 - 10) / 5);
  EXPECT_EQ(edit.text(), "20");
  edit.setText("999");
  EXPECT_EQ(edit.raw(), 2 + 8);
  EXPECT_EQ(edit.text(), "50");
  edit.setText("-4");
  EXPECT_EQ(edit.raw(), 2);
  EXPECT_EQ(edit.text(), "10");
  edit.setRaw(5);
  EXPECT_EQ(edit.text(), "25");
}

TEST(Edits, RangeEditWithDecimalsKeepsItsFormat) {
  RangeEdit edit;
  edit.setRule({0, 5, 20, 10, 0, 1, 1});
  edit.setRaw(3);
  EXPECT_EQ(edit.text(), "1.5");
  edit.setText("1.5");
  EXPECT_EQ(edit.raw(), 3);
  EXPECT_EQ(edit.text(), "1.5");
}

TEST(Edits, RangeEditWithOffMapsZeroToTheOffWord) {
  test::DataDir data;
  data.addLanguageLine("S0101174=Off");
  RangeOffEdit edit;
  edit.setRule({1, 1, 10, 1, 0, 1, 0});
  edit.setRaw(0);
  EXPECT_EQ(edit.text(), "Off");
  for (const char* off : {"", "Off", "0", "abc"}) {
    edit.setText(off);
    EXPECT_EQ(edit.raw(), 0) << off;
    EXPECT_EQ(edit.text(), "Off");
  }
  edit.setText("7");
  EXPECT_EQ(edit.raw(), 6);
  edit.setRaw(4);
  EXPECT_EQ(edit.text(), "5");
}

}  // namespace
}  // namespace vex::gui

namespace vex::gui {
namespace {

TEST(TitleFit, MessageAndProgressBoxesGrowToTheirTitlesOtherDialogsKeepTheirSize) {
  fitDialogsToTheirTitles();
  const QString title = QStringLiteral("vexprog - [/home/someone/radios/a rather long folder name/radio.dat]");
  QMessageBox message(QMessageBox::Warning, title, QStringLiteral("OK?"));
  QProgressDialog busy;
  QDialog other;
  for (QDialog* dialog : {static_cast<QDialog*>(&message), static_cast<QDialog*>(&busy), &other}) {
    dialog->setWindowTitle(title);
    dialog->resize(100, 80);
    dialog->show();
  }
  QApplication::processEvents();  // the boxes grow once they have sized themselves
  EXPECT_GE(message.width(), widthForTitle(message));
  EXPECT_GE(busy.width(), widthForTitle(busy));
  EXPECT_EQ(other.width(), 100);
}

}  // namespace
}  // namespace vex::gui
