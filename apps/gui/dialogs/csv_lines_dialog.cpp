#include "dialogs/csv_lines_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "adapters/texts.h"
#include "base/text_ids.h"

namespace vex::gui {
namespace {

QString message(int id) { return QString::fromStdString(texts::message(id)); }

QString rangeText(const CsvLineChoice& choice) {
  if (choice.firstLine == 0) return {};
  if (choice.lastLine == choice.firstLine) return QString::number(choice.firstLine);
  return QString::number(choice.firstLine) + QLatin1Char('-') + QString::number(choice.lastLine);
}

// A menu text as a title: "&Import Channels..." or "导入信道(&I)..." without mnemonic and dots.
QString titleOfMenuText(int id) {
  QString text = QString::fromStdString(texts::label(id));
  text.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
  text.remove(QLatin1Char('&'));
  while (text.endsWith(QLatin1Char('.'))) text.chop(1);
  return text;
}

}  // namespace

CDlgCsvLines::CDlgCsvLines(const std::string& problems, const CsvLineChoice& current, QWidget* parent)
    : QDialog(parent), choice_(current) {
  setWindowTitle(titleOfMenuText(text::kCmdImportChannels));
  auto* layout = new QVBoxLayout(this);

  auto* list = new QPlainTextEdit(QString::fromStdString(problems), this);
  list->setReadOnly(true);
  list->setLineWrapMode(QPlainTextEdit::NoWrap);
  list->setMinimumSize(520, 180);
  layout->addWidget(list);

  auto* linesLabel = new QLabel(message(text::kMsgCsvLinesPrompt), this);
  lines_ = new QLineEdit(rangeText(current), this);
  lines_->setPlaceholderText(QStringLiteral("71-86"));
  linesLabel->setBuddy(lines_);
  layout->addWidget(linesLabel);
  layout->addWidget(lines_);

  skipInvalid_ = new QCheckBox(message(text::kMsgCsvSkipInvalid), this);
  skipInvalid_->setChecked(current.skipInvalid);
  layout->addWidget(skipInvalid_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QString::fromStdString(texts::label(text::kButtonOk)));
  buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromStdString(texts::label(text::kButtonCancel)));
  connect(buttons, &QDialogButtonBox::accepted, this, &CDlgCsvLines::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CDlgCsvLines::reject);
  layout->addWidget(buttons);
  lines_->setFocus();
}

void CDlgCsvLines::accept() {
  CsvLineChoice choice;
  const std::string range = lines_->text().trimmed().toStdString();
  if (!range.empty()) {
    const auto parsed = ParseCsvLineRange(range);
    if (!parsed) {
      QApplication::beep();
      lines_->selectAll();
      lines_->setFocus();
      return;
    }
    choice = *parsed;
  }
  choice.skipInvalid = skipInvalid_->isChecked();
  choice_ = choice;
  QDialog::accept();
}

}  // namespace vex::gui
