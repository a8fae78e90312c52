// Every view of the view table in both languages, at the normal font and at
// one and a half times its size: no label, button or group title is cut and
// no such control reaches past its form.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
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
    const std::optional<TextRoom> text = textRoom(control);
    if (!text) continue;
    const std::string name = where.toStdString() + ", control " + std::to_string(controlId(control)) + " \"" +
                             text->text.toStdString() + "\"";
    EXPECT_LE(text->needed, text->room) << name << ": text cut";
    if (QWidget* form = control->parentWidget(); form && !control->isHidden()) {
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

}  // namespace
}  // namespace vex::gui
