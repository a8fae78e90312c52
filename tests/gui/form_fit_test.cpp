// Every view of the view table in both languages, at the normal font and at
// one and a half times its size: no shown label, button or group title is cut
// and no such control reaches past its form.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>

#include "adapters/radio_data.h"
#include "adapters/settings.h"
#include "config/app_settings.h"
#include "gui_test_support.h"
#include "toolkit/control_id.h"
#include "toolkit/form_builder.h"
#include "toolkit/translate.h"
#include "views/custom_form_view.h"
#include "workspace/view_table.h"

namespace vex::gui {
namespace {

// A button's text as drawn: "&&" shows one '&', a single '&' marks the mnemonic.
QString withoutMnemonic(const QString& text) {
  QString shown;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

int widestLine(const QFontMetrics& metrics, const QString& text) {
  int widest = 0;
  for (const QString& line : text.split('\n')) widest = std::max(widest, metrics.horizontalAdvance(line));
  return widest;
}

struct TextRoom {
  QString text;
  int needed = 0;  // the text's width
  int room = 0;    // the width the control draws it in
};

// The text a control shows and the room the style gives it; nothing for
// controls without a one-line text.
std::optional<TextRoom> textRoom(QWidget* control) {
  const QFontMetrics metrics(control->font());
  QStyle* style = control->style();
  if (auto* label = qobject_cast<QLabel*>(control)) {
    if (label->text().isEmpty() || label->wordWrap() || label->textFormat() == Qt::RichText) return std::nullopt;
    return TextRoom{label->text(), widestLine(metrics, label->text()),
                    label->contentsRect().width() - 2 * label->margin()};
  }
  if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    if (button->text().isEmpty()) return std::nullopt;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox*>(button)) contents = QStyle::SE_CheckBoxContents;
    if (qobject_cast<QRadioButton*>(button)) contents = QStyle::SE_RadioButtonContents;
    if (!qobject_cast<QPushButton*>(button) && contents == QStyle::SE_PushButtonContents) return std::nullopt;
    const QString shown = withoutMnemonic(button->text());
    return TextRoom{shown, widestLine(metrics, shown), style->subElementRect(contents, &option, button).width()};
  }
  if (auto* group = qobject_cast<QGroupBox*>(control)) {
    if (group->title().isEmpty()) return std::nullopt;
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.textAlignment = group->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect label = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
    const QString shown = withoutMnemonic(group->title());
    return TextRoom{shown, metrics.horizontalAdvance(shown), label.intersected(group->rect()).width()};
  }
  return std::nullopt;
}

void expectTextsWhole(QWidget& view, const QString& where) {
  for (QWidget* control : view.findChildren<QWidget*>()) {
    if (control->isHidden()) continue;  // hidden by the view: takes no room
    const std::optional<TextRoom> text = textRoom(control);
    if (!text) continue;
    const std::string name = where.toStdString() + ", control " + std::to_string(controlId(control)) + " \"" +
                             text->text.toStdString() + "\"";
    EXPECT_LE(text->needed, text->room) << name << ": text cut";
    if (QWidget* form = control->parentWidget()) {
      EXPECT_TRUE(form->rect().contains(control->geometry())) << name << ": reaches past its form";
    }
  }
}

TEST(FormFit, EveryViewShowsItsTextsWholeInBothLanguagesAtBothScales) {
  QTemporaryDir data;
  test::copyDirectory(QString::fromLatin1(VEX_DATA_DIR), data.path());
  settings::initialiseSeparate(data.path().toStdString());
  const QFont normal = QApplication::font();
  for (const double scale : {1.0, 1.5}) {
    QFont font = normal;
    font.setPointSizeF(normal.pointSizeF() * scale);
    QApplication::setFont(font);
    for (const int language : {0, 1}) {
      settings::current().selectLanguage(language);
      radio_data::resetToDefaults();
      for (const ViewEntry& entry : viewTable()) {
        // Views that talk to a radio start that from the event loop, which
        // this test never enters: the view is gone before.
        std::unique_ptr<CCustomFormView> view(createView(entry));
        view->initialUpdate();
        expectTextsWhole(*view, QStringLiteral("%1 (%2, scale %3)")
                                    .arg(entry.defaultTitle)
                                    .arg(language == 0 ? "English" : "Chinese")
                                    .arg(scale));
      }
    }
  }
  QApplication::setFont(normal);
}

// Translated texts longer than their template places (a label, a check box, a
// button): each control widens, the controls after it on its row move along
// (their column with them), the group and the form grow around them, a
// hidden control takes no room, and translating again changes nothing.
TEST(FormFit, ALongerTextWidensItsControlAndMovesItsRow) {
  test::DataDir data;
  data.addLanguageLine("S0200101=A label text far longer than the template gave it room for");
  data.addLanguageLine("S0200103=A check box text far longer than its place as well");
  data.addLanguageLine("S0200107=A hidden label with a long text of its own");
  data.addLanguageLine("S0200108=&Apply these settings to every channel");
  using K = ControlKind;
  static constexpr ControlDef kControls[] = {
      {100, K::Group, "Group", 7, 6, 150, 40},   {101, K::Label, "Short", 14, 18, 40, 12},
      {102, K::Combo, "", 58, 17, 60, 13},       {103, K::Check, "Check", 14, 30, 60, 12},
      {104, K::Label, "Right", 165, 18, 40, 12}, {105, K::Label, "Below", 7, 52, 40, 12},
      {106, K::Edit, "", 58, 51, 60, 13},        {107, K::Label, "Hidden", 120, 30, 20, 12, kStyleHidden},
      {108, K::Button, "OK", 165, 51, 40, 14},
  };
  static constexpr FormDef kForm{900, "Fit", 215, 70, kControls};
  QWidget form;
  buildForm(&form, kForm);
  const QSize before = form.size();
  const QRect hidden = findControl(&form, 107)->geometry();
  const QRect below = findControl(&form, 105)->geometry();
  translateWindow(&form, kForm.templateId);

  expectTextsWhole(form, QStringLiteral("fitted form"));
  const auto place = [&form](int id) { return findControl(&form, id)->geometry(); };
  EXPECT_GT(place(102).left(), place(101).right());
  EXPECT_EQ(place(106).left(), place(102).left());  // the column stays a column
  EXPECT_TRUE(place(100).contains(place(102)));
  EXPECT_TRUE(place(100).contains(place(103)));
  EXPECT_GT(place(104).left(), place(100).right());
  EXPECT_EQ(place(105), below);  // nothing on its row grew
  EXPECT_EQ(place(107).width(), hidden.width());
  EXPECT_GT(form.width(), before.width());
  EXPECT_EQ(form.height(), before.height());

  std::vector<QRect> fitted;
  for (int id = 100; id <= 108; ++id) fitted.push_back(place(id));
  const QSize fittedSize = form.size();
  translateWindow(&form, kForm.templateId);
  for (int id = 100; id <= 108; ++id) EXPECT_EQ(place(id), fitted[static_cast<std::size_t>(id - 100)]) << id;
  EXPECT_EQ(form.size(), fittedSize);
}

}  // namespace
}  // namespace vex::gui
