#include "factory/tuning_dialog.h"

#include <QListWidget>
#include <QPushButton>

#include "adapters/texts.h"
#include "transfer/radio_work.h"
#include "factory/tune_sub_item_dialog.h"
#include "toolkit/control_id.h"
#include "toolkit/form_builder.h"
#include "toolkit/translate.h"
#include "transfer/transfer_prompts.h"
#include "workflow/tune_list.h"

namespace vex::gui {
namespace {

constexpr ControlDef kControls[] = {
    {CDlgTuning::kClose, ControlKind::Button, "Close", 127, 133, 60, 15},
};
constexpr FormDef kForm{CDlgTuning::kTemplateId, "Tuning", 194, 156, kControls};

}  // namespace

CDlgTuning::CDlgTuning(CRadioLink& link, QWidget* parent)
    : QDialog(parent),
      link_(link),
      items_(BuildTuneList(texts::label(text::kTuneItemList), texts::label(text::kTuneItemFlags))) {
  buildForm(this, kForm);
  translateWindow(this, kTemplateId);
  // The list is filled here, from the items with their flags, not by the
  // translation of its option list.
  list_ = new QListWidget(this);
  setControlId(list_, kList);
  list_->setGeometry(dialogUnitsToPixels(this, 7, 7, 180, 120));
  for (const TuneItem& item : items_) list_->addItem(QString::fromStdString(item.text));
  if (!items_.empty()) list_->setCurrentRow(0);
  connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { openItem(list_->row(item)); });
  // Return opens the selected item: the list comes first and Close is no
  // default button, so the key the list passes on does not close the dialog.
  auto* close = findControlAs<QPushButton>(this, kClose);
  close->setAutoDefault(false);
  close->setDefault(false);
  setTabOrder(list_, close);
  list_->setFocus();
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void CDlgTuning::openItem(int row) {
  if (row < 0 || row >= static_cast<int>(items_.size())) return;
  const TuneItem& item = items_[static_cast<std::size_t>(row)];
  TuneStep step;
  std::uint16_t value = 0;
  runRadioWork(this, [&](TransferHost&) {
    step = ReadFirstValue(link_, item, value);
    return 1;
  });
  if (step.close) {
    showMessageText(this, step.message);
    return;
  }
  CDlgTuneSubItem dialog(link_, item, value, this);
  dialog.exec();
  if (dialog.closeMessage() != 0) showMessageText(this, dialog.closeMessage());
}

}  // namespace vex::gui
