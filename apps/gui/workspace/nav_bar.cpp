#include "workspace/nav_bar.h"

#include <QAbstractButton>
#include <QLabel>
#include <QStyle>

#include "adapters/settings.h"
#include "base/text_ids.h"
#include "config/app_settings.h"
#include "toolkit/control_id.h"
#include "toolkit/form_builder.h"
#include "toolkit/images.h"
#include "toolkit/translate.h"

namespace vex::gui {
namespace {

using K = ControlKind;
constexpr ControlDef kControls[] = {
    {CNavBar::kClose, K::Button, "Close", 3, 2, 40, 14},
    {CNavBar::kPrint, K::Button, "Print", 46, 2, 40, 14},
    {CNavBar::kHelp, K::Button, "Help", 89, 2, 40, 14},
    {1053, K::Button, "", 136, 2, 18, 14},
    {1054, K::Button, "", 155, 2, 18, 14},
    {1055, K::Button, "", 174, 2, 18, 14},
    {1056, K::Button, "", 193, 2, 18, 14},
    {1057, K::Button, "", 216, 2, 18, 14},
    {1058, K::Button, "", 235, 2, 18, 14},
    {CNavBar::kCounter, K::Label, "", 260, 2, 70, 14},
    {CNavBar::kList, K::Button, "", 334, 2, 18, 14},
};
constexpr FormDef kForm{CNavBar::kTemplateId, "", 356, 18, kControls};

// Enabling of First, Previous, Next, Last, Add, Delete per state code:
// 1 enabled, 0 disabled, -1 unchanged.
constexpr int kEnabling[9][6] = {
    {0, 0, 1, 1, 1, 1}, {0, 0, 0, 0, 1, 0}, {0, 0, 1, 1, 0, 1}, {1, 1, 0, 0, 1, 1},      {1, 1, 0, 0, 0, 1},
    {1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 0, 1}, {0, 0, 0, 0, 0, 0}, {-1, -1, -1, -1, 1, -1},
};

}  // namespace

CNavBar::CNavBar(QWidget* parent) : QWidget(parent) {
  buildForm(this, kForm);
  setFixedHeight(height());
  setMinimumWidth(width());
  setMaximumWidth(QWIDGETSIZE_MAX);
  for (int k = 0; k < 6; ++k) {
    QAbstractButton* move = button(kFirst + k);
    move->setIcon(imageIcon(kImageFirst + k));
    connect(move, &QAbstractButton::clicked, this, [this, k] { emit moveRequested(k); });
  }
  button(kList)->setIcon(imageIcon(kImageList));
  button(kList)->hide();
  connect(button(kClose), &QAbstractButton::clicked, this, &CNavBar::closeRequested);
  connect(button(kPrint), &QAbstractButton::clicked, this, &CNavBar::printRequested);
  connect(button(kHelp), &QAbstractButton::clicked, this, &CNavBar::helpRequested);
  connect(button(kList), &QAbstractButton::clicked, this, &CNavBar::listRequested);
  QFont font(QStringLiteral("Arial"), 10, QFont::Bold);
  counter()->setFont(font);
  counter()->setForegroundRole(QPalette::Link);  // stands out, and stays readable in a dark palette
  translateWindow(this, kTemplateId);
  // The picture buttons say what they do in their tips, to screen readers too.
  const std::vector<std::string> names = settings::current().textList(text::kNavButtonNames);
  const int pictured[] = {kFirst, kPrevious, kNext, kLast, kAdd, kDelete, kList};
  for (std::size_t k = 0; k < std::size(pictured) && k < names.size(); ++k) {
    QAbstractButton* b = button(pictured[k]);
    b->setToolTip(QString::fromStdString(names[k]));
    b->setAccessibleName(b->toolTip());
  }
}

QAbstractButton* CNavBar::button(int id) const { return findControlAs<QAbstractButton>(this, id); }
QLabel* CNavBar::counter() const { return findControlAs<QLabel>(this, kCounter); }

void CNavBar::applyState(int multiRecord, int code) {
  button(kList)->hide();
  if (multiRecord == 0) {
    for (int id = kFirst; id <= kDelete; ++id) button(id)->hide();
    counter()->hide();
    button(kPrint)->setVisible(code != 1 && code != 2);
    button(kHelp)->setVisible(code != 2);
    return;
  }
  for (int id = kFirst; id <= kDelete; ++id) button(id)->show();
  counter()->show();
  if (code < 0 || code > 8) return;
  for (int k = 0; k < 6; ++k)
    if (kEnabling[code][k] >= 0) button(kFirst + k)->setEnabled(kEnabling[code][k] == 1);
}

void CNavBar::showListButton(const QString& tip) {
  button(kList)->setToolTip(tip);
  button(kList)->show();
}

void CNavBar::setPosition(int position, int count) {
  // "3 / 5" reads the same in every language.
  if (QLabel* label = counter()) label->setText(QStringLiteral("%1 / %2").arg(position).arg(count));
}

}  // namespace vex::gui
