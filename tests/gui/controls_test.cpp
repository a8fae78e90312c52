// The generic controls of the form views: style flags and limits from the
// template table, spin buttons, painted areas, image buttons, and the edits
// whose values are raw numbers and bytes.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "gui_test_support.h"
#include "toolkit/control_id.h"
#include "toolkit/controls.h"
#include "toolkit/edits.h"
#include "toolkit/form_builder.h"
#include "views/property_page.h"

namespace vex::gui {
namespace {

using K = ControlKind;

QWidget* makeSpecialLabel(QWidget* parent) { return new QLabel("made by the view", parent); }

constexpr ControlDef kStyled[] = {
    {10, K::Edit, "", 0, 0, 50, 12, kStyleHidden},
    {11, K::Edit, "", 0, 14, 50, 12, kStyleReadOnly, 4},
    {12, K::Edit, "", 0, 28, 50, 36, kStyleMultiLine | kStyleReadOnly},
    {13, K::EditableCombo, "", 0, 70, 50, 12, 0, 3, "01234567"},
    {14, K::ImageButton, "Copy to transmit", 0, 84, 20, 14, 0, 0, nullptr, 3683},
    {15, K::Custom, "", 0, 100, 80, 12, 0, 0, nullptr, 0, makeSpecialLabel},
    {16, K::DigitPairEdit, "", 0, 114, 50, 12, 0, 4},
};
constexpr FormDef kStyledForm{1, "Styled", 100, 130, kStyled};

TEST(FormBuilder, StyleFlagsAndLimitsComeFromTheTemplateTable) {
  QWidget form;
  buildForm(&form, kStyledForm);
  EXPECT_TRUE(findControl(&form, 10)->isHidden());
  auto* readOnly = findControlAs<QLineEdit>(&form, 11);
  EXPECT_TRUE(readOnly->isReadOnly());
  EXPECT_EQ(readOnly->maxLength(), 4);
  auto* lines = findControlAs<QPlainTextEdit>(&form, 12);
  ASSERT_NE(lines, nullptr);
  EXPECT_TRUE(lines->isReadOnly());
  auto* combo = findControlAs<QComboBox>(&form, 13);
  ASSERT_TRUE(combo->isEditable());
  QTest::keyClicks(combo->lineEdit(), "1892");  // 8 and 9 are no octal digits; three at most
  EXPECT_EQ(combo->lineEdit()->text(), "12");
  auto* image = findControlAs<QPushButton>(&form, 14);
  EXPECT_FALSE(image->icon().isNull());
  EXPECT_EQ(image->toolTip(), "Copy to transmit");
  EXPECT_EQ(findControlAs<QLabel>(&form, 15)->text(), "made by the view");
  auto* digits = findControlAs<DigitPairEdit>(&form, 16);
  digits->setBytes({0xAB, 0xCD, 0xEF});
  EXPECT_EQ(digits->text(), "ABCD");  // four digits: two bytes
}

TEST(Edits, DigitPairEditRoundTripsEveryByteValue) {
  DigitPairEdit edit;
  edit.setDigits(4);
  for (int value = 0; value < 256; ++value) {
    const std::uint8_t byte = static_cast<std::uint8_t>(value);
    edit.setBytes({byte, 0xFF});
    EXPECT_EQ(edit.bytes(), (std::vector<std::uint8_t>{byte, 0xFF})) << value;
  }
  edit.setText("");
  edit.insert("0f1A");  // typed in either case
  EXPECT_EQ(edit.bytes(), (std::vector<std::uint8_t>{0x0F, 0x1A}));
}

TEST(CPaintedControl, PaintsWithTheViewsDrawing) {
  CPaintedControl painted;
  painted.resize(40, 20);
  QRect drawnIn;
  painted.setPainter([&drawnIn](QPainter& painter, const QRect& area) {
    drawnIn = area;
    painter.fillRect(area, Qt::blue);
  });
  const QImage picture = painted.grab().toImage();
  EXPECT_EQ(drawnIn, QRect(0, 0, 40, 20));
  EXPECT_EQ(picture.pixelColor(5, 5), QColor(Qt::blue));
}

// An alert tone's first segment, as the alert tone view's page holds it:
// a frequency edit with off and its spin button, and a duration edit.
constexpr ControlDef kToneControls[] = {
    {5004, K::RangeOffEdit, "", 0, 0, 40, 12, 0, 4},
    {5033, K::Spin, "", 42, 0, 10, 12, 0, 0, nullptr, 5004},
    {5019, K::RangeEdit, "", 60, 0, 40, 12, 0, 4},
};
constexpr FormDef kTonePage{5002, "Alert Tone", 110, 20, kToneControls};

class TonePage : public ::testing::Test {
 protected:
  TonePage() {
    data.addLanguageLine("S0205004=100:10:2550:1:10:1:0");
    data.addLanguageLine("S0205019=0:10:2550:1:0:1:0");
    data.addLanguageLine("S0101174=Off");
    record.fill(0);
    page.setBytesSource([this] { return std::span<std::uint8_t>(record); });
    page.initialUpdate();
    page.load();
  }
  RangeOffEdit* tone() { return findControlAs<RangeOffEdit>(&page, 5004); }
  test::DataDir data;
  std::array<std::uint8_t, 18> record{};
  CPropertyPage page{kTonePage, FieldArea::AlertTone};
};

TEST_F(TonePage, OffStoresItsRawValueNotAllBitsSet) {
  EXPECT_EQ(tone()->text(), "Off");
  record[2] = 50;  // 500 Hz
  page.load();
  EXPECT_EQ(tone()->text(), "500");
  tone()->setText("Off");
  page.store();
  EXPECT_EQ(record[2], 0);
}

TEST_F(TonePage, SpinStepsPassThroughOffAndReachTheRecordAtOnce) {
  auto* spin = findControlAs<CSpinButton>(&page, 5033);
  ASSERT_NE(spin, nullptr);
  spin->step(true);  // from off: the lowest frequency
  EXPECT_EQ(tone()->text(), "100");
  EXPECT_EQ(record[2], 10);
  spin->step(false);  // below the lowest: off again
  EXPECT_EQ(tone()->text(), "Off");
  EXPECT_EQ(record[2], 0);
  spin->step(false);  // from off downward: the highest
  EXPECT_EQ(tone()->text(), "2550");
  EXPECT_EQ(record[2], 255);
}

}  // namespace
}  // namespace vex::gui
