#include "print/print_selection_dialog.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

#include "adapters/settings.h"
#include "adapters/texts.h"
#include "config/app_settings.h"
#include "core/report_sections.h"
#include "dialogs/dialog_buttons.h"
#include "toolkit/control_id.h"
#include "toolkit/form_builder.h"
#include "toolkit/translate.h"
#include "workflow/report/print_selection.h"
#include "workspace/tree_rows.h"
#include "workspace/view_table.h"

namespace vex::gui {
namespace {

using K = ControlKind;

QWidget* makeTree(QWidget* parent) {
  auto* tree = new QTreeWidget(parent);
  tree->setHeaderHidden(true);
  return tree;
}

constexpr ControlDef kControls[] = {
    {CDlgPrintSelection::kTree, K::Custom, "", 7, 7, 150, 176, 0, 0, nullptr, 0, makeTree},
    {kIdOk, K::Button, "OK", 165, 7, 60, 14},
    {kIdCancel, K::Button, "Cancel", 165, 25, 60, 14},
    {kIdHelp, K::Button, "Help", 165, 43, 60, 14},
    {text::kPrintSelectAll, K::Button, "&Select All", 165, 71, 60, 14},
    {text::kPrintClearAll, K::Button, "&Clear All", 165, 89, 60, 14},
    {text::kPrintSetupButton, K::Button, "P&rint Setup...", 165, 169, 60, 14},
};
constexpr FormDef kForm{CDlgPrintSelection::kTemplateId, "Print Selection", 232, 190, kControls};

// Tree rows that are never printed: passwords, embedded data, data watch.
constexpr int kNotPrinted[] = {kCmdViewPasswords, kCmdViewEmbedded, kCmdViewDataWatch, 32950, 32951};

bool isPrinted(int id, const QString& text) {
  if (text.isEmpty() || text.contains(QStringLiteral(" -"))) return false;
  return std::find(std::begin(kNotPrinted), std::end(kNotPrinted), id) == std::end(kNotPrinted);
}

}  // namespace

CDlgPrintSelection::CDlgPrintSelection(ReportSectionTable& table, QWidget* parent) : QDialog(parent), table_(table) {
  buildForm(this, kForm);
  table_.fill([](int id) { return settings::current().labelText(id); });
  translateWindow(this, kTemplateId);
  connectStandardButtons(this, kTemplateId);
  connect(findControlAs<QPushButton>(this, text::kPrintSelectAll), &QPushButton::clicked, this,
          [this] { setAllTicked(true); });
  connect(findControlAs<QPushButton>(this, text::kPrintClearAll), &QPushButton::clicked, this,
          [this] { setAllTicked(false); });
  connect(findControlAs<QPushButton>(this, text::kPrintSetupButton), &QPushButton::clicked, this, [this] {
    if (printSetup_) printSetup_();
  });
  showMessage_ = [this](int id) {
    QMessageBox::information(this, QString::fromStdString(texts::message(text::kMsgPrintCaption)),
                             QString::fromStdString(texts::message(id)));
  };
  fillTree();
}

QTreeWidget* CDlgPrintSelection::tree() const { return findControlAs<QTreeWidget>(this, kTree); }

// The navigation tree's rows under the model's root, each with a tick box.
void CDlgPrintSelection::fillTree() {
  QTreeWidget* widget = tree();
  widget->clear();
  auto tickable = [](QTreeWidgetItem* item) {
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, Qt::Unchecked);
    return item;
  };
  QTreeWidgetItem* root = tickable(new QTreeWidgetItem(widget, {QString::fromStdString(settings::modelName())}));
  addTreeRows(root, [&tickable](const TreeRow& row, const QString& shown, QTreeWidgetItem* parent) {
    return isPrinted(row.id, shown) ? tickable(new QTreeWidgetItem(parent, {shown})) : nullptr;
  });
  widget->expandAll();
}

void CDlgPrintSelection::setAllTicked(bool ticked) {
  for (QTreeWidgetItemIterator it(tree()); *it; ++it) (*it)->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
}

void CDlgPrintSelection::accept() {
  for (ReportSection& entry : table_.entries()) entry.selected = false;
  bool any = false;
  for (QTreeWidgetItemIterator it(tree()); *it; ++it)
    if ((*it)->checkState(0) == Qt::Checked) any |= SelectEntryOfItem(table_, (*it)->text(0).toStdString());
  if (any) {
    QDialog::accept();
    return;
  }
  const EmptySelectionAnswers::Answer answer = EmptySelectionAnswers::process().next();
  if (showMessage_) showMessage_(answer.messageId);
  if (answer.closesDialog) reject();
}

}  // namespace vex::gui
