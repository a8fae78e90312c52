#include "toolkit/form_fit.h"

#include <algorithm>
#include <vector>

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabWidget>

#include "toolkit/form_builder.h"

namespace vex::gui {
namespace {

constexpr const char* kBuiltFormProperty = "vexBuiltForm";

// Room kept, in dialog units, when a control grows: to the next control on
// its row, and inside the group or form around it. Wider room in the
// template is used up first.
constexpr int kKeptGap = 4;
constexpr int kKeptMargin = 7;

// Controls share a row when their heights overlap by this many pixels.
constexpr int kRowOverlap = 3;

// A form does not hold more moves than it has controls; the bound only
// guards against a template whose controls overlap oddly.
constexpr int kMostPasses = 64;

QString withoutMnemonic(const QString& text) {
  QString shown;
  shown.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

int widestLine(const QFontMetrics& metrics, const QString& text) {
  int widest = 0;
  for (const QString& line : text.split(u'\n')) widest = std::max(widest, metrics.horizontalAdvance(line));
  return widest;
}

int labelWidth(const QLabel* label) {
  const bool rich = label->textFormat() == Qt::RichText ||
                    (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
  if (label->text().isEmpty() || label->wordWrap() || rich) return 0;
  // Frame and contents margins, as the label keeps them around its text.
  const int around = label->width() - label->contentsRect().width() + 2 * label->margin();
  return widestLine(label->fontMetrics(), label->text()) + around + 1;
}

int pushButtonWidth(const QPushButton* button) {
  if (button->text().isEmpty()) return 0;
  const QStyle* style = button->style();
  int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
  if (button->isDefault() || button->autoDefault())
    frame += style->pixelMetric(QStyle::PM_ButtonDefaultIndicator, nullptr, button);
  int width = widestLine(button->fontMetrics(), withoutMnemonic(button->text())) + 2 * frame +
              style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
  if (!button->icon().isNull()) width += button->iconSize().width() + 4;
  return width;
}

int groupBoxWidth(const QGroupBox* group) {
  if (group->title().isEmpty()) return 0;
  QStyleOptionGroupBox option;
  option.initFrom(group);
  option.text = group->title();
  option.textAlignment = group->alignment();
  option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  if (group->isCheckable()) option.subControls |= QStyle::SC_GroupBoxCheckBox;
  // Laid out in a frame wide enough for any title, the label's right end
  // plus the same room again as before it is what the title needs.
  option.rect = QRect(0, 0, 1 << 16, group->height());
  const QRect label = group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
  return label.left() + label.right() + 1;
}

// One control of a form being fitted; its place is the one it had before.
struct Placed {
  QWidget* widget;
  QRect place;
  bool group;
  int shift = 0;  // moved right by
  int grow = 0;   // widened by
};

// A constraint "this control's right edge moves at least as far as that
// one's, less the slack between them".
struct Push {
  std::size_t from;
  int slack;
};

int rightOf(const QRect& r) { return r.x() + r.width(); }

bool sameRow(const QRect& a, const QRect& b) {
  return std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) + 1 >= kRowOverlap;
}

bool contains(const Placed& outer, const Placed& inner) {
  return outer.group && outer.widget != inner.widget && outer.place.adjusted(-2, -2, 2, 2).contains(inner.place);
}

void fitForm(QWidget* form) {
  std::vector<Placed> controls;
  for (QWidget* child : form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (child->isWindow()) continue;
    controls.push_back({child, child->geometry(), qobject_cast<QGroupBox*>(child) != nullptr});
  }
  const int keptGap = dialogUnitsToPixels(form, 0, 0, kKeptGap, 0).width();
  const int keptMargin = dialogUnitsToPixels(form, 0, 0, kKeptMargin, 0).width();

  const std::size_t count = controls.size();
  std::vector<int> needed(count, 0);
  std::vector<std::vector<Push>> pushedBy(count);        // controls left of it on its row
  std::vector<std::vector<std::size_t>> inside(count);   // groups around it
  std::vector<std::vector<Push>> holds(count);           // a group's contents
  std::vector<std::vector<std::size_t>> aligned(count);  // same left edge; groups: same left and right edges
  for (std::size_t i = 0; i < count; ++i) {
    const Placed& c = controls[i];
    if (!c.widget->isHidden()) needed[i] = std::max(0, textFitWidth(c.widget) - c.place.width());
    for (std::size_t j = 0; j < count; ++j) {
      if (i == j) continue;
      const Placed& other = controls[j];
      const bool otherShown = !other.widget->isHidden();
      if (contains(other, c)) {
        inside[i].push_back(j);
      } else if (contains(c, other)) {
        if (otherShown) holds[i].push_back({j, std::max(0, rightOf(c.place) - rightOf(other.place) - keptMargin)});
      } else if (otherShown && other.place.x() < c.place.x() && sameRow(other.place, c.place)) {
        pushedBy[i].push_back({j, std::max(0, c.place.x() - rightOf(other.place) - keptGap)});
      }
      if (other.place.x() == c.place.x() && (!c.group || (other.group && rightOf(other.place) == rightOf(c.place))))
        aligned[i].push_back(j);
    }
  }

  // Every rule only ever moves or widens a control further, so repeating
  // them until nothing changes settles.
  bool changed = true;
  for (int pass = 0; changed && pass < kMostPasses; ++pass) {
    changed = false;
    for (std::size_t i = 0; i < count; ++i) {
      Placed& c = controls[i];
      int shift = c.shift;
      for (const Push& push : pushedBy[i])
        shift = std::max(shift, controls[push.from].shift + controls[push.from].grow - push.slack);
      for (std::size_t group : inside[i]) shift = std::max(shift, controls[group].shift);
      for (std::size_t j : aligned[i]) shift = std::max(shift, controls[j].shift);
      int grow = std::max(c.grow, needed[i]);
      for (const Push& held : holds[i])
        grow = std::max(grow, controls[held.from].shift + controls[held.from].grow - held.slack - shift);
      if (c.group)  // groups that share both edges keep sharing them
        for (std::size_t j : aligned[i]) grow = std::max(grow, controls[j].shift + controls[j].grow - shift);
      if (shift != c.shift || grow != c.grow) {
        c.shift = shift;
        c.grow = grow;
        changed = true;
      }
    }
  }

  int formGrow = 0;
  int lowest = 0;  // the bottom edge of the lowest control shown
  for (const Placed& c : controls) {
    if (!c.widget->isHidden()) lowest = std::max(lowest, c.place.y() + c.place.height());
    if (c.shift == 0 && c.grow == 0) continue;
    c.widget->setGeometry(c.place.x() + c.shift, c.place.y(), c.place.width() + c.grow, c.place.height());
    if (c.widget->isHidden()) continue;
    const int slack = std::max(0, form->width() - rightOf(c.place) - keptMargin);
    formGrow = std::max(formGrow, c.shift + c.grow - slack);
  }
  const int height =
      lowest > form->height() ? lowest + dialogUnitsToPixels(form, 0, 0, 0, kKeptGap).height() : form->height();
  const int width = form->width() + formGrow;
  if (width == form->width() && height == form->height()) return;
  if (form->minimumSize() == form->maximumSize()) {
    form->setFixedSize(width, height);
  } else {
    form->setMinimumSize(form->minimumSize().expandedTo(QSize(width, height)));
    form->resize(width, height);
  }
}

int depth(const QWidget* widget) {
  int levels = 0;
  for (const QWidget* up = widget->parentWidget(); up; up = up->parentWidget()) ++levels;
  return levels;
}

}  // namespace

void markBuiltForm(QWidget* form) { form->setProperty(kBuiltFormProperty, true); }

int textFitWidth(const QWidget* control) {
  if (auto* label = qobject_cast<const QLabel*>(control)) return labelWidth(label);
  if (auto* button = qobject_cast<const QPushButton*>(control)) return pushButtonWidth(button);
  if (qobject_cast<const QCheckBox*>(control) || qobject_cast<const QRadioButton*>(control))
    return static_cast<const QAbstractButton*>(control)->text().isEmpty() ? 0 : control->sizeHint().width();
  if (auto* group = qobject_cast<const QGroupBox*>(control)) return groupBoxWidth(group);
  // A property sheet is as wide as its widest page.
  if (qobject_cast<const QTabWidget*>(control)) return control->sizeHint().width();
  return 0;
}

void fitFormsToTexts(QWidget* window) {
  std::vector<QWidget*> forms;
  if (window->property(kBuiltFormProperty).toBool()) forms.push_back(window);
  for (QWidget* child : window->findChildren<QWidget*>())
    if (child->property(kBuiltFormProperty).toBool()) forms.push_back(child);
  // Pages before the forms that hold them: a grown page widens its sheet.
  std::stable_sort(forms.begin(), forms.end(), [](QWidget* a, QWidget* b) { return depth(a) > depth(b); });
  for (QWidget* form : forms) fitForm(form);
}

}  // namespace vex::gui
